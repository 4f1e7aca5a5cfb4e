#!/usr/bin/env bash
# The names whose size differs on 64-bit Windows, each asked after the first context that
# declares it, and the unknown names of a journal that are pointers or integers, asked after
# the header that uses them; structures, keywords and names no context knows stay out.
# usage: overlay_tools_test.sh TOOLS-FOLDER
set -euo pipefail
tools=$1
tree=/usr/share/mingw-w64/include
for compiler in i686-w64-mingw32-gcc x86_64-w64-mingw32-gcc; do
    command -v "$compiler" >/dev/null && [[ -d $tree/ddk ]] || { echo "SKIPPED: no $compiler"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ddk="-I$tree/ddk ntddk.h"

printf 'TRADUIRE\r\nTYPEDEFINI\r\nHANDLE = DWORD\r\nLONG = SDWORD\r\nHALF_PTR = SWORD ; 16 bits on 32-bit Windows\r\nRECT = DWORD\r\nPFILE_OBJECT = DWORD\r\nNOT_A_TYPE = DWORD\r\nCOMMONSTRUCTURE\r\nFINDELISTE\r\n' >"$work/kit.txt"
"$tools/pointer_sized_names.sh" "$work/kit.txt" windows.h "$ddk" >"$work/sized"
printf 'HANDLE = QWORD\nHALF_PTR = SDWORD\nPFILE_OBJECT = QWORD\n' | diff - "$work/sized"

printf '%s\r\nHREGISTRATION 10\r\nPOINT 11\r\nconst 12\r\nCOLORREF 13\r\nLONG 14\r\nperiod 15\r\n%s\r\nKSOBJECT_HEADER 7\r\nerreur Analyse a la ligne: 9\r\n' \
    "$tree/p2p.h" "$tree/ks.h" >"$work/journal.txt"
"$tools/unknown_type_names.sh" "$work/journal.txt" windows.h "$ddk" >"$work/unknown"
printf 'COLORREF = DWORD\nHREGISTRATION = QWORD\nKSOBJECT_HEADER = QWORD\nLONG = SDWORD\n' |
    diff - "$work/unknown"
