#!/usr/bin/env bash
# Kestrin host tests: scripted sessions with the real module, their command line output compared
# line by line with the expected transcripts (the work folder written as WORK), and what they
# left behind checked: the drawing saved, the options stored, the help file handed to the
# desktop's opener. Nothing may reach standard error.
# Usage: script_session.sh KESTRIN STEP_FILE SESSIONS_DIR
set -euo pipefail

kestrin=$(realpath "$1")
step_file=$(realpath "$2")
sessions=$(realpath "$3")
bin_dir=$(dirname "$kestrin")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAILED: $1" >&2; exit 1; }

# The desktop's opener stand-in records the file it was given; the failing one complains on
# both streams and refuses, as xdg-open does without a desktop.
cat > "$work/opener" <<'OPENER'
#!/bin/sh
printf '%s\n' "$1" >> "$(dirname "$0")/opened.txt"
OPENER
cat > "$work/failing-opener" <<'OPENER'
#!/bin/sh
echo "xdg-open: no method available for opening '$1'"
echo "/usr/bin/xdg-open: 882: www-browser: not found" >&2
exit 3
OPENER
chmod +x "$work/opener" "$work/failing-opener"
opener="$work/opener"

# Runs one session script in the work folder; the session must end with the status expected
# (EXPECT_STATUS, 0 unless set) and show exactly the expected lines, the work folder written as
# WORK, with nothing on standard error. Further arguments go to the host before the script;
# PIPED=1 gives the script on standard input instead of --script.
run_session() {
    local name=$1 status=0 expected=${EXPECT_STATUS:-0}
    shift
    local source=(--script "$sessions/$name.scr")
    [ "${PIPED:-0}" -eq 0 ] || source=()
    (cd "$work" && HOME="$work" KESTRIN_REGISTRY_FILE="$work/settings.ini" \
        KESTRIN_OPENER="$opener" XDG_CACHE_HOME="$work/cache" "$kestrin" --set _VERNUM=10.1 "$@" \
        "${source[@]}" < "$sessions/$name.scr" > "$work/$name.raw" 2> "$work/$name.err") ||
        status=$?
    sed "s|$work|WORK|g" "$work/$name.raw" > "$work/$name.out"
    [ "$status" -eq "$expected" ] ||
        { cat "$work/$name.out"; fail "$name: exit status $status, expected $expected"; }
    diff -u "$sessions/$name.expected" "$work/$name.out" || fail "$name: output differs"
    [ ! -s "$work/$name.err" ] || { cat "$work/$name.err"; fail "$name: wrote to standard error"; }
}

cp "$step_file" "$work/bracket.step"

# The installed module: help, about, menu, cancels, an import, save, close, no drawing, quit.
run_session full
grep -qx "LINE" "$work/session.dxf" || fail "full: the saved drawing holds no lines"
grep -q "Surface Type=int:1" "$work/settings.ini" || fail "full: the options were not stored"
[ "$(wc -l < "$work/opened.txt")" -eq 1 ] || fail "full: the help file was not opened once"
grep -q "/Kestrin_Bricscad.chm.html$" "$work/opened.txt" || fail "full: not the help file opened"
cmp -s "$(cat "$work/opened.txt")" "$bin_dir/Kestrin_Bricscad.chm" ||
    fail "full: the opened copy is not the help file beside the module"

# The module installed in a folder of its own, with its menu but without its help file; the
# shared libraries stay where the build put them.
mkdir "$work/installed"
cp "$bin_dir/Kestrin_Bricscad_2.05_8.drx" "$bin_dir/Kestrin.mnu" "$work/installed/"
rm "$work/opened.txt"
LD_LIBRARY_PATH="$bin_dir" run_session no_help_file \
    --module "$work/installed/Kestrin_Bricscad_2.05_8.drx"
[ ! -e "$work/opened.txt" ] || fail "no_help_file: the opener was called"

# Unsaved changes asked about at NEW, CLOSE and QUIT; SAVEAS refusing other formats and asking
# before it replaces a file.
echo "old drawing" > "$work/kept.dxf"
echo "old drawing" > "$work/replace.dxf"
EXPECT_STATUS=1 run_session unsaved # its cancelled commands and refused name count
holds_mesh() { grep -qx "POLYLINE" "$1" && grep -qx "EOF" "$1"; }
grep -qx "old drawing" "$work/kept.dxf" || fail "unsaved: No did not keep kept.dxf"
holds_mesh "$work/replace.dxf" || fail "unsaved: Yes did not replace replace.dxf"
holds_mesh "$work/replaced.dxf" || fail "unsaved: the name asked after No was not saved"
holds_mesh "$work/final.dxf" || fail "unsaved: QUIT's Yes did not save final.dxf"
[ ! -e "$work/session.dwg" ] && [ ! -e "$work/session.dwg.dxf" ] ||
    fail "unsaved: a DWG name was written"

# Input that ends with changes unsaved: the unanswered QUIT is cancelled and the end says what
# is lost, from a script file and from piped input alike.
EXPECT_STATUS=1 run_session unsaved_end
EXPECT_STATUS=1 PIPED=1 run_session unsaved_end

# The command line: HELP for all and for one, MENU picking by number, MENULOAD and SAVEAS asking
# for their files with "~" for the home folder, SAVEAS refusing a folder and a trailing dot, a
# help page no program can show.
mkdir -p "$work/menus" "$work/saved/d.dxf"
cat > "$work/menus/extra.mnu" <<'MENU'
***MENUGROUP=Extra
***POP1
[E&xtra]
[&New drawing]^C^CNEW
MENU
opener="$work/failing-opener"
EXPECT_STATUS=1 run_session command_line # HELP nothing, MENU 9 and the missing menu file fail
[ -s "$work/saved/asked.dxf" ] || fail "command_line: SAVEAS ~/saved/asked did not save"
opener="$work/opener"

# STATUS and ZOOM on an empty and an imported drawing; QSAVE asking for a name only until the
# drawing has one; quoted names.
EXPECT_STATUS=1 run_session drawing # ZOOM Window is refused
grep -qx "LINE" "$work/quoted name.dxf" || fail "drawing: QSAVE did not save to the quoted name"
[ -s "$work/second copy.dxf" ] || fail "drawing: SAVEAS did not save to the quoted name"
[ ! -e "$work/other.dxf" ] || fail "drawing: SAVE saved under its argument"

# Control ids, owners and box styles only when asked for.
run_session verbose --verbose

echo "script sessions: output as expected"
