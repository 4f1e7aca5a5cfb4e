// Calling conventions, skipped allocators, function pointers and empty parameters.
WINUSERAPI int WINAPI Foo(int);
int __cdecl f(int a);
WINBASEAPI int __cdecl g(int a);
int __clrcall Managed(int a);
int __fastcall Fast(int a);
void * __RPC_USER MIDL_user_allocate(size_t);
void __cdecl MIDL_user_free(void *);
int f(void (*pfn)(int), int c);
int f2(void (*pfn)(int a, int b));
int f3();
int f4(HWND h, IN);
int f5(IN);
int f6(HWND h); // a trailing comment
int f7(__in HWND, int &count);
char *StrCopy(char *to, const char *from);
