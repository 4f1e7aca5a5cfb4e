typedef struct IBadVtbl {
    BEGIN_INTERFACE
    ULONG ( STDMETHODCALLTYPE *AddRef )( IBad * This);
} IBadVtbl;
