// The small integer types keep the sizes C gives them
typedef struct in_addr_like {
    u_char s_b1;
    u_short s_w1;
    UCHAR uc;
    USHORT us;
    BOOLEAN flag;
    WCHAR wc;
} IN_ADDR_LIKE;
