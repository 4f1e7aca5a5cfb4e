// The tested name is all the code after the word; MASM words are renamed.
#ifdef A B // c
#ifdef mask
#ifndef FAR
#ifdef Offset
#if mask
#ifdef
#ifndef
#if
#  ifdef	WINVER
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
