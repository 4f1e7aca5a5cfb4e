// Two levels stay open; #elif and #else leave the count alone.
#ifndef _GUARD_H
#if A
#elif B
#elif C
#else
#ifdef D
#endif
