#!/usr/bin/env bash
# The delivered packages: the zips' contents, and the installer installing, starting and
# uninstalling Norvel in a Wine prefix. Run by `./test --package` inside its Wine session
# (WINEPREFIX, DISPLAY and a persistent wineserver set up). $1: the dist folder.
set -u
dist=$1
setup=$(ls "$dist"/norvel-*-setup.exe) || exit 1
version=${setup##*/norvel-}
version=${version%-setup.exe}
failures=0
check() {
  local what=$1; shift
  if "$@"; then echo "ok    $what"; else echo "FAIL  $what"; failures=$((failures + 1)); fi
}
until_true() { # seconds, command...
  local i; for ((i = 0; i < $1 * 4; i++)); do "${@:2}" && return 0; sleep 0.25; done; return 1
}
reg_has() { wine reg query "$1" ${2:+/v "$2"} >/dev/null 2>&1; }
reg_lacks() { ! reg_has "$@"; }
reg_value() { # key, value name ("" for the default value)
  local v=(/v "$2"); [ -z "$2" ] && v=(/ve)
  wine reg query "$1" "${v[@]}" 2>/dev/null | tr -d '\r' | sed -n 's/^ *.* *REG_SZ *//p'
}
equal() { [ "$1" = "$2" ] || { echo "      '$1' is not '$2'"; return 1; }; }
frame_shown() { xwininfo -root -tree | grep -q '"Norvel'; }
frame_gone() { ! frame_shown; }
absent() { [ ! -e "$1" ]; }
lacks_text() { ! grep -q "$1" "$2"; }

check "the zips hold the program, its help file and the portable switch" python3 - "$dist" "$version" <<'EOF'
import struct, sys, zipfile
dist, version = sys.argv[1:]
ok = True
for arch, machine in (("win64", 0x8664), ("win32", 0x14C)):
    with zipfile.ZipFile(f"{dist}/norvel-{version}-{arch}.zip") as z:
        exe = z.read("norvel.exe")
        pe = struct.unpack_from("<I", exe, 0x3C)[0]
        ok &= sorted(z.namelist()) == ["norvel.exe", "norvel.hlp", "norvel.ini"]
        ok &= exe[pe:pe + 4] == b"PE\0\0" and struct.unpack_from("<H", exe, pe + 4)[0] == machine
        ok &= z.read("norvel.ini") == b"[Portable]\r\nEnabled=1\r\n"
        ok &= z.read("norvel.hlp") == open("help/norvel.hlp", "rb").read()
sys.exit(0 if ok else 1)
EOF

key_product='Software\Veldmark\Norvel for Windows 95/NT'
key_version="HKLM\\$key_product\\Version"
key_app_paths='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\NORVEL.EXE'
key_help='HKLM\Software\Microsoft\Windows\Help'
key_uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Norvel'
win_ini=$WINEPREFIX/drive_c/windows/win.ini
programs=$(reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' Programs)
shortcut_folder=$(winepath -u "$programs")/Veldmark
folder='C:\Program Files\Veldmark\Norvel'
folder_lower='c:\program files\veldmark\norvel'
unix_folder=$(winepath -u "$folder")

wine "$setup" /S
check "the program is installed" cmp -s "$unix_folder/norvel.exe" build/package/win64/norvel.exe
check "its help file too" cmp -s "$unix_folder/norvel.hlp" help/norvel.hlp
check "the Start Menu item is where the Explorer page looks" test -f "$shortcut_folder/Norvel.lnk"
check "App Paths names the program" equal "$(reg_value "$key_app_paths" "")" "$folder_lower\\norvel.exe"
check "App Paths names its folder" equal "$(reg_value "$key_app_paths" Path)" "$folder_lower"
check "Apps & Features has the uninstaller" \
  equal "$(reg_value "$key_uninstall" UninstallString)" "\"$folder\\uninstall.exe\""

wine start norvel.exe # found through App Paths
check "the program starts by its App Paths name" until_true 20 frame_shown
wine taskkill /im norvel.exe >/dev/null 2>&1
check "and closes" until_true 20 frame_gone
wine start /unix "$shortcut_folder/Norvel.lnk"
check "the program starts from its Start Menu item" until_true 20 frame_shown
wine taskkill /im norvel.exe >/dev/null 2>&1
check "and closes" until_true 20 frame_gone

# Stand-ins for what the program registers at each save of its settings, added only where it
# has not written them itself (the settings store is not built yet).
stand_ins() {
  reg_has "$key_version" || wine reg add "$key_version" /ve /d "v$version" /f >/dev/null
  reg_has "$key_help" norvel.hlp || wine reg add "$key_help" /v norvel.hlp /d "$1" /f >/dev/null
  grep -q '^Norvel for Windows 95/NT=' "$win_ini" ||
    printf '[Veldmark]\r\nNorvel for Windows 95/NT=v%s\r\n' "$version" >>"$win_ini"
  reg_has "HKCU\\$key_product\\Options" ||
    wine reg add "HKCU\\$key_product\\Options" /v Backup /t REG_DWORD /d 1 /f >/dev/null
}
stand_ins "$folder_lower"

# The uninstaller of Apps & Features copies itself away and returns at once: wait for its end.
wine "$folder\\uninstall.exe" /S
check "the uninstaller finishes" until_true 30 reg_lacks "$key_uninstall"
check "the installed files and folders are gone" absent "$(dirname "$unix_folder")"
check "the Start Menu item and its folder are gone" absent "$shortcut_folder"
check "App Paths is gone" reg_lacks "$key_app_paths"
check "the help file entry is gone" reg_lacks "$key_help" norvel.hlp
check "the version key is gone" reg_lacks 'HKLM\Software\Veldmark'
check "the WIN.INI entry is gone" lacks_text Veldmark "$win_ini"
check "the user's settings stay unless asked" reg_has "HKCU\\$key_product\\Options"

# Elsewhere, with the settings box ticked, uninstalling in place (it waits, and keeps itself).
wine "$setup" /S '/D=C:\Tools\Norvel'
stand_ins 'c:\tools\norvel'
perl -pi -e 's/^\[Veldmark\]\r\n/$&Other=v1\r\n/' "$win_ini"
wine 'C:\Tools\Norvel\uninstall.exe' /S /RemoveSettings '_?=C:\Tools\Norvel'
check "in place, only the uninstaller itself is left" \
  equal "$(ls "$WINEPREFIX/drive_c/Tools/Norvel")" uninstall.exe
check "the user's settings are gone when asked" reg_lacks 'HKCU\Software\Veldmark'
check "the WIN.INI entries of other programs stay" equal "$(grep -c '^Other=v1' "$win_ini")" 1
check "nothing else is left" reg_lacks "$key_uninstall"

echo "package test: $failures failed"
[ "$failures" -eq 0 ]
