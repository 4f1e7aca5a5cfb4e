#!/usr/bin/env bash
# Compares builds on the whole-tree benchmark: runs each benchmark program in turn, round after
# round, so that a slower spell of a shared machine falls on all of them alike, and prints each
# one's times per pass over the tree, sorted, with their median.
#
#   tools/bench_compare.sh [--rounds N] BENCH...
#
# BENCH is an ondavel_bench program (build/bench/ondavel_bench of each build to compare). A
# single time says little on a machine whose runs of one program differ by a fifth: compare
# medians of seven rounds or more, and prefer a change that shows in the instruction count too.
set -euo pipefail
export LC_ALL=C

rounds=7
if [ "${1:-}" = --rounds ]; then
    rounds=$2
    shift 2
fi
[ $# -ge 1 ] || { sed -n '6p' "$0" >&2; exit 2; }

times=$(mktemp)
trap 'rm -f "$times"' EXIT
for ((round = 1; round <= rounds; ++round)); do
    for bench in "$@"; do
        ms=$("$bench" --benchmark_filter=TranslateMingwTree 2>/dev/null |
            awk '/^BM_TranslateMingwTree/ {print $2}')
        echo "$bench ${ms:-failed}" >>"$times"
    done
done
for bench in "$@"; do
    awk -v bench="$bench" '$1 == bench {print $2}' "$times" | sort -n |
        awk -v bench="$bench" '{t[NR] = $1} END {
            line = ""
            for (i = 1; i <= NR; ++i) line = line t[i] " "
            printf "median %s ms  (%s)  %s\n", t[int((NR + 1) / 2)], line, bench
        }'
done
