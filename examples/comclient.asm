; A COM client: makes a shell link object, gives it a description through its IShellLinkA
; interface, reads the description back and writes it to standard output.
        .386
        .model flat, stdcall
        option casemap:none

        include ondavel.inc
        include windows.sdk
        include shobjidl.sdk

        .data
CLSID_ShellLink GUID sCLSID_ShellLink
IID_IShellLinkA GUID sIID_IShellLinkA
description db  "A shell link made from assembly", 0

        .data?
ppvIShellLinkA dd ?                     ; the interface pointer IShellLinkA's macro calls through
buffer  db      MAX_PATH dup (?)
written dd      ?

        .code
start:
        invoke  CoInitialize, NULL
        invoke  CoCreateInstance, addr CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER,
                addr IID_IShellLinkA, addr ppvIShellLinkA
        test    eax, eax
        js      uninitialize

        IShellLinkA SetDescription, addr description
        IShellLinkA GetDescription, addr buffer, MAX_PATH
        IShellLinkA Release

        invoke  lstrlenA, addr buffer
        mov     buffer[eax], 10
        inc     eax
        push    eax
        invoke  GetStdHandle, STD_OUTPUT_HANDLE
        pop     ecx
        invoke  WriteFile, eax, addr buffer, ecx, addr written, NULL
        xor     eax, eax

uninitialize:
        push    eax
        invoke  CoUninitialize
        call    ExitProcess                 ; with 0, or the HRESULT CoCreateInstance failed with
        end     start
