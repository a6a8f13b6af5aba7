#!/usr/bin/env bash
# Builds Dungeon Board and runs it or its tests. Installs the system packages
# listed in packages.txt first when any of them is missing.
#   ./dev.sh run     build and start the program
#   ./dev.sh test    build and run the whole test suite headless, then again
#                    under AddressSanitizer and UndefinedBehaviorSanitizer,
#                    then each fuzzer for a minute when clang is present
set -euo pipefail
cd "$(dirname "$0")"

build_dir=${BUILD_DIR:-build}

install_packages() {
    local missing=()
    for package in $(grep -v '^#' packages.txt); do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing ${missing[*]} ..."
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build <folder> [cmake options...]
build() {
    cmake -S . -B "$1" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${@:2}" >/dev/null
    cmake --build "$1" --parallel "$(nproc)"
}

run_tests() {
    (cd "$1" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)")
}

# The whole suite once more, built with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer: any report ends its test with a failure.
sanitizer_tests() {
    local dir="$build_dir-asan"
    build "$dir" -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 run_tests "$dir"
}

# Each libFuzzer target for a minute (the tests labelled "fuzz").
fuzz() {
    if ! command -v clang++ >/dev/null; then
        echo "clang++ not found: the fuzzers only replay their corpora"
        return
    fi
    local dir="$build_dir-fuzz"
    CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUNGEON_FUZZ=ON >/dev/null
    cmake --build "$dir" --parallel "$(nproc)" --target fuzzers
    (cd "$dir" && ctest -L fuzz --output-on-failure --parallel "$(nproc)")
}

case "${1:-}" in
run)
    install_packages
    build "$build_dir"
    exec "$build_dir/app/dungeon-board"
    ;;
test)
    install_packages
    build "$build_dir"
    run_tests "$build_dir"
    sanitizer_tests
    fuzz
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
