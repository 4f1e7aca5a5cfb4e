// A parameter group that never closes: the statement ends first.
int __cdecl Open(HWND h, \
    void (*pfn)(int;
int Next(HWND h);
