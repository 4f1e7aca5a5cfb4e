typedef struct tagPOINT {
    LONG x;   // horizontal
    LONG y;
} POINT, *PPOINT, NEAR *NPPOINT;
typedef struct tagRECT { LONG left; LONG top; } RECT;
typedef struct _MEMBERS {
    DWORD cbSize;
    char *lpszName;
    BYTE bData[16];
    BYTE bKey[0x10];
    WCHAR szName[MAX_PATH];
    int aGrid[2][3];
    POINT pt;
    POINT apt[4];
    RECT rc;   // frame
    DWORD cb; // size
    FOO x;
    int a, *b, c[2];
    int d; int e; // note
    WCHAR sz[ ];
    const char *p;
    struct _X *q;
    DWORD length;
    PPOINT ppt;
} MEMBERS;
