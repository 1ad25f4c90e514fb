#!/usr/bin/env bash
# Ends the real program many times right after a cue and counts the exits that were not clean. Each run starts
# build/vantor on a private X display and a private PulseAudio server, starts the fight (Enter), calls a
# time-out (the "1" key, whose cue is the sparkle), then ends the program while the cue plays: half the runs with
# Alt+F4, half with the close request a window manager sends (a WM_DELETE_WINDOW client message, sent by
# tools/fecha_janela.cpp). An exit is abnormal when its status is not 0, a signal ended it, it printed
# "Aborting", or it had not ended 15 s after the request (it is then killed).
#
# Usage: scripts/saida.sh [--vezes N] [--trafego K] [--programa P]
#   --vezes N     runs per way of closing (default 200)
#   --trafego K   streams of noise played on the sound server meanwhile, as heavy traffic (default 4; 0: none)
#   --programa P  the program to run, as it is (default: build/vantor, built first)
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VANTOR_BUILD_DIR:-$raiz/build}"
vezes=200
trafego=4
programa=""
while [ $# -gt 0 ]; do
  case "$1" in
    --vezes) vezes="$2"; shift 2 ;;
    --trafego) trafego="$2"; shift 2 ;;
    --programa) programa="$(realpath "$2")"; shift 2 ;;
    *) echo "usage: $0 [--vezes N] [--trafego K] [--programa P]" >&2; exit 2 ;;
  esac
done

"$raiz/scripts/instala-dependencias.sh" </dev/null
if [ -z "$programa" ]; then
  cmake -S "$raiz" -B "$build" -DVANTOR_GUI=ON </dev/null >/dev/null
  cmake --build "$build" -j"$(nproc)" --target vantor </dev/null >/dev/null
  programa="$build/vantor"
fi

servicos="$(mktemp -d /tmp/vantor-saida.XXXXXX)"
# shellcheck source=scripts/servicos.sh
source "$raiz/scripts/servicos.sh"

c++ -O2 "$raiz/tools/fecha_janela.cpp" -lX11 -o "$servicos/fecha_janela"

# The sound server and the display, private to this run.
mkdir -p "$servicos/trabalho"
inicia_pulseaudio
inicia_xvfb 1024x768

# Heavy traffic: streams of raw noise that never end.
for _ in $(seq "$trafego"); do
  pacat --raw --format=s16le --rate=44100 --channels=2 </dev/urandom >/dev/null 2>&1 &
  pids+=($!)
done

# Logs go to the working folder and to TEMP: both a folder of this run's own.
cd "$servicos/trabalho"
export TEMP="$servicos/trabalho/"
unset QT_QPA_PLATFORM

# One run; prints "ok", "abnormal: why" or "nowindow"; counts a cue stream seen in $servicos/cues.
roda() {
  local modo="$1" pid janela status=0 motivo=""
  # A logs folder, and so a fight, of its own each time: a fight an Alt+F4 ended would be offered again at the
  # start, in a question box.
  TEMP="$(mktemp -d "$servicos/trabalho/temp.XXXXXX")/"
  "$programa" >/dev/null 2>"$servicos/erro.txt" &
  pid=$!
  janela="$(timeout 15 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n1)" || true
  if [ -z "$janela" ]; then
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo nowindow
    return
  fi
  xdotool windowfocus --sync "$janela" 2>/dev/null || true
  xdotool key Return
  sleep 0.2
  xdotool key 1
  for _ in $(seq 30); do
    if pactl list sink-inputs 2>/dev/null | grep -q "application.process.id = \"$pid\""; then
      echo >>"$servicos/cues"
      break
    fi
    sleep 0.1
  done
  sleep "0.$((RANDOM % 4))"  # somewhere in the 0.6 s cue
  if [ "$modo" = altf4 ]; then
    xdotool key alt+F4
  else
    "$servicos/fecha_janela" "$janela" || true
  fi
  for _ in $(seq 150); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    motivo="still running 15 s after the request"
    kill -9 "$pid" 2>/dev/null || true
  fi
  wait "$pid" || status=$?
  if [ -z "$motivo" ]; then
    if [ "$status" -gt 128 ]; then motivo="signal $((status - 128))"
    elif [ "$status" -ne 0 ]; then motivo="status $status"
    elif grep -q Aborting "$servicos/erro.txt"; then motivo="Aborting on stderr"
    fi
  fi
  if [ -n "$motivo" ]; then
    echo "abnormal: $motivo"
    cp "$servicos/erro.txt" "$servicos/erro-$modo-$(date +%s%N).txt"
  else
    echo ok
  fi
}

echo "$programa: $vezes runs per way of closing, $trafego streams of noise on the sound server, display $DISPLAY"
for modo in altf4 wm; do
  anormais=0 semjanela=0
  : >"$servicos/cues"
  for i in $(seq "$vezes"); do
    r="$(roda "$modo")"
    case "$r" in
      ok) ;;
      nowindow) semjanela=$((semjanela + 1)) ;;
      *) anormais=$((anormais + 1)); echo "  run $i: $r" ;;
    esac
  done
  case "$modo" in altf4) nome="Alt+F4" ;; *) nome="WM_DELETE_WINDOW" ;; esac
  echo "$nome: $vezes runs, $anormais abnormal exits ($(wc -l <"$servicos/cues") with the cue's stream seen," \
    "$semjanela without a window)"
  for f in "$servicos"/erro-"$modo"-*.txt; do
    [ -e "$f" ] && { echo "  stderr of the first abnormal run:"; tail -n 20 "$f" | sed 's/^/    /'; }
    break
  done
done
