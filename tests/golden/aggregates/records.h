typedef struct _FLAGS {
    DWORD fRead : 1;
    DWORD fWrite : 1;
    DWORD nLevel : 4;
    DWORD dwOther;
} FLAGS;
typedef struct _S {
    BYTE b : 3;     // dropped comment
    DWORD plain;
    x : 3;
    DWORD y : 2;
} S;
typedef struct _PACKED {
    DWORD one : 1;
} PACKED;
typedef struct _SPLIT {
    DWORD wide
        : 7;
    DWORD a : 1, b : 2;
} SPLIT;
