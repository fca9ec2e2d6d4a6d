#!/usr/bin/env bash
# A label made by hand in the real editor on a virtual display: a text box typed in Korean, a
# rectangle drawn with the mouse and a barcode from the Insert menu, saved, checked in the
# saved file, opened again, and printed to PDF whose text and barcode are read back.
#
# Usage: design_session.sh BUILD_DIR [SCREENSHOT_DIR]
#   The screenshots of each step go to SCREENSHOT_DIR, or to the work folder, which is kept
#   (and named) when the session fails.
# Exit: 0 passed, 1 failed, 77 skipped (xdotool, Xvfb, zbarimg or ImageMagick missing).
# QUILL_APP and QUILL_CLI name the programs when they are not in BUILD_DIR's usual places.
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 BUILD_DIR [SCREENSHOT_DIR]" >&2
    exit 1
fi
build="$(cd "$1" && pwd)"
app="${QUILL_APP:-$build/src/app/quilllabel}"
cli="${QUILL_CLI:-$build/src/cli/quilllabel-cli}"

for tool in xdotool xmodmap xprop xwininfo Xvfb zbarimg import convert compare pdftotext pdftoppm; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
done
for program in "$app" "$cli"; do
    [ -x "$program" ] || { echo "FAIL: $program is not built"; exit 1; }
done

work="$(mktemp -d "${TMPDIR:-/tmp}/quill-session.XXXXXX")"
shots="${2:-$work/shots}"
mkdir -p "$shots"
shots="$(cd "$shots" && pwd)"
rm -f "$shots"/[0-9][0-9]-*.png

# The document and what is typed into it.
product=QL-2108
doc="$work/label.qbl"
line1='홍길동 귀하'
line2='서울시 종로구 1'
barcode_data=12345678 # the data every new 1D barcode starts with (a Code 39 symbol)

xvfb_pid=""
app_pid=""
failed=0

# Shared with the other session: cleanup, fresh_user, step, wait_for, start_display, keys_for,
# list_windows, window_gone.
# shellcheck source=session_lib.sh
source "$(dirname "$0")/session_lib.sh"
trap cleanup EXIT

fail() {
    failed=1
    echo "FAIL: $*"
    if [ -n "${win:-}" ]; then
        import -window root "$shots/99-failure.png" 2>/dev/null || true
        echo "Windows on the display:"
        list_windows | sed 's/^/  /'
    fi
    [ -s "$work/app.log" ] && { echo "Editor output:"; sed 's/^/  /' "$work/app.log"; }
    exit 1
}

fresh_user


# ---- The display -----------------------------------------------------------------------------

start_display

# The number of open menus (the menu bar's drop-downs and their submenus): the editor's
# visible windows that bypass the window manager and are taller than a tool tip. (The window
# type is no help: a menu shown a second time comes as a plain window.)
menu_count() {
    local id n=0 info
    for id in $(xdotool search --onlyvisible --class quilllabel 2>/dev/null || true); do
        info="$(xwininfo -id "$id" 2>/dev/null || true)"
        if grep -q 'Override Redirect State: yes' <<<"$info" &&
            [ "$(awk '/Height:/ { print $2 }' <<<"$info")" -gt 60 ]; then
            n=$((n + 1))
        fi
    done
    echo "$n"
}
menus_open() { [ "$(menu_count)" -eq "$1" ]; }
visible_window() { { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; } | head -n1; }

# ---- Pictures ----------------------------------------------------------------------------------

# grab FILE: the screen where the main window is, with the menus and the cell overview over it
# (a picture of the window alone would have them black).
grab() { import -window root -crop "${win_w}x${win_h}+${win_x}+${win_y}" +repage "$1"; }
# shot NAME: the same into the screenshots.
shot() { grab "$shots/$1.png"; }
# The number of pixels that differ between two pictures.
# (compare writes large counts as 1.2e+06; pictures of different sizes count as all changed.)
pixels_changed() {
    compare -metric AE "$1" "$2" null: 2>&1 |
        awk '$1 ~ /^[0-9.e+]+$/ { printf "%d\n", $1; next } { print 999999 }' || true
}

