// A pointer after a char is aligned to its own size, as C aligns it: the assembler does so.
typedef struct _SLOT {
    char c;
    void *p;
} SLOT;
// A structure holding a pointer is aligned as its pointer where it is a member.
typedef struct _HOLDER {
    char tag;
    SLOT s;
    PVOID tail;
} HOLDER;
// A union is as wide as its widest member, the pointer.
typedef union _CELL {
    void *p;
    DWORD d;
    HANDLE h;
} CELL, *PCELL;
// In a region of byte packing the pointer follows the char at once.
#include <pshpack1.h>
typedef struct _TIGHT {
    char c;
    void *p;
} TIGHT;
#include <poppack.h>
