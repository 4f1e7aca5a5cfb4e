; A window of its own: registers a class, opens a window of it and runs the message loop
; until the window is closed.
        .386
        .model flat, stdcall
        option casemap:none

        include ondavel.inc
        include windows.sdk

WndProc PROTO :DWORD, :DWORD, :DWORD, :DWORD

        .data
className db    "OndavelWindow", 0
caption db      "Ondavel window", 0

        .data?
wc      WNDCLASSEXA <>
msg     MSG     <>

        .code
start:
        invoke  GetModuleHandleA, NULL
        mov     wc.hInstance, eax
        mov     wc.cbSize, sizeof WNDCLASSEXA
        mov     wc.style, CS_HREDRAW or CS_VREDRAW
        mov     wc.lpfnWndProc, offset WndProc
        mov     wc.hbrBackground, COLOR_WINDOW + 1
        mov     wc.lpszClassName, offset className
        invoke  LoadIconA, NULL, IDI_APPLICATION
        mov     wc.hIcon, eax
        mov     wc.hIconSm, eax
        invoke  LoadCursorA, NULL, IDC_ARROW
        mov     wc.hCursor, eax
        invoke  RegisterClassExA, addr wc
        test    eax, eax
        jz      quit

        invoke  CreateWindowExA, 0, addr className, addr caption, WS_OVERLAPPEDWINDOW,
                CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, NULL, NULL, wc.hInstance, NULL
        test    eax, eax
        jz      quit
        push    eax
        invoke  ShowWindow, eax, SW_SHOWDEFAULT
        pop     eax
        invoke  UpdateWindow, eax

        ; GetMessageA answers 0 for WM_QUIT and -1 on failure
messageLoop:
        invoke  GetMessageA, addr msg, NULL, 0, 0
        inc     eax
        cmp     eax, 1
        jbe     quit
        invoke  TranslateMessage, addr msg
        invoke  DispatchMessageA, addr msg
        jmp     messageLoop

quit:
        invoke  ExitProcess, msg.wParam

WndProc PROC hWnd:DWORD, uMsg:DWORD, wParam:DWORD, lParam:DWORD
        .if uMsg == WM_DESTROY
            invoke  PostQuitMessage, 0
            xor     eax, eax
            ret
        .endif
        invoke  DefWindowProcA, hWnd, uMsg, wParam, lParam
        ret
WndProc ENDP

        end     start
