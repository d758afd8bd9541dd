#!/usr/bin/env bash
# A private Wine prefix and X display for the GUI tests.
#
#   wine-session.sh start SESSION        prefix, Xvfb and a persistent wineserver; writes SESSION/env
#   wine-session.sh stop SESSION         ends what start began (by PID / by prefix only)
#   wine-session.sh status SESSION       exit 0 when the session is running
#   wine-session.sh screenshot SESSION FILE.png
#   wine-session.sh can-run-32 SESSION   exit 0 when 32-bit Windows programs run here
#
# Tests source SESSION/env and run "$RW_WINE64 prog.exe" (or $RW_WINE32 when set).
# Logs stay in SESSION/: xvfb.log, wineboot.log, wineserver.log, wine.log, probe32.log.
set -euo pipefail
shopt -s nullglob

readonly SCREEN=1024x768x24
readonly DESKTOP_SIZE=1024x768
readonly READY_MARK=.routewright-ready
readonly PROBE_EXIT=42

die() { echo "wine-session: $*" >&2; exit 1; }
note() { echo "wine-session: $*"; }

usage() {
  sed -n '2,11s/^# \{0,1\}//p' "$0" >&2
  exit 2
}

# Single-quoted for the env file, whatever the value holds.
quote() { printf "'%s'" "${1//\'/\'\\\'\'}"; }

# First candidate that exists and is executable.
first_exe() {
  local c
  for c in "$@"; do
    if [ -n "$c" ] && [ -x "$c" ]; then echo "$c"; return 0; fi
  done
  return 1
}

find_tools() {
  WINE64=$(first_exe /usr/lib/wine/wine64 "$(command -v wine64 || true)" "$(command -v wine || true)") ||
    die "no Wine loader found (install wine64)"
  # Debian's /usr/bin/wineserver wrapper forces -p0, so prefer the binary itself.
  WINESERVER_BIN=$(first_exe /usr/lib/wine/wineserver64 "$(command -v wineserver || true)") ||
    die "no wineserver found"
  XVFB=$(command -v Xvfb) || die "Xvfb not found (install xvfb)"
}

