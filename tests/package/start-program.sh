# start_program <program> <scratch folder> <version>, sourced by the package
# checks: started from another folder the program must still find its
# dungeons; it answers for its version and prints the sample adventure.
start_program() {
    local program=$1 work=$2 version=$3 status=0
    # A start that lasts until the timeout (124) is a start that did not fail.
    (cd "$work" && QT_QPA_PLATFORM=offscreen timeout 3 "$program") || status=$?
    if [ "$status" -ne 0 ] && [ "$status" -ne 124 ]; then
        echo "$program ended with status $status"
        return 1
    fi
    [ "$(cd "$work" && "$program" --version)" == "dungeon-board $version" ] ||
        { echo "unexpected version: $("$program" --version)"; return 1; }
    (cd "$work" && "$program" --export-pdf "$work/sample.pdf")
    if command -v pdftotext >/dev/null; then
        [[ $(pdftotext "$work/sample.pdf" - 2>/dev/null) == *"Encounter 12"* ]] ||
            { echo "the booklet lacks the sample adventure"; return 1; }
    fi
}
