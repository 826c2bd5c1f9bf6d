#!/usr/bin/env bash
# Drives the built program as a user would, under an X server (scripts/test
# runs this under xvfb-run): types two dates, presses Return or "GO", reads
# the results back through the clipboard, and quits with Ctrl+Q and with the
# window's close button. Writes a screenshot to build/quorvel-window.png.
set -euo pipefail

source "$(dirname "$0")/common.bash"
shot=${QUORVEL_SCREENSHOT:-$root/build/quorvel-window.png}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

start() {
    "$program" & pid=$!
    await_window
}

wait_exit() { # seconds -> exit status of the program, or 124
    for _ in $(seq 1 $(($1 * 10))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            return $?
        fi
        sleep 0.1
    done
    kill "$pid"
    return 124
}

# Copies the focused field's text through the Edit menu's shortcut.
read_focused() {
    printf '' | xclip -selection clipboard
    key ctrl+a ctrl+c
    xclip -selection clipboard -o 2>/dev/null || true
}

# Tab order from the end field: start day, end day, weekdays, weekend, total.
read_results() {
    local out=()
    for _ in 1 2 3 4 5; do
        key Tab
        out+=("$(read_focused)")
    done
    key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
    echo "${out[*]}"
}

# 1. Return in the end field: Friday 4 Dec 2026 to Monday 14 Dec 2026.
start
key ctrl+a
type_text "12/4/2026"
key Tab
type_text "12/14/2026"
key Return
check "Return" "Friday Monday 7 4 11" "$(read_results)"
import -window "$win" "$shot" 2>/dev/null || true

# 2. The same through "GO", after changing the end date.
key ctrl+a
type_text "12/5/2026"
# The button's centre: 148 + 69/2 across, 11 + 42/2 down the 84-high content
# area, which sits under the menu bar at the bottom of the window.
height=$(xdotool getwindowgeometry --shell "$win" | sed -n 's/^HEIGHT=//p')
xdotool mousemove --window "$win" 182 $((height - 84 + 32)) click 1
sleep 0.3
check "GO" "Friday Saturday 1 1 2" "$(read_results)"

# 3. An unreadable end date: the message box, and the results stay.
key ctrl+a
type_text "no date"
key Return
box=""
for _ in $(seq 1 50); do
    box=$(xdotool search --onlyvisible --name '.' 2>/dev/null | grep -vx "$win" | head -n1 || true)
    [ -n "$box" ] && break
    sleep 0.1
done
# The box's text is read off the screen: Qt offers no copy of a message
# box's text on this platform.
message=""
if [ -n "$box" ]; then
    sleep 0.3
    import -window "$box" "$work/box.png"
    convert "$work/box.png" -resize 300% "$work/box-large.png"
    message=$(tesseract "$work/box-large.png" - 2>/dev/null | grep -o 'Problem with end date' | head -n1 || true)
fi
check "unreadable end date message" "Problem with end date" "$message"
key Return
sleep 0.3
# With no window manager under Xvfb, nobody gives the focus back.
xdotool windowfocus --sync "$win"
check "results after the message" "Friday Saturday 1 1 2" "$(read_results)"

# 4. Copy and Paste through the Edit menu's shortcuts in a date field.
key shift+Tab
key ctrl+a ctrl+c
key Tab ctrl+a ctrl+v
check "paste" "12/4/2026" "$(read_focused)"

# 5. Ctrl+Q ends the program with status 0.
key ctrl+q
status=0
wait_exit 10 || status=$?
check "Ctrl+Q status" 0 "$status"

# 6. The close button ends it with status 0.
start
/usr/bin/python3 "$root/tests/e2e/close_window.py" "$win"
status=0
wait_exit 10 || status=$?
check "close status" 0 "$status"

finish
