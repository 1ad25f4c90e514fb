#!/usr/bin/env bash
# Mutation run: shows which faults each test suite catches. For every mutant of the list (one small,
# deliberate fault: a flipped condition, an off-by-one, a dropped call, swapped corners, a wrong constant) it
# applies the fault to a private copy of the tree, builds that copy incrementally, runs each suite on its own
# and records whether the suite caught it (a failing test, a crash or a timeout), then puts the file back.
# A mutant that does not build is reported apart and left out of the rate. The tree given is never written to.
#
#   scripts/mutantes.sh [--lista FILE] [--arvore DIR] [--so ID,ID] [--trabalho DIR] [--primeira] [--paralelo N]
#                       [--lentos REGEX] [--confere]
#
#   --lista FILE     the mutant list (default: scripts/mutantes.txt beside this script)
#   --arvore DIR     the tree to mutate (default: the repository this script is in)
#   --so ID,ID       run only these mutants
#   --trabalho DIR   keep the copy and its build in DIR and reuse them next time (default: a temporary folder)
#   --primeira       stop at the first suite that kills a mutant (the suites after it show -): the kill rate in
#                    a fraction of the time, without the rate of each suite
#   --paralelo N     run N tests of a suite at once (default 1), as scripts/testa.sh does on its machine
#   --lentos REGEX   run the tests whose names match last in their suite, only when the others passed
#   --confere        only check that every mutant of the list applies to the tree; builds nothing
#
# List format, one mutant a line, five fields separated by one TAB each ('#' starts a comment line):
#   id <TAB> file <TAB> original text <TAB> replacement <TAB> description
# The original must occur exactly once in the file, else the mutant is "not applied" (reported loudly, and the
# run ends with status 3). In the original and the replacement \n stands for a line break, \t for a tab and \\ for
# one backslash; the replacement may be empty (a dropped line).
#
# Suites: by CTest label (core, sdl, gui, audio) when the tree's tests carry labels, else by test-name prefix
# (sdl_, ui_, audio_; everything else is core). Each suite stops at its first failure; a test gets 120 s. A suite
# that fails is run once more: a failure that does not come back is reported as unsteady, not as a kill.
# Heavy on the CPU: builds with -j1 under nice; run the whole thing under `nice -n 15` on a shared machine.
set -euo pipefail
export LC_ALL=C  # byte-wise text matching, whatever the user's locale

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
lista="$raiz/scripts/mutantes.txt"
arvore="$raiz"
so=""
trabalho=""
so_confere=0
so_primeira=0
paralelo=1
lentos=""
readonly LIMITE_TESTE=120      # seconds per test
readonly LIMITE_SUITE=3600     # seconds per suite run, a guard against a hung ctest
readonly LIMITE_BUILD=5400     # seconds per build

uso() { sed -n '2,/^set -euo/p' "${BASH_SOURCE[0]}" | sed '$d; s/^# \{0,1\}//'; }

while [ $# -gt 0 ]; do
  case "$1" in
    --lista) lista="$2"; shift 2 ;;
    --arvore) arvore="$2"; shift 2 ;;
    --so) so="$2"; shift 2 ;;
    --trabalho) trabalho="$2"; shift 2 ;;
    --confere) so_confere=1; shift ;;
    --primeira) so_primeira=1; shift ;;
    --paralelo) paralelo="$2"; shift 2 ;;
    --lentos) lentos="$2"; shift 2 ;;
    -h|--help) uso; exit 0 ;;
    *) echo "unknown option: $1 (see --help)" >&2; exit 2 ;;
  esac
done
[ -f "$lista" ] || { echo "no mutant list at $lista" >&2; exit 2; }
[ -d "$arvore" ] || { echo "no tree at $arvore" >&2; exit 2; }
lista="$(cd "$(dirname "$lista")" && pwd)/$(basename "$lista")"
arvore="$(cd "$arvore" && pwd)"

# ---------------------------------------------------------------------------------------------------------------
# The list

# \n, \t and \\ in a field; the result goes to REPLY (a command substitution would eat trailing line breaks).
desescapa() {
  local s="$1" r="" c
  while [ -n "$s" ]; do
    c="${s:0:1}"
    if [ "$c" = '\' ] && [ ${#s} -ge 2 ]; then
      case "${s:1:1}" in
        n) r+=$'\n' ;;
        t) r+=$'\t' ;;
        '\') r+='\' ;;
        *) r+="${s:0:2}" ;;
      esac
      s="${s:2}"
    else
      r+="$c"
      s="${s:1}"
    fi
  done
  REPLY="$r"
}

