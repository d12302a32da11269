#!/usr/bin/env bash
# The delivered packages: the zips' contents, and the installer installing, starting and
# uninstalling Norvel. Run by `./test --package` inside its Wine session. $1: the dist folder.
set -u
setup=$(ls "$1"/norvel-*-setup.exe) || exit 1
version=${setup##*/norvel-} && version=${version%-setup.exe}
failures=0
check() { if "${@:2}"; then echo "ok    $1"; else echo "FAIL  $1"; failures=$((failures + 1)); fi; }
until_true() { local i; for ((i = 0; i < $1 * 4; i++)); do "${@:2}" && return 0; sleep 0.25; done; return 1; }
reg_has() { wine reg query "$1" ${2:+/v "$2"} >/dev/null 2>&1; }
reg_lacks() { ! reg_has "$@"; }
reg_value() { wine reg query "$1" "${@:2}" 2>/dev/null | tr -d '\r' | sed -n 's/^ *.* *REG_SZ *//p'; }
equal() { [ "$1" = "$2" ] || { echo "      '$1' is not '$2'"; return 1; }; }
frame_shown() { xwininfo -root -tree | grep -q '"Norvel'; }
frame_gone() { ! frame_shown; }
absent() { [ ! -e "$1" ]; }
lacks_text() { ! grep -q "$1" "$2"; }

check "the zips hold the program, its help file and the portable switch" python3 - "$1" "$version" <<'EOF'
import struct, sys, zipfile
ok = True
for arch, machine in (("win64", 0x8664), ("win32", 0x14C)):
    with zipfile.ZipFile(f"{sys.argv[1]}/norvel-{sys.argv[2]}-{arch}.zip") as z:
        exe = z.read("norvel.exe")
        pe = struct.unpack_from("<I", exe, 0x3C)[0]
        ok &= sorted(z.namelist()) == ["norvel.exe", "norvel.hlp", "norvel.ini"]
        ok &= exe[pe:pe + 6] == b"PE\0\0" + struct.pack("<H", machine)
        ok &= z.read("norvel.ini") == b"[Portable]\r\nEnabled=1\r\n"
        ok &= z.read("norvel.hlp") == open("help/norvel.hlp", "rb").read()
sys.exit(0 if ok else 1)
EOF

product='Software\Veldmark\Norvel for Windows 95/NT'
app_paths='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\NORVEL.EXE'
help_key='HKLM\Software\Microsoft\Windows\Help'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Norvel'
win_ini=$WINEPREFIX/drive_c/windows/win.ini
programs=$(reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' /v Programs)
shortcuts=$(winepath -u "$programs")/Veldmark
folder='C:\Program Files\Veldmark\Norvel' folder_lower='c:\program files\veldmark\norvel'
unix_folder=$(winepath -u "$folder")

wine "$setup" /S
check "the program is installed" cmp -s "$unix_folder/norvel.exe" build/package/win64/norvel.exe
check "its help file too" cmp -s "$unix_folder/norvel.hlp" help/norvel.hlp
check "the Start Menu item is where the Explorer page looks" test -f "$shortcuts/Norvel.lnk"
check "App Paths names the program" equal "$(reg_value "$app_paths" /ve)" "$folder_lower\\norvel.exe"
check "App Paths names its folder" equal "$(reg_value "$app_paths" /v Path)" "$folder_lower"
check "Apps & Features has the uninstaller" \
  equal "$(reg_value "$uninstall_key" /v UninstallString)" "\"$folder\\uninstall.exe\""
for start in norvel.exe "$programs\\Veldmark\\Norvel.lnk"; do # by App Paths, by shortcut
  wine start "$start"
  check "the program starts from: start $start" until_true 20 frame_shown
  wine taskkill /im norvel.exe >/dev/null 2>&1
  check "and closes" until_true 20 frame_gone
done

# What the program registers when it saves its settings (its first start does): the
# uninstaller has to take this away again.
registered() {
  reg_has "HKLM\\$product\\Version" && reg_has "$help_key" norvel.hlp &&
    reg_has "HKCU\\$product\\Options" && grep -q '^Norvel for Windows 95/NT=' "$win_ini"
}
check "the program registered its version, help file, settings and WIN.INI entry" registered

# As Apps & Features does: the uninstaller copies itself away and returns at once.
wine "$folder\\uninstall.exe" /S
check "the uninstaller finishes" until_true 30 reg_lacks "$uninstall_key"
check "the installed files and folders are gone" absent "$(dirname "$unix_folder")"
check "the Start Menu item and its folder are gone" absent "$shortcuts"
check "App Paths is gone" reg_lacks "$app_paths"
check "the help file entry is gone" reg_lacks "$help_key" norvel.hlp
check "the version key is gone" reg_lacks 'HKLM\Software\Veldmark'
check "the WIN.INI entry is gone" lacks_text Veldmark "$win_ini"
check "the user's settings stay unless asked" reg_has "HKCU\\$product\\Options"

# Elsewhere, with the settings box ticked, in place (it waits, and cannot remove itself).
wine "$setup" /S '/D=C:\Tools\Norvel'
wine start 'C:\Tools\Norvel\norvel.exe'
until_true 20 frame_shown && wine taskkill /im norvel.exe >/dev/null 2>&1
check "started from there, it registers itself again" until_true 20 registered
until_true 20 frame_gone
perl -pi -e 's/^\[Veldmark\]\r\n/$&Other=v1\r\n/' "$win_ini"
wine 'C:\Tools\Norvel\uninstall.exe' /S /RemoveSettings '_?=C:\Tools\Norvel'
check "in place, only the uninstaller itself is left" \
  equal "$(ls "$WINEPREFIX/drive_c/Tools/Norvel")" uninstall.exe
check "the user's settings are gone when asked" reg_lacks 'HKCU\Software\Veldmark'
check "the WIN.INI entries of other programs stay" equal "$(grep -c '^Other=v1' "$win_ini")" 1
check "the Apps & Features entry is gone" reg_lacks "$uninstall_key"

echo "package test: $failures failed"
[ "$failures" -eq 0 ]
