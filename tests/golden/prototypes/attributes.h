// the group after __declspec is an attribute: a variable declares no function
extern __declspec(dllimport) double _Xbig;
extern __declspec(dllimport) int __cdecl Scale(int a);
// a group that opens with a pointer mark declares a pointer variable
extern FILE (* __imp__iob)[];
extern void (*onExit)(void);
// an initialised variable declares no function either
const HRESULT E_PROFILER_PRESENT = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x0200);
