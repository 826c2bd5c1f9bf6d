#!/usr/bin/env bash
# Reads the counts of the longest span off the screen (scripts/test runs this
# under xvfb-run): 1/1/0001 to 12/31/9999 gives seven-digit counts, and each
# count field must show all seven digits, not the last six. Then a span of
# 99,999 days, whose five-digit counts show as before. Writes a screenshot
# to build/quorvel-long-span.png.
set -euo pipefail

source "$(dirname "$0")/common.bash"
shot=${QUORVEL_SCREENSHOT:-$root/build/quorvel-long-span.png}
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

"$program" & pid=$!
await_window
# The 772 by 84 content area sits under the menu bar at the bottom of the
# window; positions below are the stored ones within it.
top=$(($(xdotool getwindowgeometry --shell "$win" | sed -n 's/^HEIGHT=//p') - 84))

# Types both dates and presses "GO" with the mouse.
count() { # start end
    xdotool mousemove --window "$win" 90 $((top + 18)) click 1
    sleep 0.2
    key ctrl+a
    type_text "$1"
    key Tab ctrl+a
    type_text "$2"
    xdotool mousemove --window "$win" 182 $((top + 32)) click 1
    sleep 1
}

# The digits each count field shows: the weekday, weekend and total fields,
# 140 by 51 at x 318, 469 and 620, y 7, read with OCR.
shown_counts() {
    import -window "$win" "$work/window.png"
    local out=()
    for x in 318 469 620; do
        convert "$work/window.png" -crop "140x51+$x+$((top + 7))" +repage -scale 300% -colorspace Gray \
            -threshold 60% "$work/field.png"
        out+=("$(tesseract "$work/field.png" - --psm 7 -c tessedit_char_whitelist=0123456789 2>/dev/null |
            tr -d '[:space:]')")
    done
    echo "${out[*]}"
}

count "1/1/0001" "12/31/9999"
check "longest span" "2608615 1043444 3652059" "$(shown_counts)"
cp "$work/window.png" "$shot"

count "1/1/2000" "10/14/2273"
check "99,999 days" "71427 28572 99999" "$(shown_counts)"

key ctrl+q
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done

finish "long span"
