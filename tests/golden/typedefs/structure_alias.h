// a typedef that gives a structure's name to another structure, in the branch the first
// body is not in: the alias is made where the name is still free
typedef struct _SINGLE_ITEM {
    DWORD Count;
} SINGLE_ITEM;
#ifdef _WIN64
typedef struct _LIST_ITEM {
    DWORD Count;
} LIST_ITEM;
#else
typedef struct _SINGLE_ITEM LIST_ITEM;
#endif
