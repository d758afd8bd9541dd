#!/usr/bin/env python3
"""Makes Routewright's airport data files from the open airport database.

    make_airport_data.py --database airports.sqlite --out DIR

writes into DIR:
  Fsb_apts.txt          one airport a line: ident name elevation lat lon runways...
  Fsb_apts.idx          KEY OFFSET: where the identifiers with that first character begin
  fsb_pref_rwy.txt      preferred departure and landing runways of a few airports
  Fsb_apts.LICENSE.txt  the database's licence, as its package ships it
  Fsb_apts.README.txt   where the data comes from and under which licence

Only the standard library is used, so Debian's python3 runs it as it is.
"""

import argparse
import json
import os
import sqlite3
import sys
import time
import unicodedata
from pathlib import Path

# Kinds of place a fixed-wing pilot can fly to, most important first: the rank
# decides between two airports that end up with the same identifier.
KEPT_TYPES = {
    "large_airport": 0,
    "medium_airport": 1,
    "small_airport": 2,
    "seaplane_base": 3,
}

MAX_IDENT = 5
MAX_NAME = 50
MAX_RUNWAYS = 20
MAX_LINE = 1023  # the program's line buffer, line end included
ENCODING = "cp1252"

# Letters that NFKD leaves alone but that have an obvious Latin base letter.
EXTRA_LETTERS = {
    "ł": "l", "Ł": "L", "đ": "d", "Đ": "D", "ı": "i", "ħ": "h", "Ħ": "H",
    "ŧ": "t", "Ŧ": "T", "ŀ": "l", "Ŀ": "L", "ĸ": "k", "ŋ": "n", "Ŋ": "N",
    "ə": "e", "Ə": "E", "ſ": "s",
    "\u2018": "'", "\u2019": "'", "\u201c": '"', "\u201d": '"',
}

# Departure and landing runway of a few well-known airports, as they are used
# most days. A line is written only where the data has the airport and both
# runways, so the file never names a runway the program cannot find.
PREFERRED_RUNWAYS = [
    ("EDDF", "25C", "25L"),
    ("EHAM", "24", "18R"),
    ("KJFK", "31L", "31R"),
    ("LFSB", "15", "33"),
    ("LOWW", "29", "34"),
    ("LSGG", "22", "22"),  # 05/23 was renamed 04/22 in 2022
    ("LSZH", "16", "14"),
]


def encodable(ch):
    try:
        ch.encode(ENCODING)
        return True
    except UnicodeEncodeError:
        return False


def single_byte_text(text):
    """Keeps what code page 1252 has, spells the rest with its base letters, drops what has none."""
    out = []
    for ch in text:
        if ch.isspace():
            out.append(" ")
        elif unicodedata.category(ch).startswith("C"):
            continue
        elif encodable(ch):
            out.append(ch)
        elif ch in EXTRA_LETTERS:
            out.append(EXTRA_LETTERS[ch])
        else:
            for part in unicodedata.normalize("NFKD", ch):
                if not unicodedata.combining(part) and not part.isspace() and encodable(part):
                    out.append(EXTRA_LETTERS.get(part, part))
    return "".join(out)


def name_token(name):
    """The name as one blank-free token of at most MAX_NAME characters, or "" when nothing is left."""
    token = "_".join(single_byte_text(name or "").split())
    return token[:MAX_NAME].strip("_")


def usable_ident(code):
    code = (code or "").strip()
    if 1 <= len(code) <= MAX_IDENT and code.isascii() and code.isalnum():
        return code
    return None


def designator(ident):
    # "_" and "-" separate the parts of a runway field, blanks separate fields.
    text = single_byte_text(ident or "")
    return "".join(ch for ch in text if not ch.isspace() and ch not in "_-")


def feet(value):
    if value is None:
        return 0
    try:
        return int(round(float(value)))
    except (TypeError, ValueError):
        return 0


def coordinate(value, limit):
    if value is None:
        return None
    value = float(value)
    if not -limit <= value <= limit:
        return None
    text = f"{value:.6f}"
    return "0.000000" if text == "-0.000000" else text


