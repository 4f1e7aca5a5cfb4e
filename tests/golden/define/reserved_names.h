// A #define name the assembler reserves takes its replacement, the name an #ifdef of it reads.
#ifndef THIS
#define THIS void
#endif
#define FASTCALL __fastcall
#define Lock 1
