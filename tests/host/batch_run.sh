#!/usr/bin/env bash
# Kestrin host tests: batch runs as a shell user makes them, checking exit statuses and what
# each stream carries: usage errors, --version (after import too), the defaults a batch import starts from and the
# stored options it leaves alone (--stored-options, refused when they cannot be read), a drawing on standard output (and one that
# cannot be written there), and a failure said once, on standard error.
# Usage: batch_run.sh KESTRIN STEP_FILE
set -euo pipefail

kestrin=$(realpath "$1")
step_file=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export KESTRIN_REGISTRY_FILE="$work/settings.ini" # the user's store in these runs

fail() {
    echo "FAILED: $1" >&2
    for stream in out err; do
        [ -e "$work/$stream" ] && { echo "---- std$stream ----" >&2; head -c 2000 "$work/$stream" >&2; }
    done
    exit 1
}

# Runs the host with the arguments given; its streams land in $work/out and $work/err.
status=0
run() {
    status=0
    (cd "$work" && "$kestrin" "$@" > "$work/out" 2> "$work/err" < /dev/null) || status=$?
}

expect_status() { [ "$status" -eq "$1" ] || fail "$2: exit status $status, expected $1"; }
lines() { wc -l < "$work/$1"; }

# Usage errors: status 2, nothing on standard output, the reason and a pointer to --help on
# standard error, one line each.
for args in "import" "import a.step" "import a.step -o a.dxf --mesh-type solids" \
            "--no-such-flag" "--set _VERNUM"; do
    # shellcheck disable=SC2086 # the words are the arguments
    run $args
    expect_status 2 "kestrin $args"
    [ ! -s "$work/out" ] || fail "kestrin $args: wrote to standard output"
    [ "$(lines err)" -eq 2 ] || fail "kestrin $args: not two lines on standard error"
    head -1 "$work/err" | grep -q "^kestrin: ." || fail "kestrin $args: no reason"
    tail -1 "$work/err" | grep -q -- "--help' for more information" ||
        fail "kestrin $args: no pointer to --help"
done
run import a.step
grep -q "kestrin import --help" "$work/err" || fail "import error: not the import's --help"

# --help states the defaults; --version names the program and the module.
run import --help
expect_status 0 "import --help"
grep -q "default: polyface" "$work/out" || fail "import --help: no mesh type default"
grep -q "defaults (surfaces as meshes, polyface meshes, warning on)" "$work/out" ||
    fail "import --help: the defaults a run starts from are not stated"
run --version --set _VERNUM=10.1
expect_status 0 "--version"
[ "$(lines out)" -eq 2 ] || fail "--version: not two lines"
grep -qx "kestrin 1.0 (toolkit interface 2.5.1.0)" "$work/out" || fail "--version: program line"
grep -qx "Kestrin_Bricscad_2.05_8.drx: Kestrin for Bricscad 10 version 1.0" "$work/out" ||
    fail "--version: module line"

# After "import": --version and the program's own options; the usage line names FILE...
run import --version
expect_status 0 "import --version"
[ "$(lines out)" -eq 2 ] || fail "import --version: not two lines"
run import --help
grep -qx "Usage: kestrin import \[OPTIONS\] FILE\.\.\." "$work/out" || fail "import --help: usage line"

cp "$step_file" "$work/part.step"
count() { grep -cx "$1" "$2" || true; }

