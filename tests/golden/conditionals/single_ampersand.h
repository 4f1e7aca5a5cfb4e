// After a lone '&' the operand is a word, never an operator.
#if (A & (B))
#elif A & defined(B)
#elif A & !B
#elif A & 0x1
#elif A &   B
#elif A & \
    (B)
#endif
