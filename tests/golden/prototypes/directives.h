// Directive lines before the parameter list, inside it, and an else on the second line.
WINBASEAPI BOOL
#if (WINVER >= 0x0500)
WINAPI
#elif defined(X)
CALLBACK
#else
__stdcall
#endif // version
#define FOO 1
# pragma pack
#ifndef UNICODE
#error Not here
#undef BAR
#endif
Directed(HWND h);
BOOL WINAPI Listed(
    HWND h,
#ifdef STRICT
    UINT u,
#endif
    int n);
int
#else
WINAPI Foo2(int a,
#ifdef X
Bar2(HWND h);
STDAPI Startup(DWORD Version, DWORD dwFlags
#if defined (__cplusplus)
    = FULL
#endif
    , int n);
