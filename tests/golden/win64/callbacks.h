// A callback type takes its handles and pointer-sized values as quadwords, a UINT as a
// doubleword.
typedef LRESULT (CALLBACK *WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef BOOL (CALLBACK *ENUMPROC)(const char *name, LPARAM lParam);
// A header may give a callback's name to the callback's 64-bit form afterwards: the equate
// stands only where the name is not the prototype already.
typedef PVOID (CALLBACK *PENTRY_CALLBACK)(HANDLE hProcess, DWORD AddrBase);
typedef PVOID (CALLBACK *PENTRY_CALLBACK64)(HANDLE hProcess, ULONG64 AddrBase);
#ifdef _HELP64
#define PENTRY_CALLBACK PENTRY_CALLBACK64
#endif
// A member of a callback type and a pointer to a function are pointers.
typedef struct _CLASS {
    UINT style;
    WNDPROC handler;
    void (*notify)(int code);
    HWND owner;
} CLASS;
// A parameter of a callback type is a pointer.
BOOL WINAPI EnumThings(ENUMPROC proc, LPARAM lParam);
