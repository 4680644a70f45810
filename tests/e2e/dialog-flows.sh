#!/usr/bin/env bash
# The flows of the real-dialog leg, run under xvfb-run by run-dialog-leg:
#   dialog-flows.sh selftest
#   dialog-flows.sh native|wine NATIVE_PROGRAM WINDOWS_EXE
# Work folder: $TARVEL_LEG_WORK. Exit status 0 when the flow did what it must.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/dialogs.sh
source "$here/dialogs.sh"
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"
work=$TARVEL_LEG_WORK

failures=0
check() {  # message, then a command that must succeed
  local what=$1
  shift
  "$@" && return 0
  echo "  FAIL: $what"
  failures=$((failures + 1))
  return 1
}

# Waits for a background program, bounded; its status in WAITED_STATUS.
wait_program() {
  local pid=$1 _
  for _ in $(seq $((DLG_TIMEOUT * 10))); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "  the program is still running after ${DLG_TIMEOUT}s; windows there:"
    dlg_windows | sed 's/^/    /'
    kill "$pid"
  fi
  WAITED_STATUS=0
  wait "$pid" || WAITED_STATUS=$?
}

# --- Self-test of the helpers -------------------------------------------------

selftest_zenity() {
  local dir=$work/zenity
  mkdir -p "$dir/plans" "$dir/land/Provence3" "$dir/out"
  : >"$dir/plans/Task1.fpl"
  dlg_zenity_env "$dir"
  cd "$dir" || return 1

  zenity --file-selection --title "Open a plan" --file-filter='*.fpl' >"$dir/r1" 2>/dev/null &
  dlg_file_zenity "Open a plan" "$dir/plans/Task1.fpl"
  wait_program $!
  check "zenity open dialog" [ "$WAITED_STATUS:$(cat "$dir/r1")" = "0:$dir/plans/Task1.fpl" ]

  zenity --file-selection --directory --title "Pick a landscape" >"$dir/r2" 2>/dev/null &
  dlg_folder_zenity "Pick a landscape" "$dir/land/Provence3"
  wait_program $!
  check "zenity folder dialog" [ "$WAITED_STATUS:$(cat "$dir/r2")" = "0:$dir/land/Provence3" ]

  zenity --file-selection --save --title "Save the plan" --filename="$dir/plans/Task1_V3.fpl" \
    >"$dir/r3" 2>/dev/null &
  dlg_file_zenity "Save the plan" "$dir/out/Chosen.fpl"
  wait_program $!
  check "zenity save dialog" [ "$WAITED_STATUS:$(cat "$dir/r3")" = "0:$dir/out/Chosen.fpl" ]
}

# Wine's Notepad opens a file through the same Win32 open dialog.
selftest_wine() {
  wine_env "$work/prefix"
  wine_prefix_create || return 1
  export DISPLAY=$XVFB_DISPLAY
  wine_server_start
  dlg_wine_unmanaged
  mkdir -p "$WINEPREFIX/drive_c/Plans"
  echo hello >"$WINEPREFIX/drive_c/Plans/Note.txt"
  wine notepad >/dev/null 2>&1 &
  local pid=$!
  dlg_focus "Untitled - Notepad" >/dev/null || { check "Notepad window" false; return; }
  xdotool key ctrl+o
  dlg_file_wine "Open" 'C:\Plans\Note.txt'
  check "Win32 open dialog" dlg_wait "Note.txt - Notepad" >/dev/null
  kill "$pid" 2>/dev/null
  wine_server_stop
}

# infile_is OUTPUT PATTERN: the program converted a plan whose path ends as
# PATTERN (a regular expression) says.
infile_is() {
  tr -d '\r' <"$1" | grep -q "^ INFILE :  .*$2\$"
}

# --- The no-argument flow of TARVEL ---------------------------------------------