# settle: the window no longer changes (a blinking caret, a few pixels, does not count).
settle() {
    local deadline=$((SECONDS + 15)) n
    grab "$work/a.png"
    while :; do
        sleep 0.15
        grab "$work/b.png"
        n="$(pixels_changed "$work/a.png" "$work/b.png")"
        [ "$n" -lt 40 ] && return 0
        [ "$SECONDS" -lt "$deadline" ] || fail "the window did not settle (still $n pixels changing)"
        mv "$work/b.png" "$work/a.png"
    done
}
# changed_from PICTURE: the window differs from the picture by more than a caret.
changed_from() {
    grab "$work/now.png"
    local n
    n="$(pixels_changed "$1" "$work/now.png")"
    [ "$n" -ge 40 ]
}
# after_change WHAT: waits for the window to change from before.png, then to settle.
after_change() {
    wait_for 15 "$1" changed_from "$work/before.png"
    settle
}
remember() { grab "$work/before.png"; }

# ---- The editor --------------------------------------------------------------------------------

# start_editor: runs the editor on the document and waits until the document is open in it,
# answering a recovery offer with "later" should one appear.
start_editor() {
    : >"$work/app.log"
    QT_QPA_PLATFORM=xcb "$app" "$doc" >>"$work/app.log" 2>&1 &
    app_pid=$!
    win=""
    local deadline=$((SECONDS + 60)) offer
    while :; do
        kill -0 "$app_pid" 2>/dev/null || fail "the editor ended while starting"
        offer="$(visible_window '^작업 복구')"
        if [ -n "$offer" ]; then
            echo "NOTE: a recovery offer appeared at start; answered with 나중에 (later)"
            import -window root "$shots/00-recovery-offer.png"
            xdotool windowfocus --sync "$offer" key --clearmodifiers Escape
            wait_for 10 "the recovery offer to close" window_gone "$offer"
        fi
        # The title names the document once it is open (half a second after the window).
        win="$(visible_window 'label\.qbl')"
        [ -n "$win" ] && break
        [ "$SECONDS" -lt "$deadline" ] || fail "no main window showing label.qbl within 60 s"
        sleep 0.2
    done
    xdotool windowfocus --sync "$win"
    eval "$(xdotool getwindowgeometry --shell "$win")" # the window on the screen
    win_x=$X win_y=$Y win_w=$WIDTH win_h=$HEIGHT
    settle
}

# quit_editor: Ctrl+Q must end the editor without a question, the document being saved.
quit_editor() {
    xdotool key --clearmodifiers ctrl+q
    local deadline=$((SECONDS + 20))
    while kill -0 "$app_pid" 2>/dev/null; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            import -window root "$shots/99-question.png" || true
            fail "the editor did not end after Ctrl+Q on a saved document (a save question or" \
                "another window is open; see 99-question.png)"
        fi
        sleep 0.1
    done
    wait "$app_pid" || fail "the editor ended with status $?"
    app_pid=""
}

# The work area's cell: the largest white area of the window at 100 % (model pixels are screen
# pixels there). Sets cell_x, cell_y (screen position of the cell's model origin), cell_w, cell_h.
find_cell() {
    grab "$work/cell.png"
    local box
    box="$(convert "$work/cell.png" -fill black +opaque white \
        -define connected-components:verbose=true -define connected-components:area-threshold=10000 \
        -connected-components 4 null: 2>/dev/null |
        awk '$NF == "srgb(255,255,255)" { split($2, g, /[x+]/); if (g[2] > 100 && $4 > best) { best = $4; b = $2 } }
             END { print b }')"
    [ -n "$box" ] || fail "no label cell found in the work area"
    IFS='x+' read -r cell_w cell_h cell_x cell_y <<<"$box"
    # The white starts inside the cell's one-pixel outline.
    cell_x=$((win_x + cell_x - 1))
    cell_y=$((win_y + cell_y - 1))
    step "cell ${cell_w}x${cell_h} at $cell_x,$cell_y"
}

