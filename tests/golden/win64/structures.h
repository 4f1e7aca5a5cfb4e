// Pointers and handles are quadwords; a char and a DWORD keep their size.
typedef struct _PAIR {
    char c;
    void *p;
    HANDLE h;
    DWORD n;
} PAIR, *PPAIR;
// A macro that names only macros of nothing stands for nothing too, in a member as they do.
#define POINTER_32
#define POINTER_UNSIGNED
#define UPOINTER_32 POINTER_UNSIGNED POINTER_32
typedef struct _INPUT32 {
    ULONG RequestType;
    VOID* UPOINTER_32 Reserved[2];
} INPUT32;
// The names the kit knows as pointer-sized are quadword parameters.
BOOL WINAPI CloseHandle(HANDLE h);
LRESULT WINAPI DefProc(HWND w, UINT m, WPARAM wp, LPARAM lp, PPAIR p);
