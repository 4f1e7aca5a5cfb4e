// A name the header already gave to an equate or a prototype does not become a macro.
int __cdecl __toascii(int _C);
#define __toascii(_Char) ((_Char) & 0x7f)
#define Size 4
#define Size(x) (x * 4)
#define __isascii(_Char) ((unsigned)(_Char) < 0x80)
