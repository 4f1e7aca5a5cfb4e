// a sign word sizes nothing by itself: the word after it gives the size, a lone one is an int
typedef unsigned char UCHAR;
typedef const;
typedef unsigned long;
typedef signed char SCHAR;
typedef struct _SIGNS { UCHAR u; SCHAR s; } SIGNS;
