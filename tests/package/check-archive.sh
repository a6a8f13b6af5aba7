#!/usr/bin/env bash
# check-archive.sh <cpack> <build folder> <source folder> <version>
# Makes the archive in a scratch folder, checks that it holds exactly the
# program's folder, unpacks it elsewhere and starts the program from there.
set -euo pipefail
cpack=$1 build=$2 source=$3 version=$4

if ! [ -x "$cpack" ]; then
    echo "cpack not found: skipped"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cpack" --config "$build/CPackConfig.cmake" -G TGZ -B "$work" >/dev/null
top=dungeon-board-$version-Linux
archive=$work/$top.tar.gz

{
    printf '%s\n' dungeon-board dungeon-board.desktop dungeon-board.png dungeon-board.svg README.md LICENSE
    (cd "$source" && find docs -type f)
    (cd "$source/assets/sample-dungeon" && find Dungeon1 -type f | sed 's|^|Dungeons/|')
} | sed "s|^|$top/|" | sort >"$work/expected"
tar -tzf "$archive" | grep -v '/$' | sort >"$work/held"
diff -u "$work/expected" "$work/held"

mkdir "$work/unpacked"
tar -xzf "$archive" -C "$work/unpacked"
program_folder=$work/unpacked/$top
diff -r "$source/assets/sample-dungeon/Dungeon1" "$program_folder/Dungeons/Dungeon1"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$program_folder/dungeon-board.desktop"
fi

source "$(dirname "$0")/start-program.sh"
start_program "$program_folder/dungeon-board" "$work" "$version"
echo "archive $top.tar.gz: contents as expected, the program starts and prints its adventure"
