#!/usr/bin/env python3
"""Generate data/vzdal.vrd, the table of distances between the district towns.

Why: the "Výchozí cesty" window offers 47 district towns and needs a road
distance for every pair. We have no published road-distance table we may
ship, so the distances are estimates: the great-circle distance between the
town centres (haversine formula, Earth radius 6371 km) multiplied by a road
factor of 1.25 (roads are longer than the straight line), rounded to whole
km (halves up). Treat them as approximations; the user can always type the
real distance into the travel page.

How: python3 scripts/gen-distances.py scripts/district-towns.csv [-o data/vzdal.vrd]

TOWNS.csv is "mesto;lat;lon" (UTF-8, WGS84 decimal degrees, lines starting
with "#" are comments). The script writes one line per pair of towns,
"town;town;km", in the order of the town lists of the distance window (each
pair once; a line serves both directions), UTF-8 with LF line endings (the
build converts data/ to Windows-1250). A town missing from the csv is left
out and reported on stderr; nothing is guessed. Standard library only.
"""

import argparse
import csv
import math
import sys
from pathlib import Path

# The towns of the distance window, in the order of its two lists.
TOWNS = [
    "Aš", "Blansko", "Brno", "Bruntál", "Břeclav", "Česká Lípa",
    "České Budějovice", "Děčín", "Domažlice", "Havlíčkův Brod", "Hodonín",
    "Hradec Králové", "Cheb", "Chomutov", "Jeseník", "Jihlava",
    "Jindřichův Hradec", "Karlovy Vary", "Kladno", "Klatovy", "Kolín",
    "Liberec", "Mariánské Lázně", "Mladá Boleslav", "Nový Jičín", "Olomouc",
    "Opava", "Ostrava", "Pardubice", "Pelhřimov", "Písek", "Plzeň", "Praha",
    "Přerov", "Příbram", "Rakovník", "Strakonice", "Svitavy", "Šumperk",
    "Tábor", "Teplice", "Trutnov", "Uherské Hradiště", "Ústí nad Labem",
    "Vsetín", "Zlín", "Znojmo",
]

EARTH_RADIUS_KM = 6371.0
ROAD_FACTOR = 1.25


def haversine_km(lat1, lon1, lat2, lon2):
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dp = p2 - p1
    dl = math.radians(lon2 - lon1)
    a = math.sin(dp / 2) ** 2 + math.cos(p1) * math.cos(p2) * math.sin(dl / 2) ** 2
    return 2 * EARTH_RADIUS_KM * math.asin(math.sqrt(a))


def road_km(a, b):
    """Estimated road distance in whole km, halves rounded up."""
    return math.floor(haversine_km(*a, *b) * ROAD_FACTOR + 0.5)


def read_towns(path):
    coords = {}
    with open(path, encoding="utf-8-sig", newline="") as f:
        rows = (line for line in f if line.strip() and not line.lstrip().startswith("#"))
        for row in csv.DictReader(rows, delimiter=";"):
            coords[row["mesto"].strip()] = (float(row["lat"]), float(row["lon"]))
    return coords


def main():
    repo = Path(__file__).resolve().parent.parent
    ap = argparse.ArgumentParser(description="Generate the district-town distance table.")
    ap.add_argument("csv", help="town coordinates, mesto;lat;lon")
    ap.add_argument("-o", "--output", default=str(repo / "data" / "vzdal.vrd"))
    args = ap.parse_args()

    coords = read_towns(args.csv)
    missing = [t for t in TOWNS if t not in coords]
    for t in missing:
        print(f"town missing from {args.csv}, left out: {t}", file=sys.stderr)
    towns = [t for t in TOWNS if t in coords]

    lines = []
    for i, a in enumerate(towns):
        for b in towns[i + 1:]:
            km = road_km(coords[a], coords[b])
            # The window reads at most three digits after the second ";".
            if not 1 <= km <= 999:
                sys.exit(f"distance out of range for {a} – {b}: {km} km")
            lines.append(f"{a};{b};{km}\n")

    with open(args.output, "w", encoding="utf-8", newline="\n") as f:
        f.writelines(lines)
    print(f"{args.output}: {len(lines)} pairs of {len(towns)} towns", file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
