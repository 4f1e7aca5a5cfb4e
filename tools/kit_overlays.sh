#!/usr/bin/env bash
# Makes the 64-bit overlays of the bundled kits (kits/*64.txt) anew, asking the MinGW-w64
# compilers about names after the headers each kit covers.
#
#   tools/kit_overlays.sh [ONDAVEL]      (default build/ondavel, built from these kits)
#
# It takes about a quarter of an hour, most of it finding which headers compile after windows.h.
#
# An overlay holds two kinds of names:
#   - the names of the kit's knowledge file whose size differs on 64-bit Windows
#     (tools/pointer_sized_names.sh), each asked after the kit's headers first and, when those
#     do not declare it, after the other side's: the driver kit's for the SDK and DirectX
#     (PFILE_OBJECT, PKDPC ...), the SDK's for the driver kit (HWND ...); then after the
#     headers the knowledge file's entries name (DBLENGTH after oledb.h);
#   - the names the knowledge file lacks that the kit's own headers use as types: those a
#     32-bit batch of the kit over the MinGW-w64 tree journals as unknown, each asked after
#     the header that uses it (tools/unknown_type_names.sh), kept when it is a pointer, an
#     integer or an enumeration. A 32-bit batch reads no overlay, so the names it journals do
#     not depend on the overlays made here, and a second run of this script gives the same
#     files. The journal of a batch, rather than every typedef of the tree, keeps the overlay
#     to the names a translation misses.
# Needs gcc-mingw-w64-i686-win32 and gcc-mingw-w64-x86-64-win32.
set -euo pipefail
export LC_ALL=C
ondavel=$(realpath "${1:-$(dirname "$0")/../build/ondavel}")
cd "$(dirname "$0")/.."
tree=/usr/share/mingw-w64/include
ddk="-I$tree/ddk ntddk.h"
for compiler in i686-w64-mingw32-gcc x86_64-w64-mingw32-gcc; do
    command -v "$compiler" >/dev/null || { echo "$0: $compiler is missing" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$ondavel" init "$work/base" --force --include "$tree" >/dev/null

# The journal of the kit's 32-bit batch over the tree.
journal() {
    "$ondavel" -q --base "$work/base" --kit "$1" all >/dev/null 2>&1 || true
    cp "$work/base/journal.txt" "$work/$1.journal"
    echo "$work/$1.journal"
}

# A last context for the names no kit's headers declare: windows.h and every header the
# knowledge file's entries name in their comments ("DBLENGTH = DWORD ; oledb.h"), leaving out
# those that do not compile after windows.h (one that includes a header the tree lacks, or stops
# at its own #error, would end the compile for all the others).
named_headers() {
    local header context="windows.h" said
    for header in $(tr -d '\r' <"$1" | sed -n 's/^[^;]*=[^;]*; *\([A-Za-z0-9_]*\.h\).*/\1/p' | sort -u); do
        [[ -f $tree/$header ]] || continue
        printf '#include <windows.h>\n#include <%s>\n' "$header" >"$work/alone.c"
        said=$(x86_64-w64-mingw32-gcc -fsyntax-only -fmax-errors=0 "$work/alone.c" 2>&1 || true)
        grep -q 'fatal error\|#error' <<<"$said" || context+=" $header"
    done
    echo "$context"
}

# The overlay of a knowledge file from its entries, lines ended by CR LF as the kits' are.
overlay() {
    local base word
    base=$(basename "$1")
    {
        echo "; 64-bit overlay of $base: read before it when the target is win64. Each entry is a"
        echo "; name whose size on 64-bit Windows differs from its size in $base, or a name it"
        echo "; lacks that the headers use as a pointer or an integer, as the MinGW-w64 compilers"
        echo "; see it (made by tools/kit_overlays.sh)."
        echo "TRADUIRE"
        echo "TYPEDEFINI"
        cat
        echo "COMMONSTRUCTURE"
        echo "COMMONRECORD"
        echo "INCOMPATIBLE"
        echo "; Words the 64-bit assembler reserves besides those of the 32-bit one: its registers and"
        echo "; the FRAME of its procedures, renamed with a leading '_'."
        # In lower case, as egales.txt writes the words of the 32-bit assembler (the lookup ignores
        # case): C's member "Rax" becomes "_rax" as its "Type" becomes "_type".
        for word in rax rbx rcx rdx rsi rdi rbp rsp spl bpl sil dil rip frame \
            r{8..15} r{8..15}d r{8..15}w r{8..15}b xmm{0..15}; do
            echo "$word = _$word"
        done
        echo "INCOMPATIBLE_EQUATE"
        echo "INTERFACE_API_CONFLIT_NOM"
        echo "FINDELISTE"
    } | sed 's/$/\r/'
}

sdk="windows.h commctrl.h commdlg.h winsock2.h ws2tcpip.h shlobj.h shellapi.h shlwapi.h \
    wincrypt.h winternl.h setupapi.h richedit.h ole2.h oleauto.h olectl.h wininet.h winhttp.h \
    dbghelp.h psapi.h tlhelp32.h mmsystem.h winspool.h lm.h iphlpapi.h wtsapi32.h userenv.h \
    ntsecapi.h winsvc.h uxtheme.h dwmapi.h objbase.h propidl.h mapi.h tapi.h ras.h rpc.h \
    wincon.h winnetwk.h msi.h winscard.h vfw.h"
directx="windows.h d3d9.h d3d11.h d3d10.h d3d10_1.h d3d12.h dxgi.h dxgi1_2.h d2d1.h dwrite.h \
    dinput.h dsound.h ddraw.h xaudio2.h d3dcompiler.h mfapi.h mfidl.h mmreg.h ks.h strmif.h \
    commctrl.h ole2.h oleauto.h shlobj.h winsock2.h"
winddk="$ddk ntifs.h ndis.h usb.h wdmguid.h ntddstor.h ntdddisk.h ntddscsi.h scsi.h \
    storport.h ntstrsafe.h"

{
    tools/pointer_sized_names.sh kits/egales.txt "$sdk" "$ddk" \
        "$(named_headers kits/egales.txt)"
    tools/unknown_type_names.sh "$(journal sdk)" windows.h "$ddk"
} | overlay kits/egales.txt >kits/egales64.txt
{
    tools/pointer_sized_names.sh kits/directx.txt "$directx" "$ddk" \
        "$(named_headers kits/directx.txt)"
    tools/unknown_type_names.sh "$(journal directx)" windows.h "$ddk"
} | overlay kits/directx.txt >kits/directx64.txt
{
    tools/pointer_sized_names.sh kits/winddkegale.txt "$winddk" "$sdk" \
        "$(named_headers kits/winddkegale.txt)"
    tools/unknown_type_names.sh "$(journal winddk)" "$ddk" windows.h
} | overlay kits/winddkegale.txt >kits/winddkegale64.txt
