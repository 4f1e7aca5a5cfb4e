// a nested structure declared as an array becomes a structure of its own
typedef struct _LOCALE {
    int refcount;
    struct {
        char *locale;
        int refcount;
    } lc_category[6];
    int mb_cur_max;
} LOCALE;
