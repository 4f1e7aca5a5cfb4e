#define LOOKASIDE_FIELDS \
    union {             \
        DWORD Hits;     \
        DWORD Misses;   \
    } u;                \
    WORD Depth; WORD MaximumDepth;
typedef struct _LOOKASIDE {
    LOOKASIDE_FIELDS
} LOOKASIDE;
typedef struct _LOOKASIDE_EX {
    LOOKASIDE_FIELDS
    DWORD Extra;
} LOOKASIDE_EX;
