#!/usr/bin/env bash
# The installed program: `cmake --install` into a fresh prefix puts every file in place, and the program run from
# there keeps its logs under XDG_DATA_HOME, writing nothing into the prefix or the working folder. A copy of the
# program alone in a folder (portable) keeps its logs beside it, whatever folder it was started from. --help and
# --version answer and exit.
# Usage: instala.sh <cmake> <build folder> <version>
set -uo pipefail
tmp="$(mktemp -d /tmp/vantor-instala.XXXXXX)"
trap 'kill "${pid:-}" 2>/dev/null; chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
falha() { echo "FAIL: $*" >&2; exit 1; }
p="$tmp/prefixo"
"$1" --install "$2" --prefix "$p" >/dev/null || falha "cmake --install"
for f in bin/vantor share/vantor/{gongo,sino,sparkle}.wav share/vantor/modelos.ini share/applications/vantor.desktop \
  share/icons/hicolor/{scalable/apps/vantor.svg,48x48/apps/vantor.png,128x128/apps/vantor.png,256x256/apps/vantor.png} \
  share/doc/vantor/{copyright,changelog.gz} share/man/man1/vantor.1.gz; do
  [ -s "$p/$f" ] || falha "not installed: $f"
done
chmod -R a-w "$p"  # as an installed program's folders are, for anyone but root
antes="$(find "$p" -printf '%p %s %T@\n' | sort)"
mkdir -p "$tmp/cwd" "$tmp/home"
cd "$tmp/cwd" || exit 1
# Runs a program with TEMP unset until it has written its first log, wherever that goes.
roda() {
  env -u TEMP HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/dados" QT_QPA_PLATFORM=offscreen \
    "$@" >"$tmp/saida.txt" 2>&1 &
  pid=$!
  # The bound only tells a program that never writes a log from a slow start.
  for _ in $(seq 600); do
    eval "${espera:-[ -n \"\$(logs)\" ]}" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null
  wait "$pid"
}
logs() { find "$tmp" -name 'LOG_*.txt' -printf '%P '; }
roda "$p/bin/vantor"
compgen -G "$tmp/dados/vantor/LOG/LOG_*.txt" >/dev/null ||
  falha "no log in \$XDG_DATA_HOME/vantor/LOG; logs: $(logs); the program said: $(cat "$tmp/saida.txt")"
[ -z "$(ls -A "$tmp/cwd")" ] || falha "written into the working folder: $(ls -A "$tmp/cwd")"
[ "$(find "$p" -printf '%p %s %T@\n' | sort)" = "$antes" ] || falha "written into the prefix"

mkdir -p "$tmp/portatil"
cp "$p/bin/vantor" "$tmp/portatil/"
rm -rf "$tmp/dados"
roda "$tmp/portatil/vantor"
compgen -G "$tmp/portatil/LOG/LOG_*.txt" >/dev/null || falha "portable: no log beside the program; logs: $(logs)"
[ -z "$(ls -A "$tmp/cwd")" ] || falha "portable: written into the working folder: $(ls -A "$tmp/cwd")"

ajuda="$("$p/bin/vantor" --help)" && [[ "$ajuda" == *"--sumula"* ]] || falha "--help: $ajuda"
[ "$("$p/bin/vantor" --version)" = "Vantor $3" ] || falha "--version: $("$p/bin/vantor" --version)"
"$p/bin/vantor" --ajuda >/dev/null 2>&1
[ $? = 2 ] || falha "an unknown option did not fail with status 2"
# A model at start: its settings go in as the dialog's OK puts them, logged; an unknown name lists the models.
rm -rf "$tmp/dados"
espera='grep -qs Configura "$tmp"/dados/vantor/LOG/LOG_*.txt' roda "$p/bin/vantor" --modelo wt-senior
grep -q $'\tConfigura\tRounds: 3\tIntervalo: 60\tRound: 120\t' "$tmp"/dados/vantor/LOG/LOG_*.txt ||
  falha "--modelo wt-senior: no Configura line; the program said: $(cat "$tmp/saida.txt")"
QT_QPA_PLATFORM=offscreen "$p/bin/vantor" --modelo nada >/dev/null 2>"$tmp/erro.txt"
rc=$?
[ "$rc" = 1 ] && grep -q "wt-senior wt-cadete" "$tmp/erro.txt" ||
  falha "--modelo nada: status $rc, said: $(cat "$tmp/erro.txt")"
# A list at start, with a model: the installed program keeps its copy beside its settings; a list with a fault is
# named with its line before any window, status 1; the results of the logs come out as a spreadsheet's table.
printf 'luta;categoria;azul;vermelho;modelo\n7;-68 kg;Ana;Bia;wt-senior\n' >"$tmp/lutas.csv"
espera='cmp -s "$tmp/lutas.csv" "$tmp/config/vantor/lutas.csv"' roda "$p/bin/vantor" --lutas "$tmp/lutas.csv" --modelo wtf-2017
cmp -s "$tmp/lutas.csv" "$tmp/config/vantor/lutas.csv" || falha "--lutas: no copy; the program said: $(cat "$tmp/saida.txt")"
printf 'luta;categoria;azul;vermelho\n7;a;Ana;Bia\n8;a;;Bia\n' >"$tmp/ruim.csv"
env XDG_CONFIG_HOME="$tmp/config" QT_QPA_PLATFORM=offscreen "$p/bin/vantor" --lutas "$tmp/ruim.csv" >/dev/null 2>"$tmp/erro.txt"
rc=$?
[ "$rc" = 1 ] && grep -q "line 3: empty name (azul)" "$tmp/erro.txt" && cmp -s "$tmp/lutas.csv" "$tmp/config/vantor/lutas.csv" ||
  falha "--lutas with a fault: status $rc, said: $(cat "$tmp/erro.txt")"
"$p/bin/vantor" --resultados "$tmp/dados/vantor/LOG" "$tmp/r.csv" && [ "$(head -c 8 "$tmp/r.csv")" = $'\xef\xbb\xbfluta,' ] ||
  falha "--resultados: $(head -c 100 "$tmp/r.csv" 2>&1)"
echo "installed program: files in place, log in \$XDG_DATA_HOME/vantor/LOG; portable: log beside the program"
