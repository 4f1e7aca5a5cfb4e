// Worked examples
#define MAKEWORD(a, b) ((a) | ((b) << 8))
#define MAKELONG(a, b) ((LONG)(((WORD)(a)) | ((DWORD)((WORD)(b))) << 16))
#define F(x) (x + 1)
#pragma once
