#!/usr/bin/env bash
# Starts the built program on a dark desktop, under an X server (scripts/test
# runs this under xvfb-run): Qt's GTK 3 platform theme with GTK's dark
# Adwaita, asked for and as a GNOME desktop picks it, then qt6ct with a dark
# colour scheme. On the pixels the screen shows, every caption of the window,
# its menu bar and a message box must be dark on light with a contrast of at
# least 4.5 to 1, as the stored window is. Writes the screenshots to
# build/quorvel-dark-<theme>.png and build/quorvel-dark-<theme>-box.png.
set -euo pipefail

source "$(dirname "$0")/common.bash"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The stored rectangles (left, top, width, height in the 772 by 84 content
# area) of the labels and the button; the button's face is measured on a
# strip just inside its frame, above its caption.
captions=(
    "Start=4,8,39,21" "End=4,37,39,20" "note=13,66,294,17" "Weekdays=347,60,80,20"
    "Weekend=500,59,80,20" "Total=653,59,80,20" "GO=148,11,69,42/151,13,63,3"
)

on_screen() { # content rectangles "L,T,W,H[/L,T,W,H]" -> the same on the screen
    local rectangle out=() l t w h
    IFS=/ read -ra rectangles <<<"$1"
    for rectangle in "${rectangles[@]}"; do
        IFS=, read -r l t w h <<<"$rectangle"
        out+=("$((x + l)),$((top + t)),$w,$h")
    done
    (IFS=/ && echo "${out[*]}")
}

geometry() { # window -> "x y width height" on the screen
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^ *Width/ {w=$NF} /^ *Height/ {h=$NF} END {print x, y, w, h}'
}

# Checks each line of contrast.py: a light background (luminance over 0.5),
# text darker than it, and a contrast of at least 4.5; "Weekend" is stored
# red, which reaches at most 4 to 1 on white, so it needs 3.
check_lines() { # theme
    local name ratio fore back text_rgb back_rgb least
    while read -r name ratio fore back text_rgb back_rgb; do
        least=4.5
        [ "$name" == "Weekend" ] && least=3
        echo "$1 $name: $text_rgb on $back_rgb, contrast $ratio"
        check "$1 $name dark on light (contrast >= $least)" yes "$(awk -v r="$ratio" -v f="$fore" -v b="$back" \
            -v least="$least" 'BEGIN { print (b > 0.5 && f < b && r >= least) ? "yes" : "no" }')"
    done
}

run_on() { # name, the theme's plugin file, then the environment that picks it
    local theme=$1 plugin=$2
    shift 2
    env -u QT_QPA_PLATFORMTHEME "$@" QT_DEBUG_PLUGINS=1 "$program" 2>"$work/$theme.log" & pid=$!
    await_window
    # The theme must really be in force, not silently left out.
    check "$theme: $plugin loaded" yes "$(grep -q "platformthemes/$plugin\" loaded library" "$work/$theme.log" &&
        echo yes || echo no)"

    local shot=$root/build/quorvel-dark-$theme.png areas=() caption x y w h top
    import -window root "$shot"
    read -r x y w h < <(geometry "$win")
    top=$((y + h - 84)) # the content area sits under the menu bar
    for caption in "${captions[@]}"; do
        areas+=("${caption%%=*}=$(on_screen "${caption#*=}")")
    done
    areas+=("menu-bar=$x,$y,$w,$((h - 84))")
    check_lines "$theme" < <(python3 "$root/tests/e2e/contrast.py" "$shot" "${areas[@]}")

    # An unreadable end date: its message box.
    key Tab
    xdotool type --clearmodifiers --delay 30 "no date"
    key Return
    local box=""
    for _ in $(seq 1 50); do
        box=$(xdotool search --onlyvisible --name '.' 2>/dev/null | grep -vx "$win" | head -n1 || true)
        [ -n "$box" ] && break
        sleep 0.1
    done
    check "$theme message box shown" yes "$([ -n "$box" ] && echo yes || echo no)"
    if [ -n "$box" ]; then
        sleep 0.3
        import -window root "${shot%.png}-box.png"
        read -r x y w h < <(geometry "$box")
        check_lines "$theme" < <(python3 "$root/tests/e2e/contrast.py" "${shot%.png}-box.png" "message-box=$x,$y,$w,$h")
        key Return
        xdotool windowfocus --sync "$win"
    fi
    key ctrl+q
    wait "$pid" || true
}

# Qt's GTK 3 platform theme with GTK's own dark theme: asked for, and as Qt
# picks it by itself on a GNOME desktop.
run_on gtk3 libqgtk3.so QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
run_on gnome libqgtk3.so XDG_CURRENT_DESKTOP=GNOME GTK_THEME=Adwaita:dark

# qt6ct with the dark colour scheme it ships.
mkdir -p "$work/config/qt6ct"
cat >"$work/config/qt6ct/qt6ct.conf" <<CONF
[Appearance]
custom_palette=true
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
style=Fusion
CONF
run_on qt6ct libqt6ct.so QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$work/config"

finish
