// shifts in an array bound are written as the assembler spells them
typedef struct _POLICY {
    BYTE PerUserPolicy[((COUNT)>>1)+1];
    BYTE Mask[1 << SHIFT];
} POLICY;
