// the group after __declspec is an attribute: a variable declares no function
extern __declspec(dllimport) double _Xbig;
extern __declspec(dllimport) int __cdecl Scale(int a);
