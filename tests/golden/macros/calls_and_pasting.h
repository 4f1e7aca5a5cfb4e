// A call of a macro written before stays a call
#define OSVER(Version) ((Version) & 0xFFFF0000U)
#define FROM_WINNT2(Version) Version##0000
#define FROM_WINNT(Version) FROM_WINNT2(Version)
#define HIGH(v) (OSVER(v) + 1)
// A wrapper the header wrote stays, another goes
#define VERSION FROM_WINNT(_WIN32_WINNT)
#define WRAPPED UNKNOWN(_WIN32_WINNT)
// Digits pasted onto a parameter
#define LOW(v) v##0A
// Other pasting writes nothing
#define NAMED(func) func##W
// A name the assembler keeps for itself takes its replacement
#define _TEXT(x) OSVER(x)
