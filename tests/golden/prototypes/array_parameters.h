// Array parameters are pointers; an attribute block in front is not an array.
BOOL WINAPI SetKey(BYTE key[16], const FLOAT ColorRGBA [4], int m[4][4], char *argv[], int n);
int Oleish([in] int x);
