; Writes one line to standard output, as a 64-bit program: assembled with -win64 against the
; includes translated for 64-bit Windows.
;
; The first four arguments of a call go in RCX, RDX, R8 and R9, the others on the stack above
; 32 bytes of shadow space the callee may use, and the stack is 16-byte aligned at each call.
; The assembler keeps to that itself: FRAME procedures with frame:auto get their prologue and
; unwind data, and with win64 flag 2 INVOKE reserves the stack its calls need once, in the
; prologue (flag 1 keeps the register arguments in their shadow space, for procedures that
; name them).
        option casemap:none
        option frame:auto
        option win64:3

        include ondavel.inc
        include windows.sdk

        .data
line    db      "Hello from 64-bit code", 13, 10
lineLength equ  $ - line

        .data?
written dd      ?

        .code
start   PROC FRAME
        invoke  GetStdHandle, STD_OUTPUT_HANDLE
        invoke  WriteFile, rax, addr line, lineLength, addr written, NULL
        invoke  ExitProcess, 0
start   ENDP
        end     start
