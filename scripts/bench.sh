#!/usr/bin/env bash
# Builds the benchmark programs (Release, into build-bench/) and runs them one after another, each
# printing its figures beside their targets. Names given as arguments pick which ones run, in that
# order (nucleo diario inicio juizes relogio pegada som sumula torneio); with none, all nine run, about seven
# minutes in all.
# Run them on an otherwise idle machine: they measure time.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$raiz/build-bench"

"$raiz/scripts/instala-dependencias.sh" </dev/null
cmake -S "$raiz" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVANTOR_GUI=ON -DVANTOR_TESTS=OFF \
  -DVANTOR_SANITIZE=OFF -DVANTOR_FUZZ=OFF </dev/null
programas=("$@")
[ ${#programas[@]} -gt 0 ] || programas=(nucleo diario inicio juizes relogio pegada som sumula torneio)
alvos=()
for p in "${programas[@]}"; do alvos+=("bench_$p"); done
cmake --build "$build" -j"$(nproc)" --target "${alvos[@]}" </dev/null

# Qt wants a private runtime folder; a temporary one keeps it from complaining on every start.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR="$(mktemp -d /tmp/vantor-bench-run.XXXXXX)"
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
  "$(awk '/MemTotal/ {printf "%.1f GB RAM", $2 / 1048576}' /proc/meminfo)"
for p in "${programas[@]}"; do
  echo
  echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
  "$build/bench/bench_$p"
done
