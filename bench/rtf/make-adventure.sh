#!/usr/bin/env bash
# Writes a long adventure as a game master keeps it in LibreOffice Writer and
# saves it as RTF: hundreds of body paragraphs in their paragraph styles,
# headings, some bold and italic, a few lists and tables. The RTF is
# LibreOffice's own, so it has the shape of the files users bring.
#
#   bench/rtf/make-adventure.sh OUTPUT.rtf [ROOMS]
#
# ROOMS (default 410) sizes it: about 1.4 MB of RTF. Needs LibreOffice Writer
# (Debian's libreoffice-writer-nogui). Measure the reader on it with
#   valgrind --tool=callgrind build/tools/rtfconv/rtfconv [--text] OUTPUT.rtf
#   hyperfine -N 'build/tools/rtfconv/rtfconv OUTPUT.rtf' 'unrtf --html OUTPUT.rtf'
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: $0 OUTPUT.rtf [ROOMS]" >&2; exit 2; }
output=$1
rooms=${2:-410}
command -v soffice >/dev/null || { echo "LibreOffice (soffice) is needed" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

names=(Guardroom Crypt Armoury Chapel Kennel Well Library Forge Cellar Gallery Barracks Shrine)
monsters=(goblin orc skeleton "giant rat" ogre wight kobold "gelatinous cube" bugbear ghoul)
words=(damp narrow vaulted crumbling smoky silent flooded gilded cracked ancient)

room() {
    local n=$1
    local name=${names[n % ${#names[@]}]} monster=${monsters[n % ${#monsters[@]}]}
    local w1=${words[n % ${#words[@]}]} w2=${words[(n * 3 + 1) % ${#words[@]}]}
    echo "<h2>$n. The $w1 $name</h2>"
    echo "<h3>Read aloud</h3>"
    echo "<p><i>The door opens on a $w1 $name. Water drips somewhere in the dark, and the air smells of"
    echo "smoke and old iron. Along the $w2 walls hang tattered banners of a house long gone.</i></p>"
    echo "<p>The room is $((20 + n % 30)) feet across. A <b>$monster</b> waits behind the pillars; it attacks"
    echo "whoever carries a light, and it flees when it has lost half its hit points. The $w2 floor is"
    echo "slippery: a character who runs makes a Dexterity check (DC $((10 + n % 6))) or falls prone.</p>"
    echo "<p>Searching the room takes ten minutes. Beneath the altar lies a loose stone, and behind it a"
    echo "small box holding <b>$((n * 7 % 90 + 10)) gold pieces</b> and a letter sealed with black wax."
    echo "The letter names the <i>Lantern Keeper</i>, who is met again in room $((n + 3)).</p>"
    echo "<p><b>${monster^}</b> <i>medium humanoid, neutral evil</i>. <b>Armour Class</b> $((12 + n % 5))"
    echo "(<i>leather</i>), <b>Hit Points</b> $((n % 20 + 7)) (<i>$((n % 4 + 2))d8</i>), <b>Speed</b> 30 ft."
    echo "<b>STR</b> $((8 + n % 9)) <b>DEX</b> $((10 + n % 7)) <b>CON</b> $((9 + n % 6)) <b>INT</b> $((6 + n % 8))"
    echo "<b>WIS</b> $((7 + n % 5)) <b>CHA</b> $((5 + n % 9)). <b>Senses</b> <i>darkvision 60 ft.</i>"
    echo "<b>Actions.</b> <i>Scimitar.</i> <i>Melee Weapon Attack:</i> +4 to hit, one target."
    echo "<i>Hit:</i> 5 (1d6 + 2) slashing damage. <i>Shortbow.</i> <i>Ranged Weapon Attack:</i> +4 to hit,"
    echo "range 80/320 ft. <i>Hit:</i> 5 (1d6 + 2) piercing damage.</p>"
    echo "<h3>Development</h3>"
    echo "<p>If the party makes noise here, the creatures of room $((n + 1)) come to look after"
    echo "$((n % 4 + 1)) rounds. They fight to the last, as their master has ordered them to, and they"
    echo "carry the keys to the cells of room $((n + 2)).</p>"
    if ((n % 5 == 0)); then
        echo "<ul><li>$((n % 4 + 2)) ${monster}s (hit points $((n % 9 + 5)) each)</li>"
        echo "<li>a <b>trapped</b> chest: poison needle, DC 13 to notice</li>"
        echo "<li>a rope of climbing, coiled under the $w1 stairs</li></ul>"
    fi
    if ((n % 13 == 0)); then
        echo '<table border="1"><tr><th>Monster</th><th>AC</th><th>HP</th><th>Attack</th></tr>'
        local row
        for row in 1 2 3 4; do
            echo "<tr><td>${monsters[(n + row) % ${#monsters[@]}]}</td><td>$((11 + row))</td>"
            echo "<td>$((row * 9))</td><td><i>1d$((row * 2 + 4))</i></td></tr>"
        done
        echo '</table>'
    fi
}

{
    echo '<!DOCTYPE html><html><head><meta charset="utf-8"><title>The Lantern Keeper</title></head><body>'
    echo '<h1>The Lantern Keeper: an adventure for four to six characters</h1>'
    for ((n = 1; n <= rooms; ++n)); do
        room "$n"
    done
    echo '</body></html>'
} >"$work/adventure.html"

# A profile of its own, so an office suite someone has open is left alone.
soffice -env:UserInstallation="file://$work/profile" --headless --norestore \
    --convert-to 'rtf:Rich Text Format' --outdir "$work/out" "$work/adventure.html" >/dev/null 2>&1
mv "$work/out/adventure.rtf" "$output"
echo "$output: $(stat -c %s "$output") bytes"
