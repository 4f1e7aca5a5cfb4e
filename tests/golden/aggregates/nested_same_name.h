typedef struct _HEADER {
    union {
        union {
            BYTE Flags;
        } DUMMYUNIONNAME;
        union {
            BYTE Active;
        } DUMMYUNIONNAME;
    } DUMMYUNIONNAME3;
    union {
        BYTE Other;
    } DUMMYUNIONNAME;
    LONG SignalState;
} HEADER;
