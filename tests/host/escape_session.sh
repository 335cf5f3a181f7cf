#!/usr/bin/env bash
# Kestrin host tests: Escape in a real terminal (tmux) at every question of the host: the
# command line, SAVEAS's name, the replace and save-changes questions, MENU's item and
# MENULOAD's file. Escape cancels the question as Ctrl+C does, and what is typed after it, at
# once (in the same burst of keys, as a fast typist or a paste sends it) or after a pause,
# reaches the next prompt whole; arrow keys still edit the line.
# Usage: escape_session.sh KESTRIN STEP_FILE
set -euo pipefail

kestrin=$(realpath "$1")
step_file=$(realpath "$2")
work=$(mktemp -d)
session="kestrin-escape-test-$$"
socket="kestrin-escape-test-$$"
timeout_s=120

source "$(dirname "$0")/tmux_support.sh"

never_shown() { ! screen | grep -qF -- "$1" || fail "shown, but should not be: $1"; }

cp "$step_file" "$work/bracket.step"
tmux -L "$socket" new-session -d -s "$session" -x 100 -y 40 -c "$work" \
    "env HOME='$work' KESTRIN_REGISTRY_FILE='$work/settings.ini' KESTRIN_OPENER=/bin/false \
     '$kestrin'; echo \"host exited \$?\"; sleep 600"
wait_for "Command:"

# At the prompt: Escape with a command right after it, then after a pause.
keys Escape "HELP" Enter
wait_for "*Cancel*"
wait_for "Lists the commands"
keys Escape
wait_for "*Cancel*" 2
keys "HELP QUIT" Enter
wait_for "asks first whether to save"

# Arrow keys are sequences, not Escape: Left moves back into the line.
keys "HEL" Left Left "X" Enter
wait_for 'Unknown command "HXEL"'

# SAVEAS's name: nothing is saved under what follows the Escape.
keys "SAVEAS" Enter
wait_for "Save drawing as (DXF file):"
keys Escape "STATUS" Enter
wait_for "*Cancel*" 3
wait_for "Entities in model space: 0"
keys "SAVEAS out" Enter
wait_for "Drawing saved to"

# The replace question: Escape declines it as Ctrl+C does, and SAVEAS asks for another name,
# which Escape then cancels after a pause.
keys "SAVEAS out" Enter
wait_for "already exists. Do you want to replace it?"
keys Escape
wait_for "Save drawing as (DXF file):" 2
keys Escape
wait_for "*Cancel*" 4
keys "STATUS" Enter
wait_for "Entities in model space: 0" 2

# The save-changes question, after an import.
keys "Kestrin" Enter
wait_for "File name (Tab completes"
keys "bracket.step" Enter
wait_for "Kestrin Options"
keys Enter
wait_for "Successfully imported"
keys "NEW" Enter
wait_for "Save changes to"
keys Escape "STATUS" Enter
wait_for "*Cancel*" 5
wait_for "(changes not saved)"

# MENU's item: the number typed after Escape is the next command line, not an item.
keys "MENU" Enter
wait_for "Item to run"
keys Escape "3" Enter
wait_for "*Cancel*" 6
wait_for 'Unknown command "3"'
never_shown "About: "

# MENULOAD's file, with a pause after Escape.
keys "MENULOAD" Enter
wait_for "Menu file to load:"
keys Escape
wait_for "*Cancel*" 7
keys "ZOOM E" Enter
wait_for "a saved drawing always opens fitted to its extents"

[ -s "$work/out.dxf" ] || fail "out.dxf was not saved"
[ "$(ls "$work" | grep -c '\.dxf$')" -eq 1 ] || fail "a file was saved under another name: $(ls "$work")"
never_shown 'Unknown command "ELP"'
never_shown 'Unknown command "TATUS"'

keys "QUIT" Enter
wait_for "Save changes to"
keys "n"
wait_for "host exited 0"
echo "escape session: all steps passed"