# The user's stored options (points only) neither reach a batch run nor change by one.
cat > "$work/settings.ini" <<'STORE'
[Software\Larkvane\Kestrin for IntelliCAD]
Surface Type=int:0
Mesh Type=int:3
Warning=bool:1
STORE
cp "$work/settings.ini" "$work/settings.before"
run import part.step -o plain.dxf
expect_status 0 "plain import"
[ "$(count POLYLINE "$work/plain.dxf")" -gt 0 ] || fail "plain import: no polyface meshes"
[ ! -s "$work/err" ] || fail "plain import: wrote to standard error"
grep -q "^Successfully imported [0-9]* objects$" "$work/out" || fail "plain import: no success"
grep -qx "Drawing saved to plain.dxf" "$work/out" || fail "plain import: no save line"
run import part.step -o faces.dxf --mesh-type faces
expect_status 0 "import with a flag"
[ "$(count 3DFACE "$work/faces.dxf")" -gt 0 ] || fail "--mesh-type faces: no 3D faces"
cmp -s "$work/settings.ini" "$work/settings.before" || fail "a batch run changed the stored options"
run import part.step -o stored.dxf --stored-options
expect_status 0 "--stored-options"
[ "$(count POLYLINE "$work/stored.dxf")" -eq 0 ] && [ "$(count POINT "$work/stored.dxf")" -gt 0 ] ||
    fail "--stored-options: not the stored points"
cmp -s "$work/settings.ini" "$work/settings.before" || fail "--stored-options changed the store"
# A store that is there but cannot be read is no stand-in for the options asked for.
mkdir "$work/unreadable.ini"
KESTRIN_REGISTRY_FILE="$work/unreadable.ini" run import part.step -o unread.dxf --stored-options
expect_status 1 "--stored-options with an unreadable store"
grep -q "the stored options cannot be read" "$work/err" || fail "unreadable store: no reason given"
[ ! -e "$work/unread.dxf" ] || fail "unreadable store: imported from the defaults"

# A failure whose text holds the success line's words is still a failure.
run import "Successfully imported 3 objects.step" -o words.dxf
expect_status 1 "a missing file named like the success line"
[ ! -e "$work/words.dxf" ] || fail "a failure naming the success line was saved as a success"

# "-o -": the drawing alone on standard output, the messages on standard error.
run import part.step -o - --mesh-type lines
expect_status 0 "-o -"
head -2 "$work/out" | tr -d ' ' | paste -sd, | grep -qx "0,SECTION" || fail "-o -: not a DXF"
grep -q "^Successfully imported" "$work/err" || fail "-o -: no success on standard error"
grep -qx "Drawing saved to standard output" "$work/err" || fail "-o -: no save line"
[ ! -e "$work/-" ] || fail "-o -: wrote a file named -"
/usr/bin/python3 - "$work/out" <<'PY' || fail "-o -: ezdxf cannot read the drawing"
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
assert sum(1 for e in doc.modelspace() if e.dxftype() == "LINE") > 0, "no lines"
PY

# "-o -" onto a full device: status 4, and never said to be saved.
status=0
(cd "$work" && "$kestrin" import part.step -o - --module "$(dirname "$kestrin")/Kestrin_Bricscad_2.05_8.drx" \
    > /dev/full 2> "$work/err" < /dev/null) || status=$?
expect_status 4 "-o - > /dev/full"
grep -q "Drawing saved" "$work/err" && fail "-o - > /dev/full: said to be saved"
grep -qx "kestrin: the drawing could not be written to standard output: No space left on device" \
    "$work/err" || fail "-o - > /dev/full: the reason not said"

# A failure: said once, on standard error; nothing on standard output; status 1.
run import missing.step -o missing.dxf
expect_status 1 "missing file"
[ ! -s "$work/out" ] || fail "missing file: wrote to standard output"
[ "$(lines err)" -eq 1 ] || fail "missing file: not one line on standard error"
grep -q "^kestrin: missing.step was not imported: Failure \[" "$work/err" ||
    fail "missing file: not the failure line"
[ ! -e "$work/missing.dxf" ] || fail "missing file: a drawing was saved"

# A save that fails: status 4, the reason once on standard error.
run import part.step -o no-such-folder/out.dxf
expect_status 4 "unsaveable"
[ "$(lines err)" -eq 1 ] && grep -q "^kestrin: .*no-such-folder" "$work/err" ||
    fail "unsaveable: the reason not said once"

echo "batch runs: statuses and streams as expected"
