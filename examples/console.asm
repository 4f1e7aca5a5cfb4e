; Writes one line to standard output.
        .386
        .model flat, stdcall
        option casemap:none

        include ondavel.inc
        include windows.sdk

        .data
line    db      "Hello from the console", 13, 10
lineLength equ  $ - line

        .data?
written dd      ?

        .code
start:
        invoke  GetStdHandle, STD_OUTPUT_HANDLE
        invoke  WriteFile, eax, addr line, lineLength, addr written, NULL
        invoke  ExitProcess, 0
        end     start
