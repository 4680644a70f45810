# shellcheck shell=bash
# Helpers of the end-to-end runs (sourced by tests/e2e/run-wine-e2e).
#
# One fresh Wine prefix serves every case: fixtures under drive_c (see
# fixtures.py), registry values set with Wine's own reg command. Each run
# gets its own program folder, C:\run\<name>-wine\TARVEL.exe for the Windows
# build (under Wine) and C:\run\<name>-native\TARVEL for the Linux build,
# which reads the same prefix (user.reg and drive_c) as if it ran inside it.
# A run's working folder is its program folder, so its log file lands there.

E2E_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/e2e/wine.sh
source "$E2E_LIB_DIR/wine.sh"

E2E_RUN_TIMEOUT=${E2E_RUN_TIMEOUT:-120}  # seconds for one run of the program
RUN_ENV=()  # extra environment of the next runs (NAME=VALUE ...)
RUN_SETUP=""  # a function given the program folder before each run
RUN_HOME=run  # the folder under C:\ that holds the program folders

# Registry keys of the fixtures.
E2E_KEY_C2='HKCU\Software\Condor2'
E2E_KEY_C3='HKCU\Software\Condor3'
E2E_KEY_SHELL='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'

# e2e_setup WORK NATIVE_EXE WINDOWS_EXE: the prefix, fixtures and registry.
e2e_setup() {
  E2E_WORK=$1
  E2E_NATIVE=$2
  E2E_EXE=$3
  wine_env "$E2E_WORK/prefix"
  E2E_DRIVE_C=$WINEPREFIX/drive_c
  E2E_OUTPUTS=$E2E_WORK/outputs
  wine_prefix_create || return 1
  python3 "$E2E_LIB_DIR/fixtures.py" "$E2E_DRIVE_C" || return 1
  wine_server_start
  reg_set "$E2E_KEY_C2" InstallDir 'C:\Condor2' &&
    reg_set "$E2E_KEY_C3" InstallDir 'C:\Condor3' &&
    reg_set "$E2E_KEY_C2" LastPlayer 'Ann' &&
    reg_set "$E2E_KEY_C3" LastPlayer 'Ann' &&
    reg_set "$E2E_KEY_SHELL" Personal 'C:\Docs' &&
    reg_sync
}

# e2e_teardown: stops the server; the caller removes the work folder.
e2e_teardown() {
  [ -n "${E2E_DRIVE_C:-}" ] && [ -d "$E2E_DRIVE_C/run" ] && unlock_all_folders
  wine_server_stop
}

reg_set() {  # key, value name, text
  wine reg add "$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null ||
    { echo "wine reg add $1 /v $2 failed" >&2; return 1; }
}

reg_delete() {  # key, value name
  wine reg delete "$1" /v "$2" /f >/dev/null ||
    { echo "wine reg delete $1 /v $2 failed" >&2; return 1; }
}

# Writes the registry to user.reg (the Linux build reads that file); the
# server keeps it in memory until it exits.
reg_sync() {
  wine_server_stop
  wine_server_start
}

# --- Runs -----------------------------------------------------------------

# run_tarvel FLAVOUR NAME ARGS...: runs the program (FLAVOUR wine or native)
# in a fresh program folder, C:\$RUN_HOME\NAME-FLAVOUR, and sets
#   RUN_DIR    the program folder (Linux path), also the working folder
#   RUN_FLAVOUR the flavour
#   RUN_OUT    standard output with the CR of each line removed
#   RUN_ERR    error output
#   RUN_STATUS the exit status (124 when the run was stopped by the timeout)
# Extra environment for the run: RUN_ENV=(NAME=VALUE ...).
run_tarvel() {
  local flavour=$1 name=$2
  shift 2
  RUN_DIR=$E2E_DRIVE_C/$RUN_HOME/$name-$flavour
  RUN_OUT=$RUN_DIR.stdout
  RUN_ERR=$RUN_DIR.stderr
  mkdir -p "$RUN_DIR"
  local prog
  case $flavour in
    wine) prog=./TARVEL.exe; cp "$E2E_EXE" "$RUN_DIR/TARVEL.exe" ;;
    native) prog=./TARVEL; cp "$E2E_NATIVE" "$RUN_DIR/TARVEL" ;;
    *) echo "unknown flavour $flavour" >&2; return 2 ;;
  esac
  if [ -n "$RUN_SETUP" ]; then "$RUN_SETUP" "$RUN_DIR"; fi
  local launcher=()
  [ "$flavour" = wine ] && launcher=(wine)
  RUN_FLAVOUR=$flavour
  RUN_STATUS=0
  # A UTF-8 locale unless RUN_ENV says otherwise: Wine reads the arguments
  # and the Linux file names in the locale's character set.
  (cd "$RUN_DIR" && env LANG=C.UTF-8 LC_ALL= LC_MESSAGES= "${RUN_ENV[@]}" \
    timeout "$E2E_RUN_TIMEOUT" "${launcher[@]}" "$prog" "$@") \
    >"$RUN_OUT.raw" 2>"$RUN_ERR" </dev/null || RUN_STATUS=$?
  sed 's/\r$//' "$RUN_OUT.raw" >"$RUN_OUT"
  [ "$RUN_STATUS" -ne 124 ] || fail "$flavour run stopped after ${E2E_RUN_TIMEOUT}s: $*"
}

