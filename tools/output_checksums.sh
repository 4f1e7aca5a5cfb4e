#!/usr/bin/env bash
# Checksums of every kit's output over a header tree, to show that a change to the translation
# leaves its output byte for byte the same: run it with the program before and after.
#
#   tools/output_checksums.sh [--ondavel PATH] [--include DIR] WORKDIR
#
# WORKDIR is made afresh (anything in it is lost) as a workspace over DIR (the MinGW-w64
# headers by default). Prints one sha256 for the outputs of the four kits for win32, one for
# the journal those runs wrote, and one for the outputs and journal of sdk, directx and winddk
# for win64. Each file goes into its sum after a line with its path, in path order.
set -euo pipefail
export LC_ALL=C

ondavel="$(dirname "$0")/../build/ondavel"
include=/usr/share/mingw-w64/include
while [ $# -gt 1 ]; do
    case "$1" in
        --ondavel) ondavel=$2; shift 2 ;;
        --include) include=$2; shift 2 ;;
        *) break ;;
    esac
done
[ $# -eq 1 ] || { sed -n '5p' "$0" >&2; exit 2; }
work=$(realpath -m "$1")
ondavel=$(realpath "$ondavel")

# fresh_workspace: an empty workspace in $work over $include
fresh_workspace() {
    rm -rf "$work"
    "$ondavel" init "$work" --force --include "$include" >/dev/null
}

# sum_files FIND-ARGS...: one checksum of the files find selects under $work, paths included
sum_files() {
    (cd "$work" && find . -type f "$@" | sort | while read -r file; do
        echo "== $file"
        cat "$file"
    done) | sha256sum | cut -d' ' -f1
}

# run_kits TARGET KIT...: each kit's whole batch, from the workspace (the darkgdk kit writes
# into the current directory); a kit that reports errors still counts
run_kits() {
    local target=$1
    shift
    for kit in "$@"; do
        (cd "$work" && "$ondavel" -q --base "$work" --kit "$kit" --target "$target" all --list) \
            >/dev/null 2>&1 || true
    done
}

fresh_workspace
run_kits win32 sdk directx winddk darkgdk
echo "win32 outputs  $(sum_files ! -name journal.txt ! -path './include/*')"
echo "win32 journal  $(sum_files -name journal.txt)"
fresh_workspace
run_kits win64 sdk directx winddk
echo "win64 all      $(sum_files ! -path './include/*')"
