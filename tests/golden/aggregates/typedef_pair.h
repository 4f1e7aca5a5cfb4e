// a type declared for either build names its ANSI or its wide form, as a name pair does; a
// member of it is written as the saved structure whose text holds its name (same layout)
typedef struct _NETRESOURCEA { DWORD dwScope; } NETRESOURCEA;
typedef struct _NETRESOURCEW { DWORD dwScope; } NETRESOURCEW;
  __MINGW_TYPEDEF_AW(NETRESOURCE)
  __MINGW_TYPEDEF_UAW(LPNETRESOURCE)
typedef struct _NOTIFYADD { NETRESOURCE NetResource; } NOTIFYADD;
