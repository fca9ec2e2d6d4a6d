#!/usr/bin/env bash
# An office user's print job in the real editor on a virtual display: an address list kept in an
# Excel workbook of two sheets is opened from the Data List menu, four of its eight rows are
# chosen with the mouse (a click, a Shift-click, a Ctrl-click), their names and addresses are
# sent to the label with the honorific " 귀하" after the name, the two field labels are made bold,
# and the sheet is saved to PDF from the print preview. The document is saved under a new name,
# opened again and printed again; both PDFs and the command line's print of the saved document
# must read the same: the chosen rows, with the honorific, and none of the others.
#
# Usage: office_session.sh BUILD_DIR
#   SCREENSHOT_DIR (environment): when set, the data list manager with the rows chosen and the
#   send window with the fields chosen are saved there as datalists-manager.png and
#   datalists-send.png. The pictures of each step go to the work folder, which is kept (and
#   named) when the session fails.
# Exit: 0 passed, 1 failed, 77 skipped (xdotool, Xvfb, ImageMagick, pdftotext or python3 missing).
# QUILL_APP and QUILL_CLI name the programs when they are not in BUILD_DIR's usual places.
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 1
fi
build="$(cd "$1" && pwd)"
app="${QUILL_APP:-$build/src/app/quilllabel}"
cli="${QUILL_CLI:-$build/src/cli/quilllabel-cli}"
helpers="$(dirname "$0")/office_session.py" # the workbook writer and the saved document's check

for tool in xdotool xmodmap xprop xwininfo Xvfb import convert compare pdftotext python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
done
for program in "$app" "$cli"; do
    [ -x "$program" ] || { echo "FAIL: $program is not built"; exit 1; }
done

work="$(mktemp -d "${TMPDIR:-/tmp}/quill-office.XXXXXX")"
shots="$work/shots"
mkdir -p "$shots"
docs_dir=""
if [ -n "${SCREENSHOT_DIR:-}" ]; then
    mkdir -p "$SCREENSHOT_DIR"
    docs_dir="$(cd "$SCREENSHOT_DIR" && pwd)"
fi

# The job: the list, the rows chosen (record numbers), the honorific and the files made.
product=QL-2108
list="$work/addresses.xlsx"
sheet=주소록
honorific=' 귀하'
chosen=(2 3 4 6) # a click on 2, Shift on 4, Ctrl on 6
doc="$work/label.qbl"
saved_doc="$work/office.qbl"

xvfb_pid=""
app_pid=""
failed=0
# A command that fails where nothing expects it says where, with the usual diagnosis.
set -E
trap 'fail "line $LINENO: \"$BASH_COMMAND\" failed"' ERR

# Shared with the other session: cleanup, fresh_user, step, wait_for, start_display, keys_for,
# list_windows, window_gone.
# shellcheck source=session_lib.sh
source "$(dirname "$0")/session_lib.sh"
trap cleanup EXIT

fail() {
    failed=1
    echo "FAIL: $*"
    if [ -n "${DISPLAY:-}" ] && [ -n "$xvfb_pid" ]; then
        import -window root "$shots/99-failure.png" 2>/dev/null &&
            echo "Screen at the failure: $shots/99-failure.png"
        echo "Windows on the display:"
        list_windows | sed 's/^/  /'
    fi
    [ -s "$work/app.log" ] && { echo "Editor output:"; sed 's/^/  /' "$work/app.log"; }
    exit 1
}

fresh_user

cli() { QT_QPA_PLATFORM=offscreen "$cli" "$@"; }

# ---- 1. The address list: a workbook of two sheets, the addresses on the second --------------

# The records of the address sheet, record n on line n: 이름|주소|우편번호.
records=(
    '홍길동|서울시 종로구 세종대로 1|03154'
    '김철수|부산시 해운대구 우동 2|48094'
    '이영희|대구시 중구 동성로 3|41911'
    '박민수|인천시 남동구 구월동 4|21556'
    '최지우|광주시 서구 치평동 5|61945'
    '정하늘|대전시 유성구 봉명동 6|34160'
    '강바다|울산시 남구 삼산동 7|44719'
    '조은별|수원시 팔달구 인계동 8|16489'
)
# The command line writes a workbook of one sheet only: the helper writes the two sheets.
printf '%s\n' "${records[@]}" >"$work/records.txt"
python3 "$helpers" workbook "$list" "$sheet" "$work/records.txt" || fail "the workbook could not be written"
# The program's own reader must see both sheets and the eight records before the editor does.
[ "$(cli data tables "$list" 2>/dev/null | tr '\n' ' ')" = "거래처 $sheet " ] ||
    fail "the workbook's sheets read back as: $(cli data tables "$list" 2>&1 | tr '\n' ' ')"
