#!/usr/bin/env bash
# Kestrin host tests: the interactive host in a real terminal (tmux). A user types commands at
# the prompt, answers the file question with file-name completion, works the options dialog with
# the keyboard, closes the message and about boxes, cancels (Escape, Ctrl+C), saves, is asked
# before a file is replaced and before unsaved changes go, and quits; then stops an import that
# does not end. Each step is checked on the screen as tmux captures it.
# Usage: interactive_session.sh KESTRIN STEP_FILE FAKE_WORKER
set -euo pipefail

kestrin=$(realpath "$1")
step_file=$(realpath "$2")
fake_worker=$(realpath "$3") # the translation library's stand-in worker that misbehaves
work=$(mktemp -d)
session="kestrin-host-test-$$"
socket="kestrin-host-test-$$" # a tmux server of the test's own
timeout_s=60

source "$(dirname "$0")/tmux_support.sh"

# The pane's shell shares the host's process group (it has no job control), so the terminal's
# Ctrl+C reaches it too: it must outlive that, as an interactive shell (which gives the host a
# process group of its own) would.
pane_shell_setup="trap : INT;"

cp "$step_file" "$work/bracket-part.step"
touch "$work/bracket-notes.txt" # not offered by completion: the filter is STEP files only

tmux -L "$socket" new-session -d -s "$session" -x 120 -y 60 -c "$work" \
    "$pane_shell_setup env KESTRIN_REGISTRY_FILE='$work/settings.ini' '$kestrin'; echo \"host exited \$?\"; sleep 60"

# The prompt, and the about box with its OK.
wait_for "Command:"
keys "KestrinAbout" Enter
wait_for "Kestrin for Bricscad"
wait_for "[  OK  ]"
keys Enter
wait_for "Command:" 2

# The file question with the filter and completion, then the options dialog by keyboard:
# focus starts on "Mesh"; Tab reaches the mesh type list; Down picks "3D Faces".
keys "Kestrin" Enter
wait_for "Open file - STEP Files (*.stp, *.step)"
keys "brack" Tab
wait_for "File name (Tab completes, Esc or an empty line cancels): bracket-part.step"
keys Enter
wait_for "Kestrin Options"
wait_for "(*) Mesh"
wait_for "[Polyface Mesh"
wait_for "[x] Display polyface mesh limit warning"
keys Tab Down
wait_for "[3D Faces"
keys Enter
wait_for "Successfully imported"

# The options dialog remembers the choice; Escape cancels it.
keys "Kestrin" Enter
wait_for "Open file - STEP Files" 2
keys "bracket-part.step" Enter
wait_for "Kestrin Options" 2
wait_for "[3D Faces" 2
keys Escape
wait_for "Failure [Command cancelled]"

# Ctrl+C at the file question cancels it, and with it the import.
keys "Kestrin" Enter
wait_for "Open file - STEP Files" 3
keys "brack" C-c
wait_for "Failure [Command cancelled]" 2

# Saving.
keys "SAVEAS out" Enter
wait_for "Drawing saved to out.dxf"
[ -s "$work/out.dxf" ] || fail "SAVEAS wrote no file"
grep -q "3DFACE" "$work/out.dxf" || fail "the saved drawing holds no 3D faces"
faces_saved=$(grep -c 3DFACE "$work/out.dxf")

# Ctrl+C cancels the line at the prompt and at a question; the host goes on.
keys "HEL" C-c
wait_for "*Cancel*"
keys "SAVEAS" Enter
wait_for "Save drawing as (DXF file):"
keys C-c
wait_for "*Cancel*" 2

# SAVEAS onto the file just saved asks first; No keeps it and asks again, an empty answer
# cancels.
keys "SAVEAS out" Enter
wait_for "out.dxf already exists. Do you want to replace it?"
keys "n"
wait_for "Save drawing as (DXF file):" 2
keys Enter
wait_for "SAVEAS cancelled: no file name."

# An import changes the drawing: Ctrl+D asks about the changes (Escape cancels: the session
# goes on), and so does CLOSE (No closes without saving).
keys "Kestrin" Enter
wait_for "Open file - STEP Files" 4
keys "bracket-part.step" Enter
wait_for "Kestrin Options" 3
keys Enter
wait_for "Successfully imported" 2
keys C-d
wait_for "Save changes to out.dxf?"
keys Escape
wait_for "*Cancel*" 3
keys "CLOSE" Enter
wait_for "Save changes to out.dxf?" 2
keys "n"
wait_for "Drawing closed."
[ "$(grep -c 3DFACE "$work/out.dxf")" -eq "$faces_saved" ] ||
    fail "No changed the saved drawing"

# A message box: the import needs an open drawing.
keys "_kestrin" Enter
wait_for "This command needs an active drawing"
keys Enter
keys "QUIT" Enter
wait_for "host exited 0"

# An import that does not end (a worker that never answers): the progress line shows what is
# being read, and Escape, then Ctrl+C, stop it; the drawing stays unchanged, so QUIT asks
# nothing. It runs in a session of its own on the same server; the first session goes only once
# the server has this one (a server with no session left exits, racing the next command).
first_session=$session
session="$session-hang"
tmux -L "$socket" new-session -d -s "$session" -x 120 -y 60 -c "$work" \
    "$pane_shell_setup env KESTRIN_REGISTRY_FILE='$work/settings.ini' QUARNEL_WORKER='$fake_worker' \
     QUARNEL_FAKE_WORKER_MODE=hang '$kestrin'; echo \"host exited \$?\"; sleep 60"
tmux -L "$socket" kill-session -t "$first_session"
wait_for "Command:"
round=0
for stop_key in Escape C-c; do
    round=$((round + 1))
    keys "Kestrin" Enter
    wait_for "Open file - STEP Files" "$round"
    keys "bracket-part.step" Enter
    wait_for "Kestrin Options" "$round"
    keys Enter
    wait_for "Importing bracket-part.step"
    keys "MENU" # typed ahead while the import runs: kept for the prompt
    sleep 0.2
    keys "$stop_key"
    wait_for "cancelled]" "$round"
    wait_for "Command: MENU" "$round"
    keys Enter
    wait_for "Menu bar:" "$round"
    wait_for "Item to run" "$round"
    keys Enter # no item
done
keys "QUIT" Enter
wait_for "host exited 0"
echo "interactive session: all steps passed"
