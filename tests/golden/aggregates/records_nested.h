// a nested aggregate ends a run of bit fields: its fields make a record of their own
typedef struct _PMC {
    BYTE Version : 3;
    BYTE Rsvd : 5;
    struct _SUPPORT {
        BYTE Rsvd : 1;
        BYTE D1 : 1;
    } Support;
} PMC;
