// A name both enumerated and #defined: a define after the numeric enumerator keeps that
// value, an enumerator after the define is a text, so either may be assembled first.
typedef enum _LOG_LEVEL {
    LOG_LEVEL_ERROR = 1,
    LOG_LEVEL_WARNING = 2
} LOG_LEVEL;
#define LOG_LEVEL_ERROR 1
#define LIST_ALLOW 0x00000002
typedef enum _LIST { LIST_ALLOW = 0x2, LIST_BLOCK = 0x4 } LIST;
