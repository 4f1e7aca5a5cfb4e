// typedefs of structures become types the assembler knows, at once or once the body comes
typedef struct tagVARIANT VARIANT;
typedef VARIANT VARIANTARG;
struct tagVARIANT {
    DWORD vt;
};
typedef struct _GUIDX {
    DWORD Data1;
} GUIDX;
typedef GUIDX NTMS_GUID;
typedef struct _GUIDX GUIDX2;
typedef struct _HOLDER {
    struct _GUIDX g;
    VARIANT v;
} HOLDER;
typedef GUIDX GUID_A, *PGUID_A, GUID_B;
