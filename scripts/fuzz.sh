#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for FUZZ_SEGUNDOS seconds (60 by
# default), starting from its hand-made seeds in fuzz/corpus/<target>/. New inputs found go to
# build-fuzz/corpus/<target>/, never into the tree; a crash stops with its input in build-fuzz/falhas/<target>/.
# Keep a crash's input under fuzz/regressao/<target>/ once it is fixed: the test suite replays it.
#
# FUZZ_ALVOS="sessao" runs only those targets.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$raiz/build-fuzz"
segundos="${FUZZ_SEGUNDOS:-60}"
read -r -a alvos <<<"${FUZZ_ALVOS:-wav sessao lista}"

"$raiz/scripts/instala-dependencias.sh" </dev/null

cmake -S "$raiz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVANTOR_FUZZ=ON -DVANTOR_GUI=OFF -DVANTOR_TESTS=OFF -DVANTOR_SANITIZE=OFF </dev/null
cmake --build "$build" -j"$(nproc)" --target "${alvos[@]/#/fuzz_}" </dev/null

status=0
for alvo in "${alvos[@]}"; do
  mkdir -p "$build/corpus/$alvo" "$build/falhas/$alvo"
  dicionario=()
  case "$alvo" in
    wav) dicionario=(-dict="$raiz/fuzz/wav.dict") ;;
  esac
  echo "== $alvo: ${segundos}s"
  if ! "$build/fuzz/fuzz_$alvo" -max_total_time="$segundos" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix="$build/falhas/$alvo/" "${dicionario[@]}" \
      "$build/corpus/$alvo" "$raiz/fuzz/corpus/$alvo" </dev/null 2>"$build/$alvo.log"; then
    echo "fuzz_$alvo failed; its input is in $build/falhas/$alvo/:" >&2
    tail -n 40 "$build/$alvo.log" >&2
    status=1
  fi
  grep -E '^(stat::number_of_executed_units|stat::new_units_added|#[0-9]+ +DONE)' "$build/$alvo.log" || true
done
exit "$status"
