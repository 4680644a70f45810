# shellcheck shell=bash
# Driving real dialogs under Xvfb with xdotool, as a user would (sourced by
# bash inside xvfb-run). There is no window manager: windows are found by
# their exact title, focused with windowfocus, and answered with keys.
#
#   dlg_zenity_env DIR      environment for zenity (GTK) in a fresh HOME
#   dlg_wine_unmanaged      Wine windows without the window manager's frame
#   dlg_wait TITLE          waits for a visible window, prints its id
#   dlg_windows             the visible windows, one "id: title" a line
#   dlg_file_zenity TITLE PATH       answers a zenity open or save dialog
#   dlg_file_wine TITLE PATH         answers a Win32 open or save dialog
#   dlg_files_wine TITLE FOLDER NAME...  several files in a Win32 open dialog
#   dlg_all_files_wine TITLE FOLDER  every file of FOLDER in a Win32 open dialog
#   dlg_folder_zenity TITLE PATH     answers a zenity folder dialog
#   dlg_folder_wine TITLE NAME...    answers a Win32 folder dialog, going down
#                                    from its preselected folder
# Every wait is bounded (DLG_TIMEOUT seconds); a window that does not come
# fails the caller with the list of the windows that are there.

DLG_TIMEOUT=${DLG_TIMEOUT:-30}
DLG_PAUSE=${DLG_PAUSE:-0.3}  # seconds between keys that start work in a dialog

# zenity in a fresh HOME: settings from a key file (no dconf service), no
# accessibility bus, and file choosers that open in the working folder
# rather than in "Recent".
dlg_zenity_env() {
  export HOME=$1/home
  export GSETTINGS_BACKEND=keyfile
  export NO_AT_BRIDGE=1
  export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
  export XDG_CACHE_HOME=$HOME/.cache XDG_RUNTIME_DIR=$1/runtime
  mkdir -p "$HOME/.config/glib-2.0/settings" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  printf '%s\n' '[org/gtk/settings/file-chooser]' "startup-mode='cwd'" \
    >"$HOME/.config/glib-2.0/settings/keyfile"
}

# Wine windows that the (absent) window manager does not manage start in half
# a second instead of two and a half.
dlg_wine_unmanaged() {
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
}

dlg_windows() {
  local id
  for id in $(xdotool search --onlyvisible --name '.*' 2>/dev/null); do
    echo "$id: $(xdotool getwindowname "$id" 2>/dev/null)"
  done
}

# Titles are matched whole; regular-expression characters in them are escaped.
dlg_wait() {
  local pattern id
  pattern="^$(printf '%s' "$1" | sed 's/[][\\.*^$()+?{}|]/\\&/g')\$"
  id=$(timeout "$DLG_TIMEOUT" xdotool search --sync --onlyvisible --name "$pattern" 2>/dev/null |
    head -n 1)
  if [ -z "$id" ]; then
    echo "no window \"$1\" after ${DLG_TIMEOUT}s; windows there:" >&2
    dlg_windows | sed 's/^/  /' >&2
    return 1
  fi
  echo "$id"
}

dlg_focus() {  # title; prints the window id
  local id
  id=$(dlg_wait "$1") || return 1
  xdotool windowfocus --sync "$id" && sleep "$DLG_PAUSE" && echo "$id"
}

dlg_type() {  # text, then Return
  xdotool type --delay 20 "$1" && sleep "$DLG_PAUSE" && xdotool key Return
}

# GTK choosers: ctrl+L opens the location field (in a save dialog it selects
# the name field's text), the whole path replaces what is there.
dlg_file_zenity() {
  dlg_focus "$1" >/dev/null || return 1
  xdotool key ctrl+l && sleep "$DLG_PAUSE" && xdotool key ctrl+a && dlg_type "$2"
}

dlg_folder_zenity() { dlg_file_zenity "$@"; }

# The Win32 file dialogs start in their name field, which takes a full path.
dlg_file_wine() {
  dlg_focus "$1" >/dev/null || return 1
  dlg_type "$2"
}

# Several files: the folder first (the dialog goes there), then the names,
# each in double quotes.
dlg_files_wine() {
  local title=$1 folder=$2 names="" n
  shift 2
  for n in "$@"; do names+="\"$n\" "; done
  dlg_focus "$title" >/dev/null || return 1
  dlg_type "$folder" && sleep "$DLG_PAUSE" && dlg_type "${names% }"
}

# Every file of a folder: Ctrl+A does not select all in Wine's file list, so
# the list gets the focus (Shift+Tab from the name field), then Home and
# Shift+End select from its first item to its last, and Return opens them.
dlg_all_files_wine() {
  dlg_focus "$1" >/dev/null || return 1
  dlg_type "$2" && sleep 1 && xdotool key shift+Tab && sleep "$DLG_PAUSE" &&
    xdotool key Home && sleep "$DLG_PAUSE" && xdotool key shift+End && sleep 1 &&
    xdotool key Return
}

# The Win32 folder dialog ignores a path typed in its edit field: it returns
# the folder selected in its tree. So the tree is walked from the folder that
# the program preselected: for each name, open the selected folder (Right)
# and select its child by typing the name's first letters.
dlg_folder_wine() {
  local title=$1 n
  shift
  dlg_focus "$title" >/dev/null || return 1
  for n in "$@"; do
    xdotool key Right && sleep "$DLG_PAUSE" && xdotool type --delay 20 "$n" && sleep "$DLG_PAUSE"
  done
  xdotool key Return
}
