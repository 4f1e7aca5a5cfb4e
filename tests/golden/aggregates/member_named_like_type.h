// a member named like a structure is renamed: the assembler holds one name for both
typedef struct _LOOP { DWORD cbSize; } LOOP;
typedef struct _INSTRUMENT {
    DWORD ulFirst;
    LOOP LOOP[1];
} INSTRUMENT;
