typedef struct tagBROKEN {
    LONG x;
    int a[2, b;
    LONG y;
} BROKEN;