flow() {
  local flavour=$1 native=$2 exe=$3 prog chosen_dir
  e2e_setup "$work" "$native" "$exe" || return 1
  # The reference: the same plan and landscape, converted headless.
  run_tarvel "$flavour" reference -auto -l:Provence3 'C:\Plans\Task1.fpl'
  local reference=$E2E_DRIVE_C/Docs/Condor3/FlightPlans/Task1_V3.fpl
  check "headless reference conversion" [ -s "$reference" ] || return 1

  # From here on Wine must see the display: a server started headless stays
  # headless.
  wine_server_stop
  export DISPLAY=$XVFB_DISPLAY
  wine_server_start
  dlg_wine_unmanaged

  chosen_dir=$E2E_DRIVE_C/Chosen
  mkdir -p "$chosen_dir"
  local dir=$E2E_DRIVE_C/run/dialogs-$flavour
  mkdir -p "$dir"
  if [ "$flavour" = native ]; then
    dlg_zenity_env "$work"
    cp "$native" "$dir/TARVEL"
    prog=(./TARVEL)
  else
    cp "$exe" "$dir/TARVEL.exe"
    prog=(wine ./TARVEL.exe)
  fi
  (cd "$dir" && exec "${prog[@]}") >"$dir.stdout" 2>"$dir.stderr" </dev/null &
  local pid=$!

  # The open dialog starts in the Condor 2 user folder's FlightPlans folder,
  # so the bare name chooses the plan there.
  # A folder that is no landscape is refused: a box titled TARVEL says so and
  # the folder dialog opens again (under Wine OK on the Landscapes folder
  # itself; GTK's chooser opens a folder with subfolders on Return instead of
  # choosing it, so zenity is given an empty one). The output name is typed
  # without its extension, which the program adds.
  if [ "$flavour" = native ]; then
    dlg_file_zenity "TARVEL : Select V2 flight plan" Task1.fpl &&
      dlg_folder_zenity "Select Condor 3 destination landscape" "$chosen_dir" &&
      dlg_focus TARVEL >/dev/null && xdotool key Return &&
      dlg_folder_zenity "Select Condor 3 destination landscape" \
        "$E2E_DRIVE_C/Condor3/Landscapes/Provence3" &&
      dlg_file_zenity "TARVEL : Select V3 flightplan" "$chosen_dir/Chosen"
  else
    # The folder dialog opens at the default folder C:\Condor3\Landscapes\
    # with the program's title as its caption.
    # OK only once the tree has reached the preselected folder.
    dlg_file_wine "TARVEL : Select V2 flight plan" Task1.fpl &&
      dlg_focus "Select Condor 3 destination landscape" >/dev/null && sleep 2 &&
      xdotool key Return && dlg_focus TARVEL >/dev/null && xdotool key Return &&
      dlg_folder_wine "Select Condor 3 destination landscape" Provence3 &&
      dlg_file_wine "TARVEL : Select V3 flightplan" 'C:\Chosen\Chosen'
  fi
  check "$flavour: every dialog came and was answered" [ $? -eq 0 ]
  wait_program "$pid"
  check "$flavour: exit status 0" [ "$WAITED_STATUS" = 0 ]
  check "$flavour: the plan is the one in the Condor 2 FlightPlans folder" \
    infile_is "$dir.stdout" '\\Docs\\Condor\\FlightPlans\\Task1\.fpl'
  check "$flavour: the plan is written where the save dialog said, with .fpl added" \
    [ -s "$chosen_dir/Chosen.fpl" ]
  check "$flavour: nothing written under the name as typed" [ ! -e "$chosen_dir/Chosen" ]
  check "$flavour: the same plan as the headless conversion" cmp -s "$reference" "$chosen_dir/Chosen.fpl"
  [ $failures -eq 0 ] || echo "  (program output: $dir.stdout)"
  names_flow "$flavour" "$dir" "${prog[@]}"
  [ "$flavour" = wine ] && many_plans_wine "$reference"
  e2e_teardown
}

# select_all_wine TITLE FOLDER: in a Win32 open dialog, goes to FOLDER (which
# holds files only) and opens every file in it.
select_all_wine() {
  local id
  id=$(dlg_focus "$1") || return 1
  dlg_type "$2" && sleep 1.5 &&
    xdotool mousemove --window "$id" 160 66 click 1 && sleep "$DLG_PAUSE" &&
    xdotool key shift+End && sleep "$DLG_PAUSE" && xdotool key Return
}

