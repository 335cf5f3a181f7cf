#!/usr/bin/env bash
# Kestrin host tests: where "kestrin import" saves. The output is checked before the import (a
# missing or unwritable folder fails at once, naming the folder), only DXF is written (".dxf"
# added to a name not ending in it, other drawing formats refused), folders, devices and names
# ending in a dot are refused, and an existing file is replaced without a question, whole.
# Usage: batch_output.sh KESTRIN STEP_FILE
set -euo pipefail

kestrin=$(realpath "$1")
step_file=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAILED: $1" >&2; exit 1; }

# Runs one import in the work folder; checks its exit status; its standard error is in err.txt.
import_to() {
    local expected=$1 status=0
    shift
    (cd "$work" && KESTRIN_REGISTRY_FILE="$work/settings.ini" "$kestrin" import \
        "$step_file" --no-progress "$@" < /dev/null > "$work/out.txt" 2> "$work/err.txt") ||
        status=$?
    [ "$status" -eq "$expected" ] ||
        { cat "$work/err.txt" >&2; fail "import $*: exit status $status, expected $expected"; }
}

# A missing folder: status 4 before anything is read (the translation would show on stderr).
import_to 4 -o missing/part.dxf
grep -q "the folder missing does not exist" "$work/err.txt" || fail "missing folder not named"
[ "$(wc -l < "$work/err.txt")" -eq 1 ] || fail "more than the folder's message was shown"
touch "$work/plain"
import_to 4 -o plain/part.dxf
grep -q "plain is not a folder" "$work/err.txt" || fail "a file taken for a folder"

# Another drawing format: status 2 and nothing written, not even with ".dxf" added.
import_to 2 -o part.dwg
grep -q "DXF only" "$work/err.txt" || fail "the DWG refusal does not say why"
[ -z "$(ls "$work" | grep '^part')" ] || fail "something was written for part.dwg"
import_to 2 -o "$(basename "$step_file")" # never over a STEP file
cmp -s "$step_file" "$work/$(basename "$step_file")" 2>/dev/null &&
    fail "the STEP file name was written" || true

# What names no plain file is refused as typed, with status 2, instead of saving beside it
# (work.dxf, ..dxf, part..dxf, /dev/full.dxf); a name with another extension gets ".dxf".
mkdir "$work/folder" "$work/d.dxf"
for name in folder d.dxf d . part. /dev/full /dev/stdout; do
    import_to 2 -o "$name"
    grep -qE "^kestrin: Cannot save as [^ ]+: (it is a folder|it is a device|a file name must not end in a dot)" \
        "$work/err.txt" || fail "-o $name: not refused as it should be"
done
import_to 0 -o part.txt
grep -qx "EOF" "$work/part.txt.dxf" || fail "part.txt.dxf was not written"

# A bare name gets ".dxf"; an existing file is replaced as a whole, without a question.
import_to 0 -o part
grep -qx "EOF" "$work/part.dxf" || fail "part.dxf was not written"
printf 'old drawing\n' > "$work/part.dxf"
import_to 0 -o part.dxf
grep -qx "old drawing" "$work/part.dxf" && fail "part.dxf was not replaced"
grep -qx "EOF" "$work/part.dxf" || fail "the replaced part.dxf is not whole"
[ -z "$(ls -A "$work" | grep -v -e '^part.dxf$' -e '^settings.ini' -e '\.txt$' -e '^plain$' \
        -e '^folder$' -e '^d.dxf$' -e '^part.txt.dxf$')" ] ||
    fail "files left beside the output: $(ls -A "$work")"

echo "batch output: as expected"
