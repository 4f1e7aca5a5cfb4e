typedef struct _ATTRIBUTES {
    DWORD Kind;
    union {
        WORD Small;
        DWORD Large;
    }
#ifdef __cplusplus
    PhySpecific
#endif
    ;
    DWORD After;
} ATTRIBUTES;
