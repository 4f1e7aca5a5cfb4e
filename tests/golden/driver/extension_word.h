// "__extension__" before a declaration, on its line or the line before, says nothing
__extension__
typedef struct _PAIR {
    DWORD First;
} PAIR;
__extension__ typedef struct _WIDE {
    DWORD Last;
} WIDE;
