// the object structure of an interface leaves the interface's name to its invocation macro
typedef struct IBarVtbl
{
    BEGIN_INTERFACE
    ULONG ( STDMETHODCALLTYPE *AddRef )( 
        IBar * This);
    END_INTERFACE
} IBarVtbl;
typedef struct IBar {
    CONST_VTBL IBarVtbl* lpVtbl;
} IBar;
