; A window of its own, as a 64-bit program: registers a class, opens a window of it and runs
; the message loop until the window is closed. It closes itself as soon as the loop runs, so
; that it can be run unattended; the exit status is 0 when the quit message ended the loop,
; 1 when the class or the window could not be made or GetMessageA failed. The calling
; convention is kept as in console64.asm.
        option casemap:none
        option frame:auto
        option win64:3

        include ondavel.inc
        include windows.sdk

WndProc PROTO :QWORD, :DWORD, :QWORD, :QWORD

        .data
className db    "OndavelWindow64", 0
caption db      "Ondavel 64-bit window", 0
        align   8
; What is known before the program runs; the module, its icon and cursor are filled in.
wc      WNDCLASSEXA <sizeof WNDCLASSEXA, CS_HREDRAW or CS_VREDRAW, WndProc, 0, 0, 0, 0, 0,
                     COLOR_WINDOW + 1, 0, className, 0>

        .code
; The window and the message live in the procedure's frame, which the assembler lays out.
start   PROC FRAME
        LOCAL   window:QWORD, msg:MSG
        invoke  GetModuleHandleA, NULL
        mov     wc.hInstance, rax
        invoke  LoadCursorA, NULL, IDC_ARROW
        mov     wc.hCursor, rax
        invoke  LoadIconA, NULL, IDI_APPLICATION
        mov     wc.hIcon, rax
        mov     wc.hIconSm, rax
        ; a class that could not be registered makes no window: one test does for both
        invoke  RegisterClassExA, addr wc
        invoke  CreateWindowExA, 0, addr className, addr caption, WS_OVERLAPPEDWINDOW,
                CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, NULL, NULL, wc.hInstance, NULL
        mov     window, rax
        test    rax, rax
        jz      failed
        invoke  ShowWindow, window, SW_SHOWDEFAULT
        invoke  UpdateWindow, window

        ; GetMessageA answers 0 for WM_QUIT and -1 on failure
        .while TRUE
            invoke  GetMessageA, addr msg, NULL, 0, 0
            .break .if eax == 0
            cmp     eax, -1
            je      failed
            invoke  TranslateMessage, addr msg
            invoke  DispatchMessageA, addr msg
        .endw
        invoke  ExitProcess, dword ptr msg.wParam
failed:
        invoke  ExitProcess, 1
start   ENDP

; Once made, the window asks to be closed: the request waits in the queue until the loop takes
; it, and DefWindowProcA then destroys the window.
WndProc PROC FRAME hWnd:QWORD, uMsg:DWORD, wParam:QWORD, lParam:QWORD
        mov     eax, uMsg
        .if eax == WM_CREATE
            invoke  PostMessageA, hWnd, WM_CLOSE, 0, 0
            xor     eax, eax
        .elseif eax == WM_DESTROY
            invoke  PostQuitMessage, 0
            xor     eax, eax
        .else
            invoke  DefWindowProcA, hWnd, uMsg, wParam, lParam
        .endif
        ret
WndProc ENDP

        end     start
