// An alias of a tag whose body came in another branch waits for the body its own branch
// gives: the assembler wants the structure before its TYPEDEF. The name is an alias already,
// so it is made where it is still free.
#ifdef _ARM_
struct _UNWIND_STATE;
typedef struct _UNWIND_STATE UNWIND_STATE;
struct _UNWIND_STATE {
    DWORD Pc;
};
#endif
#ifdef __x86_64__
struct _UNWIND_STATE;
typedef struct _UNWIND_STATE UNWIND_STATE;
typedef struct _UNWIND_STATE *PUNWIND_STATE;
struct _UNWIND_STATE {
    void *Handler;
    DWORD Flags;
};
#endif
// Where no body follows in its branch, the alias is written at once.
#ifdef _ARM64_
typedef struct _UNWIND_STATE UNWIND_STATE;
#endif
