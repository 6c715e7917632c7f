#!/usr/bin/env python3
"""The yardstick of pap: reads a CSV file and writes it back with nine extra columns (empty
values), the least a program that appends results must do. Usage: csv_kopie.py EIN AUS"""
import csv
import sys

SPALTEN = ["LSTLZZ", "SOLZLZZ", "BK", "STS", "SOLZS", "BKS", "STV", "SOLZV", "BKV"]


def main():
    with open(sys.argv[1], newline="") as ein, open(sys.argv[2], "w", newline="") as aus:
        leser = csv.reader(ein)
        schreiber = csv.writer(aus, lineterminator="\n")
        schreiber.writerow(next(leser) + ["our_" + s for s in SPALTEN])
        leer = [""] * len(SPALTEN)
        for zeile in leser:
            schreiber.writerow(zeile + leer)


if __name__ == "__main__":
    main()
