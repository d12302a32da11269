#!/usr/bin/env bash
# Takes screenshots of the About box, the character chart (with a code box showing) and the error
# codes window into the given folder (default build/screenshots), driving build/norvel.exe on a
# virtual display with xdotool (Debian's xdotool) and capturing with ImageMagick's import.
# The About box picture is cut out as about.png.
set -u
cd "$(dirname "$0")/.."
root=$(pwd)
out=${1:-build/screenshots}
mkdir -p "$out"
command -v xdotool >/dev/null && command -v import >/dev/null || {
  echo "needs xdotool and imagemagick" >&2
  exit 1
}
[ -x build/norvel.exe ] || { echo "build norvel.exe first" >&2; exit 1; }

. tools/wine-session.sh
unset DISPLAY
trap 'norvel_session_end' EXIT
norvel_start_display || exit 1
norvel_prepare_prefix "$root/build/screenshot-prefix"
# A registered owner and organisation for the About box.
key='HKLM\Software\Microsoft\Windows NT\CurrentVersion'
wine reg add "$key" /v RegisteredOwner /t REG_SZ /d "Ada Example" /f >/dev/null 2>&1
wine reg add "$key" /v RegisteredOrganization /t REG_SZ /d "Example Engineering Ltd." /f >/dev/null 2>&1

wine build/norvel.exe &
norvel=$!
sleep 4
shot() { import -window root "$out/$1.png"; }

xdotool key alt+h a && sleep 1 && shot about
# The About box is centred on the 1280 x 1024 screen at its picture's size, 420 x 200.
convert "$out/about.png" -crop 420x200+430+412 +repage "$out/about-box.png"
xdotool key Escape && sleep 0.5

xdotool key alt+w s && sleep 1.5
shot chart
read -r cx cy < <(xdotool search --name "Character Set" getwindowgeometry 2>/dev/null |
                  awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
if [ -n "${cx:-}" ]; then
  # Hold the left button on code 65 (column 4, row 1) so the code box shows.
  xdotool mousemove $((cx + 150)) $((cy + 60)) mousedown 1 && sleep 0.5 && shot chart-code
  xdotool mouseup 1
fi

xdotool key ctrl+e && sleep 8 && shot errors
kill "$norvel" 2>/dev/null
wait "$norvel" 2>/dev/null
echo "screenshots in $out"
