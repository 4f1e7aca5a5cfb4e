// A value that combines operands keeps its outer parentheses; a single operand, signed or
// not, or a call, needs none.
#define WINAPI_FAMILY_DESKTOP_APP (WINAPI_PARTITION_DESKTOP \
				   | WINAPI_PARTITION_APP)
#define SHIFTED (1 << 4)
#define FLAGS (A | B | 0x10)
#define MINUS_ONE (-1)
#define NEGATED (-(A + B))
#define CALLED (FOO(1, 2))
#define FLAG (0x8000)
