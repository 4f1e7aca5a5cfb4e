// The worked examples, LPSTR and LPCSTR being pointer types of the header.
#define LPSTR char *
#define LPCSTR const char *
WINBASEAPI BOOL WINAPI CloseHandle(HANDLE hObject);
int __cdecl wsprintfA(LPSTR, LPCSTR, ...);
int WINAPI Foo(void);
BOOL WINAPI Bar(IN HWND hWnd, IN const RECT *lprc OPTIONAL, int n);
int Baz(MYTYPE x);
typedef LRESULT (CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef VOID (NTAPI *PFN)(VOID);
WINBASEAPI __declspec(noalias) LPVOID WINAPI Foo(int a);
LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, CloseHandle h);
