#!/usr/bin/env bash
# One GUI test of Routewright.exe under Wine, as a user meets the program:
#   gui-test.sh SCENARIO SESSION EXE DRIVER OUTDIR BITS
# SESSION is a running wine-session.sh session; BITS is 32 or 64. Exit 77
# (skipped) when this machine cannot run programs of that width.
set -euo pipefail

scenario=$1 session=$2 exe=$3 driver=$4 outdir=$5 bits=$6
here=$(cd "$(dirname "$0")" && pwd)

# shellcheck source=/dev/null
source "$session/env"
if [ "$bits" = 32 ]; then
  wine=${RW_WINE32:-}
  if [ -z "$wine" ]; then
    echo "SKIPPED: this machine cannot run 32-bit Windows programs (its kernel runs no 32-bit code)"
    exit 77
  fi
else
  wine=$RW_WINE64
fi

app_pid=
log=$outdir/gui-$scenario.log
: >"$log"

driver() { $wine "$driver" "$@"; }

start_app() {
  $wine "$exe" "$@" >>"$log" 2>&1 &
  app_pid=$!
  driver wait-window
}

# Waits for a process of ours to end and gives its exit code.
wait_exit() {
  local pid=$1 deadline=$((SECONDS + ${2:-30}))
  while kill -0 "$pid" 2>/dev/null; do
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "FAIL: process $pid did not end in time" >&2
      return 124
    fi
    sleep 0.1
  done
  local code=0
  wait "$pid" || code=$?
  return "$code"
}

