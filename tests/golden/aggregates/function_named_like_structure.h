// a function named like a structure of the header is commented: the structure took the name
struct _stat32 { int st_dev; };
int __cdecl _stat32(const char *_Name,struct _stat32 *_Stat);
