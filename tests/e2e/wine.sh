# shellcheck shell=bash
# Wine sessions for the Windows legs of the test command (sourced by bash).
#
#   wine_env PREFIX          exports the environment of every Wine call below
#   wine_prefix_create       makes a fresh prefix (wineboot -i), server stopped
#   wine_server_start        starts a persistent wineserver for the prefix,
#                            and Wine's services with it
#   wine_server_stop         stops it and waits until it has exited (user.reg
#                            reaches the disk only then)
#
# A persistent server makes each Wine start cost a tenth of a second instead
# of seconds. Runs are headless: without a display Wine's message boxes return
# at once and its file dialogs report a cancel, so no run can hang on a window.

wine_env() {
  export WINEPREFIX=$1
  WINE_SESSION_PREFIX=$1
  export WINEDEBUG=-all
  # No Mono or Gecko installers: the program needs neither.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  unset DISPLAY WAYLAND_DISPLAY
}

wine_prefix_create() {
  local log="$WINEPREFIX.boot.log"
  mkdir -p "$(dirname "$WINEPREFIX")"
  # wineboot prints a few harmless lines even with WINEDEBUG=-all.
  if ! wineboot -i </dev/null >"$log" 2>&1; then
    echo "wineboot -i failed for $WINEPREFIX:" >&2
    cat "$log" >&2
    return 1
  fi
  wine_server_stop
  [ -f "$WINEPREFIX/system.reg" ] || { echo "no prefix made in $WINEPREFIX" >&2; return 1; }
}

# The first Wine program of a session also starts Wine's own services, which
# live as long as the server and keep whatever output they inherited: started
# here with no output, they cannot hold a caller's pipe open (ctest waits for
# the pipe of the test program to close).
wine_server_start() {
  wineserver -p && wineboot </dev/null >/dev/null 2>&1
}

# Only the server of a prefix set by wine_env: never one that a WINEPREFIX
# inherited from the caller names.
wine_server_stop() {
  [ -n "${WINE_SESSION_PREFIX:-}" ] && [ "${WINEPREFIX:-}" = "$WINE_SESSION_PREFIX" ] &&
    [ -d "$WINEPREFIX" ] || return 0
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}
