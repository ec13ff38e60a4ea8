# shellcheck shell=bash
# Sourced by the scripts that run the Windows build under Wine.

# windows_path PATH: the path as a Windows program under Wine sees it (Wine maps Z: to /).
windows_path() { local path=${1//\//\\}; echo "Z:$path"; }

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
