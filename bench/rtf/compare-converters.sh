#!/usr/bin/env bash
# Times rtfconv as a whole process against other RTF-to-HTML converters on
# the same RTF document written by LibreOffice, and prints a table of medians.
#
#   bench/rtf/compare-converters.sh [SECTIONS]
#
# Run from the repository root. SECTIONS sizes the generated document
# (default 180, about 1.5 MB of LibreOffice RTF). With KEEP=1 the temporary
# folder with the document and every converter's output is kept for a look.
#
# The benchmark, not the build, installs what it compares: hyperfine, unrtf,
# pandoc, abiword and LibreOffice Writer, from Debian's packages, with apt-get
# when any is missing (sudo when not run as root).
set -euo pipefail

sections=${1:-180}
build_dir=${BUILD_DIR:-build}
rtfconv=$PWD/$build_dir/tools/rtfconv/rtfconv
fast_runs=10
slow_runs=5 # LibreOffice and AbiWord start a whole word processor each run

[ -f CMakeLists.txt ] && [ -d rtf ] || { echo "run from the repository root" >&2; exit 2; }

install_packages() {
    local missing=() package
    for package in hyperfine unrtf pandoc abiword; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    command -v soffice >/dev/null || missing+=(libreoffice-writer-nogui)
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing ${missing[*]} ..."
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    # One at a time, so a package this Debian lacks costs only its own row.
    for package in "${missing[@]}"; do
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$package" ||
            echo "warning: could not install $package" >&2
    done
}

build_rtfconv() {
    [ -f "$build_dir/CMakeCache.txt" ] || cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build_dir" --target rtfconv --parallel 2 >/dev/null
}

# ---------------------------------------------------------------- the document
# Every section carries a token "PartNNNN", every fourth one a "ListNNNN" in
# its innermost list item, every eighth a "TableNNNN" in its table; a converter
# whose output holds all of them has converted the whole document.

words=(dungeon lantern goblin corridor treasure chest portcullis wyvern torch
       café naïve “quoted” über—dash rope trap sconce façade ogre)

