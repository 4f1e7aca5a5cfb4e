// a member typed by a name #defined as one type has that type's size; a structure keeps the
// name, which the assembler reads as the structure its branch chose
typedef struct _CLIENT { DWORD Owner; } CLIENT;
#define PORT_SIZE DWORD
#define PORT_CLIENT CLIENT
typedef struct _MESSAGE {
    PORT_SIZE ViewSize;
    PORT_CLIENT ClientId;
} MESSAGE;
