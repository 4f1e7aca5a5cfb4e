// Every argument of a comethod takes a quadword: the interface pointer, pointers, handles and
// integers up to 64 bits in the first four, which travel in registers; from the fifth on, which
// go on the stack, only a quadword fits (Blit's UINT does not, Fill's LPARAM does). A
// floating-point argument gives the method its own prototype.
DECLARE_INTERFACE_(IFoo, IUnknown)
{
STDMETHOD(QueryInterface)(THIS_ REFIID riid, void** ppvObj) PURE;
STDMETHOD_(ULONG,AddRef)(THIS) PURE;
STDMETHOD(Attach)(THIS_ HWND hwnd, UINT flags, SIZE_T size) PURE;
STDMETHOD(Blit)(THIS_ HWND hwnd, LPVOID source, LPVOID target, UINT flags) PURE;
STDMETHOD(Fill)(THIS_ UINT x, UINT y, BOOL erase, LPARAM lParam) PURE;
STDMETHOD(SetScale)(THIS_ float scale) PURE;
};
typedef struct IBarVtbl
{
    BEGIN_INTERFACE
    ULONG ( STDMETHODCALLTYPE *Release )( 
        IBar * This);
    HRESULT ( STDMETHODCALLTYPE *Move )( 
        IBar * This,
        /* [in] */ double distance,
        /* [in] */ LPARAM lParam);
    END_INTERFACE
} IBarVtbl;
// An interface named as a word the 64-bit assembler reserves takes the name it is given instead.
DECLARE_INTERFACE_(Frame, IUnknown)
{
STDMETHOD_(ULONG,Release)(THIS) PURE;
};