# Sets PROC_STATE and PROC_START (start time in clock ticks) for a PID; fails if there is none.
proc_info() {
  local stat rest
  local -a f
  [ -n "${1:-}" ] && stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
  rest=${stat##*) }
  read -r -a f <<<"$rest"
  PROC_STATE=${f[0]}
  PROC_START=${f[19]}
}

# Alive, not a zombie (the reaper here may be slow), and still the process we started.
is_ours() {
  local pid=$1 start=$2 exe=$3
  proc_info "$pid" || return 1
  [ "$PROC_STATE" != Z ] && [ "$PROC_START" = "$start" ] || return 1
  [ "$(readlink -f "/proc/$pid/exe" 2>/dev/null)" = "$(readlink -f "$exe")" ]
}

# Polls a command until it succeeds or SECONDS run out.
wait_for() {
  local secs=$1; shift
  local deadline=$((SECONDS + secs))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

not_running() { ! is_ours "$@"; }

# Ends one of our processes: TERM, then KILL if it lingers.
end_process() {
  local pid=$1 start=$2 exe=$3 name=$4
  is_ours "$pid" "$start" "$exe" || return 0
  kill -TERM "$pid" 2>/dev/null || true
  if ! wait_for 15 not_running "$pid" "$start" "$exe"; then
    kill -KILL "$pid" 2>/dev/null || true
    wait_for 5 not_running "$pid" "$start" "$exe" || die "$name (PID $pid) does not exit"
  fi
}

setup_paths() {
  [ -n "${1:-}" ] || usage
  mkdir -p -- "$1" || die "cannot create session folder $1"
  SESSION=$(cd -- "$1" && pwd -P)
  PREFIX=$SESSION/prefix
  ENV_FILE=$SESSION/env
  export WINEPREFIX=$PREFIX WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# Serialises start/stop on one session; children must not inherit fd 9 (see run_logged).
lock_session() {
  exec 9>"$SESSION/.lock"
  flock -w 300 9 || die "session $SESSION is locked by another start/stop"
}

# Runs a command with bounded time, stdin closed and output to a log, never to our pipes.
run_logged() {
  local secs=$1 log=$2; shift 2
  timeout -k 5 "$secs" "$@" </dev/null >>"$log" 2>&1 9>&-
}

load_env() {
  [ -f "$ENV_FILE" ] || return 1
  # shellcheck disable=SC1090
  . "$ENV_FILE"
}

session_alive() {
  load_env || return 1
  is_ours "${RW_XVFB_PID:-}" "${RW_XVFB_START:-}" "$XVFB" &&
    is_ours "${RW_WINESERVER_PID:-}" "${RW_WINESERVER_START:-}" "$WINESERVER_BIN" &&
    [ -f "$PREFIX/$READY_MARK" ]
}

kill_wineserver() {
  WINESERVER=$WINESERVER_BIN run_logged 30 "$SESSION/wineserver.log" "$WINESERVER_BIN" -k || true
}

# Tears down whatever the env file records; safe when parts are already gone.
teardown() {
  kill_wineserver
  if load_env; then
    if [ -n "${RW_WINESERVER_PID:-}" ] &&
      ! wait_for 30 not_running "$RW_WINESERVER_PID" "${RW_WINESERVER_START:-}" "$WINESERVER_BIN"; then
      end_process "$RW_WINESERVER_PID" "$RW_WINESERVER_START" "$WINESERVER_BIN" wineserver
    fi
    if [ -n "${RW_XVFB_PID:-}" ]; then
      end_process "$RW_XVFB_PID" "${RW_XVFB_START:-}" "$XVFB" Xvfb
    fi
  fi
  rm -f -- "$ENV_FILE"
}

start_xvfb() {
  local log=$SESSION/xvfb.log dfile=$SESSION/xvfb.display cookie
  : >"$dfile"
  XAUTH_FILE=$SESSION/Xauthority
  rm -f -- "$XAUTH_FILE"
  local -a auth=()
  if command -v xauth >/dev/null; then
    cookie=$(od -An -tx1 -N16 /dev/urandom | tr -d ' \n')
    (umask 077 && : >"$XAUTH_FILE")
    # Xvfb loads every cookie in the file; the real display number is added once known.
    xauth -q -f "$XAUTH_FILE" add :65535 . "$cookie" 9>&- || die "xauth failed"
    auth=(-auth "$XAUTH_FILE")
  fi
  # setsid: CTest must not see this process on its pipes or in its process group.
  setsid "$XVFB" -displayfd 3 -screen 0 "$SCREEN" -nolisten tcp -noreset "${auth[@]}" \
    </dev/null >"$log" 2>&1 3>"$dfile" 9>&- &
  XVFB_PID=$!
  proc_info "$XVFB_PID" || die "Xvfb did not start; see $log"
  XVFB_START=$PROC_START
  STARTED_XVFB=1
  # Xvfb writes the display number to the fd once it accepts clients.
  if ! wait_for 30 grep -q '^[0-9][0-9]*$' "$dfile"; then
    die "Xvfb did not come up within 30 s; see $log"
  fi
  is_ours "$XVFB_PID" "$XVFB_START" "$XVFB" || die "Xvfb exited early; see $log"
  DISPLAY_NUM=$(cat "$dfile")
  export DISPLAY=:$DISPLAY_NUM
  if [ ${#auth[@]} -gt 0 ]; then
    xauth -q -f "$XAUTH_FILE" remove :65535 9>&-
    xauth -q -f "$XAUTH_FILE" add "$DISPLAY" . "$cookie" 9>&- || die "xauth failed"
    export XAUTHORITY=$XAUTH_FILE
  fi
}

# Builds the prefix once; a missing ready mark means an earlier try did not finish.
ensure_prefix() {
  local log=$SESSION/wineboot.log
  if [ -f "$PREFIX/$READY_MARK" ] && [ -f "$PREFIX/system.reg" ]; then
    return 0
  fi
  if [ -e "$PREFIX" ]; then
    note "prefix incomplete, rebuilding"
    kill_wineserver
    rm -rf -- "$PREFIX"
  fi
  note "creating Wine prefix (first start only)"
  : >"$log"
  run_logged 300 "$log" "$WINE64" wineboot -i || die "wineboot -i failed; see $log"
  # A virtual desktop gives windows a caption and frame without a window manager.
  run_logged 60 "$log" "$WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f ||
    die "setting the virtual desktop failed; see $log"
  run_logged 60 "$log" "$WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' \
    /v Default /d "$DESKTOP_SIZE" /f || die "setting the desktop size failed; see $log"
  # The registry reaches user.reg only when the (transient) wineserver exits.
  run_logged 120 "$log" "$WINESERVER_BIN" -w || die "wineserver did not finish within 120 s; see $log"
  grep -q "^\"Default\"=\"$DESKTOP_SIZE\"" "$PREFIX/user.reg" ||
    die "virtual desktop not in $PREFIX/user.reg; see $log"
  "$WINE64" --version >"$PREFIX/$READY_MARK" 2>/dev/null || true
}

# Debian's Wine does not load its own fonts from its data folder; without Marlett the
# caption buttons draw as letters. Copied before the wineserver caches the font list.
install_wine_fonts() {
  local dir fonts=$PREFIX/drive_c/windows/Fonts
  local -a files
  for dir in "$(dirname -- "$WINE64")/../../share/wine/fonts" /usr/share/wine/fonts; do
    files=("$dir"/*.ttf "$dir"/*.fon)
    if [ -f "$dir/marlett.ttf" ]; then
      mkdir -p -- "$fonts"
      cp -u -- "${files[@]}" "$fonts/" || die "cannot copy Wine's fonts into $fonts"
      return 0
    fi
  done
  note "Wine's fonts not found (Debian package fonts-wine): caption buttons will show letters"
}

start_wineserver() {
  local log=$SESSION/wineserver.log
  setsid "$WINESERVER_BIN" -f -p </dev/null >>"$log" 2>&1 9>&- &
  WS_PID=$!
  proc_info "$WS_PID" || die "wineserver did not start; see $log"
  WS_START=$PROC_START
  # It listens once its socket exists in its working directory.
  wait_for 30 test -S "/proc/$WS_PID/cwd/socket" || die "wineserver not ready within 30 s; see $log"
  is_ours "$WS_PID" "$WS_START" "$WINESERVER_BIN" || die "wineserver exited early; see $log"
  # Start Wine's own services now, with logs as their output, so the first test doesn't.
  local rc=0
  run_logged 120 "$SESSION/wine.log" "$WINE64" cmd /c exit 5 || rc=$?
  [ "$rc" -eq 5 ] || die "a 64-bit Windows program did not run (exit $rc); see $SESSION/wine.log"
}

# Tries a tiny 32-bit exe with each candidate loader; prints the one that ran it.
probe_32() {
  local log=$SESSION/probe32.log exe=$SESSION/probe32.exe src=$SESSION/probe32.c cand rc
  local -a target
  : >"$log"
  if [ ! -f "$exe" ] && command -v i686-w64-mingw32-gcc >/dev/null; then
    printf 'int main(void) { return %d; }\n' "$PROBE_EXIT" >"$src"
    i686-w64-mingw32-gcc -s -o "$exe" "$src" >>"$log" 2>&1 9>&- || rm -f -- "$exe"
  fi
  if [ -f "$exe" ]; then
    target=("$exe")
  else
    # No cross compiler: Wine's own 32-bit cmd will do.
    target=('C:\windows\syswow64\cmd.exe' /c exit "$PROBE_EXIT")
  fi
  for cand in /usr/lib/wine/wine "$(command -v wine || true)" "$WINE64"; do
    if [ -z "$cand" ] || [ ! -x "$cand" ]; then continue; fi
    echo "== $cand ${target[*]}" >>"$log"
    rc=0
    run_logged 60 "$log" "$cand" "${target[@]}" || rc=$?
    echo "== exit $rc" >>"$log"
    if [ "$rc" -eq "$PROBE_EXIT" ]; then
      echo "$cand"
      return 0
    fi
  done
  return 1
}

write_env() {
  local tmp=$ENV_FILE.tmp var
  {
    for var in DISPLAY XAUTHORITY WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES WINESERVER \
      RW_WINE64 RW_WINE32 RW_XVFB_PID RW_XVFB_START RW_WINESERVER_PID RW_WINESERVER_START; do
      printf 'export %s=%s\n' "$var" "$(quote "${!var:-}")"
    done
  } >"$tmp"
  mv -f -- "$tmp" "$ENV_FILE"
}

# On a failed start, end what this run began.
cleanup_failed_start() {
  [ "${START_DONE:-0}" = 1 ] && return 0
  kill_wineserver
  if [ "${STARTED_XVFB:-0}" = 1 ]; then
    end_process "$XVFB_PID" "$XVFB_START" "$XVFB" Xvfb || true
  fi
  rm -f -- "$ENV_FILE"
}

cmd_start() {
  setup_paths "$@"
  find_tools
  lock_session
  if session_alive; then
    note "reusing session on $DISPLAY"
    return 0
  fi
  teardown
  trap cleanup_failed_start EXIT
  export WINESERVER=$WINESERVER_BIN
  unset XAUTHORITY
  start_xvfb
  ensure_prefix
  install_wine_fonts
  start_wineserver
  # Read by write_env through indirection.
  # shellcheck disable=SC2034
  {
    RW_WINE64=$WINE64
    RW_XVFB_PID=$XVFB_PID RW_XVFB_START=$XVFB_START
    RW_WINESERVER_PID=$WS_PID RW_WINESERVER_START=$WS_START
  }
  RW_WINE32=$(probe_32) || RW_WINE32=
  write_env
  START_DONE=1
  note "ready on $DISPLAY; 32-bit programs: $([ -n "$RW_WINE32" ] && echo "yes ($RW_WINE32)" || echo no)"
}

cmd_stop() {
  setup_paths "$@"
  find_tools
  lock_session
  teardown
  note "stopped"
}

cmd_status() {
  setup_paths "$@"
  find_tools
  if session_alive; then
    note "running on $DISPLAY (Xvfb $RW_XVFB_PID, wineserver $RW_WINESERVER_PID)"
  else
    note "not running"
    return 1
  fi
}

cmd_screenshot() {
  [ $# -eq 2 ] || usage
  setup_paths "$1"
  find_tools
  session_alive || die "session $SESSION is not running"
  timeout 30 /usr/bin/import -window root -display "$DISPLAY" "$2" </dev/null ||
    die "screenshot of $DISPLAY failed"
  [ -s "$2" ] || die "screenshot $2 is empty"
}

cmd_can_run_32() {
  setup_paths "$@"
  find_tools
  session_alive || die "session $SESSION is not running; start it first"
  local loader
  if loader=$(probe_32); then
    note "32-bit programs run with $loader"
  else
    note "32-bit programs cannot run here; see $SESSION/probe32.log"
    return 1
  fi
}

case "${1:-}" in
  start) shift; cmd_start "$@" ;;
  stop) shift; cmd_stop "$@" ;;
  status) shift; cmd_status "$@" ;;
  screenshot) shift; cmd_screenshot "$@" ;;
  can-run-32) shift; cmd_can_run_32 "$@" ;;
  *) usage ;;
esac
