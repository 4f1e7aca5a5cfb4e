// A lone "&" is AND; the operand after it is read like any other.
#if (A & (B))
#elif A & defined(B)
#elif A & !B
#elif A & 0x1
#elif A &   B
#elif A & \
    (B)
#endif
