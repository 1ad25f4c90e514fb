#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Vantor need; with --execucao, only those that
# building and running it need. Safe to run again: it asks apt only for what is missing, and does nothing at all
# when everything is there.
set -euo pipefail

# Building and running the program (scripts/executa.sh asks for these alone, with --execucao).
execucao=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsdl2-dev
  libglib2.0-dev  # GIO: whether the desktop has an editor for the scoresheet
  librsvg2-bin    # rsvg-convert: the PNG icons, drawn from the SVG at build time
  # run: the scoreboard's font, Qt's own texts in Portuguese and Spanish; SDL2 plays the cues through libpulse
  fonts-liberation qt6-translations-l10n
  xdg-utils  # xdg-open: the scoresheet in the desktop's text editor
)
# Testing, fuzzing, packaging and the style checks (scripts/testa.sh and CI).
testes=(
  qt6-base-private-dev  # tests: the offscreen platform's screens, changed while the program runs
  libgtest-dev
  clang libclang-rt-14-dev clang-format clang-tidy  # scripts/fuzz.sh and scripts/estilo.sh
  # scripts/pacote.sh: CPack's .deb (dpkg-shlibdeps finds the libraries, file tells it the binaries) and its checks
  dpkg-dev file desktop-file-utils lintian
  # a private sound server with a null sink, parec/pactl to record it, a virtual X display
  pulseaudio pulseaudio-utils sox xvfb xauth
  poppler-utils  # pdftotext and pdftoppm: the printed scoresheet's text and pixels
  python3  # its csv module reads the day's results file as a spreadsheet would
  strace  # the slow-disk test: every fsync delayed, without root
  # scripts/saida.sh: keys into the real window, and Xlib for its helper that closes it as a window manager does
  xdotool libx11-dev
)
pacotes=("${execucao[@]}")
[ "${1:-}" = --execucao ] || pacotes+=("${testes[@]}")

instalado() {
  [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]
}

faltam=()
for p in "${pacotes[@]}"; do
  instalado "$p" || faltam+=("$p")
done
if [ ${#faltam[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${faltam[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Not root and no sudo: install ${faltam[*]} by hand." >&2; exit 1; }
  sudo=(sudo)
fi
# Another apt run (an unattended upgrade, a colleague) may hold the lock for a while; wait rather than fail.
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -o DPkg::Lock::Timeout=600)
"${apt[@]}" update </dev/null
"${apt[@]}" install "${faltam[@]}" </dev/null
