#include <pshpack2.h>
typedef struct _PACKED {
    BYTE a;
    DWORD b;
} PACKED;
#include <poppack.h>
#pragma pack(push, 1)
#pragma pack(pop)
#pragma pack(4)
#pragma pack()
#pragma pack(push)
#pragma pack(show)
typedef union _AFTER { BYTE a; DWORD b; } AFTER;
#include <pshpack1.h>
typedef struct _ONE { BYTE a; DWORD b; } ONE;
#include <poppack.h>
#pragma pack(push, 2)
typedef struct _TWO { BYTE a; DWORD b; } TWO;
#pragma pack(pop)
