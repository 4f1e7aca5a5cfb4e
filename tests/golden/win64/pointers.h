// A pointer type of the header is a quadword type, and so are its parameters.
typedef DWORD MYFLAGS, *PMYFLAGS;
int WINAPI SetFlags(PMYFLAGS p, MYFLAGS f);
// A pointer parameter takes a quadword, an int or a long a doubleword; one calling convention.
int __cdecl Copy(char *to, const char *from, int n, long l);
// A callback type is a quadword parameter.
typedef void (*SIGFN)(int);
SIGFN __cdecl Signal(int n, SIGFN f);
// A variable argument list names no calling convention.
int __cdecl Print(const char *format, ...);
// A handle is a quadword, a telephony handle a doubleword on every target.
DECLARE_HANDLE(HFOO);
DECLARE_OPAQUE32(HCALLX);
LONG WINAPI Dial(HFOO h, HCALLX c);
// A type the header chooses by the pointer size is the quadword one.
#ifdef _WIN64
typedef unsigned __int64 JET_PTR;
#else
typedef unsigned long JET_PTR;
#endif
LONG WINAPI Open(JET_PTR t);
