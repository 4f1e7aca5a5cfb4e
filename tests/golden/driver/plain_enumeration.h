enum eKind {
	K_A = 0,
	K_B
};
typedef struct _S {
  enum eKind Kind;
} S;
