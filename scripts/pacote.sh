#!/usr/bin/env bash
# Builds the Debian package: a Release build of the program alone into build-pacote/, `cpack -G DEB` there, then
# checks the .deb: the files it must hold, its desktop entry (desktop-file-validate) and lintian, which must find
# no error (its warnings are printed). Exits non-zero on any failure. CMAKE_BUILD_PARALLEL_LEVEL sets the jobs.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$raiz/build-pacote"

"$raiz/scripts/instala-dependencias.sh" </dev/null

cmake -S "$raiz" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVANTOR_GUI=ON -DVANTOR_TESTS=OFF \
  -DVANTOR_SANITIZE=OFF -DVANTOR_FUZZ=OFF </dev/null
cmake --build "$build" --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" </dev/null
rm -f "$build"/vantor_*.deb
(cd "$build" && cpack -G DEB </dev/null)
debs=("$build"/vantor_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "cpack made no single vantor_*.deb" >&2
  exit 1
fi
deb="${debs[0]}"

conteudo="$(dpkg-deb -c "$deb")"
falta=0
for f in bin/vantor share/vantor/gongo.wav share/vantor/sino.wav share/vantor/sparkle.wav \
  share/applications/vantor.desktop share/icons/hicolor/scalable/apps/vantor.svg \
  share/icons/hicolor/{48x48,128x128,256x256}/apps/vantor.png; do
  grep -q " \./usr/$f\$" <<<"$conteudo" || { echo "Not in the package: /usr/$f" >&2; falta=1; }
done
[ "$falta" = 0 ]

entrada="$(mktemp --suffix=.desktop)"
trap 'rm -f "$entrada"' EXIT
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/applications/vantor.desktop >"$entrada"
desktop-file-validate "$entrada"

lintian --fail-on error --tag-display-limit 0 "$deb"
echo "$(basename "$deb"): files in place, desktop entry valid, no lintian errors"
dpkg-deb -f "$deb" Depends
