// a qualifier anywhere in a member says nothing of its size
typedef struct _QUEUE {
    struct _QUEUE * volatile Next;
    DWORD *volatile pCount;
    DWORD volatile Count;
    struct _QUEUE *RESTRICTED_POINTER Owner;
    DWORD *__restrict pFirst;
    const DWORD *const pLimit;
} QUEUE;
