#!/usr/bin/env bash
# Builds Dungeon Board and runs it or its tests. Installs the system packages
# listed in packages.txt first when any of them is missing.
#   ./dev.sh run     build and start the program
#   ./dev.sh test    build and run the whole test suite headless
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

build() {
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build_dir" --parallel "$(nproc)"
}

case "${1:-}" in
run)
    install_packages
    build
    exec "$build_dir/app/dungeon-board"
    ;;
test)
    install_packages
    build
    cd "$build_dir"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
