// MAKEINTRESOURCE(n) stands for the number n alone, inside a cast or before an operator too.
#define IDI_HAND ((LPSTR)MAKEINTRESOURCE(32513))
#define IDI_PLUS MAKEINTRESOURCE(1) + 2
