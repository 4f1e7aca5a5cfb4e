// a comma that stands after an #ifdef, and a member named like an enumerator
typedef enum _FLAG {
    FLAG_NONE = 0,
    FLAG_ONE = 1
#ifdef WIN8
    ,
    FLAG_TWO = 2
#endif
} FLAG;
typedef struct _USE_FLAG {
    DWORD FLAG_ONE;
} USE_FLAG;
