// A macro used as a statement, or a declaration named by a macro call, declares no prototype;
// a name MASM reserves is declared under its replacement and used under its C name.
DEFINE_ENUM_FLAG_OPERATORS (AR_STATE);
extern int * __MINGW_IMP_SYMBOL(__mb_cur_max);
int __cdecl div(int a, int b);
typedef int (WINAPI *PROC) ();
int Use(PROC p);
