#!/usr/bin/env bash
# The names of a knowledge file's TYPEDEFINI section whose size on 64-bit Windows differs from
# their size on 32-bit Windows, as the two MinGW-w64 C compilers see them, each with its 64-bit
# MASM type ("HANDLE = QWORD"), in the order of the knowledge file.
#
#   tools/pointer_sized_names.sh KNOWLEDGE 'OPTIONS-AND-HEADERS'... >ENTRIES
#
# A name takes the sizes of the first context (options and headers, as tools/probe_types.sh
# takes them) that knows it; a name that no context knows is left out. Only a scalar changes its
# MASM type: the name of a structure stays as it is.
set -euo pipefail
export LC_ALL=C

if [[ $# -lt 2 ]]; then
    echo "usage: $0 KNOWLEDGE 'OPTIONS-AND-HEADERS'... >ENTRIES" >&2
    exit 2
fi
knowledge=$1
shift

# "NAME TYPE" for each scalar entry of the TYPEDEFINI section, in its order.
scalars() {
    tr -d '\r' <"$knowledge" | awk '
    /^TYPEDEFINI$/ { inside = 1; next }
    /^[A-Z_]+$/ && inside { exit }
    inside && /=/ {
        line = $0; sub(/;.*/, "", line); split(line, part, "=")
        name = part[1]; type = part[2]; gsub(/[ \t]/, "", name); gsub(/[ \t]/, "", type)
        if (name != "" && type ~ /^S?(BYTE|WORD|DWORD|QWORD)$/) print name, type
    }'
}

awk '
    FILENAME == ARGV[1] { narrow[$1] = $2; wide[$1] = $3; word[$1] = $6; next }
    !($1 in narrow) || narrow[$1] == wide[$1] || word[$1] == "-" || ($1 in seen) { next }
    {
        type = word[$1]
        if (substr($2, 1, 1) == "S" && type != "QWORD") type = "S" type
        print $1 " = " type
        seen[$1] = 1
    }' <(scalars | cut -d' ' -f1 | "$(dirname "$0")/probe_types.sh" "$@") <(scalars)
