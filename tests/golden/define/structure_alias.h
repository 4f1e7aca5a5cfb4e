// A name that is a structure already, defined as another structure: the TYPEDEF is made
// where the name is still free (the structure stood in a branch not taken).
typedef struct _LIST_NODE {
    DWORD Count;
} LIST_NODE;
#ifdef _WIN64
typedef struct _NODE_ITEM {
    DWORD Count;
} NODE_ITEM;
#else
#define NODE_ITEM LIST_NODE
#endif
