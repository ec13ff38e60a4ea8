# shellcheck shell=bash
# Sourced, after session.sh, by the scripts that run the Windows build under Wine.

# windows_path PATH: the path as a Windows program under Wine sees it (Wine maps Z: to /).
windows_path() { local path=${1//\//\\}; echo "Z:$path"; }

# wine_session PREFIX own|shared [stock-fonts]: Wine runs programs in PREFIX, made if missing.
# - own: the script's alone; its ending stops Wine's server and every program in it.
# - shared: other scripts may run in it side by side, so none ends its server by force: the
#   ending waits, with a limit, for the server to end by itself once its last program has.
# - stock-fonts: programs meet only the fonts of a stock Windows and their own, none of the
#   host's.
wine_session() {
  export WINEPREFIX=$1 WINEDEBUG=-all
  wine_prefix_use=$2
  # winemenubuilder would copy shortcuts into the real desktop's menus.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  if [[ ${3:-} == stock-fonts ]]; then
    export FONTCONFIG_FILE
    FONTCONFIG_FILE=$(realpath "$(dirname "${BASH_SOURCE[0]}")/stock_fonts.conf")
  fi
  mkdir -p "$WINEPREFIX"
}
# wine_idle: waits, with a limit, until Wine's server of the prefix has ended.
wine_idle() {
  timeout 60 wineserver -w 2>/dev/null && return 0
  echo "Wine's server of $WINEPREFIX runs on after 60s"
  return 1
}
# Called by session.sh's cleanup before it ends the processes the script started.
before_cleanup() {
  [[ -n ${WINEPREFIX:-} ]] || return 0
  [[ $wine_prefix_use == own ]] && wineserver -k 2>/dev/null
  wine_idle
}

# wine_with_status STATUS_FILE PROGRAM [ARGUMENTS...]: runs PROGRAM under Wine; once it has
# ended, its exit status is written to STATUS_FILE. Wine's status alone is not enough: when a
# program's Unix process is slow to exit after the program has ended, as on a busy machine,
# Wine's server kills it, and wine reports 137 for a program that ended with 0. cmd waits
# for the program, a GUI one too, and writes the status Windows reports.
wine_with_status() {
  local status_file=$1 batch=$1.bat command argument
  command="\"$(windows_path "$(realpath "$2")")\""
  shift 2
  for argument in "$@"; do command+=" \"$argument\""; done
  printf '@%s\r\n@>"%s" echo %%errorlevel%%\r\n' "$command" "$(windows_path "$status_file")" >"$batch"
  wine cmd /c "$(windows_path "$batch")"
}

# read_status STATUS_FILE: succeeds once the file holds a whole status; sets status.
read_status() {
  local line
  read -r line <"$1" 2>/dev/null || return 1
  line=${line%$'\r'}
  [[ $line =~ ^-?[0-9]+$ ]] && status=$line
}
