#!/usr/bin/env bash
# Builds the benchmarks, runs them all and prints one table of their figures:
# start-up (offscreen and under Xvfb), click to display, save and memory,
# the PDF booklet, then the storage and RTF benchmarks where they exist.
#   bench/run-all.sh          BUILD_DIR (default build) and RUNS (starts of
#                             each program, default 30) may be set
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build}
runs=${RUNS:-30}
rows=$(mktemp)
xvfb_pid=
runtime_dir=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "$runtime_dir" ] && rm -rf "$runtime_dir"
    rm -f "$rows"
}
trap cleanup EXIT

# --- Build -------------------------------------------------------------------

[ -f "$build_dir/CMakeCache.txt" ] ||
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(bench_startup bench_board bench_find bench_dungeon bench_player)
known_targets=$(cmake --build "$build_dir" --target help)
for optional in bench_storage bench_rtf bench_booklet; do
    grep -qw "$optional" <<<"$known_targets" && targets+=("$optional")
done
echo "Building ${targets[*]} ..."
cmake --build "$build_dir" --parallel 2 --target "${targets[@]}" >/dev/null

# --- Run ---------------------------------------------------------------------

# Shows a benchmark's own report and keeps its table rows for the end.
run() {
    local output
    output=$("$@")
    grep -v '^| ' <<<"$output" || true
    grep '^| ' <<<"$output" >>"$rows"
}

row() {
    printf '| %s | %s | %s | %s |\n' "$@" >>"$rows"
}

# Xvfb picks a free display itself and names it on the file descriptor given.
start_xvfb() {
    if ! command -v Xvfb >/dev/null && [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
        echo "Installing xvfb ..." >&2
        { apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -qq --no-install-recommends xvfb; } >/dev/null 2>&1 || true
    fi
    command -v Xvfb >/dev/null || return 1
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    xvfb_display=:$(tr -d '[:space:]' <"$display_file")
    rm -f "$display_file"
    [ "$xvfb_display" != ":" ]
}

bench=$build_dir/bench
# Qt warns on every start without one.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    runtime_dir=$(mktemp -d)
    export XDG_RUNTIME_DIR=$runtime_dir
fi
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo

QT_QPA_PLATFORM=offscreen run "$bench/app/bench_startup" --runs "$runs" --label offscreen
echo
if start_xvfb; then
    QT_QPA_PLATFORM=xcb DISPLAY=$xvfb_display run "$bench/app/bench_startup" --runs "$runs" --label Xvfb
    kill "$xvfb_pid" 2>/dev/null
    xvfb_pid=
else
    row "Start-up to first paint, Xvfb" "not measured: Xvfb is not installed" "within 1.3 x" "-"
fi
echo
QT_QPA_PLATFORM=offscreen run "$bench/app/bench_board"
QT_QPA_PLATFORM=offscreen run "$bench/app/bench_find"
QT_QPA_PLATFORM=offscreen run "$bench/app/bench_dungeon"
QT_QPA_PLATFORM=offscreen run "$bench/app/bench_player"
if [ -x "$bench/booklet/bench_booklet" ]; then
    echo
    QT_QPA_PLATFORM=offscreen run "$bench/booklet/bench_booklet"
fi

# The storage and RTF benchmarks print "what   figure unit" lines of their own.
for other in storage rtf; do
    program=$bench/$other/bench_$other
    [ -x "$program" ] || continue
    echo
    output=$("$program")
    echo "$output"
    awk -v part="$other" '
        $NF ~ /^(ns|us|µs|ms|s|MB\/s|MiB\/s|KiB|MiB|x)$/ && $(NF-1) ~ /^[0-9.]+$/ {
            name = $1
            for (i = 2; i <= NF - 2; i++) name = name " " $i
            printf "| %s: %s | %s %s | - | - |\n", part, name, $(NF-1), $NF
        }' <<<"$output" >>"$rows"
done

echo
echo "| Benchmark | Figure | Goal | Met |"
echo "|---|---|---|---|"
cat "$rows"
