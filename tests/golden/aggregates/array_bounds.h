// shifts in an array bound are written as the assembler spells them; a '*' in a bound's
// parentheses multiplies, it declares no pointer to a function
typedef struct _POLICY {
    BYTE PerUserPolicy[((COUNT)>>1)+1];
    BYTE Mask[1 << SHIFT];
    WORD Path[(2 * MAX_PATH) + 1];
} POLICY;
// a sizeof in a bound measures a type as the assembler knows it; a group there is no pointer
typedef struct _RESERVED {
    BYTE Reserved1[(10*sizeof(LONG))+1];
    WCHAR Label[64/sizeof(WCHAR)];
    BYTE Data[sizeof(POINT)];
} RESERVED;
