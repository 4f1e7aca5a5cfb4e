#!/usr/bin/env bash
# Translation quality of one kit: runs the kit's batch in a workspace and prints the figures
# that show how well the kit's knowledge file fits its headers.
#
#   tools/kit_quality.sh [--no-run] [--ondavel PATH] WORKDIR sdk|directx|winddk|darkgdk
#
# WORKDIR is a workspace made by `ondavel init`. --no-run measures the output of an earlier
# batch instead of running one. Figures:
#   - PROTO lines, and the share of them holding " inconnu " (a parameter of unknown type);
#   - unknown-type lines of journal.txt ("TYPE LINE"), per 1,000 source lines;
#   - headers whose translation ends with open IF levels although the source closes them all;
#   - structure members written with a C type the kit does not know, share of member lines;
#   - COM interfaces: declared in the sources, written as structures, methods in TYPEDEF
#     form, and how many of those a parameter of unknown type forced;
#   - the ten most frequent unknown types.
set -euo pipefail
export LC_ALL=C

ondavel="$(dirname "$0")/../build/ondavel"
run=1
while [ $# -gt 2 ]; do
    case "$1" in
        --no-run) run=0; shift ;;
        --ondavel) ondavel=$2; shift 2 ;;
        *) break ;;
    esac
done
[ $# -eq 2 ] || { sed -n '4,6p' "$0" >&2; exit 2; }
work=$1
kit=$2
case "$kit" in
    sdk) list=header.txt; out=sdk ;;
    directx) list=Dxheader.txt; out=directx ;;
    winddk) list=winddkheader.txt; out=winddk ;;
    darkgdk) list=DarkGdkHeader.txt; out=darkgdk ;;
    *) echo "unknown kit: $kit" >&2; exit 2 ;;
esac
[ -f "$work/$list" ] || { echo "$work/$list: no such header list" >&2; exit 1; }
# The DarkGDK output folder is relative to the current directory, like the profile says.
[ "$kit" = darkgdk ] || out="$work/$out"

if [ "$run" -eq 1 ]; then
    "$ondavel" -q --base "$work" --kit "$kit" all --list || echo "(the batch reported failures)"
fi

headers=$(mktemp)
outputs=$(mktemp)
text=$(mktemp)
trap 'rm -f "$headers" "$outputs" "$text"' EXIT
tr -d '\r' < "$work/$list" | grep -v -e '^;' -e '^[[:space:]]*$' > "$headers" || true
# NAME.sdk: the file name with everything after its first '.' replaced by "sdk".
sed -e 's|.*/||' -e 's|\..*||' -e "s|^|$out/|" -e 's|$|.sdk|' "$headers" > "$outputs"

count() { grep -c "$@" || true; }
matching() { grep "$@" || true; }
per() { awk -v a="$1" -v b="$2" -v k="$3" 'BEGIN { if (b == 0) print "n/a"; else printf "%.2f\n", a * k / b }'; }

sourceLines=$(xargs -d '\n' cat -- < "$headers" 2>/dev/null | wc -l)
xargs -d '\n' cat -- < "$outputs" 2>/dev/null | tr -d '\r' > "$text" || true
allOutput() { cat "$text"; }
protoLines=$(allOutput | count -e ' PROTO ')
unknownProtos=$(allOutput | matching ' PROTO ' | count -e ' inconnu ')
# An unknown type is journalled as its name, one blank and the source line number.
unknownJournal=$(tr -d '\r' < "$work/journal.txt" | grep -E '^[^ ,0-9/][^ \t]* +[0-9]' || true)
unknownCount=$(printf '%s' "$unknownJournal" | count -e .)
# COM method members ("comethod3 ?", a method's pointer type) are counted with the interfaces.
memberLines=$(allOutput | matching -E $'^\t+[^\t ]+ [^ ]+ (\\?|[0-9A-Fa-f]+h? dup|<>)' |
    matching -v -E $'comethod|^\t\t[^\t]+\t\tF' || true)
members=$(printf '%s' "$memberLines" | count -e .)
unknownMembers=$(printf '%s\n' "$memberLines" | matching -v '<>' |
    awk '{ print $2 }' | count -v -x -E 'S?BYTE|S?WORD|S?DWORD|QWORD|FWORD|TBYTE|REAL(4|8|10)|')
interfacesDeclared=$(xargs -d '\n' cat -- < "$headers" 2>/dev/null |
    count -E '^[[:space:]]*(DECLARE_INTERFACE_\(|typedef struct [A-Za-z0-9_]+Vtbl *\{?$)')
interfacesWritten=$(allOutput | count -E $'^\tST[A-Za-z0-9_]+\tENDS')
typedefMethods=$(allOutput | count -e 'TYPEDEF  PROTO')
typedefUnknown=$(allOutput | matching 'TYPEDEF  PROTO' | count -e ' inconnu ')

# The last IF count of each output, then a look at the sources of those left open.
openIf=0
openIfNames=""
while read -r sdk header; do
    opened=$(count -E '^[[:space:]]*#[[:space:]]*if' "$header")
    closed=$(count -E '^[[:space:]]*#[[:space:]]*endif' "$header")
    if [ "$opened" -eq "$closed" ]; then
        openIf=$((openIf + 1))
        openIfNames="$openIfNames $(basename "$header")"
    fi
done < <(xargs -d '\n' awk '/compte des if: / { left[FILENAME] = $NF }
    END { for (f in left) if (left[f] + 0 != 0) print f }' < "$outputs" 2>/dev/null |
    while read -r sdk _; do
        grep -m1 -F "/$(basename "${sdk%.sdk}")." "$headers" | sed "s|^|$sdk |"
    done)

echo "kit $kit: $(wc -l < "$headers") headers, $sourceLines source lines"
echo "PROTO lines: $protoLines, with inconnu: $unknownProtos ($(per "$unknownProtos" "$protoLines" 100) %)"
echo "unknown-type journal lines: $unknownCount ($(per "$unknownCount" "$sourceLines" 1000) per 1,000 source lines)"
echo "headers left with open IF levels by the translation: $openIf${openIfNames:+ (}${openIfNames# }${openIfNames:+)}"
echo "structure members: $members, of an unknown C type: $unknownMembers ($(per "$unknownMembers" "$members" 100) %)"
echo "interfaces declared: $interfacesDeclared, written: $interfacesWritten ($(per "$interfacesWritten" "$interfacesDeclared" 100) %)"
echo "methods in TYPEDEF form: $typedefMethods, forced by an unknown type: $typedefUnknown"
echo "most frequent unknown types:"
printf '%s\n' "$unknownJournal" | awk 'NF { print $1 }' | sort | uniq -c | sort -k1,1nr -k2 | head -10
