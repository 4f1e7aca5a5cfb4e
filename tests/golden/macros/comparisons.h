// Comparisons and logical operators take their MASM words; a macro of no operator is a
// macro all the same.
#define WINAPI_FAMILY_PARTITION(v) ((WINAPI_FAMILY & v) == v)
#define F(x) (x < 2)
#define G(a, b) ((a >= 1) && (b != 0) || a <= b)
#define LOBYTE(w) ((BYTE)(w))
