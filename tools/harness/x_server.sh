# shellcheck shell=bash
# Sourced, after session.sh, by the scripts that need an X server of their own.
# start_x_server WORK_DIR [SECONDS]: starts Xvfb, sets x_server_pid and adds it to `started`
# (session.sh ends them), and exports DISPLAY once the server is ready for clients; fails
# after SECONDS (default 30) or if the server exits.
# - -displayfd: the server takes the first free display number itself and writes it only
#   once it accepts clients, so no number is guessed and no client has to probe it.
# - -noreset: without it the server resets whenever its last client leaves, and refuses a
#   client that connects during the reset.
start_x_server() {
  local fifo=$1/display-number number=""
  mkfifo "$fifo" || return 1
  Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  x_server_pid=$!
  started+=("$x_server_pid")
  # Ends with a number, or at the time limit, or at once when the server exits.
  read -r -t "${2:-30}" number <"$fifo"
  rm -f "$fifo"
  if [[ ! $number =~ ^[0-9]+$ ]]; then
    echo "Xvfb reported no display within ${2:-30}s"
    return 1
  fi
  export DISPLAY=:$number
}
