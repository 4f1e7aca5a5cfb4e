#!/usr/bin/env bash
# Set-up and everyday commands. On a fresh Debian machine:
#   ./build.sh run      installs what is needed, builds, translates the SDK kit of MinGW-w64
#   ./build.sh test     installs what is needed, builds (also with sanitizers), makes the
#                       packages, runs every test
#   ./build.sh package  installs what is needed, builds the programs and makes the Debian
#                       packages build/ondavel_VERSION_ARCH.deb and ondavel-workbench_...
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev mingw-w64-i686-dev
    gcc-mingw-w64-i686-win32 binutils-mingw-w64-i686 qt6-base-dev fonts-dejavu-core xvfb xauth clang
    libclang-rt-dev help2man dpkg-dev openbox gcc-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64
    mingw-w64-x86-64-dev)
# Only the tests need these: they run the example programs under Wine's 32-bit and 64-bit builds.
TEST_PACKAGES=(wine wine32 wine64)
JOBS=${JOBS:-$(nproc)}
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

# update_indexes: apt's package lists. A mirror caught in the middle of a sync fails one index
# (apt exits with 100); after a second try the lists that did arrive are used.
update_indexes() {
    $SUDO apt-get update -qq && return
    echo "build.sh: apt-get update failed; trying once more" >&2
    sleep 10
    $SUDO apt-get update -qq && return
    echo "build.sh: going on with the package lists that did download" >&2
}

# missing_packages PACKAGE...: those not installed yet, one per line
missing_packages() {
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
            echo "$package"
    done
}

# install_packages PACKAGE...: those not installed yet
install_packages() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ ${#missing[@]} -eq 0 ] && return
    update_indexes
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# install_test_packages: the Wine packages; where the mirror cannot give them, the tests that
# run programs under Wine say so and skip, and everything else still runs.
install_test_packages() {
    install_packages "${TEST_PACKAGES[@]}" && return
    echo "build.sh: could not install ${TEST_PACKAGES[*]}; the Wine example tests will skip" >&2
}

# configure DIR [cmake options...]
configure() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DONDAVEL_WERROR=ON "$@" >/dev/null
}

# build DIR [cmake options...]: everything, tests and benchmarks included
build() {
    configure "$@"
    cmake --build "$1" -j"$JOBS"
}

# The assembler for `ondavel check` and its tests: JWasm built from the shared source when it is
# there, else one on PATH; none leaves those tests to skip.
find_assembler() {
    local source=../shared/tools/jwasm/build.sh
    if [ -f "$source" ]; then
        bash "$source" "$PWD/build-tools/jwasm" | tail -n 1
    else
        command -v jwasm uasm asmc | head -n 1 || true
    fi
}

# A workspace over the MinGW-w64 headers, the whole SDK kit translated, its quality figures.
run_sdk() {
    configure build
    cmake --build build -j"$JOBS" --target ondavel
    local work=work
    ./build/ondavel init "$work" --force --include /usr/share/mingw-w64/include >/dev/null
    ./build/ondavel -q --base "$work" --kit sdk all --list
    tools/kit_quality.sh --no-run "$work" sdk
    local assembler
    assembler=$(find_assembler)
    if [ -n "$assembler" ]; then
        echo "windows.sdk with its include tree through $assembler:"
        ./build/ondavel -q --base "$work" --kit sdk check --assembler "$assembler" windows.sdk |
            tail -n 1 || true
    fi
    echo "Translated the SDK headers of $work/header.txt into $work/sdk/ (journal: $work/journal.txt)"
}

# make_packages DIR: the Debian packages of what is built in DIR, into DIR.
make_packages() {
    (cd "$1" && cpack -G DEB >/dev/null)
    ls "$1"/*.deb
}

run_tests() {
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386
    fi
    install_test_packages
    local assembler
    assembler=$(find_assembler)
    echo "assembler for the check tests: ${assembler:-none (they will skip)}"
    build build -DONDAVEL_ASSEMBLER="$assembler"
    make_packages build
    (cd build && ctest --output-on-failure -j"$JOBS")
    build build-asan -DONDAVEL_SANITIZE=ON -DONDAVEL_BENCH=OFF -DONDAVEL_ASSEMBLER="$assembler"
    (cd build-asan && ctest --output-on-failure -j"$JOBS")
    run_fuzz 45
}

# run_fuzz SECONDS: each libFuzzer target for that long from the committed seeds; any crash,
# leak or input slower than 5 seconds fails the run (its input is left in build-fuzz/).
run_fuzz() {
    CXX=clang++ configure build-fuzz -DONDAVEL_FUZZ=ON
    cmake --build build-fuzz -j"$JOBS" --target header_fuzzer knowledge_fuzzer
    for target in header knowledge; do
        mkdir -p "build-fuzz/fuzz/corpus-$target"
        (cd build-fuzz/fuzz && "./${target}_fuzzer" -max_total_time="$1" -timeout=5 \
            -print_final_stats=1 -dict=../../fuzz/ondavel.dict "corpus-$target" \
            "../../fuzz/corpus/$target")
    done
}

install_packages "${PACKAGES[@]}"
case "${1:-}" in
    run) run_sdk ;;
    test) run_tests ;;
    package)
        configure build
        cmake --build build -j"$JOBS" --target packaged
        make_packages build
        ;;
    *) echo "usage: $0 run|test|package" >&2; exit 2 ;;
esac
