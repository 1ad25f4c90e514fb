#!/usr/bin/env bash
# Installs what is missing, builds, and starts the scoreboard full screen. Arguments go to the program.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$raiz/build"

# What building and running need, nothing that only the tests or the package need.
"$raiz/scripts/instala-dependencias.sh" --execucao </dev/null
cmake -S "$raiz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_GUI=ON -DVANTOR_TESTS=OFF \
  </dev/null
cmake --build "$build" -j"$(nproc)" --target vantor </dev/null

# The cue sounds sit beside the program, where a bare name is looked for when the working folder lacks it.
exec "$build/vantor" "$@"
