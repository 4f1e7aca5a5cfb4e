// A macro of a constant body is a macro function all the same, so that IF can call it.
#define __MINGW_GNUC_PREREQ(major, minor) 0
#define __MSABI_LONG(x) x
#if __MINGW_GNUC_PREREQ(4, 3) && !defined(__clang__)
#endif
