#!/usr/bin/env bash
# The SDK batch's speed beside cat: each ondavel program given translates the same headers,
# round after round, and cat reads them. The CPU time of each program (user and system) is
# printed as its median over the rounds, in MB/s of header text and as a multiple of the time
# cat took to read them (elapsed: reading, not computing, is what cat stands for).
#
#   tools/batch_speed.sh [--rounds N] [--headers LIST] ONDAVEL...
#
# Each program works in a workspace of its own, made by its own init over the MinGW-w64 tree, on
# a memory file system where there is one (a disk's allocation of new files would weigh on the
# times). LIST, or else the first workspace's header list, is given to every workspace, so that
# all translate the same bytes. To measure a change of speed on a machine whose speed changes
# from hour to hour, build the older revision beside this one (git worktree add DIR REV) and
# give both programs: their ratio holds where either time alone does not.
set -euo pipefail
export LC_ALL=C

rounds=7
headers=""
while [ $# -gt 0 ]; do
    case $1 in
        --rounds) rounds=$2; shift 2 ;;
        --headers) headers=$(realpath "$2"); shift 2 ;;
        *) break ;;
    esac
done
[ $# -ge 1 ] || { sed -n '6p' "$0" >&2; exit 2; }
tree=/usr/share/mingw-w64/include
[ -d "$tree" ] || { echo "batch_speed.sh: $tree is missing (mingw-w64-i686-dev)" >&2; exit 1; }

root=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$root"' EXIT
programs=("$@")
for i in "${!programs[@]}"; do
    "${programs[$i]}" init "$root/w$i" --force --include "$tree" >/dev/null
done
list=${headers:-$root/w0/header.txt}
for i in "${!programs[@]}"; do
    [ "$list" -ef "$root/w$i/header.txt" ] || cp "$list" "$root/w$i/header.txt"
done
tr -d '\r' <"$list" | while IFS= read -r file; do
    if [ -f "$file" ]; then echo "$file"; fi
done >"$root/files"
bytes=$(xargs -d '\n' cat <"$root/files" | wc -c)

# seconds FORMAT COMMAND...: the time COMMAND took as bash's time FORMAT gives it (%R elapsed,
# %U user, %S system), summed; its output discarded
seconds() {
    local TIMEFORMAT=$1
    shift
    { time "$@" >/dev/null 2>&1; } 2>&1 | awk '{print $1 + $2}'
}

times=$root/times
for ((round = 1; round <= rounds; ++round)); do
    echo "cat $(seconds %R xargs -d '\n' cat <"$root/files")" >>"$times"
    for i in "${!programs[@]}"; do
        echo "$i $(seconds '%U %S' "${programs[$i]}" -q --base "$root/w$i" --kit sdk all --list)" \
            >>"$times"
    done
done

# median KEY: the median of KEY's times (the lower middle one of an even count, as
# bench_compare.sh takes it)
median() {
    awk -v key="$1" '$1 == key {print $2}' "$times" | sort -n |
        awk '{t[NR] = $1} END {print t[int((NR + 1) / 2)]}'
}

cat_time=$(median cat)
echo "$(wc -l <"$root/files") headers, $bytes bytes, $rounds rounds; cat: $cat_time s"
for i in "${!programs[@]}"; do
    awk -v t="$(median "$i")" -v c="$cat_time" -v b="$bytes" -v p="${programs[$i]}" \
        'BEGIN {printf "%.2f s  %.1f MB/s  %.1f times cat  %s\n", t, b / t / 1e6, t / c, p}'
done
