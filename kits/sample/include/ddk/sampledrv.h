/* Sample driver kit header. */
#define SAMPLE_DEVICE_TYPE 0x8000

typedef struct _SAMPLE_EXTENSION {
    PDEVICE_OBJECT device;
    UNICODE_STRING name;
    KSPIN_LOCK     lock;
} SAMPLE_EXTENSION, *PSAMPLE_EXTENSION;

NTSTATUS NTAPI SampleDispatch(PDEVICE_OBJECT device, PIRP irp);
