// C reads a name that nothing defines as 0: every name is read through VALUEOF. The ! of
// such a value is 1 or 0, as EQ 0 gives it.
#if __STDC_VERSION__ >= 199901L
#elif defined(X) && X >= 2
#elif F (1, X) > 0
#elif (X>=0x0500)
#elif X % 4 == 1
#elif !X || !defined(Y) || !F(1)
#endif
