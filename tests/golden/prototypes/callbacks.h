// Callback typedefs: pointer, annotated and variadic parameters.
typedef BOOL (CALLBACK *ENUMPROC)(const char *name, LPARAM lParam);
typedef int (__cdecl *PRINTF)(const char *format, ...);
typedef int (*PVPRINTF)(int level, ...);
typedef void (__fastcall *PFAST)(int a);
typedef void (*PANNOT)(__in HWND, int &count);
typedef int (WINAPI *PLONG3)(volatile long int x, UINT n);
typedef void (*PNOTHING)();
int Use(ENUMPROC proc, PRINTF print);
