// THIS or not, names at the width of the member column, renamed methods
DECLARE_INTERFACE(IBar)
{
    STDMETHOD(WithThis)(THIS) PURE;
    STDMETHOD(WithoutThis)() PURE;
    STDMETHOD(Next)(THIS_ ULONG celt, IUnknown *pUnk) PURE;
    STDMETHOD(TwentyEightCharacterMethodNm)(THIS) PURE;
    STDMETHOD(TwentyNineCharacterMethodName)(THIS) PURE;
    STDMETHOD_(ULONG,Size)(THIS_ short s) PURE;
    STDMETHOD(Decl)(THIS_ ELEMENT declaration[MAX_SIZE]) PURE;
    STDMETHOD(GetObject)(THIS_ double d,
                         MYTYPE t) PURE;
};
// an interface declared before is an argument of its own kind
DECLARE_INTERFACE_(IUser, IBar) { STDMETHOD(Take)(THIS_ IBar bar) PURE; };
