#ifdef HAVE_A
FOO_API FOO_MATH(x, int, add)
FOO_API FOO_MATH(y, int, sub)
#endif

#ifdef OUTER
FORCEINLINE int F(int c) {
#ifdef HAVE_Y
    g(c);
#else
    while (c) {
        c--;
    }
#endif
    return c;
}
#endif

typedef struct _M {
  float a;
#ifdef OVERLOADS
  _M() { }
#endif
} M;

#ifdef TAIL
_C_STD_END
#endif
