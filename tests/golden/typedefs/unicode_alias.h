// a structure alias is written for MASM in every branch, once its structure is known
typedef struct _FOO FOO;
#ifdef UNICODE
typedef WNDCLASSW WNDCLASS;
typedef FOO FOOALIAS;
typedef DWORD TCHARX;
// #else leaves the branch flag as it is
#else
typedef WNDCLASSA WNDCLASS;
#endif
typedef WNDCLASSW WNDCLASSX;
#ifdef _WIN64
typedef WNDCLASSW WNDCLASSY;
#endif