[ "$(cli data show "$list:$sheet" 2>/dev/null | wc -l)" -eq $((${#records[@]} + 1)) ] ||
    fail "the address sheet reads back as: $(cli data show "$list:$sheet" 2>&1)"
step "workbook written: sheets 거래처 and $sheet, ${#records[@]} records"

name_of() { cut -d'|' -f1 <<<"${records[$1 - 1]}"; }
address_of() { cut -d'|' -f2 <<<"${records[$1 - 1]}"; }
is_chosen() { local n; for n in "${chosen[@]}"; do [ "$n" -eq "$1" ] && return 0; done; return 1; }

# ---- The display -----------------------------------------------------------------------------

start_display

# The windows with their places (the shared list_windows, with geometry for diagnosis).
list_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null || true); do
        echo "$id $(xdotool getwindowname "$id" 2>/dev/null) $(xdotool getwindowgeometry "$id" 2>/dev/null | awk '/Position|Geometry/ { printf "%s ", $2 }')"
    done
}
# The editor's windows carry their titles followed by " — QuillLabel"; without a window manager
# they have no frames, and a window closed by a dialog does not get the keyboard back by itself.
visible_window() { { xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vxF "${2:-none}" || true; } | head -n1; }
# wait_window VAR TITLE_PATTERN WHAT [EXCEPT_ID]: waits for a window of the editor with that
# title (another than EXCEPT_ID), gives it the keyboard and sets VAR to its id.
wait_window() {
    local var="$1" pattern="$2" what="$3" except="${4:-none}" id="" deadline=$((SECONDS + 20))
    while :; do
        kill -0 "$app_pid" 2>/dev/null || fail "the editor ended while waiting for $what"
        id="$(visible_window "$pattern" "$except")"
        [ -n "$id" ] && break
        [ "$SECONDS" -lt "$deadline" ] || fail "waited 20 s for $what (a window titled $pattern)"
        sleep 0.1
    done
    xdotool windowfocus --sync "$id"
    printf -v "$var" '%s' "$id"
}
wait_gone() { wait_for 20 "$2 to close" window_gone "$1"; }
# The windows of the job, set by wait_window.
manager="" opening="" chooser="" sender="" honoring=""
focus() { xdotool windowfocus --sync "$1"; }

# The number of open menus: the editor's visible windows that bypass the window manager and are
# taller than a tool tip (one line, about 25 pixels; the manager's 라벨 menu of two items is 44).
menu_count() {
    local id n=0 info
    for id in $(xdotool search --onlyvisible --class quilllabel 2>/dev/null || true); do
        info="$(xwininfo -id "$id" 2>/dev/null || true)"
        if grep -q 'Override Redirect State: yes' <<<"$info" &&
            [ "$(awk '/Height:/ { print $2 }' <<<"$info")" -gt 36 ]; then
            n=$((n + 1))
        fi
    done
    echo "$n"
}
menus_open() { [ "$(menu_count)" -eq "$1" ]; }
# menu ALT_KEY KEYS...: opens a menu of the focused window by its letter and chooses an item
# with the keys (the first item is highlighted when a menu opens from the keyboard).
menu() {
    xdotool key --clearmodifiers "$1"
    wait_for 10 "the menu of $1 to open" menus_open 1
    shift
    xdotool key "$@"
    wait_for 10 "the menu to close" menus_open 0
}

# ---- Pictures ----------------------------------------------------------------------------------

# set_area ID: the screen area that grab takes from now on (a window; a picture of the window
# alone would have its menus and dialogs black).
set_area() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1")"
    # shellcheck disable=SC2153 # set by the eval
    area_x=$X area_y=$Y area_w=$WIDTH area_h=$HEIGHT
}
grab() { import -window root -crop "${area_w}x${area_h}+${area_x}+${area_y}" +repage "$1"; }
shot() { grab "$shots/$1.png"; }
# doc_shot NAME: the picture for the documentation, when asked for.
doc_shot() { [ -z "$docs_dir" ] || grab "$docs_dir/$1.png"; }
# The number of pixels that differ between two pictures (different sizes count as all changed).
pixels_changed() {
    compare -metric AE "$1" "$2" null: 2>&1 |
        awk '$1 ~ /^[0-9.e+]+$/ { printf "%d\n", $1; next } { print 999999 }' || true
}
# settle: the area no longer changes (a blinking caret, a few pixels, does not count).
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
remember() { grab "$work/before.png"; }
changed_from() {
    grab "$work/now.png"
    [ "$(pixels_changed "$1" "$work/now.png")" -ge 40 ]
}
after_change() {
    wait_for 15 "$1" changed_from "$work/before.png"
    settle
}

# ---- The editor --------------------------------------------------------------------------------

# start_editor DOC: runs the editor on the document and waits until its main window names it,
# answering a recovery offer with "later" should one appear. Sets main.
start_editor() {
    local path="$1" title offer deadline=$((SECONDS + 60))
    title="$(basename "$path" | sed 's/\./\\./g')"
    : >"$work/app.log"
    QT_QPA_PLATFORM=xcb "$app" "$path" >>"$work/app.log" 2>&1 &
    app_pid=$!
    main=""
    while :; do
        kill -0 "$app_pid" 2>/dev/null || fail "the editor ended while starting"
        offer="$(visible_window '^작업 복구')"
        if [ -n "$offer" ]; then
            echo "NOTE: a recovery offer appeared at start; answered with 나중에 (later)"
            xdotool windowfocus --sync "$offer" key --clearmodifiers Escape
            wait_gone "$offer" "the recovery offer"
        fi
        main="$(visible_window "$title")"
        [ -n "$main" ] && break
        [ "$SECONDS" -lt "$deadline" ] || fail "no main window showing $title within 60 s"
        sleep 0.2
    done
    focus "$main"
    set_area "$main"
    settle
}

# quit_editor: Ctrl+Q must end the editor without a question, the document being saved.
quit_editor() {
    focus "$main"
    xdotool key --clearmodifiers ctrl+q
    local deadline=$((SECONDS + 20))
    while kill -0 "$app_pid" 2>/dev/null; do
        [ "$SECONDS" -lt "$deadline" ] ||
            fail "the editor did not end after Ctrl+Q on a saved document (a save question or another window is open)"
        sleep 0.1
    done
    wait "$app_pid" || fail "the editor ended with status $?"
    app_pid=""
}

# print_pdf FILE: 파일 > 미리보기, then its "PDF로 저장": the range dialog (all pages) and the file
# dialog, which takes the full path; the preview is closed again.
print_pdf() {
    local pdf="$1" preview range saving
    focus "$main"
    menu alt+f Down Down Down Down Down Return # 새로 만들기 … 다른 이름으로 저장하기, 미리보기
    wait_window preview '^인쇄 미리보기' "the print preview"
    set_area "$preview"
    settle
    # The preview's tool bar: 확대/축소(&Z) takes the keyboard focus with its letter (and zooms);
    # two tabs on, past 인쇄(&T), is "PDF로 저장", which has no letter of its own.
    remember
    xdotool key --clearmodifiers alt+z
    after_change "the preview to zoom"
    xdotool key Tab Tab space
    wait_window range '^PDF로 저장' "the PDF range dialog"
    xdotool key Return # OK: every page
    wait_gone "$range" "the PDF range dialog"
    wait_window saving '^PDF로 저장' "the PDF file dialog" "$range"
    xdotool type --delay 5 "$pdf"
    xdotool key Return
    wait_gone "$saving" "the PDF file dialog"
    pdf_written() { [ -s "$pdf" ]; }
    wait_for 20 "the preview to write $(basename "$pdf")" pdf_written
    focus "$preview"
    xdotool key --clearmodifiers alt+c # 닫기(&C)
    wait_gone "$preview" "the print preview"
    focus "$main"
    set_area "$main"
}

# ---- 2. A new document, and the list opened in the data list manager ---------------------------

keys_for "$honorific"

step "new $product"
cli new "$product" -o "$doc" || fail "quilllabel-cli new $product"
start_editor "$doc"
step "editor up (window $main)"
shot 01-start

menu alt+d Down Return # 데이터목록 관리, 데이터목록 열기
wait_window manager '^데이터 목록 관리' "the data list manager"
wait_window opening '^목록 열기' "the manager's open dialog"
xdotool type --delay 5 "$list"
xdotool key Return
wait_gone "$opening" "the open dialog"
# The workbook has two sheets: the chooser lists them in the workbook's order, the first chosen.
wait_window chooser '^테이블 목록' "the sheet chooser"
xdotool key Down Return
wait_gone "$chooser" "the sheet chooser"
focus "$manager"
set_area "$manager"
settle
shot 02-list-open
step "$sheet opened in the manager"

# ---- 3. Rows chosen with the mouse -------------------------------------------------------------

# The grid's rows from its lines: image rows where the grid line colour (Fusion's, #C7C7C7)
# spans a good part of the window are the bottom lines of the records. Sets row_line (window
# y of each record's bottom line) and grid_x (screen x of a point in the first field).
find_rows() {
    grab "$work/grid.png"
    mapfile -t row_line < <(convert "$work/grid.png" -fill black +opaque '#C7C7C7' -fill white -opaque '#C7C7C7' \
        -resize "1x${area_h}!" -colorspace gray -depth 8 txt:- |
        awk -F'[,:() ]+' 'NR > 1 && $4 > 25 { print $2 }')
    [ "${#row_line[@]}" -eq "${#records[@]}" ] ||
        fail "the manager's grid shows ${#row_line[@]} records, expected the ${#records[@]} of $sheet"
    local left
    left="$(convert "$work/grid.png" -crop "${area_w}x1+0+${row_line[0]}" +repage txt:- |
        awk '!found && toupper($3) == "#C7C7C7" { sub(/,.*/, "", $1); print $1; found = 1 }')"
    grid_x=$((area_x + left + 12))
}
# row_y N: the screen y of the middle of record N (the first is as high as the second).
row_y() {
    local n=$1 height=$((row_line[1] - row_line[0]))
    if [ "$n" -eq 1 ]; then
        echo $((area_y + row_line[0] - height / 2))
    else
        echo $((area_y + (row_line[n - 2] + row_line[n - 1]) / 2))
    fi
}
# row_selected N: record N is shown selected (its band is dark with the highlight, not white).
row_selected() {
    local y=$(($(row_y "$1") - area_y - 8))
    convert "$work/grid.png" -crop "300x16+$((grid_x - area_x))+$y" +repage -colorspace gray \
        -format '%[fx:mean < 0.75 ? 1 : 0]' info: | grep -qx 1
}

