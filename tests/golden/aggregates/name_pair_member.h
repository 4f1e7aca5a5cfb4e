// The name an A/W pair chooses between is the type its forms are: a callback is a pointer.
typedef UINT (CALLBACK *FILE_CALLBACK_A)(void *Context, DWORD Notification);
typedef UINT (CALLBACK *FILE_CALLBACK_W)(void *Context, DWORD Notification);
#define FILE_CALLBACK __MINGW_NAME_UAW(FILE_CALLBACK)
typedef struct _QUEUE_PARAMS {
    DWORD cbSize;
    FILE_CALLBACK InstallMsgHandler;
} QUEUE_PARAMS;
