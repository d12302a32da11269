#!/usr/bin/env bash
# Takes the README's gallery pictures from the running program, into docs/: run it again when
# the look changes. Norvel runs on a virtual display in a fresh Wine prefix of its own
# (build/screenshot-prefix), so the pictures show a first start with the default settings.
set -u
cd "$(dirname "$0")/.."
root=$(pwd)
tools/bootstrap || exit 1
cmake -S . -B build -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null || exit 1
cmake --build build -j"$(nproc)" --target norvel || exit 1
remote=build/tools/norvel_remote.exe
mkdir -p build/tools
if [ ! "$remote" -nt tools/norvel_remote.cpp ]; then
  x86_64-w64-mingw32-g++ -O2 -static -o "$remote" tools/norvel_remote.cpp || exit 1
fi

. tools/wine-session.sh
unset DISPLAY
trap 'norvel_session_end' EXIT
norvel_start_display || exit 1
norvel_prepare_prefix "$root/build/screenshot-prefix" fresh

command_id() { sed -n "s/^#define $1 \([0-9]*\)/\1/p" src/resources/resource.h; }
# $1: window class, $2: picture name in docs/. Cuts the window out of the whole screen.
# $3: the window's title, when its class is not enough.
shoot() {
  local left top width height
  read -r left top width height < <(wine "$remote" rect "$1" ${3:+"$3"} | tr -d '\r') || return 1
  sleep 1  # the last paint
  import -display "$DISPLAY" -window root -crop "${width}x${height}+${left}+${top}" +repage \
         "docs/$2" || return 1
  echo "screenshots: docs/$2"
}

# Two short documents, as a user's would look, under C:\notes.
notes=$WINEPREFIX/drive_c/notes
mkdir -p "$notes"
printf '%s\r\n' "Today" "- answer the mail from the printer shop" "- back up the notes folder" \
  "- read the new release notes" "" "Later" "- tidy the tools menu" >"$notes/todo.txt"
printf '%s\n' "[Display]" "Font=Courier New" "WordWrap=0" "" "[Files]" "Backup=1" "Recent=9" \
  >"$notes/settings.ini"

# A registered owner and organisation for the About box.
key='HKLM\Software\Microsoft\Windows NT\CurrentVersion'
wine reg add "$key" /v RegisteredOwner /t REG_SZ /d "Ada Example" /f >/dev/null 2>&1
wine reg add "$key" /v RegisteredOrganization /t REG_SZ /d "Example Engineering Ltd." /f >/dev/null 2>&1

wine build/norvel.exe 'C:\notes\todo.txt' &
wine "$remote" rect NorvelAppClass >/dev/null || exit 1
wine build/norvel.exe 'C:\notes\settings.ini' # handed to the running Norvel
sleep 1
wine "$remote" command NorvelAppClass "$(command_id IDM_TILEVERTICAL)" || exit 1
shoot NorvelAppClass frame.png || exit 1

wine "$remote" command NorvelAppClass "$(command_id IDM_HELPCONTENTS)" || exit 1
shoot NorvelHelpClass help-window.png || exit 1

# The tool windows, the Find dialog (topmost, over the documents) and last the About box, which
# stays in front until a click or a key.
wine "$remote" command NorvelAppClass "$(command_id IDM_ASCIICHART)" || exit 1
shoot TableWindowClass chart.png || exit 1
wine "$remote" command NorvelAppClass "$(command_id IDM_ERRORCODES)" || exit 1
shoot MSErrorsClass error-codes.png || exit 1
wine "$remote" command NorvelAppClass "$(command_id IDM_PROPERTIES)" || exit 1
shoot '#32770' properties.png || exit 1
wine "$remote" command '#32770' 1 || exit 1  # OK closes it
wine "$remote" command NorvelAppClass "$(command_id IDM_FIND)" || exit 1
shoot '#32770' find.png || exit 1
wine "$remote" command NorvelAppClass "$(command_id IDM_ABOUT)" || exit 1
shoot '#500' about.png || exit 1

# The options sheet closes the About box and opens at the Editor page; then its other pages.
wine "$remote" command NorvelAppClass "$(command_id IDM_OPTIONS)" || exit 1
shoot '#32770' options.png ' Norvel Options' || exit 1
for page in 3:options-tools 4:options-macros 7:options-explorer 8:options-version; do
  wine "$remote" page ' Norvel Options' "${page%%:*}" || exit 1
  shoot '#32770' "${page#*:}.png" ' Norvel Options' || exit 1
done
if [ -n "${NORVEL_SHEET_PAGES:-}" ]; then  # every page, for a look, into build/
  for page in 0 1 2 3 4 5 6 7 8; do
    wine "$remote" page ' Norvel Options' "$page" || exit 1
    shoot '#32770' "../build/options-page-$page.png" ' Norvel Options' || exit 1
  done
fi
