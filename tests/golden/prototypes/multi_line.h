// Prototypes and callbacks over several lines.
WINBASEAPI
BOOL
WINAPI
MultiLine(
    HWND hWnd,      // the window
    UINT uMsg,
    WPARAM wParam   /* first */
    );              // closing
int Joined(HANDLE
    h, int n);
typedef LRESULT (CALLBACK *
    HOOKPROC)(int code,
    WPARAM wParam, LPARAM lParam);
int Continued(HWND h, \
    int n);
