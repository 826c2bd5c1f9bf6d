#!/usr/bin/env bash
# A half-typed date through a visit to the menus, with real key and mouse
# events under an X server (scripts/test runs this under xvfb-run): "12/3"
# typed in the start field, the Edit menu opened and closed by each road
# (Escape, a click elsewhere, a click on its title, Paste chosen, Alt+E and
# Escape), then "1/2099" typed on and the field left. The field must end
# holding 12/31/2099. Alt+F must open File with the field unchanged. Writes
# screenshots to build/quorvel-menu-<road>.png.
set -euo pipefail

pause=0.3
source "$(dirname "$0")/common.bash"
pid=
trap 'kill "$pid" 2>/dev/null || true' EXIT

click() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.4; }
shot() { import -window root "$root/build/quorvel-menu-$1.png"; }

"$program" & pid=$!
await_window
# The 772 by 84 content area sits under the menu bar; "Edit" is the bar's
# second title.
top=$(($(xdotool getwindowgeometry --shell "$win" | sed -n 's/^HEIGHT=//p') - 84))
edit_x=58 bar_y=$((top / 2)) paste_dy=77

start_field() { click 90 $((top + 18)); }
# What the start field holds, copied out through the clipboard.
start_text() {
    start_field
    key ctrl+a ctrl+c
    xclip -o -selection clipboard 2>/dev/null || true
}
half_type() {
    start_field
    key ctrl+a
    type_text "12/3"
}
road() { # name, then what opens and closes the menu
    local name=$1
    shift
    half_type
    "$@"
    shot "$name"
    type_text "1/2099"
    key Tab
    check "$name" "12/31/2099" "$(start_text)"
}

by_escape() { click "$edit_x" "$bar_y"; key Escape; }
by_click_elsewhere() { click "$edit_x" "$bar_y"; click 60 $((top + 74)); }
by_click_on_title() { click "$edit_x" "$bar_y"; click "$edit_x" "$bar_y"; }
by_alt_e() { key alt+e; key Escape; }

road escape by_escape
road click-elsewhere by_click_elsewhere
road click-on-title by_click_on_title
road alt-e by_alt_e

# Paste chosen from the Edit menu with the mouse: the rest of the date comes
# from the clipboard, into the field as typed.
half_type
printf '1/2099' | xclip -i -selection clipboard
click "$edit_x" "$bar_y"
shot paste-open
# Paste is the Edit menu's fifth row (Undo, a line, Cut, Copy, Paste).
xdotool mousemove --window "$win" $((edit_x + 20)) $((top + paste_dy)) click 1
sleep 0.4
key Tab
check "paste" "12/31/2099" "$(start_text)"

# Alt+F opens File, the title's letter underlined, and types nothing.
start_field
key ctrl+a
type_text "12/3"
key alt+f
shot alt-f
key Escape
check "alt+f leaves the field" "12/3" "$(start_text)"

finish "menus"
