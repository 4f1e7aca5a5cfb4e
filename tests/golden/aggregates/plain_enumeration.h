// an enumeration without typedef gives its enumerators, and its name is a 32-bit type
enum STATE {
    STATE_STARTED,
    STATE_STOPPED
};
typedef struct _DEVICE {
    enum STATE Current;
} DEVICE;
