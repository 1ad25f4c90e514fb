#!/usr/bin/env bash
# The one test command: installs what is missing, builds into build/, starts the services the tests need
# (a private PulseAudio daemon whose default sink is a null sink; Xvfb on request), runs every test with
# ctest, stops the services and exits with ctest's status. Works from any folder, as root, with no stdin.
#
# VANTOR_XVFB=1 also starts a virtual X display and exports DISPLAY for the tests.
# VANTOR_SANITIZE=1 builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, into build-asan/
# unless VANTOR_BUILD_DIR names another folder, and runs the same tests there.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
sanitiza=OFF
build="${VANTOR_BUILD_DIR:-$raiz/build}"
if [ "${VANTOR_SANITIZE:-0}" = 1 ]; then
  sanitiza=ON
  build="${VANTOR_BUILD_DIR:-$raiz/build-asan}"
  # Leak checking stays on for everything, Qt, SDL and PulseAudio included. The one exception is in
  # tests/audio_som.cpp: SDL 2.26's PulseAudio driver loses some server queries, allocated inside libpulse.
  # Set before the build: the test lists are read by running the test programs.
  export ASAN_OPTIONS="detect_leaks=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi

"$raiz/scripts/instala-dependencias.sh" </dev/null

# The options are given every time so that a build folder configured otherwise (say, core only) is put right.
cmake -S "$raiz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_GUI=ON -DVANTOR_TESTS=ON \
  -DVANTOR_SANITIZE="$sanitiza" </dev/null
cmake --build "$build" -j"$(nproc)" </dev/null

servicos="$(mktemp -d /tmp/vantor-testes.XXXXXX)"
# shellcheck source=scripts/servicos.sh
source "$raiz/scripts/servicos.sh"

inicia_pulseaudio
if [ "${VANTOR_XVFB:-0}" = 1 ]; then
  inicia_xvfb
fi

# Side by side, one per core: the sound tests, which all listen to the same sink, hold a resource lock on it.
cd "$build"
[ -n "${DISPLAY:-}" ] && echo "X display for the tests: $DISPLAY"
status=0
ctest --output-on-failure --timeout 300 --parallel "$(nproc)" </dev/null || status=$?
exit "$status"
