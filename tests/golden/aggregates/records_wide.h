// a field wider than the 32 bits of a record: its parts fill the open run, then new ones
typedef struct _POLICY {
    ULONG64 Enable : 1;
    ULONG64 Reserved : 63;
} POLICY;
