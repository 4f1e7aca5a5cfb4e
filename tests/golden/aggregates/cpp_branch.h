// a branch only a C++ compiler reads holds no member: constructors, operators and inline
// bodies are passed over, its directive lines stay; so is what only an IDL compiler reads
typedef struct _VECTOR {
  DWORD x;
#ifdef __WIDL__
  [case (AUDIT_TYPE_LEGACY)]
#endif
#if defined(__cplusplus) && defined(D3D_OVERLOADS)
public:
  _VECTOR() {}
  _VECTOR& operator += (const _VECTOR& v);
#else
  WORD y;
#endif
#ifdef __cplusplus
  friend _VECTOR operator + (const _VECTOR& v) { return v; }
#endif
} VECTOR, *LPVECTOR;
typedef
#ifdef __WIDL__
[switch_type (BYTE)]
#endif
union _EVENT_TYPE_UNION {
  DWORD Legacy;
} EVENT_TYPE_UNION;