find_rows
step "grid rows at ${row_line[*]} (x $grid_x)"
xdotool mousemove "$grid_x" "$(row_y 2)" click 1
xdotool keydown shift mousemove "$grid_x" "$(row_y 4)" click 1 keyup shift
xdotool keydown ctrl mousemove "$grid_x" "$(row_y 6)" click 1 keyup ctrl
settle
grab "$work/grid.png"
cp "$work/grid.png" "$shots/03-rows-chosen.png"
shown=""
for ((n = 1; n <= ${#records[@]}; n++)); do
    row_selected "$n" && shown+="$n "
done
[ "$shown" = "${chosen[*]} " ] ||
    fail "the grid shows records ${shown:-none}selected after the clicks, expected ${chosen[*]}"
doc_shot datalists-manager
step "records ${chosen[*]} selected"

# ---- 4. The send window: 이름 and 주소, the honorific on 이름 ----------------------------------

menu alt+l Down Return # 라벨(&L): 인쇄범위 설정, 라벨로 자료보내기
wait_window sender '^라벨보내기' "the send window"
settle
# The field list has the keyboard: the first two fields (이름, 주소) are selected and added
# with "->", the button two tabs on (past the send list).
remember
xdotool key Home shift+Down Tab Tab space
after_change "the fields to join the send list"
# "존칭추가", three tabs on from "->": the field 이름 is offered first.
xdotool key Tab Tab Tab space
wait_window honoring '^존칭추가' "the honorific dialog"
xdotool key Tab
xdotool type --delay 40 "$honorific"
xdotool key Return # 추가
wait_gone "$honoring" "the honorific dialog"
focus "$sender"
settle
shot 04-send-window
doc_shot datalists-send
# "보내기", one tab on from "존칭추가".
xdotool key Tab space
wait_gone "$sender" "the send window"
wait_gone "$manager" "the data list manager"
step "fields sent"

# ---- 5. The field labels made bold -------------------------------------------------------------

focus "$main"
set_area "$main"
settle
shot 05-fields-placed
remember
xdotool key --clearmodifiers ctrl+a # 전체선택: the two field labels
menu alt+o Down Return # 서식(&O): 글꼴, 굵게
after_change "the labels to turn bold"
shot 06-bold
step "labels bold"

# ---- 6. Printed to PDF, saved under a new name, closed ---------------------------------------

print_pdf "$work/first.pdf"
step "printed to first.pdf"

focus "$main"
xdotool key --clearmodifiers ctrl+shift+s # 다른 이름으로 저장하기
wait_window saving '^라벨 파일 저장' "the save dialog"
xdotool key ctrl+a
xdotool type --delay 5 "$saved_doc"
xdotool key Return
wait_gone "$saving" "the save dialog"
saved() { [ -s "$saved_doc" ] && cli dump "$saved_doc" >"$work/dump.json" 2>/dev/null; }
wait_for 15 "the document to be saved as $(basename "$saved_doc")" saved
titled_saved() { [ -n "$(visible_window 'office\.qbl')" ]; }
wait_for 10 "the main window to name office.qbl" titled_saved
quit_editor
step "saved as $(basename "$saved_doc") and closed"

# The saved document: two field labels, bold, the honorific on the name, reading their records
# from the copy of the merge table beside the document (office.dbl, its letter case aside).
python3 "$helpers" check "$work/dump.json" "$saved_doc" "$honorific" >"$work/check.txt" 2>&1 ||
    fail "the saved document: $(cat "$work/check.txt")"
merge_copy="$(cat "$work/check.txt")"
# The copy holds the chosen records only, in the grid's order.
{
    echo '이름,주소'
    for n in "${chosen[@]}"; do echo "$(name_of "$n"),$(address_of "$n")"; done
} >"$work/expected-copy.csv"
cli data show "$merge_copy" >"$work/copy.csv" 2>&1 || fail "the merge table copy: $(cat "$work/copy.csv")"
diff -u "$work/expected-copy.csv" "$work/copy.csv" >"$work/copy.diff" ||
    fail "the merge table copy $(basename "$merge_copy") holds other records:$(printf '\n%s' "$(cat "$work/copy.diff")")"
step "saved document checked: bold field labels on $(basename "$merge_copy")"

# ---- 7. Opened again and printed again; the command line's print -------------------------------

start_editor "$saved_doc"
shot 07-reopened
print_pdf "$work/second.pdf"
quit_editor
step "reopened and printed to second.pdf"

cli print "$saved_doc" --pdf "$work/cli.pdf" >"$work/print.log" 2>&1 ||
    fail "quilllabel-cli print: $(cat "$work/print.log")"

for pdf in first second cli; do
    pdftotext -layout "$work/$pdf.pdf" "$work/$pdf.txt"
done
for pdf in second cli; do
    cmp -s "$work/first.txt" "$work/$pdf.txt" ||
        fail "$pdf.pdf reads otherwise than first.pdf:$(printf '\n%s' "$(diff "$work/first.txt" "$work/$pdf.txt" || true)")"
done
text="$(cat "$work/first.txt")"
occurrences() { { grep -oF "$1" <<<"$text" || true; } | wc -l; }
for ((n = 1; n <= ${#records[@]}; n++)); do
    name="$(name_of "$n")" address="$(address_of "$n")"
    count="$(occurrences "$name")"
    with_honorific="$(occurrences "$name$honorific")"
    at="$(occurrences "$address")"
    if is_chosen "$n"; then
        [ "$count.$with_honorific.$at" = 1.1.1 ] ||
            fail "record $n ($name$honorific, $address) is printed $with_honorific/$count/$at times, expected once; the PDF reads: $(tr -s ' \n' ' ' <<<"$text")"
    else
        [ "$count.$at" = 0.0 ] ||
            fail "record $n ($name), not chosen, is printed; the PDF reads: $(tr -s ' \n' ' ' <<<"$text")"
    fi
done
step "the three PDFs read the same: records ${chosen[*]} with \"$honorific\""
echo "PASS: the office print job ran from the workbook to the PDF and again from the saved document ($((SECONDS - started)) s)"
