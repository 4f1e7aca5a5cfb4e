// Pointers and handles are quadwords; a char and a DWORD keep their size.
typedef struct _PAIR {
    char c;
    void *p;
    HANDLE h;
    DWORD n;
} PAIR, *PPAIR;
// The names the kit knows as pointer-sized are quadword parameters.
BOOL WINAPI CloseHandle(HANDLE h);
LRESULT WINAPI DefProc(HWND w, UINT m, WPARAM wp, LPARAM lp, PPAIR p);