section_html() {
    local n=$1 token
    token=$(printf 'Part%04d' "$n")
    local w1=${words[n % ${#words[@]}]} w2=${words[(n * 7 + 3) % ${#words[@]}]}
    local w3=${words[(n * 5 + 1) % ${#words[@]}]}
    cat <<EOF
<h2>$token: the $w1 room</h2>
<p align="justify" style="margin-left:18px; text-indent:12px; margin-top:6px; margin-bottom:4px; line-height:120%">$token opens on a
<b>bold $w1</b>, an <i>italic $w2</i>, an <u>underlined $w3</u>,
<span style="text-decoration: underline; text-decoration-style: dotted">a dotted $w1</span>,
<s>a struck $w2</s>, <span style="font-family:'Liberation Serif'; font-size:14pt">a serif $w3</span>,
<span style="font-family:'DejaVu Sans Mono'; font-size:9pt">mono $w1</span>,
<span style="color:#b22222">red $w2</span>, <span style="background-color:#ffff66">highlit $w3</span>,
E = mc<sup>2</sup>, H<sub>2</sub>O, <b><i><u>all three on $w1</u></i></b> and
<a href="https://example.org/room/$n">a link to room $n</a>. The $w2 waits by the $w3 beside the $w1;
the party counts its torches, listens at the door and decides to go on.</p>
<p>Behind the <b>$w2</b> lies a passage to the <i>$w3</i>; <span style="font-size:11pt">the walls are
damp</span> and <span style="color:#2e7d32">moss</span> covers the <u>$w1</u>. Whoever opens the
<s>locked</s> door meets the <span style="font-family:'DejaVu Sans Mono'">$w2</span> first, then
the $w1, then a long and plain stretch of corridor that the map does not show.</p>
<p align="center"><span style="font-size:16pt; color:#1f4e79">Centred $w2</span></p>
<p align="right" style="margin-right:24px">Right-aligned note on the $w3.</p>
EOF
    # Every list becomes list-table entries in LibreOffice's RTF: a few keep
    # the header from outweighing the text.
    ((n % 4 == 0)) || return 0
    cat <<EOF
<ul>
  <li>$w1 with <b>bold</b> inside</li>
  <li>$w2<ul><li>nested $w3</li><li>nested <i>$w1</i></li></ul></li>
</ul>
<ol>
  <li>first $w3</li>
  <li>second $w2<ol><li>inner $(printf 'List%04d' "$n") <u>$w1</u></li></ol></li>
  <li>third $w1</li>
</ol>
EOF
    ((n % 8 == 0)) || return 0
    echo '<table border="1" cellpadding="2" width="100%">'
    printf '<tr><th>Monster Name (Table%04d)</th><th>AC</th><th>DMG</th><th>HP</th></tr>\n' "$n"
    local row
    for row in 1 2 3 4 5 6; do
        echo "<tr><td><b>${words[(n + row) % ${#words[@]}]}</b> $row</td><td>$((10 + row))</td><td><i>1d$((row + 3))</i></td><td>$((row * 7))</td></tr>"
    done
    echo '</table>'
}

make_document() {
    command -v soffice >/dev/null || { echo "LibreOffice is needed to write the input" >&2; exit 1; }
    local n
    {
        echo '<!DOCTYPE html><html><head><meta charset="utf-8"><title>Converter benchmark</title></head><body>'
        for ((n = 1; n <= sections; ++n)); do
            section_html "$n"
        done
        echo '</body></html>'
    } >"$work/source.html"
    # Our writer turns the HTML into RTF; LibreOffice then rewrites it, so the
    # timed input is LibreOffice's own RTF, not ours.
    "$rtfconv" --to-rtf "$work/source.html" >"$work/source.rtf"
    soffice_run --convert-to 'rtf:Rich Text Format' --outdir "$work/lo" "$work/source.rtf" >/dev/null
    mv "$work/lo/source.rtf" "$work/document.rtf"
}

# A profile of our own, so an office suite someone else has open is neither
# reused nor disturbed.
soffice_run() {
    soffice -env:UserInstallation="file://$work/profile" --headless --norestore "$@"
}

# ---------------------------------------------------------------- the timings

# name, runs, command line writing $work/out/<name>.html
converters() {
    local in=$work/document.rtf out=$work/out
    printf '%s\t%s\t%s\n' \
        rtfconv "$fast_runs" "'$rtfconv' '$in' > '$out/rtfconv.html'" \
        unrtf "$fast_runs" "unrtf --html '$in' > '$out/unrtf.html'" \
        pandoc "$fast_runs" "pandoc -f rtf -t html '$in' -o '$out/pandoc.html'" \
        abiword "$slow_runs" "abiword --to=html --to-name='$out/abiword.html' '$in'" \
        soffice "$slow_runs" "soffice -env:UserInstallation='file://$work/profile' --headless --norestore --convert-to html --outdir '$out/soffice' '$in' > /dev/null && mv '$out/soffice/document.html' '$out/soffice.html'"
}

program_of() {
    case $1 in
    rtfconv) echo "$rtfconv" ;;
    *) echo "$1" ;;
    esac
}

time_converters() {
    local name runs command
    mkdir -p "$work/out/soffice"
    while IFS=$'\t' read -r name runs command; do
        if ! command -v "$(program_of "$name")" >/dev/null; then
            echo "$name: not installed, skipped" >&2
            continue
        fi
        echo "== $name"
        # hyperfine stops at a failing run, which is what we want: a crash is
        # reported, not timed.
        hyperfine --style basic --warmup 2 --runs "$runs" --export-csv "$work/$name.csv" \
            --command-name "$name" "$command" || echo "$name: failed" >&2
    done < <(converters)
}

# ---------------------------------------------------------------- the table

median_of() {
    [ -f "$work/$1.csv" ] && awk -F, 'NR == 2 { print $4 }' "$work/$1.csv"
}

tokens_found() {
    local found
    found=$(grep -Eo '(Part|List|Table)[0-9]{4}' "$work/out/$1.html" 2>/dev/null | sort -u | wc -l)
    echo "$found/$((sections + sections / 4 + sections / 8))"
}

print_table() {
    local base name median fastest="" fastest_median=""
    base=$(median_of rtfconv) || { echo "rtfconv was not timed" >&2; exit 1; }
    echo
    echo "Input: $(stat -c %s "$work/document.rtf") bytes of RTF written by LibreOffice ($sections sections)"
    echo
    printf '%-10s %10s %18s %15s %13s\n' converter "median s" "ratio to rtfconv" "rtfconv faster" "tokens found"
    for name in rtfconv unrtf pandoc abiword soffice; do
        if ! median=$(median_of "$name"); then
            printf '%-10s %10s\n' "$name" "not timed: missing or failed, see above"
            continue
        fi
        local ratio faster
        ratio=$(awk -v m="$median" -v b="$base" 'BEGIN { printf "%.2f", m / b }')
        if [ "$name" = rtfconv ]; then
            faster=-
        else
            faster=$(awk -v r="$ratio" 'BEGIN { print (r > 1 ? "yes" : "NO") }')
            if [ -z "$fastest" ] || awk -v m="$median" -v f="$fastest_median" 'BEGIN { exit !(m < f) }'; then
                fastest=$name fastest_median=$median
            fi
        fi
        printf '%-10s %10.3f %18s %15s %13s\n' "$name" "$median" "$ratio" "$faster" "$(tokens_found "$name")"
    done
    echo
    [ -n "$fastest" ] || return 0
    awk -v f="$fastest" -v m="$fastest_median" -v b="$base" 'BEGIN {
        r = m / b
        printf "Aim: rtfconv twice as fast as the fastest other (%s): %.2fx, %s\n",
               f, r, (r >= 2 ? "met" : "not met")
    }'
}

install_packages
build_rtfconv
work=$(mktemp -d)
if [ "${KEEP:-0}" = 1 ]; then
    echo "Document and outputs in $work"
else
    trap 'rm -rf "$work"' EXIT
fi
make_document
time_converters
print_table
