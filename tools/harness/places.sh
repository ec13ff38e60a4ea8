# shellcheck shell=bash
# Sourced by the scripts that play the window by its pixels.
# read_places PROGRAM: runs tools/window_places (PROGRAM), which prints the window's places from
# its design, and keeps each as the array place_NAME: its left, top, width, height and its
# centre's x and y, in pixels.
read_places() {
  local text name numbers
  text=$("$1") || { echo "no places from $1"; return 1; }
  while read -r name numbers; do
    read -ra "place_$name" <<<"$numbers"
  done <<<"$text"
}
# centre_of NAME: the place's centre, "X Y".
centre_of() {
  local -n place=place_$1
  echo "${place[4]} ${place[5]}"
}
# part_of NAME [INSET]: the place less INSET pixels at each edge, as a geometry WxH+X+Y.
part_of() {
  local -n place=place_$1
  local inset=${2:-0}
  local width=$((place[2] - 2 * inset)) height=$((place[3] - 2 * inset))
  echo "${width}x$height+$((place[0] + inset))+$((place[1] + inset))"
}
