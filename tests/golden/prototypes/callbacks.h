// Callback typedefs: pointer, annotated and variadic parameters.
typedef BOOL (CALLBACK *ENUMPROC)(const char *name, LPARAM lParam);
typedef int (__cdecl *PRINTF)(const char *format, ...);
typedef int (*PVPRINTF)(int level, ...);
typedef void (__fastcall *PFAST)(int a);
typedef void (*PANNOT)(__in HWND, int &count);
typedef int (WINAPI *PLONG3)(volatile long int x, UINT n);
typedef void (*PNOTHING)();
int Use(ENUMPROC proc, PRINTF print);
// Of a conditional among the parameters the first branch is read; a comparison there is no
// assignment that would make the statement a definition.
typedef int (WINAPI *ACQUIRE_FN_W)(
#if ISSP_MODE==0
    HANDLE,HANDLE,
#elif OTHER
    int,
#else
    DWORD *,DWORD *,
#endif
    unsigned int,void *);
