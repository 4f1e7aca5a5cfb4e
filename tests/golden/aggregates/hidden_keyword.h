// a brace whose keyword a macro hides still opens a nested structure
typedef struct {
    union {
        ANON_STRUCT(_IDENTIFIER)
        {
            DWORD Id;
            DWORD Flags;
        };
        DWORD Alignment;
    };
} IDENT;
