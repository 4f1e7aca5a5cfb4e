typedef struct _PROVIDER {
    BOOL (WINAPI *fpOpen)(LPWSTR pName, HANDLE *phPrinter,
                          DWORD dwFlags);
    void (*pfnClose)(int a, int b);
    DWORD cb;
    BYTE abTail [1];
} PROVIDER;
