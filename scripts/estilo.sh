#!/usr/bin/env bash
# The style checks: the layers of src/ (scripts/camadas.sh), every C++ file formatted as .clang-format says, and clang-tidy clean under .clang-tidy over
# every file the build compiles. Needs a configured build folder for the compile commands (default build/, as
# scripts/testa.sh leaves it); `--corrige` formats the files in place instead of failing.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VANTOR_BUILD_DIR:-$raiz/build}"
cd "$raiz"

mapfile -t fontes < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --corrige ]; then
  clang-format -i "${fontes[@]}"
  exit 0
fi

"$raiz/scripts/camadas.sh"

echo "clang-format: ${#fontes[@]} files"
clang-format --dry-run -Werror "${fontes[@]}"

[ -f "$build/compile_commands.json" ] || { echo "No $build/compile_commands.json: build first (scripts/testa.sh)." >&2; exit 1; }
# The files the build compiles, ours only (not Qt's generated moc files).
mapfile -t unidades < <(python3 -c '
import json, os, sys
raiz = os.path.realpath(sys.argv[2])
for e in json.load(open(sys.argv[1])):
    f = os.path.realpath(os.path.join(e["directory"], e["file"]))
    if any(f.startswith(os.path.join(raiz, d) + "/") for d in ("src", "tests", "bench", "fuzz", "tools")): print(f)
' "$build/compile_commands.json" "$raiz" | sort -u)
echo "clang-tidy: ${#unidades[@]} files"
saida="$(mktemp)"
trap 'rm -f "$saida"' EXIT
# A configuration clang-tidy cannot read is reported but not failed on: it would then check nothing.
if ! run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${unidades[@]}" >"$saida" 2>&1 ||
    grep -qE '^[^ ]*\.clang-tidy:[0-9]+:[0-9]+: error' "$saida"; then
  grep -E -A3 "(warning|error):" "$saida" >&2 || cat "$saida" >&2
  echo "clang-tidy found the problems above." >&2
  exit 1
fi
echo "clang-tidy: clean"
