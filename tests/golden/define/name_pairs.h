// A name that stands for its ANSI or its wide form is an equate for each build.
#define CreateFile __MINGW_NAME_AW(CreateFile)
#define NOTIFYICONDATA_V1_SIZE __MINGW_NAME_AW_EXT(NOTIFYICONDATA,_V1_SIZE)
#define tmpnam_s __MINGW_NAME_UAW(tmpnam_s)
#define F __MINGW_NAME_UAW_EXT( F , x )
#define G __MINGW_NAME_AW(G, x)
#define JetGetTableColumnInfoW __MINGW_NAME_AW(JetGetTableColumnInfo)
#define MAKEINTRESOURCE __MINGW_NAME_AW(MAKEINTRESOURCE)
