#if defined(X)
#elif defined X
#elif defined  (X)
#elif Defined(X)
#elif DEFINED_X
#elif defined X && Y
#elif defined(X)&&defined(Y)
#elif defined(_M_IX86) || defined(_M_AMD64)
#endif
