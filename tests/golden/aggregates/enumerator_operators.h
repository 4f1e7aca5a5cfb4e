// An enumerator's value keeps C's operators: a comparison, a logical one, the complement
typedef enum _OPS {
    O_LT = E1 < 3,
    O_OR = E1 || 2,
    O_NOT = ~0,
    O_SHR = 8 >> 1
} OPS;
