// A macro names the calling convention its text names, whatever its own name holds
#define LDAPAPI __cdecl
#define WINPTHREAD_API DECLSPEC_IMPORT
int LDAPAPI ldap_bind(int a);
LDAP *LDAPAPI ldap_open(int a);
int WINPTHREAD_API pthread_mutex_lock(int m);
int WINAPI Unchanged(int a);
// The compiler's own words keep their meaning, whatever a branch for another target makes of them
#define __stdcall
#define RPC_API2 __stdcall
int RPC_API2 Rpc2(int a);
