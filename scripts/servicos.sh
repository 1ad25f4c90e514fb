# The services the tests and scripts need, private to one run: a PulseAudio daemon whose default sink is a null
# sink, and a virtual X display. Sourced by a script that has set `servicos` to a fresh temporary folder; it
# stops what it started, and removes that folder, when the script exits.
pids=()
para_servicos() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  cd /
  rm -rf "$servicos"
}
trap para_servicos EXIT
trap 'exit 130' INT TERM

# PulseAudio, private to this run. Its socket goes under our own XDG_RUNTIME_DIR, which clients follow, so a
# desktop's sound server is never touched. As root it only warns; auth-anonymous spares the clients a cookie,
# and HOME points the daemon's own state into the temporary folder. The sink is loaded before the socket, so a
# client that can connect finds it.
inicia_pulseaudio() {
  export XDG_RUNTIME_DIR="$servicos/run"
  mkdir -p "$XDG_RUNTIME_DIR" "$servicos/home"
  chmod 700 "$XDG_RUNTIME_DIR"
  unset PULSE_SERVER
  HOME="$servicos/home" pulseaudio --daemonize=no --system=no --use-pid-file=no -n \
    --exit-idle-time=-1 --disallow-exit --realtime=no --high-priority=no \
    --load="module-null-sink sink_name=vantor_nula rate=44100 channels=2" \
    --load="module-native-protocol-unix auth-anonymous=1" \
    </dev/null >"$servicos/pulseaudio.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do
    if pactl info >/dev/null 2>&1; then
      pactl set-default-sink vantor_nula
      return 0
    fi
    sleep 0.1
  done
  echo "PulseAudio did not start:" >&2
  cat "$servicos/pulseaudio.log" >&2
  return 1
}

# Xvfb picks a free display number itself and writes it to the descriptor it is given. $1: the screen's size.
inicia_xvfb() {
  Xvfb -displayfd 3 -screen 0 "${1:-1920x1080}x24" -nolisten tcp 3>"$servicos/display" \
    </dev/null >"$servicos/xvfb.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do
    if [ -s "$servicos/display" ]; then
      export DISPLAY=":$(head -n1 "$servicos/display")"
      return 0
    fi
    sleep 0.1
  done
  echo "Xvfb did not start:" >&2
  cat "$servicos/xvfb.log" >&2
  return 1
}

