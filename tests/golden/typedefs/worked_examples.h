// the worked examples of the typedef translation
typedef DWORD MYFLAGS;
typedef const char *LPCSTR;
typedef signed char *PSCHAR;
typedef struct _FOO FOO, *PFOO, **PPFOO;
typedef char NAME16[16];
typedef WNDCLASSW WNDCLASS;
typedef MYSTERY OTHER;
typedef interface IFoo IFoo;
