// a type declared for either build names its ANSI or its wide form, as a name pair does; a
// member of it is written by the pair's name, which the assembler reads as the build's form
typedef struct _NETRESOURCEA { DWORD dwScope; } NETRESOURCEA;
typedef struct _NETRESOURCEW { DWORD dwScope; } NETRESOURCEW;
  __MINGW_TYPEDEF_AW(NETRESOURCE)
  __MINGW_TYPEDEF_UAW(LPNETRESOURCE)
typedef struct _NOTIFYADD { NETRESOURCE NetResource; } NOTIFYADD;
