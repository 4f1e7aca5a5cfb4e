// A word beginning with __ is an annotation unless the kit knows it as a type.
WINBASEAPI int WINAPI SetFlags(__LONG32 lFlags, DWORD dwMore);
