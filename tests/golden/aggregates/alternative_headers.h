#ifdef X
typedef struct _S1 {
#else
typedef struct _S2 {
#endif
  DWORD a;
} S;
