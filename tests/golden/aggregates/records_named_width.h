// a bit field's width may be a macro defined as a number: the record takes the number
#define INDEX_BITS 6
typedef struct _TIMER {
    BYTE Index : INDEX_BITS;
    volatile BYTE Expired : 1;
} TIMER;
