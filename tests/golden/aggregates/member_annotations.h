// annotations say nothing of a member's type: compiler attributes, and words defined as nothing
#define FIELD_ALIGNMENT
typedef struct _PARAMETERS {
    DWORD FIELD_ALIGNMENT Count;
    DWORD Key __attribute__((aligned(8)));
} PARAMETERS;
