// the later plain names of a structure typedef are types of the assembler too
typedef struct _POINT2 {
    DWORD x;
} POINT2, *PPOINT2, POINTL2;
