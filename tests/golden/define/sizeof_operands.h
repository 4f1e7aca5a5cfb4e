// The operand of sizeof as the assembler measures it: a C type by its MASM type, a pointer
// as a doubleword; a structure's name and other text stay as written.
#define PAD1SIZE (8 - sizeof (short))
#define PAD2SIZE (16 - sizeof(unsigned short) - sizeof(WCHAR))
#define NODE_SIZE (sizeof(struct _NODE *) + sizeof(enum MODE))
#define LABEL_SIZE (sizeof(const char) + sizeof(POINT))
#define URL_LENGTH (2048+32+sizeof("://"))
