# Kestrin host tests: what the tmux session tests share. The test sets socket (its own tmux
# server), session, work (a scratch folder) and timeout_s before it sources this file.

cleanup() {
    tmux -L "$socket" kill-server 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The screen with its history, and the screen alone.
screen() { tmux -L "$socket" capture-pane -p -t "$session" -S -1000; }
visible() { tmux -L "$socket" capture-pane -p -t "$session"; }

fail() {
    echo "FAILED: $1" >&2
    echo "---- screen ----" >&2
    screen >&2
    exit 1
}

# Waits until a text (a fixed string) shows the given number of times (default 1) in what the
# screen and its history hold; "visible" as the third argument looks at the screen alone.
wait_for() {
    local text=$1 count=${2:-1} source=${3:-screen} waited=0
    until [ "$("$source" | grep -cF -- "$text" || true)" -ge "$count" ]; do
        sleep 0.2
        waited=$((waited + 1))
        [ "$waited" -lt $((timeout_s * 5)) ] || fail "timed out waiting for: $text"
    done
}

keys() { tmux -L "$socket" send-keys -t "$session" "$@"; }
