// C's default convention is C's; a convention word, or a macro for one, says otherwise
int strncpy_like(char *d, const char *s, int n);
__cdecl int BeforeReturnType(int a);
int __cdecl AfterReturnType(int a);
BOOL WINAPI Wide(int a);
SECURITY_STATUS SEC_ENTRY Sec(int a);
int WINAPIV Variadic(int a, ...);
RPC_STATUS RPC_ENTRY Rpc(int a);
#define PDH_FUNCTION PDH_STATUS WINAPI
PDH_FUNCTION PdhOpen(int a);
