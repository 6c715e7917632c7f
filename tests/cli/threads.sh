#!/bin/sh
# pap and stapel give the same bytes on stdout and stderr, and the same exit code, whatever the
# number of threads: rows, bad rows and their messages in input order.
# Usage: threads.sh SALVARO-CLI TESTDATEN
set -u
cli=$1 daten=$2
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
fehler=0

# pap: the reference rows three times over (several chunks), a blank line in between.
{ cat "$daten/lst2023.csv"; sed 1d "$daten/lst2023.csv"; echo; sed 1d "$daten/lst2023.csv"; } \
  > "$tmp/pap.csv"
# A bad row far down: the rows before it are written, the message names it.
{ cat "$tmp/pap.csv"; echo "x,2023,bad,0,0,0"; } > "$tmp/pap_fehler.csv"
# stapel: gross and net rows of many years and classes with rows of every kind of error.
awk 'BEGIN {
  print "brutto,netto,jahr,monat,steuerklasse,kirchensteuer,beitragsgruppe";
  for (i = 0; i < 6000; i++) {
    j = 2006 + i % 18; m = 1 + i % 12; k = 1 + i % 6; b = 300 + (i * 37) % 9000;
    if (i % 997 == 5) print b ",,1999," m "," k ",Bayern,1111";
    else if (i % 1009 == 7) print b ",," j;
    else if (i % 25 == 3) print "," b ".17," j "," m "," k ",Hessen,1111";
    else if (i % 1013 == 9) print "";
    else print b ".55,," j "," m "," k ",keine," (i % 7 == 0 ? "6500" : "1111");
  }
}' > "$tmp/stapel.csv"

for t in 1 2 3; do
  "$cli" pap --engine OruSteuern2023 --input "$tmp/pap.csv" --threads $t \
    > "$tmp/pap$t.out" 2> "$tmp/pap$t.err"; echo $? >> "$tmp/pap$t.err"
  "$cli" pap --engine OruSteuern2023 --input "$tmp/pap_fehler.csv" --threads $t \
    > "$tmp/papf$t.out" 2> "$tmp/papf$t.err"; echo $? >> "$tmp/papf$t.err"
  "$cli" stapel "$tmp/stapel.csv" --threads $t > "$tmp/stapel$t.out" 2> "$tmp/stapel$t.err"
  echo $? >> "$tmp/stapel$t.err"
done
for t in 2 3; do
  for f in pap papf stapel; do
    cmp "$tmp/${f}1.out" "$tmp/$f$t.out" || fehler=1
    cmp "$tmp/${f}1.err" "$tmp/$f$t.err" || fehler=1
  done
done
# The runs did what they should: all rows, the bad pap row named, stapel's errors reported.
test "$(wc -l < "$tmp/pap1.out")" -eq $((3 * $(sed 1d "$daten/lst2023.csv" | wc -l) + 1)) || fehler=1
grep -q "^salvaro-cli pap: Zeile $(($(wc -l < "$tmp/pap.csv") + 1)): " "$tmp/papf1.err" || fehler=1
test "$(wc -l < "$tmp/papf1.out")" -eq "$(wc -l < "$tmp/pap1.out")" || fehler=1
grep -q "Spalte jahr" "$tmp/stapel1.err" && grep -q "Spalten statt" "$tmp/stapel1.err" || fehler=1
test "$(tail -1 "$tmp/stapel1.err")" = 1 || fehler=1
exit $fehler
