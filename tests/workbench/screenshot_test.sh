#!/bin/sh
# Starts the real workbench on a virtual screen, translates the sample header into the output
# view and saves a picture of the window. Fails when the program does not start, the picture
# is not written or the view stays empty.
# usage: screenshot_test.sh XVFB_RUN PROGRAM SOURCE_DIR PICTURE
set -eu
xvfb_run=$1 program=$2 source=$3 picture=$4
base=$(mktemp -d)
trap 'rm -rf "$base"' EXIT
cp "$source/kits/egales.txt" "$source/kits/sample/Test.txt" "$base/"
rm -f "$picture"
QT_QPA_PLATFORM=xcb "$xvfb_run" -a -s "-screen 0 1024x768x24" \
    "$program" --base "$base" --kit sdk --run 10000 --screenshot "$picture"
test -s "$picture"
