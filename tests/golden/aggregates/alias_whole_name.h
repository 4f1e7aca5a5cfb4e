// a structure alias is found by its whole name: UUID is no part of UUID_VECTOR
typedef struct _GUID2 { DWORD Data1; } GUID2;
typedef struct _UUID_VECTOR { DWORD Count; } UUID_VECTOR;
typedef GUID2 UUID;
typedef struct _IF_ID { UUID Uuid; } IF_ID;
