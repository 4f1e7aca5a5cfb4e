#define WM_USER 0x0400
#define E_FAIL _HRESULT_TYPEDEF_(0x80004005L)
#define IDI_APPLICATION MAKEINTRESOURCE(32512)
#define X (1 << 4)
#define X (A | B)
#define X (~0)
#define X ((HANDLE)-1)
#define X ((DWORD)0x80000000)
#define X (HANDLE)-1
#define X FOO(1, 2)
#define X (FOO(1))
#define X (sizeof(POINT))
#define X (sizeof('abc'))
#define STR 'hello'
#define STR L'hello'
#define FOO
#define X (A) | B
#define X (A | \
B)
#define A-B 1
#define X (A ? B : C)
