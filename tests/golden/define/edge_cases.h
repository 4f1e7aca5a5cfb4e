#define X sizeof(POINT)
#define X (A || B)
#define X (A && B)
#define S "abc" "def"
#define S L"it's"
#define in 1
#define EMPTY   
#define N 100UL
#define N 0xFFi64
#define N (DWORD) 16L
#define N (LONG)-1
#define N ABBA
#define N FILL
#define P ((LPSTR *)0)
#define
#define T A:B
#pragma once
