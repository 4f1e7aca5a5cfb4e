// names the assembler reserves take the replacement the knowledge file gives, wherever
// they stand: member, nested aggregate, structure and its uses, enumerator, parameter type
typedef struct tagSIZE { LONG cx; LONG cy; } SIZE;
typedef struct _CONTEXT {
    DWORD Dr0;
    union {
        DWORD Flags;
    } HighWord;
    SIZE Extent;
} CONTEXT;
typedef enum _DATA_FLOW { In, Out } DATA_FLOW;
void Grow(SIZE sz);