cleanup() {
  if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

# Ctrl+E (or the way given) ends the program with exit code 0.
close_app() {
  if [ $# -eq 0 ]; then driver ctrl e; else driver close "$1"; fi
  local code=0
  wait_exit "$app_pid" || code=$?
  app_pid=
  if [ "$code" -ne 0 ]; then
    echo "FAIL: Routewright.exe ended with exit code $code after ${1:-Ctrl+E}" >&2
    return 1
  fi
  driver wait-gone
}

screenshot() { bash "$here/wine-session.sh" screenshot "$session" "$outdir/$1"; }

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

case $scenario in
  startup)
    start_app
    driver check-main
    driver check-strings "$(windows_path "$exe")"
    screenshot main-window.png
    close_app
    ;;
  extend)
    start_app
    driver check-extend extended
    screenshot main-window-extended.png
    driver check-extend normal
    close_app
    ;;
  second-instance)
    start_app
    driver minimize
    # The second start restores the first, drops its argument and ends with 0.
    second=0
    $wine "$exe" "$(windows_path "$outdir/no-such-plan.txt")" >>"$log" 2>&1 &
    wait_exit $! 30 || second=$?
    if [ "$second" -ne 0 ]; then
      echo "FAIL: the second start ended with exit code $second" >&2
      exit 1
    fi
    driver check-restored
    close_app
    ;;
  reset-dialog)
    start_app
    driver check-reset
    close_app cancel-button
    ;;
  close-box)
    start_app
    close_app close-box
    ;;
  settings)
    # The settings of a configuration file in the prefix's Windows folder.
    config=$WINEPREFIX/drive_c/windows/Routewright.cfg
    trap 'rm -f "$config"; cleanup' EXIT
    printf '%s\r\n' '[DefFlightType]' 'Flighttype=1' '[DefRouteType]' 'Routetype=3' \
      '[SrceFile]' 'Pathname=C:\Plans\zurich-geneva.txt' 'Filename=zurich-geneva.txt' \
      '[DestFile]' 'Pathname=C:\Out\LSZH-LSGG.pln' 'Filename=LSZH-LSGG.pln' \
      '[Startup]' 'FilterIndex=4' >"$config"
    start_app
    driver check-checked 1002,1003 1003
    driver check-checked 1005,1006,1007,1008 1007
    driver check-field 1010 'C:\Plans\zurich-geneva.txt'
    driver check-field 1013 'C:\Out\LSZH-LSGG.pln'
    driver check-caption 'Routewright - zurich-geneva.txt'
    close_app
    # Closing writes the recent files and the Save-as type back.
    program_folder=$(windows_path "$(dirname "$exe")")
    for line in "Pathname=$program_folder\\Fsb_apts.txt" 'Filename=Fsb_apts.txt' \
        'Pathname=C:\Plans\zurich-geneva.txt' 'Filename=zurich-geneva.txt' \
        'Pathname=C:\Out\LSZH-LSGG.pln' 'Filename=LSZH-LSGG.pln' 'FilterIndex=4'; do
      if ! tr -d '\r' <"$config" | grep -qixF -- "$line"; then
        echo "FAIL: $config lacks the line $line:" >&2
        cat "$config" >&2
        exit 1
      fi
    done
    ;;
  profile-differential)
    # The system's private-profile services give the answers and the file
    # that the command-line program's INI file is tested against.
    probe=$(dirname "$driver")/rwprobe.exe
    file=$outdir/profile-differential.cfg
    $wine "$probe" profile-script "$(windows_path "$file")" | tr -d '\r' >"$outdir/profile-transcript.txt"
    diff -u "$here/../data/profile/transcript.txt" "$outdir/profile-transcript.txt"
    cmp "$here/../data/profile/final.ini" "$file"
    ;;
  plans-bytes)
    # The Windows build writes the golden plans byte for byte: the rounding
    # of ties, CR LF line ends, the binary records, the date of
    # SOURCE_DATE_EPOCH; a plan replaces an earlier file, and a plan that
    # fails part-way leaves the earlier file and no temporary file.
    probe=$(dirname "$driver")/rwprobe.exe
    plans=$outdir/plans-bytes
    rm -rf "$plans"
    mkdir -p "$plans"
    $wine "$probe" format-ties | tr -d '\r'
    SOURCE_DATE_EPOCH=1706745600 $wine "$probe" write-plans "$(windows_path "$plans")" | tr -d '\r'
    for plan in msfs.pln acs-gps.prg radar-contact.apl squawkbox.sbp sfp.pln nav.pln; do
      cmp "$here/../data/plans/$plan" "$plans/$plan"
    done
    cmp "$here/../data/plans/squawkbox.sbp" "$plans/replace.sbp"
    if [ "$(cat "$plans/kept.pln")" != "earlier plan" ]; then
      echo "FAIL: the plan that failed part-way changed the earlier file" >&2
      exit 1
    fi
    leftovers=$(find "$plans" -name '~rwplan*')
    if [ -n "$leftovers" ]; then
      echo "FAIL: temporary files left: $leftovers" >&2
      exit 1
    fi
    # The system's long date of 1 February 2024, 00:00 UTC, in the prefix's locale.
    date=$($wine "$probe" long-date 1706745600 | tr -d '\r')
    echo "long date: $date"
    case $date in
      *2024*) ;;
      *) echo "FAIL: the long date of the system reads \"$date\"" >&2; exit 1 ;;
    esac
    ;;
  simulator-folder)
    probe=$(dirname "$driver")/rwprobe.exe
    keys='HKLM\SOFTWARE\Microsoft\Microsoft Games\Flight Simulator'
    forget() { for v in 7.0 8.0; do $wine reg delete "$keys\\$v" /f >/dev/null 2>&1 || true; done; }
    trap 'forget; cleanup' EXIT
    expect() {
      local got
      got=$($wine "$probe" find-simulator | tr -d '\r')
      if [ "$got" != "$1" ]; then
        echo "FAIL: simulator folder \"$got\", expected \"$1\"" >&2
        exit 1
      fi
    }
    forget
    expect none
    $wine reg add "$keys\\8.0" /v 'EXE Path' /d 'C:\FS2002' /f >/dev/null
    expect 'C:\FS2002'
    $wine reg add "$keys\\7.0" /v path /d 'C:\FS2000' /f >/dev/null
    expect 'C:\FS2000'
    ;;
  convert)
    # One conversion as a user makes it: Open a plan through the open dialog,
    # see it built with the worldwide airport data, pick a runway, switch
    # legs, Save as one plan and Save the formats switched on, then close
    # with the plan unsaved: Cancel keeps the program, No ends it.
    work=$outdir/convert
    rm -rf "$work"
    mkdir -p "$work/dest" "$work/saveas" "$work/bulk/msfs" "$work/bulk/sqb"
    config=$WINEPREFIX/drive_c/windows/Routewright.cfg
    trap 'rm -f "$config"; cleanup' EXIT
    printf '%s\r\n' '[Startup]' 'MSFS=1' 'SQB=1' \
      '[DefMSFSDir]' "Pathname=$(windows_path "$work/bulk/msfs")" \
      '[DefSQBDir]' "Pathname=$(windows_path "$work/bulk/sqb")" \
      '[DefDestDir]' "Pathname=$(windows_path "$work/dest")" >"$config"
    start_app
    driver click 1011
    driver file-dialog 'Open Flight plan file' "$(windows_path "$here/../../samples/swiss-tour.txt")"
    driver wait-tabs 5
    driver check-caption 'Routewright - swiss-tour.txt'
    driver check-field 1015 LSZH
    driver check-field 1016 LSZB
    driver check-field 1024 Bern_Airport
    driver check-field 1020 LSZH-WIL-LSZB
    driver check-field 1061 7000
    driver check-field 1013 "$(windows_path "$work/dest/swiss-tour.pln")"
    # LSZH's runways with the preferred 16 chosen, LSZB's with its first.
    driver check-list 1021 '10 28 |14 32 |16 34 ' '16 34 '
    driver check-list 1022 '14 32 |14L 32R |14R 32L ' '14 32 '
    driver select-list 1022 2
    driver tab 1
    driver check-field 1015 LSZB
    driver check-field 1016 LSGS
    driver check-field 1023 Bern_Airport
    driver check-field 1024 Sion_Airport
    driver check-field 1020 LSZB-FRU-LSGS
    driver check-list 1021 '14 32 |14L 32R |14R 32L ' '14 32 '
    driver tab 0
    driver check-field 1016 LSZB
    driver check-list 1022 '14 32 |14L 32R |14R 32L ' '14R 32L '
    driver check-extend extended
    driver click 1104
    driver settle
    screenshot built-route.png
    # Save as: the simulator plan of the first leg, byte for byte.
    driver click 1014
    driver file-dialog 'Save as... Flight plan' "$(windows_path "$work/saveas/swiss-tour.pln")"
    driver answer ok 'MS Flight Simulator Flight-Plan swiss-tour.pln successfully created!'
    cmp "$here/../data/gui/swiss-tour.pln" "$work/saveas/swiss-tour.pln"
    # Save: the two formats switched on, each in its folder.
    driver click 1030
    driver answer ok 'MS Flight Simulator Flight-Plan swiss-tour.pln successfully created!'
    driver answer ok 'SquawkBox Flight-Plan swiss-tour.sbp successfully created!'
    cmp "$here/../data/gui/swiss-tour.pln" "$work/bulk/msfs/swiss-tour.pln"
    if [ "$(tr -d '\r' <"$work/bulk/sqb/swiss-tour.sbp")" != "$(printf 'LSZH:LSZB:0\nV:WIL:47.178667:7.904500:0:7000:1671:238')" ]; then
      echo "FAIL: the SquawkBox plan reads:" >&2
      cat "$work/bulk/sqb/swiss-tour.sbp" >&2
      exit 1
    fi
    # A new Build leaves the plan unsaved.
    written=$(find "$work" -type f -printf '%p %T@\n' | sort)
    driver click 1019
    driver ctrl e
    driver answer cancel 'Flight-Plan swiss-tour.pln not saved yet!'
    driver check-open
    close_app_answering() {
      driver ctrl e
      driver answer "$1" 'Flight-Plan swiss-tour.pln not saved yet!'
      local code=0
      wait_exit "$app_pid" || code=$?
      app_pid=
      [ "$code" -eq 0 ] || { echo "FAIL: exit code $code" >&2; exit 1; }
    }
    close_app_answering no
    if [ "$(find "$work" -type f -printf '%p %T@\n' | sort)" != "$written" ]; then
      echo "FAIL: closing without saving wrote files" >&2
      exit 1
    fi
    ;;
  batch-command-line)
    # Two plans named on the command line with two formats switched on: the
    # progress window counts them, both are written quietly, message 11
    # reports 2 and the program ends with 0. The data file is missing at
    # first, so the first plan waits at the question whether to look for
    # it; the file dialog then finds it.
    work=$outdir/batch-command-line
    rm -rf "$work"
    mkdir -p "$work/msfs" "$work/sqb"
    config=$WINEPREFIX/drive_c/windows/Routewright.cfg
    trap 'rm -f "$config"; cleanup' EXIT
    printf '%s\r\n' '[Startup]' 'MSFS=1' 'SQB=1' \
      '[AirpFile]' "Pathname=$(windows_path "$work/missing/Fsb_apts.txt")" \
      '[DefMSFSDir]' "Pathname=$(windows_path "$work/msfs")" \
      '[DefSQBDir]' "Pathname=$(windows_path "$work/sqb")" >"$config"
    $wine "$exe" "$(windows_path "$here/../../samples/zurich-geneva.txt")" \
      "$(windows_path "$here/../../samples/swiss-tour.txt")" >>"$log" 2>&1 &
    app_pid=$!
    seen=$(driver watch-batch | tr -d '\r')
    # The rest of the batch runs as soon as the file is chosen: the driver
    # goes on watching in the same run.
    seen+=$'\n'$(driver answer yes 'Failed to open Airport/Runway Data file Fsb_apts.txt!' + \
      file-dialog 'Open Airport/Runway data file' "$(windows_path "$outdir/Fsb_apts.txt")" + \
      watch-batch | tr -d '\r')
    driver answer ok $'Drag n Drop operation completed\na Total of 2 Flightplans where processed!'
    code=0
    wait_exit "$app_pid" || code=$?
    app_pid=
    if [ "$code" -ne 0 ]; then
      echo "FAIL: the batch ended with exit code $code" >&2
      exit 1
    fi
    expected=$'1 of 2 zurich-geneva.txt\n2 of 2 swiss-tour.txt'
    if [ "$(printf '%s\n' "$seen" | awk '/ of / && !dup[$0]++')" != "$expected" ]; then
      echo "FAIL: the progress window showed:" >&2
      printf '%s\n' "$seen" >&2
      exit 1
    fi
    for plan in msfs/zurich-geneva.pln sqb/zurich-geneva.sbp msfs/swiss-tour.pln sqb/swiss-tour.sbp; do
      [ -s "$work/$plan" ] || { echo "FAIL: $plan was not written" >&2; exit 1; }
    done
    cmp "$here/../data/gui/swiss-tour.pln" "$work/msfs/swiss-tour.pln"
    ;;
  drop)
    # Three files dropped on the main window as the shell drops them: each
    # built and saved behind the progress window, message 11 reports 3, and
    # Overwrite and Quietmode are off again afterwards: the next Save asks
    # before replacing a plan and tells its success. The SquawkBox folder is
    # missing, so each file's failure messages hold the batch while the
    # progress window shows that file, and the batch goes on after them.
    work=$outdir/drop
    rm -rf "$work"
    mkdir -p "$work/msfs"
    config=$WINEPREFIX/drive_c/windows/Routewright.cfg
    trap 'rm -f "$config"; cleanup' EXIT
    printf '%s\r\n' '[Startup]' 'MSFS=1' 'SQB=1' \
      '[DefMSFSDir]' "Pathname=$(windows_path "$work/msfs")" \
      '[DefSQBDir]' "Pathname=$(windows_path "$work/no-such-folder")" >"$config"
    start_app
    samples=$here/../../samples
    driver drop "$(windows_path "$samples/swiss-tour.txt")" \
      "$(windows_path "$samples/geneva-basel.txt")" "$(windows_path "$samples/zurich-lugano.txt")"
    seen=
    for plan in swiss-tour geneva-basel zurich-lugano; do
      seen+=$(driver watch-batch | tr -d '\r')$'\n'
      driver answer ok "Failed to create SquawkBox Flight plan $plan.sbp" + \
        answer ok "SquawkBox Flight-Plan $plan.sbp could not be created!"
    done
    driver answer ok $'Drag n Drop operation completed\na Total of 3 Flightplans where processed!'
    expected=$'1 of 3 swiss-tour.txt\n2 of 3 geneva-basel.txt\n3 of 3 zurich-lugano.txt\n'
    if [ "$seen" != "$expected" ]; then
      echo "FAIL: the progress window showed:" >&2
      printf '%s\n' "$seen" >&2
      exit 1
    fi
    for plan in swiss-tour geneva-basel zurich-lugano; do
      [ -s "$work/msfs/$plan.pln" ] || { echo "FAIL: $plan.pln was not written" >&2; exit 1; }
    done
    driver check-caption 'Routewright - zurich-lugano.txt'
    driver click 1030
    driver answer yes 'An MS Flight Simulator Flight plan zurich-lugano.pln already exists!'
    driver answer ok 'MS Flight Simulator Flight-Plan zurich-lugano.pln successfully created!' + \
      answer ok 'Failed to create SquawkBox Flight plan zurich-lugano.sbp' + \
      answer ok 'SquawkBox Flight-Plan zurich-lugano.sbp could not be created!'
    close_app
    ;;
  autogen-none)
    # Without generated names the program converts no command-line file:
    # the main window only opens.
    work=$outdir/autogen-none
    rm -rf "$work"
    mkdir -p "$work/msfs"
    config=$WINEPREFIX/drive_c/windows/Routewright.cfg
    trap 'rm -f "$config"; cleanup' EXIT
    printf '%s\r\n' '[Startup]' 'Autogen=3' 'MSFS=1' \
      '[DefMSFSDir]' "Pathname=$(windows_path "$work/msfs")" >"$config"
    start_app "$(windows_path "$here/../../samples/zurich-geneva.txt")"
    driver check-field 1010 'Please select a valid path and filename'
    driver check-open
    close_app
    if [ -n "$(find "$work" -type f)" ]; then
      echo "FAIL: a plan was written with Autogen 3" >&2
      exit 1
    fi
    ;;
  help)
    # Help Topics opens the help viewer on the program's own help file.
    start_app
    driver click 1110
    title=$(driver wait-class "HH Parent" | tr -d '\r')
    if [ "$title" != "Routewright Help" ]; then
      echo "FAIL: the help viewer is titled \"$title\"" >&2
      exit 1
    fi
    screenshot help-viewer.png
    close_app
    ;;
  *)
    echo "unknown scenario $scenario" >&2
    exit 2
    ;;
esac
echo "PASS: $scenario ($bits-bit)"
