# Sourced by ./run and ./test: a display, a Wine prefix and a persistent wineserver.
# Sets DISPLAY (starting Xvfb when none is set) and NORVEL_WINEPREFIX; norvel_session_end undoes it.

norvel_xvfb_pid=""
norvel_busy_pid=""

norvel_start_display() {
  if [ -n "${DISPLAY:-}" ]; then return 0; fi
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] && continue
    # A session of its own: Ctrl+C in the terminal must not take the display away under the
    # program (Wine would print X errors); the caller stops it after the Wine processes.
    setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    norvel_xvfb_pid=$!
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X${n}" ] && break
      sleep 0.1
    done
    if kill -0 "$norvel_xvfb_pid" 2>/dev/null; then
      export DISPLAY=":$n"
      echo "No DISPLAY set: started a virtual display (Xvfb) on $DISPLAY"
      return 0
    fi
  done
  echo "Could not start Xvfb" >&2
  return 1
}

# Runs "$@" in the background, its output discarded, and prints a dot every few seconds until
# it ends, so that a long silent step does not look like a hang.
norvel_with_dots() {
  # A process group of its own: Ctrl+C in the terminal leaves it to the caller's trap, which
  # ends the whole group, Wine processes included, before they can start a server again.
  set -m
  "$@" >/dev/null 2>&1 &
  set +m
  norvel_busy_pid=$!
  local pid=$! ticks=0
  while kill -0 "$pid" 2>/dev/null; do
    sleep 0.5
    ticks=$((ticks + 1))
    [ $((ticks % 6)) -eq 0 ] && printf .
  done
  wait "$pid"
  norvel_busy_pid=""
  echo " done"
}

norvel_create_prefix() {
  wine wineboot --init
  wineserver -w
  # No window manager under Xvfb: unmanaged windows close at once instead of after a 2 s wait.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
  wineserver -w
}

# $1: prefix folder; $2: "fresh" to start from an empty prefix.
norvel_prepare_prefix() {
  export NORVEL_WINEPREFIX=$1
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # A preparation cut short (Ctrl+C) leaves this mark: that prefix is half made, start again.
  local mark="$1/.norvel-preparing"
  if [ "${2:-}" = fresh ] || [ -e "$mark" ]; then
    wineserver -k 2>/dev/null || true
    rm -rf "$1"
  fi
  if [ ! -f "$1/system.reg" ]; then
    mkdir -p "$1"
    : >"$mark"
    if [ "${2:-}" = fresh ]; then
      printf 'Preparing a fresh Wine environment (about a minute) '
    else
      printf 'Preparing the Wine environment (first run only, about a minute) '
    fi
    norvel_with_dots norvel_create_prefix
    rm -f "$mark"
  fi
  # Wine's own fonts (Marlett draws the caption buttons) are not found in Debian's data folder:
  # give the prefix a copy.
  if [ -d /usr/share/wine/fonts ] && [ -d "$1/drive_c/windows/Fonts" ]; then
    cp -n /usr/share/wine/fonts/*.ttf "$1/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  # One wineserver for the whole session: each Wine process then starts in a tenth of a second.
  wineserver -p
  # The first Wine process of a server starts Wine's services (services.exe, winedevice.exe,
  # plugplay.exe, ...), which live as long as the server and inherit that process's output.
  # Started here with no output, so that they do not hold ctest's pipe of the first test open
  # (ctest would wait for its end of file until the test's timeout, then fail it).
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}

# A printer for the prefix, the "PDF Folder Printer", made the default: Wine's PostScript driver
# on a port that pipes each job to tools/printer/spool-to-pdf, which leaves job-N.ps, job-N.pdf
# and job-N.txt in the folder $2. $1: add_pdf_printer.exe. Exports NORVEL_PRINT_OUTPUT=$2.
norvel_add_printer() {
  local tools
  tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  mkdir -p "$2"
  export NORVEL_PRINT_OUTPUT=$2
  wine "$1" "$(winepath -w "$tools/printer/pdf-folder.ppd" 2>/dev/null)" \
       "|'$tools/printer/spool-to-pdf' '$2'" </dev/null
}

norvel_session_end() {
  if [ -n "$norvel_busy_pid" ]; then kill -- "-$norvel_busy_pid" 2>/dev/null || true; fi
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
  if [ -n "$norvel_xvfb_pid" ]; then kill "$norvel_xvfb_pid" 2>/dev/null || true; fi
}
