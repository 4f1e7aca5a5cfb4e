typedef enum _COLOR {
    CLR_RED,          // red
    CLR_GREEN = 5,
    CLR_BLUE,
    CLR_MASK = 0x10 | CLR_RED
} COLOR, *PCOLOR;
typedef enum _VALUES {
    A = MAKE_X(1, 2),
    B = (1 << 2),
    B1,
    C = D & E,
    N = -1,
    N1,
#ifdef EXTRA
    X = 9,
#endif
    Y
} VALUES, VALUES2;
typedef enum _EMPTY {} EMPTY;
typedef enum { P1 } *PANON;
typedef struct _USES {
    VALUES2 v;
    PCOLOR pc;
    PANON pa;
    EMPTY e;
} USES;