# The log file of the last run (the newest one in its folder), or nothing.
run_log() {
  local logs=("$RUN_DIR"/TARVEL_*.log)
  [ -e "${logs[0]}" ] && ls -t "${logs[@]}" | head -n 1
}

expect_log_has() {  # bytes, as expect_file_has
  local log
  log=$(run_log)
  if [ -z "$log" ]; then fail "no log file in $RUN_DIR"; else expect_file_has "$log" "$1"; fi
}

# log_text FLAVOUR TEXT: TEXT (Windows-1252 bytes, as the program holds its
# French texts) as the FLAVOUR's log file spells it: UTF-8 in both builds.
log_text() {
  printf '%s' "$2" | iconv -f CP1252 -t UTF-8
}

# keep_output FLAVOUR NAME FILE: moves an output plan out of the prefix, to
# $E2E_OUTPUTS/NAME-FLAVOUR/, so that later runs and checks do not see it;
# prints the new path.
keep_output() {
  local dir=$E2E_OUTPUTS/$2-$1
  mkdir -p "$dir" && mv "$3" "$dir/" && echo "$dir/$(basename "$3")"
}

# run_output_normalized: the standard output of the last run (UTF-8 in both
# builds when it goes to a file), with the program folder and the log file's
# time stamp replaced by fixed words, so that the runs of both builds can be
# compared line by line.
run_output_normalized() {
  local out folder
  out=$(cat "$RUN_OUT")
  # The folder as each build spells it: C:\run\NAME under Wine, the Linux
  # path with backslashes for the Linux build.
  folder="C:\\$RUN_HOME\\$(basename "$RUN_DIR")"
  out=${out//"$folder"/<program>}
  folder=${RUN_DIR//\//\\}
  out=${out//"$folder"/<program>}
  printf '%s\n' "$out" | sed 's/TARVEL_[0-9_-]*\.log/TARVEL_<time>.log/g'
}

# --- The French locale ------------------------------------------------------

# Wine takes the user's language from the C library's locale, so a French
# run needs fr_FR.UTF-8 to exist; it is generated once into the work folder.
french_env() {
  local dir=$E2E_WORK/locale
  if [ ! -d "$dir/fr_FR.UTF-8" ]; then
    mkdir -p "$dir"
    localedef -i fr_FR -f UTF-8 "$dir/fr_FR.UTF-8" 2>"$dir/localedef.err" || {
      cat "$dir/localedef.err" >&2
      return 1
    }
  fi
  RUN_ENV=(LOCPATH="$dir" LANG=fr_FR.UTF-8 LC_ALL= LC_MESSAGES=)
}

# --- Read-only folders ------------------------------------------------------

# As root a folder without write bits stays writable, so the folder is also
# made immutable (chattr +i) when that is needed; unlock_all_folders undoes it.
lock_folder() {
  chmod a-w "$1"
  if touch "$1/.probe" 2>/dev/null; then
    rm -f "$1/.probe"
    chattr +i "$1" 2>/dev/null || return 1
    ! touch "$1/.probe" 2>/dev/null || { rm -f "$1/.probe"; chattr -i "$1"; return 1; }
  fi
}

unlock_all_folders() {
  local d
  for d in "$E2E_DRIVE_C"/run/*/; do
    chattr -i "$d" 2>/dev/null || true
    chmod u+w "$d" 2>/dev/null || true
  done
}

# --- Checks -----------------------------------------------------------------

# A failed check marks the current case as failed and tells why.
fail() {
  E2E_CASE_OK=0
  echo "    FAIL: $*"
}

expect_status() {  # expected exit status
  [ "$RUN_STATUS" = "$1" ] || fail "exit status $RUN_STATUS, expected $1"
}

# expect_tail LINE...: standard output ends with exactly these lines.
expect_tail() {
  local want got
  want=$(printf '%s\n' "$@")
  got=$(tail -n "$#" "$RUN_OUT")
  if [ "$want" != "$got" ]; then
    fail "standard output does not end as expected"
    diff <(echo "$want") <(echo "$got") | sed 's/^/      /'
    echo "      (whole output: $RUN_OUT)"
  fi
}

# expect_file_has FILE BYTES: FILE holds BYTES, compared byte for byte (pass
# a Windows-1252 text as $'trouv\xe9e').
expect_file_has() {
  if [ ! -f "$1" ]; then
    fail "no file $1"
  elif ! LC_ALL=C grep -qF -- "$2" "$1"; then
    fail "$1 does not hold: $2"
  fi
}

expect_no_output_plans() {
  local found
  found=$(find "$E2E_DRIVE_C" -name '*_V3.fpl' | head -n 5)
  [ -z "$found" ] || fail "output plans were written: $found"
}

# --- Cases ------------------------------------------------------------------

E2E_PASSED=0
E2E_FAILED=0
E2E_FAILED_NAMES=()

# e2e_case NAME FUNCTION: runs one case and counts it. With E2E_ONLY set (an
# extended regular expression), only the cases whose name matches it run.
e2e_case() {
  if [ -n "${E2E_ONLY:-}" ] && ! [[ $1 =~ $E2E_ONLY ]]; then return 0; fi
  E2E_CASE_OK=1
  echo "--- $1"
  "$2"
  if [ "$E2E_CASE_OK" = 1 ]; then
    E2E_PASSED=$((E2E_PASSED + 1))
    echo "    ok"
  else
    E2E_FAILED=$((E2E_FAILED + 1))
    E2E_FAILED_NAMES+=("$1")
  fi
}