def read_runways(db):
    """Runway fields per airport id, in the database's order, and how many runways had no designator."""
    runways = {}
    unnamed = 0
    current = None  # (airport id, runway id, length, [designators])

    def finish():
        nonlocal unnamed
        if current is None:
            return
        airport_id, _, length, ends = current
        if not ends:
            unnamed += 1
            return
        runways.setdefault(airport_id, []).append("_".join(ends) + "-" + str(max(length, 0)))

    rows = db.execute(
        "SELECT r.airport_id, r.id, r.length_ft, e.ident"
        " FROM runways r LEFT JOIN runway_ends e ON e.runway_id = r.id"
        " ORDER BY r.airport_id, r.id, e.id"
    )
    for airport_id, runway_id, length, ident in rows:
        if current is None or current[1] != runway_id or current[0] != airport_id:
            finish()
            current = (airport_id, runway_id, feet(length), [])
        end = designator(ident)
        if end:
            current[3].append(end)
    finish()
    return runways, unnamed


def choose_airports(db, runways):
    """One airport per identifier: {ident: (ident, name, elevation, lat, lon, runway fields)}."""
    chosen = {}  # ident -> (preference key, record)
    skipped = {"type": 0, "ident": 0, "position": 0, "duplicate": 0}
    rows = db.execute(
        "SELECT id, icao, faa, name, type, elevation_ft, latitude, longitude FROM airports ORDER BY id"
    )
    for airport_id, icao, gps_code, name, kind, elevation, lat, lon in rows:
        rank = KEPT_TYPES.get((kind or "").strip())
        if rank is None:
            skipped["type"] += 1
            continue
        # The database's own identifier where it is a short code; else the
        # airport's GPS/ICAO-style code, which a made-up "XX-1234" hides.
        ident, primary = usable_ident(icao), True
        if ident is None:
            ident, primary = usable_ident(gps_code), False
        if ident is None:
            skipped["ident"] += 1
            continue
        lat_text, lon_text = coordinate(lat, 90.0), coordinate(lon, 180.0)
        if lat_text is None or lon_text is None:
            skipped["position"] += 1
            continue
        fields = runways.get(airport_id, [])[:MAX_RUNWAYS]
        # The scanf-style reader needs a name token, whatever the script of the name.
        record = (ident, name_token(name) or ident, feet(elevation), lat_text, lon_text, fields)
        # Its own code beats a borrowed one; then the bigger kind, more runways, older entry.
        key = (0 if primary else 1, rank, -len(fields), airport_id)
        if ident in chosen:
            skipped["duplicate"] += 1
            if key > chosen[ident][0]:
                continue
        chosen[ident] = (key, record)
    return {ident: entry[1] for ident, entry in chosen.items()}, skipped


def airport_line(record):
    ident, name, elevation, lat, lon, fields = record
    line = " ".join([ident, name, str(elevation), lat, lon] + fields) + "\r\n"
    data = line.encode(ENCODING)
    if len(data) > MAX_LINE:
        raise ValueError(f"line for {ident} is {len(data)} bytes long")
    return data


def write_atomically(path, data):
    # A run that fails half-way must not leave a file that looks finished.
    temp = path.with_name(path.name + ".tmp")
    temp.write_bytes(data)
    os.replace(temp, path)


def preferred_runways_text(airports):
    lines = [
        "; Preferred runways: IDENT DEPARTURE LANDING X",
        "; The runway used for departures and the one used for landings on most days;",
        "; the fourth field is not used.",
        "*",
    ]
    for ident, departure, landing in PREFERRED_RUNWAYS:
        record = airports.get(ident)
        if record is None:
            continue
        ends = {end for field in record[5] for end in field.split("-", 1)[0].split("_")}
        if departure in ends and landing in ends:
            lines.append(f"{ident} {departure} {landing} -")
    return "".join(line + "\r\n" for line in lines).encode(ENCODING)


def find_licence(database, given):
    if given:
        return Path(given)
    # The package keeps the database in dist/ and its LICENSE one level up.
    for folder in (database.parent, database.parent.parent):
        if (folder / "LICENSE").is_file():
            return folder / "LICENSE"
    return None


