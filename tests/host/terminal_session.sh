#!/usr/bin/env bash
# Kestrin host tests: the host's terminal conventions in a real terminal (tmux), at 80x24 and at
# 60x20 (interactive_session.sh has the session's other steps). A
# user starts at the hint line, types commands (an empty line repeats the last one), answers the
# file question with completion that offers STEP files and folders only, "~", a folder refused
# and Escape, works the options dialog with the keyboard (radio group, Tab order, Enter on the
# focused button or the default one), closes boxes, saves and quits; a dialog that does not fit
# the window says so and is drawn again when the window grows. Each step waits for what the
# screen shows, never for a fixed time, so that a loaded machine only makes the test slower.
# Usage: terminal_session.sh KESTRIN STEP_FILE
set -euo pipefail

kestrin=$(realpath "$1")
step_file=$(realpath "$2")
work=$(mktemp -d)
session="kestrin-terminal-test-$$"
socket="kestrin-terminal-test-$$" # a tmux server of the test's own, a new one for each host
hosts_started=0
timeout_s=120

source "$(dirname "$0")/tmux_support.sh"

# Fails when a text shows anywhere on the screen or in its history.
never_shown() { ! screen | grep -qF -- "$1" || fail "shown, but should not be: $1"; }

# Starts the host in a new window of the given size, with HOME in the work folder. The server of
# the previous host may still be on its way out: the new one gets a socket of its own.
start_host() {
    tmux -L "$socket" kill-server 2>/dev/null || true
    hosts_started=$((hosts_started + 1))
    socket="kestrin-terminal-test-$$-$hosts_started"
    tmux -L "$socket" new-session -d -s "$session" -x "$1" -y "$2" -c "$work" \
        "env HOME='$work' KESTRIN_REGISTRY_FILE='$work/settings.ini' KESTRIN_OPENER=/bin/false \
         '$kestrin'; echo \"host exited \$?\"; sleep 600"
    wait_for "Type HELP for the commands, QUIT to leave."
    wait_for "Command:"
}

cp "$step_file" "$work/bracket-part.step"
cp "$step_file" "$work/bracket-plan.stp"
mkdir "$work/brackets"
touch "$work/bracket-notes.txt" "$work/MANIFEST.md" # not STEP files: never offered

# ---- 80x24 ----
start_host 80 24

# The about box with its OK.
keys "KestrinAbout" Enter
wait_for "Kestrin for Bricscad"
wait_for "[  OK  ]"
keys Enter
wait_for "Command:" 2

# The file question: a file that is not a STEP file is not completed (the marker typed after Tab
# follows the letters directly); completion stops where the STEP files and the folder part, and
# a second Tab lists them without the text file; a folder is refused and asked again; Escape
# cancels.
keys "Kestrin" Enter
wait_for "Open file - STEP Files (*.stp, *.step)"
keys "MAN" Tab "@"
wait_for "cancels): MAN@"
keys C-u "brack" Tab
wait_for "cancels): bracket"
keys Tab
wait_for "bracket-plan.stp"
wait_for "brackets/"
never_shown "bracket-notes.txt"
keys "s" Tab
wait_for "cancels): brackets/"
keys Enter
wait_for "brackets/ is a folder: type the name of a file in it."
wait_for "File name (Tab completes" 2
keys Escape
wait_for "Failure [Command cancelled]"

# An empty line repeats the import; "~" is the home folder. The options dialog: the focus starts
# on the selected "Mesh"; Down selects "Edge curves" (the list greys out) and Up "Mesh" again;
# Tab reaches the list, Down picks "3D Faces"; Tab skips the greyed check box to OK, Tab to
# Cancel, and Enter on Cancel cancels.
keys Enter
wait_for "Open file - STEP Files" 2
keys "~/bracket-part.step" Enter
wait_for "Kestrin Options"
wait_for "(*) Mesh"
wait_for "[Polyface Mesh"
wait_for "[x] Display polyface mesh limit warning"
keys Down
wait_for "(*) Edge curves" 1 visible # the dialog is drawn again in place
keys Up
wait_for "(*) Mesh" 1 visible
keys Tab Down
wait_for "[3D Faces" 1 visible
keys Tab Tab Enter
wait_for "  -> Cancel"
wait_for "Failure [Command cancelled]" 2

# Once more, with the choice made and Enter on the list: the default button, OK.
keys "Kestrin" Enter
wait_for "Open file - STEP Files" 3
keys "bracket-part.step" Enter
wait_for "Kestrin Options" 2
keys Tab Down
wait_for "[3D Faces" 2
keys Enter
wait_for "  -> OK"
wait_for "Successfully imported"

# Saving.
keys "SAVEAS out" Enter
wait_for "Drawing saved to out.dxf"
[ -s "$work/out.dxf" ] || fail "SAVEAS wrote no file"
grep -q "3DFACE" "$work/out.dxf" || fail "the saved drawing holds no 3D faces"

# The help page that no program can show: the module's box, then where the page is.
keys "KestrinHelp" Enter
wait_for "Error displaying help file"
keys Enter
wait_for "The page is there, at $work/"
[ -s "$work/.cache/kestrin/Kestrin_Bricscad.chm.html" ] || fail "no help page where the line says"

keys "QUIT" Enter
wait_for "host exited 0"

# ---- 60x20 ----
start_host 60 20

# A message box within the window, its frame whole.
keys "CLOSE" Enter
wait_for "Drawing closed."
keys "_kestrin" Enter
wait_for "This command needs an active drawing"
wait_for "[  OK  ]"
visible | awk 'length($0) > 60 { exit 1 }' || fail "a row is wider than the window"
keys Enter
keys "NEW" Enter
wait_for "New drawing."

# The options dialog (70 columns wide) does not fit: one line says so, until the window grows.
keys "Kestrin" Enter
wait_for "Open file - STEP Files"
keys "bracket-part.step" Enter
wait_for "window (this is 60x20): enlarge it, or Esc" 1 visible
tmux -L "$socket" resize-window -t "$session" -x 80 -y 24
wait_for "[x] Display polyface mesh limit warning" 1 visible
keys Escape
wait_for "Failure [Command cancelled]"

keys "QUIT" Enter
wait_for "host exited 0"
echo "terminal session: all steps passed"
