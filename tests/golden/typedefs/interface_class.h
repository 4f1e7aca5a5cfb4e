// forward declarations of interfaces and classes declare nothing
typedef interface IFoo IFoo;
typedef interface IFoo *LPFOO;
typedef class X Y;
typedef class X *PY;