# at X Y: the screen point of a cell point.
at() { echo "$((cell_x + $1)) $((cell_y + $2))"; }

# drag X1 Y1 X2 Y2: a left-button drag between two cell points, in small steps like a hand.
drag() {
    local x1=$1 y1=$2 x2=$3 y2=$4 i steps=8
    # shellcheck disable=SC2046
    xdotool mousemove $(at "$x1" "$y1") mousedown 1
    for i in $(seq 1 $steps); do
        # shellcheck disable=SC2046
        xdotool mousemove $(at $((x1 + (x2 - x1) * i / steps)) $((y1 + (y2 - y1) * i / steps)))
        sleep 0.03
    done
    xdotool mouseup 1
}

# insert_menu KEYS...: opens 삽입(&I) with Alt+I, then presses the keys that choose an item.
insert_menu() {
    xdotool key --clearmodifiers alt+i
    wait_for 10 "the Insert menu to open" menus_open 1
    local key
    for key in "$@"; do
        if [ "$key" = Right ]; then
            xdotool key Right
            wait_for 10 "the 도형 submenu to open" menus_open 2
        else
            xdotool key "$key"
        fi
    done
}

# ---- 1. A new document on a catalogue product --------------------------------------------------

keys_for "$line1$line2" # before the editor starts, so that it reads the keyboard map once

step "new $product"
QT_QPA_PLATFORM=offscreen "$cli" new "$product" -o "$doc" || fail "quilllabel-cli new $product"
empty_sum="$(md5sum <"$doc")"

# ---- 2. The editor on it ---------------------------------------------------------------------

start_editor
step "editor up (window $win)"
find_cell
shot 01-start
cp "$work/cell.png" "$work/blank.png"

# ---- 3. The label by hand --------------------------------------------------------------------

# Insert > 텍스트상자: the box opens for typing with its placeholder selected.
remember
insert_menu Return # the first item
wait_for 10 "the Insert menu to close" menus_open 0
after_change "the new text box"
shot 02-text-box
remember
xdotool type --delay 40 "$line1"
xdotool key Return
xdotool type --delay 40 "$line2"
after_change "the typed text"
shot 03-text-typed
# A click on the empty work area below the cell ends the typing.
remember
# shellcheck disable=SC2046
xdotool mousemove $(at 150 $((cell_h + 60))) click 1
after_change "the text editing to end"
shot 04-text-done
step "text box typed"

# Insert > 도형 > 사각형 (the last item's submenu, fifth entry), then a drag: a stamp box at the
# top right.
insert_menu Up Right Down Down Down Down
settle
shot 05-shape-menu
remember
xdotool key Return
wait_for 10 "the menus to close" menus_open 0
drag 260 20 355 95
after_change "the rectangle"
shot 06-rectangle
step "rectangle drawn"

# Insert > 바코드 (third item): placed at once near the top left, over the text. It is moved
# down by its middle: whatever its random place, cell point (110, 100) lies well inside it.
# Its settings dialog opens first; OK (Return) keeps the default data.
remember
windows_before="$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | sort)"
insert_menu Down Down Return
wait_for 10 "the Insert menu to close" menus_open 0
new_window() {
    dialog="$(comm -13 <(echo "$windows_before") \
        <(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | sort) | head -n 1)"
    [ -n "$dialog" ]
}
wait_for 15 "the barcode dialog" new_window
settle
shot 07-barcode-dialog
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key Return
dialog_closed() { ! xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | grep -qx "$dialog"; }
wait_for 15 "the barcode dialog to close" dialog_closed
after_change "the barcode"
shot 07-barcode
remember
drag 110 100 110 180
after_change "the barcode to move"
shot 08-barcode-moved
step "barcode placed and moved"

