#if defined(A) && \
    defined(B)
#elif A /* first */ || \
    B // second
#elif A && \
// only a comment
    B
#elif (A >= \
  \
    2)
#endif
