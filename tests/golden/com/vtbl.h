typedef struct IFooVtbl
{
    BEGIN_INTERFACE
    HRESULT ( STDMETHODCALLTYPE *QueryInterface )( 
        IFoo * This,
        /* [in] */ REFIID riid,
        /* [iid_is][out] */ void **ppvObject);
    ULONG ( STDMETHODCALLTYPE *AddRef )( 
        IFoo * This);
    HRESULT ( STDMETHODCALLTYPE *SetScale )( 
        IFoo * This,
        /* [in] */ float fScale);
    HRESULT ( STDMETHODCALLTYPE *Clear )( 
        IFoo * This,
        /* [in] */ const FLOAT ColorRGBA[ 4 ]);
    END_INTERFACE
} IFooVtbl;
