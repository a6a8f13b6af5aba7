#!/usr/bin/env bash
# check-deb.sh <cpack> <build folder> <source folder> <version> <AppStream id>
# Makes the Debian package in a scratch folder, checks its control fields,
# file list and metadata, unpacks it and starts the program from there with
# a home of its own. Skipped (exit code 77) where cpack or dpkg-dev is missing.
set -euo pipefail
cpack=$1 build=$2 source=$3 version=$4 id=$5

for tool in "$cpack" dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "$tool not found: skipped"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work" >/dev/null
deb=$work/dungeon-board_${version}_$(dpkg --print-architecture).deb

[ "$(dpkg-deb -f "$deb" Package Version Section)" == $'Package: dungeon-board\nVersion: '"$version"$'\nSection: utils' ]
# The libraries computed by dpkg-shlibdeps, the fonts named by hand.
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *fonts-liberation2* ]] || { echo "unexpected dependencies: $depends"; exit 1; }

{
    printf '/usr/%s\n' bin/dungeon-board share/applications/dungeon-board.desktop \
        share/icons/hicolor/256x256/apps/dungeon-board.png share/icons/hicolor/scalable/apps/dungeon-board.svg \
        "share/metainfo/$id.metainfo.xml" share/man/man1/dungeon-board.1.gz \
        share/doc/dungeon-board/copyright share/doc/dungeon-board/changelog.gz \
        share/mime/packages/dungeon-board.xml
    (cd "$source/assets/sample-dungeon" && find Dungeon1 -type f | sed 's|^|/usr/share/dungeon-board/|')
} | sort >"$work/expected"
dpkg-deb -c "$deb" | awk '!/^d/ { print substr($6, 2) }' | sort >"$work/held"
diff -u "$work/expected" "$work/held"

root=$work/root
dpkg-deb -x "$deb" "$root"
grep -qx 'Exec=dungeon-board --resume %f' "$root/usr/share/applications/dungeon-board.desktop"
# The validators are optional: a line says which did not run.
validate() {
    if command -v "$1" >/dev/null; then "$@"; else echo "$1 not installed: not run"; fi
}
validate desktop-file-validate "$root/usr/share/applications/dungeon-board.desktop"
grep -qx 'MimeType=application/x-dungeon-board;' "$root/usr/share/applications/dungeon-board.desktop"
grep -q '<glob pattern="\*.dungeon"/>' "$root/usr/share/mime/packages/dungeon-board.xml"
validate appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null
validate lintian --fail-on error "$deb"

# Installed, the program has no Dungeons folder beside it: the first start
# gives the user's data folder the sample adventure.
export HOME=$work/home
unset XDG_DATA_HOME
mkdir "$HOME"
source "$(dirname "$0")/start-program.sh"
start_program "$root/usr/bin/dungeon-board" "$work" "$version"
dungeons=$HOME/.local/share/dungeon-board/Dungeons
[ "$("$root/usr/bin/dungeon-board" --dungeons-folder)" == "$dungeons" ]
diff -r "$source/assets/sample-dungeon/Dungeon1" "$dungeons/Dungeon1"

# Installing into the system is left to a throwaway machine: CI as root.
if [ "$(id -u)" -ne 0 ] || [ "${CI:-}" != true ]; then
    echo "install into the system skipped: needs root on a CI machine (CI=true)"
else
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
    rm -rf "$dungeons"
    start_program /usr/bin/dungeon-board "$work" "$version"
    dpkg -r dungeon-board >/dev/null
fi
echo "$(basename "$deb"): fields, files and metadata as expected, the program starts and copies its adventure"
