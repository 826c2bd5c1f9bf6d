# Sourced by the end-to-end scripts, never run on its own: the built program,
# a fixed locale and time zone, the tally of checks and the input helpers.
# A script that needs longer after each key sets `pause` (seconds) before
# sourcing this.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
program=${QUORVEL_PROGRAM:-$root/build/quorvel}
export LC_ALL=C.UTF-8 LANG=C.UTF-8 TZ=UTC
passed=0
failed=0
pause=${pause:-0.2}

check() { # name expected actual
    if [ "$2" == "$3" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $1: expected '$2', got '$3'" >&2
    fi
}

key() { xdotool key --clearmodifiers --delay 30 "$@"; sleep "$pause"; }
type_text() { xdotool type --clearmodifiers --delay 30 "$1"; sleep "$pause"; }

# Waits for the program's window to show and gives it the keyboard; sets win.
await_window() {
    win=$(xdotool search --sync --onlyvisible --name '^Quorvel$' | head -n1)
    xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
    sleep 0.5
}

# The script's last word: its tally, and its exit status.
finish() { # label
    echo "e2e${1:+ $1}: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
