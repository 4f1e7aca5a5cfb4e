#define JOIN(a, b) ((a) + \
                    (b))
#define JOIN2(a, b) ((a) + \
// between
(b))
#define JOIN3(a, b) ((a) + \
    /* a comment line */ \
    (b))
#define LATE(x) \
    ((x) + 1)
#pragma once
