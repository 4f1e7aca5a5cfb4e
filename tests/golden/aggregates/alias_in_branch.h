// an alias whose typedef stands under other conditions than the body stays a comment
#ifdef _ARM_
typedef struct _ARM_ENTRY ENTRY;
#endif
struct _ARM_ENTRY {
    DWORD Begin;
};
