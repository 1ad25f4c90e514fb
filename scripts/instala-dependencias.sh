#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Vantor need. Safe to run again: it asks
# apt only for what is missing, and does nothing at all when everything is there.
set -euo pipefail

pacotes=(
  # build
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-base-private-dev  # tests: the offscreen platform's screens, changed while the program runs
  libgtest-dev libsdl2-dev
  clang libclang-rt-14-dev  # scripts/fuzz.sh: clang with libFuzzer and the sanitizer runtimes
  librsvg2-bin  # rsvg-convert: the PNG icons, drawn from the SVG at build time
  # scripts/pacote.sh: CPack's .deb (dpkg-shlibdeps finds the libraries, file tells it the binaries) and its checks
  dpkg-dev file desktop-file-utils lintian
  # run: the scoreboard's font; SDL2 plays the cues through libpulse (a dependency of libsdl2-2.0-0)
  fonts-liberation
  xdg-utils  # xdg-open: the scoresheet in the desktop's text editor
  # test: a private sound server with a null sink, parec/pactl to record it, a virtual X display
  pulseaudio pulseaudio-utils sox xvfb xauth
  poppler-utils  # pdftotext and pdftoppm: the printed scoresheet's text and pixels
  # scripts/saida.sh: keys into the real window, and Xlib for its helper that closes it as a window manager does
  xdotool libx11-dev
)

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
