// A '(' that does not open the value stays with its ')'; a word alone in parentheses is a
// cast only when an operand follows them.
#define X1 A * (B + C)
#define X2 (A + B) * C
#define X3 A + (B)
#define X4 ((A) | (B))
#define X5 ((DWORD)1 << 31)
