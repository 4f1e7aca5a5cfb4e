// C reads a name that nothing defines as 0: every name is read through VALUEOF.
#if __STDC_VERSION__ >= 199901L
#elif defined(X) && X >= 2
#elif F (1, X) > 0
#elif (X>=0x0500)
#elif X % 4 == 1
#endif
