// A parameter of an array type is passed as a pointer
typedef int jmp_buf[16];
int __cdecl _setjmp(jmp_buf env);
