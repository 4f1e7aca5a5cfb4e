// a qualifier after the type says nothing of the parameter's size
WINBASEAPI BOOL WINAPI Dial(HANDLE const hLine, DWORD const dwFlags);
