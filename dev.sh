#!/usr/bin/env bash
# Builds Dungeon Board and runs it, tests it or packages it, through the
# presets of CMakePresets.json. Installs the Debian packages of packages.txt
# first when any of them is missing.
#   ./dev.sh run      build, put the sample adventure in place when there is
#                     no Dungeon1 folder yet, and start the program
#   ./dev.sh test     build and run the whole test suite headless, then again
#                     under AddressSanitizer and UndefinedBehaviorSanitizer,
#                     then each fuzzer for a minute (needs packages-fuzz.txt)
#   ./dev.sh package  build and make build/dungeon-board-<version>-Linux.tar.gz
#                     (portable) and build/dungeon-board_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")"

jobs=$(nproc)

is_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

apt_install() {
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$@"
}

install_packages() {
    if ! command -v dpkg-query >/dev/null; then
        echo "No dpkg on this system: install the equivalents of packages.txt yourself"
        return
    fi
    local missing=() package
    for package in $(grep -v '^#' packages.txt); do
        is_installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing ${missing[*]} ..."
    apt_install "${missing[@]}"
}

clang_major() {
    clang++ --version 2>/dev/null | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n 1
}

# Installs what it can of packages-fuzz.txt, one package at a time in the
# list's order (clang first, so that its runtime's version is known), and
# never fails.
install_fuzz_packages() {
    command -v dpkg-query >/dev/null && command -v apt-get >/dev/null || return 0
    local package
    for package in $(grep -v '^#' packages-fuzz.txt); do
        if [[ $package == *CLANG_MAJOR* ]]; then
            [ -n "$(clang_major)" ] || continue
            package=${package//CLANG_MAJOR/$(clang_major)}
        fi
        is_installed "$package" && continue
        echo "Installing $package (optional, for fuzzing) ..."
        apt_install "$package" >/dev/null 2>&1 || echo "Could not install $package; carrying on without it"
    done
}

# Prints why the fuzzers cannot be built here; prints nothing when they can.
# Linking a fuzzer is the one test that covers every way the runtime can be
# missing or mismatched.
fuzz_blocker() {
    if ! command -v clang++ >/dev/null; then
        echo "clang++ is not installed"
        return
    fi
    local probe
    probe=$(mktemp -d)
    echo 'extern "C" int LLVMFuzzerTestOneInput(const char *, unsigned long) { return 0; }' >"$probe/probe.cpp"
    clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null ||
        echo "clang++ $(clang_major) cannot link a libFuzzer target (is libclang-rt-$(clang_major)-dev installed?)"
    rm -rf "$probe"
}

# configure <preset>: ccache speeds up rebuilds when it is there.
configure() {
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake --preset "$1" "${launcher[@]}" >/dev/null
}

build() {
    configure "$1"
    cmake --build --preset "$1" --parallel "$jobs" "${@:2}"
}

run_tests() {
    ctest --preset "$1" --parallel "$jobs"
}

# The output of one test in the last run of a build folder's tests.
test_output() {
    awk -v name="$2" '
        $0 ~ "^[0-9]+/[0-9]+ Testing: " name "$" { inside = 1; next }
        inside && /^<end of output>$/ { exit }
        inside { print }
    ' "$1/Testing/Temporary/LastTest.log"
}

# Whether a failed test's output shows LeakSanitizer's own tracer crashing
# (it stops the threads to scan them at exit, and can itself crash while
# one of them is being torn down) and nothing else: no leak, no other
# sanitizer's report, no failed check.
only_tracer_crashed() {
    local output
    output=$(test_output "$1" "$2")
    grep -q '^Tracer caught signal 11' <<<"$output" &&
        grep -q 'LeakSanitizer has encountered a fatal error' <<<"$output" &&
        ! grep -q -e 'ERROR: LeakSanitizer: detected memory leaks' -e 'ERROR: AddressSanitizer' \
            -e 'runtime error:' -e '^FAIL!' <<<"$output"
}

# The sanitizer suites. A suite whose only fault is that LeakSanitizer's
# tracer crashed at its exit runs once more, and says so; any other failure,
# a leak above all, fails the run at once.
run_sanitizer_tests() {
    ctest --preset asan --parallel "$jobs" && return
    local folder=build-asan failed=() name
    while IFS=: read -r _ name; do
        [ -n "$name" ] || continue
        only_tracer_crashed "$folder" "$name" || return 1
        failed+=("$name")
    done <"$folder/Testing/Temporary/LastTestsFailed.log"
    [ ${#failed[@]} -gt 0 ] || return 1
    echo "LeakSanitizer's tracer crashed at the exit of ${failed[*]} (no leak reported): running it once more"
    local pattern
    pattern=$(printf '|%s' "${failed[@]}")
    ctest --preset asan --tests-regex "^(${pattern:1})\$"
}

# A first run shows the sample adventure. A Dungeon1 folder that is already
# there belongs to the user and stays exactly as it is.
place_sample_adventure() {
    local target=build/app/Dungeons/Dungeon1
    if [ -e "$target" ] || [ -L "$target" ]; then
        return
    fi
    mkdir -p "$(dirname "$target")"
    rm -rf "$target.partial"
    cp -r assets/sample-dungeon/Dungeon1 "$target.partial"
    mv "$target.partial" "$target"
    echo "Put the sample adventure in $target"
}

fuzz() {
    install_fuzz_packages
    local blocker
    blocker=$(fuzz_blocker)
    if [ -n "$blocker" ]; then
        echo "Skipping the fuzzers: $blocker"
        return
    fi
    build fuzz
    run_tests fuzz
}

case "${1:-}" in
run)
    install_packages
    build default --target dungeon-board
    place_sample_adventure
    exec build/app/dungeon-board
    ;;
test)
    install_packages
    build default
    run_tests default
    build asan
    run_sanitizer_tests
    fuzz
    ;;
package)
    install_packages
    build default --target dungeon-board
    (cd build && cpack -G 'TGZ;DEB')
    ;;
*)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac
