// an enumerator whose value is one name is a numeric equate of it, not a text
typedef enum _NODE {
    DriverType = SERVICE_KERNEL_DRIVER,
    FileSystemType = SERVICE_FILE_SYSTEM_DRIVER | 0
} NODE;
