// A macro used as a statement, a declaration named by a macro call and a variable with a
// storage attribute declare no prototype;
// a name MASM reserves is declared under its replacement and used under its C name.
DEFINE_ENUM_FLAG_OPERATORS (AR_STATE);
extern int * __MINGW_IMP_SYMBOL(__mb_cur_max);
extern __declspec(dllimport) char *_sys_errlist[1];
extern int __attribute__((dllimport)) _sys_nerr;
int __cdecl div(int a, int b);
typedef int (WINAPI *PROC) ();
int Use(PROC p);