# A plan named in Cyrillic, Задача.fpl, chosen in the open dialog (under
# Windows together with the ASCII Task1.fpl, both selected in the list): each
# is converted with -auto as the headless run converts it by its path.
names_flow() {
  local flavour=$1 dir=$2 out3=$E2E_DRIVE_C/Docs/Condor3/FlightPlans ref=$work/names-reference
  shift 2
  local prog=("$@") plan
  mkdir -p "$ref"
  mv "$out3"/*_V3.fpl "$work/" 2>/dev/null
  run_tarvel "$flavour" names-reference -auto -l:Provence3 'C:\Names\Задача.fpl' 'C:\Names\Task1.fpl'
  mv "$out3/Задача_V3.fpl" "$out3/Task1_V3.fpl" "$ref/" ||
    { check "$flavour: headless conversion of Задача.fpl" false; return; }
  (cd "$dir" && exec "${prog[@]}" -auto -l:Provence3) >"$dir.names.stdout" 2>&1 </dev/null &
  local pid=$! plans=(Задача_V3.fpl)
  if [ "$flavour" = native ]; then
    dlg_file_zenity "TARVEL : Select V2 flight plan" "$E2E_DRIVE_C/Names/Задача.fpl"
  else
    plans+=(Task1_V3.fpl)
    # xdotool cannot type Cyrillic into Wine: the two plans, alone in
    # C:\Names\, are selected in the list (first one clicked, Shift+End).
    select_all_wine "TARVEL : Select V2 flight plan" 'C:\Names\'
  fi
  check "$flavour: the open dialog took the names" [ $? -eq 0 ]
  wait_program "$pid"
  check "$flavour: exit status 0 after choosing Задача.fpl" [ "$WAITED_STATUS" = 0 ]
  for plan in "${plans[@]}"; do
    check "$flavour: $plan written as the headless run writes it" cmp -s "$ref/$plan" "$out3/$plan"
  done
  [ $failures -eq 0 ] || echo "  (program output: $dir.names.stdout)"
}

# Every plan of a large selection in the Win32 open dialog is converted: 200
# plans whose names (180 characters) make the dialog's answer and the joined
# list longer than 32,767 characters. The settings file names the landscape
# and the output names, so the open dialog is the only one.
many_plans_wine() {
  local reference=$1 dir=$E2E_DRIVE_C/run/many-wine many=$E2E_DRIVE_C/Many
  local out=$E2E_DRIVE_C/Docs/Condor3/FlightPlans pad k
  mkdir -p "$dir" "$many"
  pad=$(printf '%0167d' 0 | tr 0 x)
  for k in $(seq -w 1 200); do cp "$E2E_DRIVE_C/Plans/Task1.fpl" "$many/Plan_${k}_$pad.fpl"; done
  cp "$E2E_EXE" "$dir/TARVEL.exe"
  printf 'Landscape=Provence3\r\nDefault_output_files=1\r\n' >"$dir/TARVEL.ini"
  (cd "$dir" && exec wine ./TARVEL.exe) >"$dir.stdout" 2>"$dir.stderr" </dev/null &
  local pid=$!
  check "wine: 200 plans chosen in the open dialog" \
    dlg_all_files_wine "TARVEL : Select V2 flight plan" 'C:\Many'
  wait_program "$pid"
  check "wine, 200 plans: exit status 0" [ "$WAITED_STATUS" = 0 ]
  local converted
  converted=$(find "$out" -name "Plan_*_${pad}_V3.fpl" | wc -l)
  echo "  wine: $converted of 200 plans chosen at once converted"
  check "wine, 200 plans: every plan converted" [ "$converted" = 200 ]
  check "wine, 200 plans: the same plan as the headless conversion" \
    cmp -s "$reference" "$out/Plan_200_${pad}_V3.fpl"
  [ $failures -eq 0 ] || echo "  (program output: $dir.stdout)"
}

XVFB_DISPLAY=$DISPLAY
case ${1:-} in
  selftest)
    selftest_zenity
    selftest_wine
    ;;
  native | wine) flow "$@" ;;
  *) echo "usage: dialog-flows.sh selftest | native|wine NATIVE EXE" >&2; exit 2 ;;
esac
[ $failures -eq 0 ] && echo "  dialogs: ${1} ok"
[ $failures -eq 0 ]
