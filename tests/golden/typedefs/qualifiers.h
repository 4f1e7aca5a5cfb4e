// the first word is classified as it stands: qualifiers are not removed
typedef unsigned char UCHAR;
typedef const;
typedef unsigned long;
