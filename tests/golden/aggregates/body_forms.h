typedef struct _E {} E;
struct tagBIG { DWORD d; };
struct _V {
#ifdef Q
    int a = 1;
#endif
};
typedef struct IFooVtbl { HRESULT (*QueryInterface)(void); } IFooVtbl;
typedef struct _C {
    DWORD a;
} C; // closing comment
typedef union _UU { struct { int a; int b; } s; } UU;
typedef struct tagA
{
    int i;
} A, A2, *PA;
typedef struct { int x; } *PX;
typedef struct _D {
#define INNER 1
#pragma pack(1)
    int a;
#if FOO
    int b;
#else
    int c;
#endif
    struct tagBIG big;
    IFooVtbl vt;
    A2 a2;
    PA pa;
    PX px;
} D;
#define RASCONNW struct tagRASCONNW
  RASCONNW {
    DWORD dwSize;
};
#define MYENUM enum tagMYENUM
MYENUM { M1, M2 };
