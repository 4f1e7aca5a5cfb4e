// A cast at the very start goes with its parentheses; a string joined to a name has no MASM
// form, where a character constant is a number like any other.
#define CPSUI_PAGE (PDLGPAGE)2
#define TDS_INT1 (BYTE) 0x30
#define REG_PATH REGSTR_PATH TEXT("\\Cache")
#define STAMP 0x08000000 + 't'
