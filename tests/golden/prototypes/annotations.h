// A word beginning with __ is an annotation unless the kit knows it as a type.
WINBASEAPI int WINAPI SetFlags(__LONG32 lFlags, DWORD dwMore);
// Restrict qualifiers do not hide a pointer.
int __cdecl Copy(char * __restrict__ to, const char *__restrict from);
// An attribute after the parameter list is not a parameter word.
int __cdecl cputs(const char *_Str) __MINGW_ATTRIB_DEPRECATED_MSVC2005;
// A callback type of the header is a type, whatever its first characters.
typedef void (*__p_sig_fn_t)(int);
__p_sig_fn_t __cdecl signal(int _SigNum,__p_sig_fn_t _Func);
// An enumeration is an int, whatever its tag.
HRESULT WINAPI Transition(HWND hwnd, enum OWNEDWINDOW_TARGET target, enum MODE *mode);
typedef HRESULT (WINAPI *PTRANSITION)(enum OWNEDWINDOW_TARGET target);
// A pointer to a function is a doubleword.
int __cdecl RunOnce(long *o, void (*func)(void));
// A word #defined as nothing says nothing of a parameter's type.
#define OPT1_1
HANDLE WINAPI CreateWaitEvent(HANDLE pEvent OPT1_1, int n OPT1_1);
