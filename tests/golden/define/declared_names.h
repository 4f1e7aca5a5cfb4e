// An equate cannot take the name of a structure or a prototype declared before it.
typedef struct _AE_SRVSTATUS { DWORD ae_sv_status; } AE_SRVSTATUS;
double __cdecl strtod(const char *s, char **e);
#define AE_SRVSTATUS 0
#define strtod __strtod
#define AE_OTHER 1
