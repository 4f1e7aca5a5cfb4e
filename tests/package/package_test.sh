#!/bin/sh
# The Debian packages as a user gets them: their file lists, their dependencies (no Qt for the
# command), and the programs unpacked into a scratch root and run from there: the versions,
# init, and one header translated. Skips (77) when the packages have not been made, or were
# made before the build's ondavel.
# usage: package_test.sh BUILD_DIR VERSION
set -eu
build=$1 version=$2
cli=$(ls "$build"/ondavel_"$version"_*.deb 2>/dev/null || true)
workbench=$(ls "$build"/ondavel-workbench_"$version"_*.deb 2>/dev/null || true)
if [ -z "$cli" ] || [ -z "$workbench" ]; then
    echo "skipped: no ondavel_${version}_*.deb and ondavel-workbench_${version}_*.deb in $build" \
        "(./build.sh package, or cpack in that folder, makes them)"
    exit 77
fi
if [ "$build/ondavel" -nt "$cli" ]; then
    echo "skipped: the packages in $build are older than its ondavel (cpack there remakes them)"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# holds PACKAGE PATH...: each path is in the package's file list
holds() {
    package=$1
    shift
    dpkg-deb -c "$package" | awk '{print $6}' >"$scratch/list"
    for path in "$@"; do
        grep -qx "./$path" "$scratch/list" || fail "$(basename "$package") lacks /$path"
    done
}
holds "$cli" usr/bin/ondavel usr/share/man/man1/ondavel.1.gz usr/share/doc/ondavel/README.md \
    usr/share/bash-completion/completions/ondavel
holds "$workbench" usr/bin/ondavel-workbench usr/share/man/man1/ondavel-workbench.1.gz \
    usr/share/applications/ondavel-workbench.desktop \
    usr/share/icons/hicolor/scalable/apps/ondavel-workbench.svg
if dpkg-deb -f "$cli" Depends | grep -qi qt; then fail "ondavel depends on Qt"; fi
dpkg-deb -f "$workbench" Depends | grep -q "ondavel (= $version)" ||
    fail "ondavel-workbench does not depend on ondavel $version"
dpkg-deb -f "$workbench" Depends | grep -q "libqt6widgets6" ||
    fail "ondavel-workbench does not depend on the Qt 6 runtime"

root=$scratch/root
dpkg -x "$cli" "$root"
dpkg -x "$workbench" "$root"
bin=$root/usr/bin
echo "ondavel --version: $("$bin/ondavel" --version)"
[ "$("$bin/ondavel" --version)" = "ondavel $version" ] || fail "ondavel --version"
text=$(env -u DISPLAY -u WAYLAND_DISPLAY "$bin/ondavel-workbench" --version)
echo "ondavel-workbench --version: $text"
[ "$text" = "ondavel-workbench $version" ] || fail "ondavel-workbench --version"

cd "$scratch"
"$bin/ondavel" init W >init.out || fail "ondavel init W"
cat init.out
printf '#define ANSWER 42\r\ntypedef struct _PAIR {\r\n    DWORD first;\r\n' >pair.h
printf '    WORD second;\r\n} PAIR;\r\n' >>pair.h
"$bin/ondavel" -q --base W --kit sdk file pair.h >pair.sdk || fail "ondavel file pair.h"
echo "pair.h translated:"
cat pair.sdk
grep -q "^ANSWER	equ	" pair.sdk || fail "no equate for ANSWER"
grep -q "^PAIR	STRUCT" pair.sdk || fail "no structure for PAIR"
