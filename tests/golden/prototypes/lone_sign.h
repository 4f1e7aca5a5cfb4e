// a sign word alone before a parameter's name, or alone, is the type unsigned int
WINBASEAPI BOOL WINAPI Assert(DWORD dwFlags, unsigned uLine, unsigned);
