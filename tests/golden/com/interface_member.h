// an interface held by value in a structure is its object, one pointer
typedef struct IBazVtbl
{
    BEGIN_INTERFACE
    ULONG ( STDMETHODCALLTYPE *AddRef )( 
        IBaz * This);
    END_INTERFACE
} IBazVtbl;
typedef struct _HOLDER {
    IBaz Inner;
    DWORD cRef;
} HOLDER;
