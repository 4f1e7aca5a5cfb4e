// a parameter of qualifiers only
DECLARE_INTERFACE_(IQux, IUnknown)
{
    STDMETHOD(SetScale)(THIS_ float f) PURE;
    STDMETHOD(Broken)(THIS_ IN OUT) PURE;
    STDMETHOD(After)(THIS_ double d) PURE;
};
// no body
DECLARE_INTERFACE_(INoBody, IUnknown) ; ;
