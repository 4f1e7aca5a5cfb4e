#!/usr/bin/env bash
# What the 32-bit and 64-bit MinGW-w64 C compilers say of type names after some headers.
#
#   tools/probe_types.sh 'OPTIONS-AND-HEADERS'... <NAMES >FACTS
#
# A context is one argument of words: those that begin with '-' go to both compilers
# ("-I/usr/share/mingw-w64/include/ddk"), the others are headers included in their order. Each
# context is asked in turn about the names the earlier ones did not know: a name takes the facts
# of the first context that knows it ("PFILE_OBJECT" is known only after the driver kit's
# headers). NAMES holds a type name a line. FACTS holds "NAME SIZE32 SIZE64 KIND SIGNED WORD"
# for each name that both compilers know as a type in some context: KIND is the 64-bit
# compiler's __builtin_classify_type of a value of the type (1 integer, 2 char, 3 enumeration,
# 4 boolean, 5 pointer, 12 structure, 13 union ...; an array counts as the pointer it decays
# to), SIGNED is 1 for a signed integer, else 0, and WORD the MASM type of SIZE64 bytes
# (BYTE, WORD, DWORD or QWORD; "-" for another size).
#
# Each fact is asked as the size of an array: "char (*size_N)[sizeof(NAME)] = 1;" draws a
# warning that names it ("char (*)[8]"). A name that is no type there is an error: the compiler
# fails, and goes on. Needs gcc-mingw-w64-i686-win32 and gcc-mingw-w64-x86-64-win32.
set -euo pipefail
export LC_ALL=C

if [[ $# -lt 1 ]]; then
    echo "usage: $0 'OPTIONS-AND-HEADERS'... <NAMES >FACTS" >&2
    exit 2
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# "LINE VALUE" from a compiler's warnings; the line tells the name and the fact. A line with an
# error tells nothing, although its warning comes too: "sizeof(const)" is an error (a keyword
# that would stand for int), and still an array of 4.
facts() {
    { "$1" -fsyntax-only -fmax-errors=0 -Wno-cpp -Werror=implicit-int "${options[@]}" \
        "$work/probe.c" 2>&1 || true; } |
        sed -n -e 's/^.*probe\.c:\([0-9]*\):[0-9:]* error: .*/\1 error/p' \
            -e 's/^.*probe\.c:\([0-9]*\):[0-9:]* warning: initialization of .char (\*)\[\([0-9]*\)\]. from .int.*/\1 \2/p' |
        awk '$2 == "error" { wrong[$1] = 1; next } !($1 in wrong)'
}

# The facts of the names of $work/asked after one context.
probe() {
    options=()
    headers=()
    local word
    for word in $1; do
        if [[ $word == -* ]]; then options+=("$word"); else headers+=("$word"); fi
    done
    for word in "${headers[@]}"; do echo "#include <$word>"; done >"$work/headers.c"
    # Only the names that the preprocessed headers hold as a word (or define as a macro) are
    # asked: for each name it does not know, the compiler would seek a near spelling among all
    # the names of the headers, which takes seconds a name. A header that cannot be read
    # leaves its words out.
    { x86_64-w64-mingw32-gcc -E -P -dD -w "${options[@]}" "$work/headers.c" 2>/dev/null || true; } |
        tr -c 'A-Za-z0-9_' '\n' | sort -u | comm -12 "$work/asked" - >"$work/names"
    [[ -s $work/names ]] || return 0
    {
        cat "$work/headers.c"
        # Each name takes one line of each fact; (NAME *) makes a variable's name an error.
        awk '{
            printf "char (*size_%d)[sizeof(%s)] = 1;\n", NR, $1
            printf "char (*kind_%d)[__builtin_classify_type(*(%s *)0)] = 1;\n", NR, $1
            printf "char (*sign_%d)[1 + ((%s)-1 < 0)] = 1;\n", NR, $1
        }' "$work/names"
    } >"$work/probe.c"
    facts i686-w64-mingw32-gcc >"$work/32"
    facts x86_64-w64-mingw32-gcc >"$work/64"
    awk -v headers="${#headers[@]}" '
        FILENAME == ARGV[1] { names[FNR] = $1; count = FNR; next }
        {
            entry = int(($1 - headers - 1) / 3) + 1
            line = ($1 - headers - 1) % 3
            what = line == 0 ? "size" : line == 1 ? "kind" : "sign"
            if (FILENAME == ARGV[2]) { if (what == "size") narrow[entry] = $2 } else fact[what, entry] = $2
        }
        END {
            for (entry = 1; entry <= count; entry++) {
                if (!(entry in narrow) || !(("size", entry) in fact) || !(("kind", entry) in fact))
                    continue
                signed = (("sign", entry) in fact) ? fact["sign", entry] - 1 : 0
                size = fact["size", entry]
                word = size == 8 ? "QWORD" : size == 4 ? "DWORD" : size == 2 ? "WORD" : size == 1 ? "BYTE" : "-"
                print names[entry], narrow[entry], size, fact["kind", entry], signed, word
            }
        }' "$work/names" "$work/32" "$work/64"
}

sort -u >"$work/asked"
for context in "$@"; do
    probe "$context" >"$work/known"
    cat "$work/known"
    cut -d' ' -f1 "$work/known" | comm -23 "$work/asked" - >"$work/left"
    mv "$work/left" "$work/asked"
done
