// Parameters are joined by "," alone
#define ADD3(a,b ,  c) (a + b + c)
// Operators
#define OPS(a, b) (a - b + ~a * b / !a | b & a << 2 >> 1, b)
// Numbers
#define NUM(x) ((x) + 0x10 + 100UL + 1i64 + 0xFFi64)
// Casts go, parameters keep their place
#define CAST(x) ((DWORD)(x) + (int)2)
// sizeof groups
#define SZ(x) (x + sizeof(POINT))
#define SZS(x) (x + sizeof("abc"))
// The comment of the #define line is not written
#define F(x) (x + 1) // add one
#pragma once
