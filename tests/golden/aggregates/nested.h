typedef struct tagMOUSEINPUT { LONG dx; LONG dy; } MOUSEINPUT;
typedef struct tagKEYBDINPUT { WORD wVk; WORD wScan; } KEYBDINPUT;
typedef struct tagINPUT {
    DWORD type;
    union {
        MOUSEINPUT mi;
        KEYBDINPUT ki;
    } DUMMYUNIONNAME;
} INPUT;
typedef struct tagINPUT2 {
    DWORD type;
    union {
        MOUSEINPUT mi;
    };
} INPUT2;
typedef struct _DEEP {
    union { struct { int a; } s; int b; } u;
    struct {
        DWORD f1 : 1;
        DWORD f2 : 2;
    };
    int c;
} DEEP;
