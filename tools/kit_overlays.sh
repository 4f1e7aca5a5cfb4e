#!/usr/bin/env bash
# Makes the 64-bit overlays of the bundled kits (kits/*64.txt) anew from their knowledge files,
# asking the MinGW-w64 compilers about the names after the headers each kit covers.
#
#   tools/kit_overlays.sh
set -euo pipefail
cd "$(dirname "$0")/.."
names=tools/pointer_sized_names.sh
ddk=/usr/share/mingw-w64/include/ddk

"$names" kits/egales.txt windows.h commctrl.h commdlg.h winsock2.h ws2tcpip.h shlobj.h \
    shellapi.h shlwapi.h wincrypt.h winternl.h setupapi.h richedit.h ole2.h oleauto.h olectl.h \
    wininet.h winhttp.h dbghelp.h psapi.h tlhelp32.h mmsystem.h winspool.h lm.h iphlpapi.h \
    wtsapi32.h userenv.h ntsecapi.h winsvc.h uxtheme.h dwmapi.h objbase.h propidl.h mapi.h \
    tapi.h ras.h rpc.h wincon.h winnetwk.h msi.h winscard.h vfw.h >kits/egales64.txt
"$names" kits/directx.txt windows.h d3d9.h d3d11.h d3d10.h d3d10_1.h d3d12.h dxgi.h dxgi1_2.h \
    d2d1.h dwrite.h dinput.h dsound.h ddraw.h xaudio2.h d3dcompiler.h mfapi.h mfidl.h mmreg.h \
    ks.h strmif.h commctrl.h ole2.h oleauto.h shlobj.h winsock2.h >kits/directx64.txt
"$names" kits/winddkegale.txt "-I$ddk" ntddk.h ntifs.h ndis.h usb.h wdmguid.h ntddstor.h \
    ntdddisk.h ntddscsi.h scsi.h storport.h ntstrsafe.h >kits/winddkegale64.txt
