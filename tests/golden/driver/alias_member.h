// A member typed by an alias of a structure is declared as the structure
typedef struct _DS_FAILURE {
    DWORD dwFlags;
    UUID uuidDsaObjGuid;
} DS_FAILURE;
