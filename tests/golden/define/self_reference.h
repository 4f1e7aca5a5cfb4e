// A name defined as itself, or through a wrapper that gives its argument back, stays as
// it is: no equate.
#define _HUGE _HUGE
#define KSNODETYPE_SRC DEFINE_GUIDNAMED(KSNODETYPE_SRC)
#define X Y
