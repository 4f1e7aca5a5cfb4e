#!/bin/sh
# Runs the caption check on a virtual screen under the openbox window manager, so that the
# message boxes get real frames and title bars.
# usage: caption_frames_test.sh XVFB_RUN OPENBOX PROGRAM
set -eu
xvfb_run=$1 openbox=$2 program=$3
QT_QPA_PLATFORM=xcb "$xvfb_run" -a -s "-screen 0 1024x768x24" sh -c '
    "$1" --sm-disable >/dev/null 2>&1 &
    wm=$!
    status=0
    "$2" || status=$?
    kill $wm
    exit $status' sh "$openbox" "$program"
