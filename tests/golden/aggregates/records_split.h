// a field that does not fit in the 32 bits left of a run starts a new record, as in C
typedef struct _CLAUSE {
    DWORD Flags : 16;
    DWORD TryOffset : 16;
    DWORD TryLength : 8;
    DWORD HandlerOffset : 16;
} CLAUSE;
