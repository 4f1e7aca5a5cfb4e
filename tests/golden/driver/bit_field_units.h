typedef struct {
    unsigned short bAppReturnCode:8, reserved:6, fBusy:1, fAck:1;
    short cfFormat;
} DDEACK2;
typedef struct _UNITS {
    unsigned char a:4;
    unsigned short b:4;
    unsigned short c:14;
    long long total;
    unsigned long long rest;
} UNITS;
