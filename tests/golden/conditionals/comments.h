#ifdef X // why
#ifdef X /* why */
#ifndef Y /* a
   b */
#if A // one
#elif B /* two */ && C
#else // not written
#endif /* X */
#endif // Y
#endif
#endif