def package_of(licence):
    try:
        package = json.loads((licence.parent / "package.json").read_text(encoding="utf-8"))
        return f"{package['name']} {package['version']}"
    except (OSError, ValueError, KeyError):
        return "the open airport database package"


def readme_text(package, airports, runway_count):
    lines = [
        "Fsb_apts.txt, Fsb_apts.idx and fsb_pref_rwy.txt: airport data for Routewright",
        "",
        f"Made by Routewright's tool make_airport_data.py from {package},",
        "a distribution of the OurAirports data, which is made available under the",
        "Open Data Commons Open Database License (ODbL) v1.0; the rights in its",
        "individual contents are licensed under the Database Contents License (DbCL)",
        "v1.0. Fsb_apts.LICENSE.txt is the licence text as that package ships it.",
        "",
        "These files are a database produced from it and are offered under the same",
        "licence, ODbL v1.0: https://opendatacommons.org/licenses/odbl/1.0/",
        "",
        "What the tool changed: it keeps airports and seaplane bases (no heliports,",
        "balloon ports or closed fields) that have an identifier of at most 5 letters",
        "and digits, writes their names with blanks as \"_\" in code page 1252, cut",
        "to 50 characters, and lists up to 20 runways each with their designators and",
        "length in feet; runways whose ends the data does not name are left out.",
        f"This edition: {airports} airports, {runway_count} runways.",
        "",
        "Corrections to the data belong to OurAirports, its source.",
    ]
    return "".join(line + "\r\n" for line in lines).encode(ENCODING)


def generate(database, out_dir, licence=None):
    """Writes all files; returns (airports, runways, bytes of Fsb_apts.txt, skipped counts)."""
    database, out_dir = Path(database), Path(out_dir)
    licence = find_licence(database, licence)
    if licence is None or not licence.is_file():
        raise FileNotFoundError(f"no licence file beside {database}: give it with --licence")
    out_dir.mkdir(parents=True, exist_ok=True)

    db = sqlite3.connect(f"file:{database}?mode=ro", uri=True)
    try:
        runways, unnamed = read_runways(db)
        airports, skipped = choose_airports(db, runways)
    finally:
        db.close()
    skipped["runways without designator"] = unnamed

    text = bytearray()
    index = bytearray()
    last_key = None
    for ident in sorted(airports):
        if ident[0] != last_key:
            last_key = ident[0]
            index += f"{last_key} {len(text)}\r\n".encode("ascii")
        text += airport_line(airports[ident])
    runway_count = sum(len(record[5]) for record in airports.values())

    write_atomically(out_dir / "Fsb_apts.txt", bytes(text))
    write_atomically(out_dir / "Fsb_apts.idx", bytes(index))
    write_atomically(out_dir / "fsb_pref_rwy.txt", preferred_runways_text(airports))
    write_atomically(out_dir / "Fsb_apts.LICENSE.txt", licence.read_bytes())
    write_atomically(out_dir / "Fsb_apts.README.txt",
                     readme_text(package_of(licence), len(airports), runway_count))
    return len(airports), runway_count, len(text), skipped


def main(argv=None):
    parser = argparse.ArgumentParser(description="Makes Fsb_apts.txt and its companions from the open airport database.")
    parser.add_argument("--database", required=True, help="the SQLite file (airports.sqlite)")
    parser.add_argument("--out", required=True, help="folder to write the files into")
    parser.add_argument("--licence", help="the database's licence file (default: LICENSE beside it or one folder up)")
    args = parser.parse_args(argv)
    if not Path(args.database).is_file():
        parser.error(f"no such database: {args.database}")
    started = time.monotonic()
    try:
        airports, runways, size, skipped = generate(args.database, args.out, args.licence)
    except (OSError, sqlite3.Error, ValueError) as error:
        print(f"make_airport_data: {error}", file=sys.stderr)
        return 1
    print(f"make_airport_data: {airports} airports, {runways} runways, {size} bytes in Fsb_apts.txt"
          f" ({time.monotonic() - started:.1f} s; left out: {skipped['type']} heliports/closed/balloon ports,"
          f" {skipped['ident']} without a usable identifier, {skipped['duplicate']} duplicates,"
          f" {skipped['position']} without a position,"
          f" {skipped['runways without designator']} runways without designator)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
