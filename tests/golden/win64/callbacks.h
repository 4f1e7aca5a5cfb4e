// A callback type takes its handles and pointer-sized values as quadwords, a UINT as a
// doubleword.
typedef LRESULT (CALLBACK *WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef BOOL (CALLBACK *ENUMPROC)(const char *name, LPARAM lParam);
// A member of a callback type and a pointer to a function are pointers.
typedef struct _CLASS {
    UINT style;
    WNDPROC handler;
    void (*notify)(int code);
    HWND owner;
} CLASS;
// A parameter of a callback type is a pointer.
BOOL WINAPI EnumThings(ENUMPROC proc, LPARAM lParam);
