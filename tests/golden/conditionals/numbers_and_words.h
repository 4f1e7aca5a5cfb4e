// Numbers are converted and glued; names get a blank.
#if 0
#elif 1
#elif X == 1
#elif NTDDI_VERSION >= 0x06000000
#elif 0x7fffffffUL
#elif 1i64 > 0X1F
#elif (1)
#elif ABBA
#elif FOO1 >= 10
#elif A == -1
#elif A + 1
#endif
