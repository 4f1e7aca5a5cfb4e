// GCC's extension mark before a declaration changes nothing
__MINGW_EXTENSION typedef DWORD MYFLAGS;
  __extension__ typedef int COUNT;