# ---- 4. Save, quit ---------------------------------------------------------------------------

xdotool key --clearmodifiers ctrl+s
saved() { [ -s "$doc" ] && [ "$(md5sum <"$doc")" != "$empty_sum" ] && QT_QPA_PLATFORM=offscreen "$cli" dump "$doc" >"$work/dump.json" 2>/dev/null; }
wait_for 15 "Ctrl+S to write label.qbl" saved
settle
quit_editor
step "saved and closed"

# ---- 5. The saved file -----------------------------------------------------------------------

count_class() { grep -c "\"class\": \"$1\"" "$work/dump.json" || true; }
expect_count() { # expect_count CLASS N WHAT
    local n
    n="$(count_class "$1")"
    [ "$n" -eq "$2" ] || fail "label.qbl holds $n $1 objects, expected $2 ($3)"
}
expect_count TZR_TextEdit 1 "the typed text box"
expect_count TZR_VantorShape 1 "the rectangle"
expect_count TZR_Barcode 1 "the barcode"
lines="[\"$line1\",\"$line2\"]"
grep -qF "\"WWTMemo.Strings\": $lines" "$work/dump.json" ||
    fail "the text box's lines are not $lines; it holds: $(grep -F 'Memo.Strings' "$work/dump.json" | head -n2)"
grep -qF '"Shape": "mstRectangle"' "$work/dump.json" || fail "the shape is no rectangle"
grep -qF "\"Caption\": \"$barcode_data\"" "$work/dump.json" ||
    fail "the barcode does not hold its default data $barcode_data"
step "saved file checked"

# ---- 6. Opened again -------------------------------------------------------------------------

start_editor
shot 09-reopened
grab "$work/reopened.png"
[ "$(pixels_changed "$work/blank.png" "$work/reopened.png")" -ge 1000 ] ||
    fail "the reopened document shows an empty cell"
quit_editor
step "reopened and closed"

# ---- 7. Printed to PDF -----------------------------------------------------------------------

QT_QPA_PLATFORM=offscreen "$cli" print "$doc" --pdf "$work/label.pdf" >"$work/print.log" 2>&1 ||
    fail "quilllabel-cli print: $(cat "$work/print.log")"
pdftotext "$work/label.pdf" "$work/label.txt"
for line in "$line1" "$line2"; do
    grep -qF "$line" "$work/label.txt" ||
        fail "the PDF's text lacks \"$line\"; it reads: $(tr '\n' '|' <"$work/label.txt")"
done
pdftoppm -r 300 -png -f 1 -l 1 "$work/label.pdf" "$work/page"
# The printed label for the pictures: the page trimmed to what is drawn on it.
pdftoppm -r 100 -png -f 1 -l 1 "$work/label.pdf" "$work/small"
convert "$work"/small*.png -trim +repage -bordercolor white -border 24 "$shots/10-printed.png"

# Code 39's check character (modulo 43), which the symbol carries and zbarimg passes on.
code39_check() {
    local alphabet='0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%' sum=0 i c rest
    for ((i = 0; i < ${#1}; i++)); do
        c="${1:i:1}"
        rest="${alphabet%%"$c"*}"
        sum=$((sum + ${#rest}))
    done
    echo "${alphabet:sum % 43:1}"
}
decoded="$(zbarimg --quiet --raw "$work"/page*.png 2>/dev/null || true)"
check="$(code39_check "$barcode_data")"
case "$decoded" in
"$barcode_data" | "$barcode_data$check") ;;
*) fail "zbarimg read \"$decoded\" from the printed page, expected $barcode_data (or with its check character $check)" ;;
esac
step "PDF checked: text and barcode $decoded"
echo "PASS: the label made by hand was saved, reopened and printed ($((SECONDS - started)) s)"
