#!/usr/bin/env python3
"""Writes the inputs of the batch measurements into a folder (not into git, they are large):

  pap2023.csv      the 2023 reference rows of tests/data repeated to 373,800 rows
  stapel_gn.csv    100,000 gross-to-net rows of stapel, years, classes and groups varied
  stapel_ng.csv    5,000 net-to-gross rows of stapel, varied alike

Usage: bench/eingaben.py ORDNER [--pap-zeilen N] [--gn-zeilen N] [--ng-zeilen N]
The rows are the same on every run (fixed seed)."""
import argparse
import os
import random

HIER = os.path.dirname(os.path.abspath(__file__))
REFERENZ = os.path.join(HIER, "..", "tests", "data", "lst2023.csv")

GRUPPEN = ["1111", "1111", "1111", "3111", "9111", "1101", "0100", "6500", "1100"]
LAENDER = ["keine", "Bayern", "Berlin", "Hessen", "Sachsen"]


def pap(pfad, zeilen):
    with open(REFERENZ, newline="") as f:
        kopf, *daten = f.read().splitlines()
    with open(pfad, "w", newline="") as f:
        f.write(kopf + "\n")
        for i in range(zeilen):
            f.write(daten[i % len(daten)] + "\n")


def stapel(pfad, zeilen, spalte, von, bis, seed):
    r = random.Random(seed)
    with open(pfad, "w", newline="") as f:
        f.write(spalte + ",jahr,monat,steuerklasse,kinderfreibetrag,kirchensteuer,geburtsjahr,"
                "beitragsgruppe\n")
        for _ in range(zeilen):
            cent = r.randint(von, bis)
            stkl = r.randint(1, 6)
            kifb = r.choice(["", "", "0.5", "1", "2"]) if stkl != 6 else ""
            f.write("%d.%02d,%d,%d,%d,%s,%s,%d,%s\n" % (
                cent // 100, cent % 100, r.randint(2006, 2023), r.randint(1, 12), stkl, kifb,
                r.choice(LAENDER), r.randint(1950, 2002), r.choice(GRUPPEN)))


def main():
    p = argparse.ArgumentParser()
    p.add_argument("ordner")
    p.add_argument("--pap-zeilen", type=int, default=373800)
    p.add_argument("--gn-zeilen", type=int, default=100000)
    p.add_argument("--ng-zeilen", type=int, default=5000)
    a = p.parse_args()
    os.makedirs(a.ordner, exist_ok=True)
    pap(os.path.join(a.ordner, "pap2023.csv"), a.pap_zeilen)
    stapel(os.path.join(a.ordner, "stapel_gn.csv"), a.gn_zeilen, "brutto", 30000, 1200000, 1)
    stapel(os.path.join(a.ordner, "stapel_ng.csv"), a.ng_zeilen, "netto", 30000, 800000, 2)


if __name__ == "__main__":
    main()
