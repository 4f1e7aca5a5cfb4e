// bit fields in the branches of a conditional: each branch declares its own record, under
// the same condition
typedef struct _BLOCK {
    DWORD Protection : 5;
    DWORD Shared : 1;
#ifdef _WIN64
    DWORD VirtualPage : 52;
#else
    DWORD VirtualPage : 20;
#endif
} BLOCK;
