#!/usr/bin/env bash
# The 64-bit MASM types of the names a translation did not know ("inconnu NAME"), for those the
# MinGW-w64 C compilers see as pointers, integers or enumerations ("HREGISTRATION = QWORD").
#
#   tools/unknown_type_names.sh JOURNAL 'OPTIONS-AND-HEADERS'... >ENTRIES
#
# JOURNAL is the journal.txt of a batch: each header's path, then a line "NAME LINE" for each
# type it used and the translation did not know. The names of each header are asked of the
# compilers after each context in turn (options and headers, as tools/probe_types.sh takes
# them), the header itself included last: a name takes the facts of the first context that
# knows it ("KSOBJECT_HEADER" of ks.h is known only after the driver kit's headers). A pointer
# (4 bytes on 32-bit Windows, 8 on 64-bit) is a QWORD, an integer or an enumeration takes its
# 64-bit size (a signed one below 8 bytes an SDWORD ...); a structure, a union, an array or a
# floating-point type is left out. Entries are sorted by name.
set -euo pipefail
export LC_ALL=C

if [[ $# -lt 2 ]]; then
    echo "usage: $0 JOURNAL 'OPTIONS-AND-HEADERS'... >ENTRIES" >&2
    exit 2
fi
journal=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# "HEADER NAME" for each unknown type word of the journal.
tr -d '\r' <"$journal" | awk '
    /^\/.*\.[A-Za-z]+$/ { header = $0; next }
    header != "" && NF == 2 && $1 ~ /^[A-Za-z_][A-Za-z0-9_]*$/ && $2 ~ /^[0-9]+$/ { print header, $1 }
' | sort -u >"$work/used"

# Each header's names, asked after each context with the header included last.
: >"$work/facts"
for header in $(cut -d' ' -f1 "$work/used" | uniq); do
    contexts=()
    for context in "$@"; do contexts+=("$context $header"); done
    awk -v header="$header" '$1 == header { print $2 }' "$work/used" |
        "$(dirname "$0")/probe_types.sh" "${contexts[@]}" >>"$work/facts"
done

sort -u "$work/facts" | awk '
    ($1 in seen) { next }
    ($4 == 5 && $2 == 4 && $3 == 8) || ($4 >= 1 && $4 <= 4 && $6 != "-") {
        type = $6
        if ($5 == 1 && type != "QWORD") type = "S" type
        print $1 " = " type
        seen[$1] = 1
    }'
