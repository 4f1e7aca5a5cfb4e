// Every operator of a condition; each #if opens a level.
#if A >= 1
#if A == 1
#if A != 0x10
#if A <= 2L
#if (1 << 4) > A
#if A >> 2 < B
#if A | B
#if A || B
#if !A
#if A&&B
#if A&B
#if A>B
#pragma once
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
