// several declarators in one statement; later typedefs show what was registered
typedef DWORD MYFLAGS, *PMYFLAGS;
typedef int a, b;
typedef struct _FOO FOO2;
typedef FOO2 FOO3;
typedef struct _FOO FOO, FOO2;
typedef union _U U, *PU;
typedef U UALIAS;
typedef DWORD (MYPAREN);
typedef a AALIAS;
typedef b BALIAS;
