/* Sample Windows API header: the workspace that init makes without the MinGW-w64 tree. */
#pragma once

#include <windows.h>

#define SAMPLE_MAX_NAME   64
#define SAMPLE_FLAG_A     0x1
#define SAMPLE_FLAG_B     0x2

typedef enum _SAMPLE_MODE { SampleModeOff, SampleModeOn } SAMPLE_MODE;

typedef struct tagSAMPLE_WINDOW {
    HWND  hwnd;
    RECT  bounds;
    POINT origin;
    DWORD flags;
} SAMPLE_WINDOW, *PSAMPLE_WINDOW;

WINUSERAPI BOOL WINAPI SampleShow(HWND hwnd, int command);
WINUSERAPI HRESULT WINAPI SampleRead(LPCSTR name, PSAMPLE_WINDOW window, SIZE_T size);
/* A type that no kit knows: it stays unknown. */
WINUSERAPI BOOL WINAPI SampleForget(SAMPLE_COOKIE cookie);
