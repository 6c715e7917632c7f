#!/bin/sh
# The manual pages: the name line in UTF-8 as written, the section headings in German.
fehler=0
for seite in "$@"; do
  text=$(zcat "$seite")
  programm=$(basename "$seite" .1.gz)
  echo "$text" | grep -q "^$programm \\\\- Brutto-Netto-Rechner \(für\|mit\) " ||
    { echo "FEHLER: Namenszeile in $seite"; fehler=1; }
  echo "$text" | grep -q 'Ã' && { echo "FEHLER: doppelt kodiert in $seite"; fehler=1; }
  echo "$text" | grep -q '^\.SH BEZEICHNUNG$' || { echo "FEHLER: BEZEICHNUNG fehlt in $seite"; fehler=1; }
  echo "$text" | grep -q '^\.SH \(NAME\|DESCRIPTION\|SYNOPSIS\|OPTIONS\|EXAMPLES\|"SEE ALSO"\|AUTHOR\)$' &&
    { echo "FEHLER: englische Überschrift in $seite"; fehler=1; }
done
exit $fehler
