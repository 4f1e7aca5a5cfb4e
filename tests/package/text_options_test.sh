#!/bin/sh
# --version prints the program's name and version, --help its usage; both exit 0 and need no
# display, even from the desktop program, which also refuses a wrong option value before it
# looks for one.
# usage: text_options_test.sh PROGRAM NAME VERSION
set -eu
program=$1 name=$2 version=$3
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
text=$("$program" --version) || { echo "FAILED: $name --version exits $?" >&2; exit 1; }
[ "$text" = "$name $version" ] || { echo "FAILED: $name --version says '$text'" >&2; exit 1; }
help=$("$program" --help) || { echo "FAILED: $name --help exits $?" >&2; exit 1; }
case $help in
    *--version*) ;;
    *) echo "FAILED: $name --help does not name --version: $help" >&2; exit 1 ;;
esac
status=0
"$program" --target win65 >/dev/null 2>&1 || status=$?
if [ "$status" -eq 0 ] || [ "$status" -ge 128 ]; then
    echo "FAILED: $name --target win65 exits $status" >&2
    exit 1
fi
