#!/usr/bin/env bash
# Permissions do not bind the superuser, so run as root the tests that need a
# folder the user cannot write skip. This runs the test programs holding such
# tests again as an unprivileged user (made when missing), so that they pass
# or fail on every run. Argument: the build folder (default "build").
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exit 0

build=$(realpath "${1:-build}")
utente=korvane-prove
if ! id -u "$utente" >/dev/null 2>&1; then
  useradd --system --no-create-home --shell /usr/sbin/nologin "$utente"
fi
# The programs and the fixtures they read by absolute path must be readable by it.
chmod -R a+rX "$build/tests" tests samples

# A clone under a private folder (root's home) cannot be reached by that user:
# let it pass through each closed folder above the tree for this run only,
# and put every folder's mode back at the end.
aperte=()
cartella=$(realpath .)
while [ "$cartella" != / ]; do
  cartella=$(dirname "$cartella")
  if [ "$(( 0$(stat -c %a "$cartella") & 01 ))" -eq 0 ]; then
    aperte+=("$(stat -c %a "$cartella") $cartella")
    chmod o+x "$cartella"
  fi
done

casa=$(mktemp -d)
chown "$utente": "$casa"
ripristina() {
  rm -rf "$casa"
  for voce in "${aperte[@]}"; do chmod "${voce%% *}" "${voce#* }"; done
}
trap ripristina EXIT
come_utente() {
  (cd "$casa" && setpriv --reuid="$utente" --regid="$utente" --clear-groups \
     env HOME="$casa" XDG_CONFIG_HOME="$casa/.config" XDG_RUNTIME_DIR="$casa" \
     QT_QPA_PLATFORM=offscreen "$@")
}

esito=0
for sorgente in $(grep -l 'geteuid() == 0' tests/*/*.cpp); do
  cartella=$(basename "$(dirname "$sorgente")")
  programma="$build/tests/test_${cartella}_$(basename "$sorgente" .cpp)"
  echo "== $(basename "$programma") come $utente"
  if ! come_utente test -x "$programma"; then
    echo "$utente non raggiunge $programma: ogni cartella sopra la build deve essere attraversabile." >&2
    esito=1
    continue
  fi
  come_utente "$programma" --gtest_brief=1 || esito=1
done
exit "$esito"
