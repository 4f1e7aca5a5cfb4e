#!/usr/bin/env bash
# The 64-bit overlay of a knowledge file: the names of its TYPEDEFINI section whose size on
# 64-bit Windows differs from their size on 32-bit Windows, as the two MinGW-w64 C compilers
# see them after the given headers, each with its 64-bit MASM type ("HANDLE = QWORD").
#
#   tools/pointer_sized_names.sh KNOWLEDGE [-OPTION...] HEADER... > OVERLAY
#
# Arguments that begin with '-' go to both compilers ("-I/usr/share/mingw-w64/include/ddk").
#
# Each name of an integer type is asked of both compilers at once: "char (*size)[sizeof(NAME)] = 1;" draws a
# warning that names the size ("char (*)[8]"). A name that either compiler does not know after
# the headers is left out. Needs gcc-mingw-w64-i686-win32 and gcc-mingw-w64-x86-64-win32.
set -euo pipefail
export LC_ALL=C

if [[ $# -lt 2 ]]; then
    echo "usage: $0 KNOWLEDGE [-OPTION...] HEADER..." >&2
    exit 2
fi
knowledge=$1
shift
options=()
headers=()
for argument in "$@"; do
    if [[ $argument == -* ]]; then options+=("$argument"); else headers+=("$argument"); fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# "NAME TYPE" for each entry of the TYPEDEFINI section, in its order.
tr -d '\r' <"$knowledge" | awk '
    /^TYPEDEFINI$/ { inside = 1; next }
    /^[A-Z_]+$/ && inside { exit }
    inside && /=/ {
        line = $0; sub(/;.*/, "", line); split(line, part, "=")
        name = part[1]; type = part[2]; gsub(/[ \t]/, "", name); gsub(/[ \t]/, "", type)
        if (name != "" && type != "") print name, type
    }' >"$work/names"

{
    for header in "${headers[@]}"; do echo "#include <$header>"; done
    awk '{ printf "char (*size_%d)[sizeof(%s)] = 1;\n", NR, $1 }' "$work/names"
} >"$work/probe.c"

# "LINE SIZE" from a compiler's warnings.
sizes() {
    # The names the headers do not declare are errors: the compiler fails, and goes on.
    { "$1" -fsyntax-only -fmax-errors=0 "${options[@]}" "$work/probe.c" 2>&1 || true; } |
        sed -n 's/^.*probe\.c:\([0-9]*\):[0-9:]* warning: initialization of .char (\*)\[\([0-9]*\)\]. from .int.*/\1 \2/p'
}
sizes i686-w64-mingw32-gcc >"$work/32"
sizes x86_64-w64-mingw32-gcc >"$work/64"

# The overlay in the form of a knowledge file, lines ended by CR LF as the kits' are.
overlay() {
    local base
    base=$(basename "$knowledge")
    echo "; 64-bit overlay of $base: read before it when the target is win64. Each entry is a"
    echo "; name whose size on 64-bit Windows differs from its size in $base, as the MinGW-w64"
    echo "; compilers see it (made by tools/kit_overlays.sh)."
    echo "TRADUIRE"
    echo "TYPEDEFINI"
    awk -v headers="${#headers[@]}" '
        FILENAME == ARGV[1] { names[NR] = $1; types[NR] = $2; next }
        FILENAME == ARGV[2] { narrow[$1 - headers] = $2; next }
        {
            entry = $1 - headers
            if (!(entry in narrow) || narrow[entry] == $2) next
            # Only a scalar changes its MASM type: the name of a structure stays as it is.
            if (types[entry] !~ /^S?(BYTE|WORD|DWORD|QWORD)$/) next
            type = $2 == 8 ? "QWORD" : $2 == 4 ? "DWORD" : $2 == 2 ? "WORD" : $2 == 1 ? "BYTE" : ""
            if (type == "") next
            if (substr(types[entry], 1, 1) == "S" && type != "QWORD") type = "S" type
            if (!(names[entry] in seen)) print names[entry] " = " type
            seen[names[entry]] = 1
        }' "$work/names" "$work/32" "$work/64"
    echo "COMMONSTRUCTURE"
    echo "COMMONRECORD"
    echo "INCOMPATIBLE"
    echo "; Words the 64-bit assembler reserves besides those of the 32-bit one: its registers and"
    echo "; the FRAME of its procedures, renamed with a leading '_'."
    local word
    # In lower case, as egales.txt writes the words of the 32-bit assembler (the lookup ignores
    # case): C's member "Rax" becomes "_rax" as its "Type" becomes "_type".
    for word in rax rbx rcx rdx rsi rdi rbp rsp spl bpl sil dil rip frame \
        r{8..15} r{8..15}d r{8..15}w r{8..15}b xmm{0..15}; do
        echo "$word = _$word"
    done
    echo "INCOMPATIBLE_EQUATE"
    echo "INTERFACE_API_CONFLIT_NOM"
    echo "FINDELISTE"
}
overlay | sed 's/$/\r/'
