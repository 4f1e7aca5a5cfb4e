// The worked examples, closed at the end.
#if defined(_WIN64)
#if defined _WIN64
#if !defined(_WIN64)
#if defined(A) && !defined(B)
#if (WINVER >= 0x0500)
#if _WIN32_WINNT >= 0x0501
#if (WINVER>=0x0500)
#elif defined(_M_IX86)
#ifdef UNICODE
#ifndef _INC_WINDOWS // guard
#  ifndef _INC_WINDOWS
#else
#endif // _INC_WINDOWS
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