ids=() arqs=() origs=() novos=() descs=()
declare -A visto=()
n_linha=0
while IFS= read -r linha || [ -n "$linha" ]; do
  n_linha=$((n_linha + 1))
  linha="${linha%$'\r'}"
  [[ -z "${linha//[[:space:]]/}" || "$linha" == \#* ]] && continue
  campos=()
  resto="$linha"
  while [[ "$resto" == *$'\t'* ]]; do
    campos+=("${resto%%$'\t'*}")
    resto="${resto#*$'\t'}"
  done
  campos+=("$resto")
  if [ ${#campos[@]} -ne 5 ] || [ -z "${campos[0]}" ] || [ -z "${campos[1]}" ] || [ -z "${campos[2]}" ]; then
    echo "$lista:$n_linha: expected id, file, original, replacement, description separated by single tabs" >&2
    exit 2
  fi
  if [ -n "${visto[${campos[0]}]:-}" ]; then
    echo "$lista:$n_linha: id ${campos[0]} used twice" >&2
    exit 2
  fi
  visto[${campos[0]}]=1
  ids+=("${campos[0]}")
  arqs+=("${campos[1]}")
  desescapa "${campos[2]}"; origs+=("$REPLY")
  desescapa "${campos[3]}"; novos+=("$REPLY")
  descs+=("${campos[4]}")
done <"$lista"

# The mutants this run takes, as indices into the arrays above.
escolhidos=()
if [ -n "$so" ]; then
  IFS=',' read -r -a pedidos <<<"$so"
  for pedido in "${pedidos[@]}"; do
    achou=0
    for i in "${!ids[@]}"; do
      if [ "${ids[$i]}" = "$pedido" ]; then escolhidos+=("$i"); achou=1; fi
    done
    [ "$achou" = 1 ] || { echo "--so: no mutant $pedido in $lista" >&2; exit 2; }
  done
else
  escolhidos=("${!ids[@]}")
fi
[ ${#escolhidos[@]} -gt 0 ] || { echo "the list $lista holds no mutants" >&2; exit 2; }

# Applies mutant $1 to the file under tree $2 and leaves the new text in MUTADO; returns 0 when it applies, else 1
# with the reason in MOTIVO. Writes nothing.
prepara_mutante() {
  local i="$1" base="$2"
  local f="$base/${arqs[$i]}" orig="${origs[$i]}" conteudo antes depois
  MUTADO="" MOTIVO=""
  if [ ! -f "$f" ]; then MOTIVO="file ${arqs[$i]} does not exist"; return 1; fi
  if [ "$orig" = "${novos[$i]}" ]; then MOTIVO="the replacement equals the original"; return 1; fi
  conteudo="$(cat "$f"; printf x)"
  conteudo="${conteudo%x}"
  depois="${conteudo#*"$orig"}"
  if [ ${#depois} -eq ${#conteudo} ] && [[ "$conteudo" != *"$orig"* ]]; then
    MOTIVO="original text not found in ${arqs[$i]}"
    return 1
  fi
  if [[ "$depois" == *"$orig"* ]]; then
    MOTIVO="original text occurs more than once in ${arqs[$i]}"
    return 1
  fi
  antes="${conteudo%%"$orig"*}"
  MUTADO="$antes${novos[$i]}$depois"
  return 0
}

# Which mutants do not apply: said before anything is built, and again in the summary.
nao_aplicados=()
declare -A motivo_nao_aplicado=()
for i in "${escolhidos[@]}"; do
  if ! prepara_mutante "$i" "$arvore"; then
    nao_aplicados+=("$i")
    motivo_nao_aplicado[$i]="$MOTIVO"
    echo "NOT APPLIED  ${ids[$i]}: $MOTIVO" >&2
  fi
done
if [ "$so_confere" = 1 ]; then
  echo "${#escolhidos[@]} mutants checked against $arvore: $(( ${#escolhidos[@]} - ${#nao_aplicados[@]} )) apply, ${#nao_aplicados[@]} do not."
  [ ${#nao_aplicados[@]} -eq 0 ] || exit 3
  exit 0
fi

# ---------------------------------------------------------------------------------------------------------------
# The private copy, its build and the services the tests need

inicio_total=$SECONDS
temporario=0
if [ -z "$trabalho" ]; then
  trabalho="$(mktemp -d /tmp/vantor-mutantes.XXXXXX)"
  temporario=1
fi
mkdir -p "$trabalho"
trabalho="$(cd "$trabalho" && pwd)"
case "$trabalho/" in
  "$arvore"/*) echo "--trabalho must lie outside the tree being mutated" >&2; exit 2 ;;
esac
copia="$trabalho/arvore"
build="$trabalho/build"
logs="$trabalho/logs"
mkdir -p "$copia" "$logs"

# The private PulseAudio daemon, started and stopped as scripts/testa.sh does.
servicos="$(mktemp -d /tmp/vantor-mut-pa.XXXXXX)"
# shellcheck source=scripts/servicos.sh
source "$raiz/scripts/servicos.sh"
mutado=""  # the copy's file that holds a mutant right now, so an interrupted run can put it back
limpa() {
  if [ -n "$mutado" ] && [ -f "$trabalho/original" ]; then cp "$trabalho/original" "$mutado"; fi
  para_servicos
  if [ "$temporario" = 1 ]; then rm -rf "$trabalho"; fi
}
trap limpa EXIT
trap 'exit 130' INT TERM

# The copy follows the tree by content: a file is copied (with a new time stamp, so it is rebuilt) only when it
# differs, so a kept build folder stays incremental. Build folders and Git's data are left out.
espelha() {
  local f
  while IFS= read -r -d '' f; do
    if ! cmp -s "$arvore/$f" "$copia/$f"; then
      mkdir -p "$(dirname "$copia/$f")"
      cp "$arvore/$f" "$copia/$f"
    fi
  done < <(cd "$arvore" && find . \( -name .git -o -path './build*' \) -prune -o -type f -print0)
  # Symbolic links (the tests' fake sysfs tree holds some, dangling ones too) are copied as links.
  while IFS= read -r -d '' f; do
    if [ "$(readlink "$arvore/$f")" != "$(readlink "$copia/$f" 2>/dev/null)" ]; then
      mkdir -p "$(dirname "$copia/$f")"
      ln -sfn "$(readlink "$arvore/$f")" "$copia/$f"
    fi
  done < <(cd "$arvore" && find . \( -name .git -o -path './build*' \) -prune -o -type l -print0)
  while IFS= read -r -d '' f; do
    [ -e "$arvore/$f" ] || [ -L "$arvore/$f" ] || rm -f "$copia/$f"
  done < <(cd "$copia" && find . \( -path ./build -o -path ./logs \) -prune -o \( -type f -o -type l \) -print0)
}

configura() {
  local lancador=()
  command -v ccache >/dev/null && lancador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$copia" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_GUI=ON -DVANTOR_TESTS=ON \
    -DVANTOR_SANITIZE=OFF -DVANTOR_FUZZ=OFF "${lancador[@]}" </dev/null >"$logs/configura.txt" 2>&1
}

# Builds everything; keeps going past a failing target so that the other suites still get their programs.
# Returns 0 when built, 1 when it does not compile or link, 2 when only the listing of some test program failed
# (it crashed or hung while saying which tests it has), with the suites of those programs in LISTAGEM.
compila() {
  local log="$1" rc=0 programa
  LISTAGEM=""
  timeout "$LIMITE_BUILD" nice -n 10 cmake --build "$build" -j1 -- -k </dev/null >"$log" 2>&1 || rc=$?
  [ "$rc" = 0 ] && return 0
  if grep -q "Error running test executable" "$log" &&
     ! grep -qE ': error:|: fatal error:|undefined reference|ld returned' "$log"; then
    while IFS= read -r programa; do
      LISTAGEM+=" $(suite_do_programa "$(basename "$programa")")"
    done < <(grep -A2 "Error running test executable" "$log" | sed -n "s/.*Path: *'\(.*\)'.*/\1/p" | sort -u)
    [ -n "$LISTAGEM" ] && return 2
  fi
  return 1
}

# ---------------------------------------------------------------------------------------------------------------
# Suites

suites=()
declare -A selecao=() n_testes=()
modo_suites=""

suite_do_programa() {
  case "$1" in
    *audio*) echo audio ;;
    *sdl*) echo sdl ;;
    *ui*|*gui*) echo gui ;;
    *) echo core ;;
  esac
}

descobre_suites() {
  local rotulos r s n
  rotulos="$(cd "$build" && ctest --print-labels 2>/dev/null | sed -n '/All Labels:/,$p' | tail -n +2 | tr -d ' \t')"
  suites=()
  for s in core sdl gui audio; do
    if grep -qx "$s" <<<"$rotulos"; then
      suites+=("$s")
      selecao[$s]="-L ^${s}\$"
    fi
  done
  if [ ${#suites[@]} -gt 0 ]; then
    modo_suites="by CTest label"
  else
    modo_suites="by test-name prefix"
    selecao[core]="-E ^(sdl_|ui_|audio_)"
    selecao[sdl]="-R ^sdl_"
    selecao[gui]="-R ^ui_"
    selecao[audio]="-R ^audio_"
    for s in core sdl gui audio; do suites+=("$s"); done
  fi
  r=()
  for s in "${suites[@]}"; do
    # shellcheck disable=SC2086  # the selection is two words on purpose
    n="$(cd "$build" && ctest -N ${selecao[$s]} 2>/dev/null | sed -n 's/^Total Tests: *//p')"
    n_testes[$s]="${n:-0}"
    [ "${n_testes[$s]}" -gt 0 ] && r+=("$s")
  done
  suites=("${r[@]}")
}

# One ctest run of suite $1 into log $2. Sets MARCA: . passed, F a test failed, C a test crashed, T a test or the
# suite timed out; and PRIMEIRA: the first test that failed.
ctest_suite() {
  local s="$1" log="$2" rc=0 linha
  # The slow tests (--lentos) last, and only when the others passed: most kills come sooner.
  local partes=("")
  [ -n "$lentos" ] && partes=("-E" "-R")
  : >"$log"
  for parte in "${partes[@]}"; do
    local filtro=()
    [ -n "$parte" ] && filtro=("$parte" "$lentos")
    # shellcheck disable=SC2086  # the selection is two words on purpose
    (cd "$build" && QT_QPA_PLATFORM=offscreen timeout "$LIMITE_SUITE" ctest ${selecao[$s]} "${filtro[@]}" \
      --timeout "$LIMITE_TESTE" --stop-on-failure --output-on-failure --parallel "$paralelo" </dev/null) >>"$log" 2>&1 ||
      rc=$?
    [ "$rc" = 0 ] || break
  done
  PRIMEIRA=""
  if [ "$rc" = 0 ]; then MARCA="."; return 0; fi
  if [ "$rc" = 124 ]; then MARCA="T"; PRIMEIRA="(whole suite over ${LIMITE_SUITE}s)"; return 1; fi
  linha="$(sed -n '/The following tests FAILED:/{n;p;q}' "$log")"
  PRIMEIRA="$(sed -E 's/^[[:space:]]*[0-9]+ - //' <<<"$linha")"
  case "$linha" in
    *Timeout*) MARCA="T" ;;
    *FAULT*|*aborted*|*Exception*|*killed*|*ILLEGAL*|*BUS*|*FPE*|*"Not Run"*) MARCA="C" ;;
    *) MARCA="F" ;;
  esac
  [ -n "$PRIMEIRA" ] || PRIMEIRA="(ctest exit status $rc)"
  return 1
}

# Runs suite $1, log in $2: 0 when it passes, 1 when it fails (MARCA and PRIMEIRA say how), 2 when it failed once
# and then passed when run again (MARCA "?"). A failure is run again because a test program can, rarely, crash on
# its way out for reasons of its own (Qt's sound teardown); a fault the mutant causes fails the second time too.
# Timeouts are not run again: they cost minutes and do not come from such a teardown.
roda_suite() {
  local s="$1" log="$2" primeira marca
  ctest_suite "$s" "$log" && return 0
  [ "$MARCA" = T ] && return 1
  primeira="$PRIMEIRA" marca="$MARCA"
  if ctest_suite "$s" "${log%.txt}-de-novo.txt"; then
    MARCA="?" PRIMEIRA="$primeira failed, then the suite passed when run again"
    return 2
  fi
  MARCA="$marca" PRIMEIRA="$primeira"
  return 1
}

minutos() {
  if [ "$1" -ge 3600 ]; then printf '%d:%02d:%02d' $(($1 / 3600)) $(($1 % 3600 / 60)) $(($1 % 60))
  else printf '%d:%02d' $(($1 / 60)) $(($1 % 60)); fi
}

# ---------------------------------------------------------------------------------------------------------------
# The run

versao="$(git -C "$arvore" describe --always --dirty 2>/dev/null || echo "not a Git checkout")"
echo "Vantor mutation run, $(date '+%Y-%m-%d %H:%M')"
echo "Tree: $arvore ($versao)"
echo "List: $lista, ${#escolhidos[@]} mutants in this run"
echo "Work folder: $trabalho$([ "$temporario" = 1 ] && echo " (temporary)")"

espelha
configura || { echo "cmake could not configure the copy; see below" >&2; cat "$logs/configura.txt" >&2; exit 1; }
inicia_pulseaudio
export QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY

# The unmutated copy must build and pass every suite, or no kill would mean anything.
t0=$SECONDS
if ! compila "$logs/compila-original.txt"; then
  echo "The unmutated tree does not build; see $logs/compila-original.txt:" >&2
  grep -E 'error|Error' "$logs/compila-original.txt" | head -20 >&2
  exit 1
fi
descobre_suites
[ ${#suites[@]} -gt 0 ] || { echo "no tests found in the build" >&2; exit 1; }
resumo_suites=""
for s in "${suites[@]}"; do resumo_suites+=" $s ${n_testes[$s]} tests,"; done
echo "Suites ($modo_suites):${resumo_suites%,}"
tempos=""
for s in "${suites[@]}"; do
  t1=$SECONDS
  rs=0
  roda_suite "$s" "$logs/original-$s.txt" || rs=$?
  if [ "$rs" = 1 ]; then
    echo "The unmutated tree fails suite $s ($PRIMEIRA); see $logs/original-$s.txt. Fix that first." >&2
    tail -40 "$logs/original-$s.txt" >&2
    exit 1
  fi
  [ "$rs" = 2 ] && echo "Warning: on the unmutated tree $PRIMEIRA (suite $s)" >&2
  tempos+=" $s $(minutos $((SECONDS - t1))),"
done
tempos="${tempos%,}"
echo "Unmutated tree: built and passed every suite in $(minutos $((SECONDS - t0))) (${tempos# })"
echo
echo "Marks: X killed by a failing test, C by a crash, T by a timeout, L by a crash while listing its tests,"
echo "       ? failed once but passed when run again (not counted as killed), . survived,"
echo "       - not run (the mutant was not applied or does not compile)."
echo

cabecalho="$(printf '%-8s' id)"
for s in "${suites[@]}"; do cabecalho+="$(printf '%-6s' "$s")"; done
cabecalho+="$(printf '%-8s%s' time description)"
echo "$cabecalho"

declare -A mortos_por=() estado=() detalhe=()
for s in "${suites[@]}"; do mortos_por[$s]=0; done
aplicados=0 mortos=0
nao_compila=() sobreviventes=() instaveis=()
declare -A instavel=()

for i in "${escolhidos[@]}"; do
  id="${ids[$i]}"
  if [ -n "${motivo_nao_aplicado[$i]:-}" ]; then
    linha="$(printf '%-8s' "$id")"
    for s in "${suites[@]}"; do linha+="$(printf '%-6s' -)"; done
    echo "$linha$(printf '%-8s' -)${descs[$i]}  [NOT APPLIED: ${motivo_nao_aplicado[$i]}]"
    continue
  fi
  t1=$SECONDS
  prepara_mutante "$i" "$copia" || { echo "$id no longer applies to the copy: $MOTIVO" >&2; exit 1; }
  f="$copia/${arqs[$i]}"
  cp "$f" "$trabalho/original"
  mutado="$f"
  printf '%s' "$MUTADO" >"$f"

  marcas=() notas=()
  rc=0
  compila "$logs/compila-$id.txt" || rc=$?
  if [ "$rc" = 1 ]; then
    nao_compila+=("$i")
    for s in "${suites[@]}"; do marcas+=(-); done
    notas+=("does not compile")
  else
    aplicados=$((aplicados + 1))
    morto=0
    for s in "${suites[@]}"; do
      if [ "$so_primeira" = 1 ] && [ "$morto" = 1 ]; then marcas+=(-); continue; fi
      if [ "$rc" = 2 ] && [[ " $LISTAGEM " == *" $s "* ]]; then
        marcas+=(L); notas+=("$s: crashed listing its tests")
      else
        rs=0
        roda_suite "$s" "$logs/$id-$s.txt" || rs=$?
        if [ "$rs" = 0 ]; then
          marcas+=(.)
          continue
        elif [ "$rs" = 2 ]; then
          marcas+=("?"); notas+=("$s: $PRIMEIRA")
          instaveis+=("$id/$s: $PRIMEIRA")
          instavel[$i]=1
          continue
        fi
        [ "$MARCA" = F ] && MARCA=X
        marcas+=("$MARCA"); notas+=("$s: $PRIMEIRA")
      fi
      morto=1
      mortos_por[$s]=$((${mortos_por[$s]} + 1))
    done
    if [ "$morto" = 1 ]; then mortos=$((mortos + 1)); else sobreviventes+=("$i"); fi
  fi

  cp "$trabalho/original" "$f"  # a new time stamp: the next build compiles the file back
  mutado=""

  linha="$(printf '%-8s' "$id")"
  for m in "${marcas[@]}"; do linha+="$(printf '%-6s' "$m")"; done
  linha+="$(printf '%-8s' "$(minutos $((SECONDS - t1)))")${descs[$i]}"
  if [ ${#notas[@]} -gt 0 ]; then
    nota="$(printf '%s; ' "${notas[@]}")"
    linha+="  [${nota%; }]"
  fi
  echo "$linha"
done

# Leaves the copy as the tree is, so that a kept work folder starts the next run already built.
compila "$logs/compila-final.txt" || true

percentagem() { if [ "$2" -gt 0 ]; then echo "$(( (100 * $1 + $2 / 2) / $2 )) %"; else echo "-"; fi; }

echo
echo "Summary"
printf '  %-28s %d\n' "mutants in this run" "${#escolhidos[@]}"
printf '  %-28s %d\n' "not applied" "${#nao_aplicados[@]}"
printf '  %-28s %d\n' "does not compile" "${#nao_compila[@]}"
printf '  %-28s %d\n' "applied and built" "$aplicados"
echo
printf '  %-10s %7s %9s %8s\n' suite tests killed rate
for s in "${suites[@]}"; do
  printf '  %-10s %7s %9s %8s\n' "$s" "${n_testes[$s]}" "${mortos_por[$s]}/$aplicados" \
    "$(percentagem "${mortos_por[$s]}" "$aplicados")"
done
printf '  %-10s %7s %9s %8s\n' "any" "" "$mortos/$aplicados" "$(percentagem "$mortos" "$aplicados")"
echo
echo "  Kill rate (killed by any suite / applied and built): $(percentagem "$mortos" "$aplicados")"
if [ ${#nao_aplicados[@]} -gt 0 ]; then
  echo
  echo "  NOT APPLIED (${#nao_aplicados[@]}), the list needs updating:"
  for i in "${nao_aplicados[@]}"; do echo "    ${ids[$i]}  ${motivo_nao_aplicado[$i]}"; done
fi
if [ ${#nao_compila[@]} -gt 0 ]; then
  echo
  echo "  Does not compile (${#nao_compila[@]}), left out of the rate:"
  for i in "${nao_compila[@]}"; do echo "    ${ids[$i]}  ${arqs[$i]}  ${descs[$i]}"; done
fi
if [ ${#instaveis[@]} -gt 0 ]; then
  echo
  echo "  Unsteady results, a suite failed once and then passed (not counted as kills; worth a look):"
  for r in "${instaveis[@]}"; do echo "    $r"; done
fi
echo
echo "  Survivors (${#sobreviventes[@]}):"
for i in "${sobreviventes[@]}"; do
  printf '    %-8s %-32s %s%s\n' "${ids[$i]}" "${arqs[$i]}" "${descs[$i]}" "${instavel[$i]:+  (unsteady, see above)}"
done
echo
echo "Total time: $(minutos $((SECONDS - inicio_total))) (h:min:s)"
[ ${#nao_aplicados[@]} -eq 0 ] || exit 3
