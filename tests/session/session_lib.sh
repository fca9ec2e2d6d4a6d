# What both editor sessions share: the clean-up, a fresh user, waiting, the virtual display, keys
# for Korean characters and the list of windows. Sourced by the session scripts, which set
# work, shots, failed, app_pid and xvfb_pid and define fail() first.

cleanup() {
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then kill "$app_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then kill "$xvfb_pid" 2>/dev/null || true; fi
    if [ "$failed" -eq 0 ]; then
        rm -rf "$work"
    else
        echo "The work folder is kept: $work (screenshots: $shots)"
    fi
}

# fresh_user: a data folder, settings and runtime folder of this session only, and the shell's
# own handling of the Korean text in characters.
fresh_user() {
    export QUILL_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
    mkdir -p "$QUILL_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    # Characters, not bytes, in the shell's own handling of the Korean text.
    export LC_ALL=C.UTF-8
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_FONT_DPI
}

started=$SECONDS
step() { printf '[%3ds] %s\n' $((SECONDS - started)) "$*"; }

# wait_for SECONDS WHAT COMMAND...: polls the command every 0.1 s until it succeeds.
wait_for() {
    local limit="$1" what="$2"; shift 2
    local deadline=$((SECONDS + limit))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || fail "waited ${limit} s for $what"
        sleep 0.1
    done
}

# start_display: a virtual display of its own for the session.
start_display() {
    # Xvfb picks a free display itself and writes its number once it accepts clients.
    # No reset when the last client goes: the keyboard map set below must stay.
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    display_ready() { [ -s "$work/display" ] && grep -q '^[0-9]' "$work/display"; }
    wait_for 20 "Xvfb to start" display_ready
    DISPLAY=":$(head -n1 "$work/display")"
    export DISPLAY
    step "display $DISPLAY"
}

# keys_for TEXT: gives each character of the text that no key types a key of its own. xdotool
# would otherwise map a spare key anew for every such character, and the editor, reading the map
# a moment later, now and then sees the next character's (a Hangul syllable typed twice).
keys_for() {
    local text="$1" i c code free=()
    read -r -a free <<<"$(xmodmap -pke | awk 'NF == 3 && $2 > 8 { printf "%s ", $2 }')"
    local -A mapped=()
    for ((i = 0; i < ${#text}; i++)); do
        c="${text:i:1}"
        code="$(printf '%d' "'$c")"
        [ "$code" -lt 128 ] || [ -n "${mapped[$c]:-}" ] || {
            [ ${#free[@]} -gt 0 ] || fail "no spare key left for \"$c\""
            xmodmap -e "keycode ${free[0]} = $(printf 'U%04X U%04X' "$code" "$code")"
            mapped[$c]=1
            free=("${free[@]:1}")
        }
    done
}

list_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null || true); do
        echo "$id $(xdotool getwindowname "$id" 2>/dev/null) [$(xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | sed 's/.*= //')]"
    done
}
window_gone() { ! xdotool getwindowname "$1" >/dev/null 2>&1 || ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
