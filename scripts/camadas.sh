#!/usr/bin/env bash
# The layering of src/: a file may include from its own folder and from the folders below it, never from one
# above. Lowest first; exits 1 and names each include that runs upward.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
camadas=(lang settings luta log controllers app platform ui)
declare -A nivel
for i in "${!camadas[@]}"; do nivel[${camadas[$i]}]=$i; done

erros=0
while IFS= read -r arquivo; do
  pasta="${arquivo#src/}"
  pasta="${pasta%%/*}"
  if [ -z "${nivel[$pasta]:-}" ]; then
    echo "$arquivo: the folder $pasta has no place in the layers" >&2
    erros=1
    continue
  fi
  while IFS= read -r incluida; do
    if [ -z "${nivel[$incluida]:-}" ] || [ "${nivel[$incluida]}" -gt "${nivel[$pasta]}" ]; then
      echo "$arquivo includes from $incluida/, above $pasta/" >&2
      erros=1
    fi
  done < <(sed -n 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^/"]*\)/.*|\1|p' "$arquivo")
done < <(git ls-files --cached --others --exclude-standard 'src/*.cpp' 'src/*.h')
[ "$erros" = 0 ] && echo "layers: every include runs downward (${camadas[*]})"
exit "$erros"
