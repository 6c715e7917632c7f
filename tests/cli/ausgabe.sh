#!/bin/sh
# Output that cannot be written is never success: with standard output full or closed, every
# subcommand exits with 4 and says why in German on stderr.
cli="$1"
daten="$2"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
printf 'brutto,jahr,monat\n' > "$tmp/gross.csv"
i=0
while [ $i -lt 3000 ]; do echo "3000,2023,1" >> "$tmp/gross.csv"; i=$((i + 1)); done
fehler=0
pruefe() {
  wie="$1"
  shift
  if [ "$wie" = voll ]; then "$cli" "$@" > /dev/full 2> "$tmp/err" < /dev/null; else "$cli" "$@" >&- 2> "$tmp/err" < /dev/null; fi
  code=$?
  if [ $code -ne 4 ] || ! grep -q "die Ausgabe kann nicht geschrieben werden: " "$tmp/err" ||
     grep -q "Zeilen gerechnet" "$tmp/err"; then
    echo "FEHLER ($wie, Exit $code): $*"; cat "$tmp/err"; fehler=1
  fi
}
for wie in voll zu; do
  pruefe $wie rechne --brutto 3000 --jahr 2026 --monat 1
  pruefe $wie rechne --brutto 3000 --jahr 2026 --monat 1 --json
  pruefe $wie stapel "$tmp/gross.csv"
  pruefe $wie pap --engine OruSteuern2023 --input "$daten/lst2023.csv"
  pruefe $wie beispiel
  pruefe $wie --help
  pruefe $wie rechne --help
  pruefe $wie --version
  pruefe $wie fall --Jahr 2025 --StBrutto 3000 --SVBrutto 3000
done
# The same commands with a writable output succeed.
"$cli" --version | grep -qx "salvaro-cli [0-9.]*" || { echo "FEHLER: --version"; fehler=1; }
"$cli" -V | grep -qx "salvaro-cli [0-9.]*" || { echo "FEHLER: -V"; fehler=1; }
"$cli" rechne --help > /dev/null || { echo "FEHLER: rechne --help"; fehler=1; }
exit $fehler
