// an array of structures has no TYPEDEF: the line stays a comment
typedef struct _PT { int x; } PT;
typedef PT PTS4[4];
