// #ifdef and #else inside a body: each branch keeps its own nested frames and the
// structure ends at its own closing brace
typedef struct _PROTOCOL_INFO {
    DWORD Flags;
#ifdef OLD_LAYOUT
    struct {
        DWORD Reserved[16];
    } ProtocolSpecificReserved;
#else
    union {
        struct {
            DWORD Capabilities;
        } Server;
        DWORD Reserved[16];
    } ProtocolSpecific;
#endif
} PROTOCOL_INFO, *PPROTOCOL_INFO;
typedef struct _NEXT { DWORD a; } NEXT;
