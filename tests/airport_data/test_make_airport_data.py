#!/usr/bin/env python3
"""Tests of tools/airport-data/make_airport_data.py on a tiny database made here.

WorldFileTest checks the real generated files instead, when the environment
variable RW_AIRPORT_DATA_DIR names the folder that holds them.
"""

import json
import os
import sqlite3
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

TOOL_DIR = Path(__file__).resolve().parents[2] / "tools" / "airport-data"
sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, str(TOOL_DIR))
import make_airport_data  # noqa: E402

# The columns of the real database that the tool reads, under the same names.
SCHEMA = """
CREATE TABLE airports (
  id INTEGER PRIMARY KEY AUTOINCREMENT, icao TEXT NOT NULL UNIQUE, iata TEXT UNIQUE,
  faa TEXT UNIQUE, local TEXT, name TEXT NOT NULL, type TEXT NOT NULL, type_source TEXT,
  status TEXT, is_public_use BOOLEAN, latitude REAL NOT NULL, longitude REAL NOT NULL,
  elevation_ft INTEGER NOT NULL, country TEXT NOT NULL, country_code TEXT NOT NULL);
CREATE TABLE runways (
  id INTEGER PRIMARY KEY, airport_id INTEGER NOT NULL, length_ft INTEGER NOT NULL,
  width_ft INTEGER NOT NULL, surface TEXT NOT NULL, lighted BOOLEAN NOT NULL);
CREATE TABLE runway_ends (
  id INTEGER PRIMARY KEY, runway_id INTEGER NOT NULL, ident TEXT NOT NULL,
  heading_degT REAL NOT NULL, latitude_deg REAL NOT NULL, longitude_deg REAL NOT NULL,
  displaced_threshold_ft INTEGER, elevation_ft INTEGER);
"""

LONG_NAME = "Aeródromo Municipal de Santa Maria da Boa Vista do Sertão Pernambucano"
MANY = [f"{n:02d}" for n in range(1, 23)]  # 22 one-ended runways

# (icao, faa, name, type, elevation, lat, lon, [(length, [end idents])])
AIRPORTS = [
    ("LSZH", "LSZH", "Zürich Airport", "large_airport", 1417, 47.458056, 8.548056,
     [(8202, ["10", "28"]), (10827, ["14", "32"]), (12139, ["16", "34"])]),
    # Borrows the code that LSZB has as its own identifier.
    ("CH-0002", "LSZB", "Borrowed Code Field", "large_airport", 1500, 47.0, 8.0,
     [(3000, ["09", "27"]), (2000, ["18", "36"]), (1000, ["01", "19"]), (900, ["05", "23"])]),
    ("LSGG", "LSGG", "Geneva  Airport", "large_airport", 1411, 46.238098, 6.10895,
     [(12795, ["04", "22"])]),
    ("LFSB", "LFSB", "EuroAirport Basel–Mulhouse–Freiburg", "large_airport", 885, 47.60068, 7.521117,
     [(5626, ["07", "25"])]),
    ("EPLL", "EPLL", "Łódź Władysław Reymont Airport", "medium_airport", 604, 51.721901, 19.398100,
     [(8202, ["07", "25"])]),
    ("OEXX", None, "مطار", "small_airport", 0, 24.5, 45.25, []),
    ("SBXL", None, LONG_NAME, "small_airport", 1200, -8.75, -39.5, []),
    ("YSSY", "YSSY", "Sydney Kingsford Smith International Airport", "large_airport", 21,
     -33.946098, 151.177002, [(8300, ["07", "25"]), (12999, ["16R", "34L"])]),
    ("00AK", "00AK", "Lowell Field", "small_airport", 450, 59.947733, -151.692524,
     [(2500, ["N"]), (0, ["09", "27"]), (1200, []), (1800, ["S"])]),
    ("0AK1", "0AK1", "Second Zero Strip", "small_airport", -5, 0.0, -0.0000001, []),
    ("KMNY", "KMNY", "Many Runways Airport", "small_airport", 100, 40.0, -75.0,
     [(1000 + i, [end]) for i, end in enumerate(MANY)]),
    ("US-0001", "ZZ12", "Borrowed Ranch Strip", "small_airport", 800, 35.0, -100.0, [(2000, ["17", "35"])]),
    ("XX-0004", None, "No Short Code", "small_airport", 10, 10.0, 10.0, []),
    ("XX-0005", "LONGER1", "Long Gps Code", "small_airport", 10, 10.0, 10.0, []),
    ("HELI", "HELI", "Hospital Heliport", "heliport", 10, 10.0, 10.0, [(60, ["H1"])]),
    ("CLSD", "CLSD", "Old Closed Field", "closed", 10, 10.0, 10.0, [(3000, ["09", "27"])]),
    ("BALL", "BALL", "Balloon Meadow", "balloonport", 10, 10.0, 10.0, []),
    ("LSZB", None, "Bern Airport", "medium_airport", 1674, 46.912222, 7.499167,
     [(5676, ["14", "32"])]),
    ("EKCH", "EKCH", "Københavns Lufthavn, Kastrup", "large_airport", 17, 55.617917, 12.655972, []),
]


def make_database(folder, airports=AIRPORTS, licence=True):
    folder.mkdir(parents=True, exist_ok=True)
    path = folder / "airports.sqlite"
    db = sqlite3.connect(path)
    db.executescript(SCHEMA)
    runway_id = 100
    # Stored in reverse so the tool has to sort and cannot rely on insertion order.
    for icao, gps, name, kind, elevation, lat, lon, runways in reversed(airports):
        cursor = db.execute(
            "INSERT INTO airports (icao, faa, name, type, elevation_ft, latitude, longitude,"
            " country, country_code) VALUES (?, ?, ?, ?, ?, ?, ?, 'X', 'XX')",
            (icao, gps, name, kind, elevation, lat, lon))
        for length, ends in runways:
            runway_id += 1
            db.execute("INSERT INTO runways VALUES (?, ?, ?, 100, 'asphalt', 0)",
                       (runway_id, cursor.lastrowid, length))
            for n, end in enumerate(ends, 1):
                db.execute("INSERT INTO runway_ends VALUES (?, ?, ?, 0, 0, 0, NULL, NULL)",
                           (runway_id * 10 + n, runway_id, end))
    db.commit()
    db.close()
    if licence:
        (folder / "LICENSE").write_bytes(b"Open Data Commons Open Database License (ODbL) v1.0\ntest text\n")
        (folder / "package.json").write_text(json.dumps({"name": "test-airport-db", "version": "9.8.7"}))
    return path


def read_lines(data):
    """Splits on CR LF, failing on any other line end."""
    assert data.endswith(b"\r\n"), "file does not end with CR LF"
    lines = data[:-2].split(b"\r\n")
    for line in lines:
        assert b"\r" not in line and b"\n" not in line, f"stray line end in {line!r}"
    return lines


def check_data_files(test, out_dir):
    """Checks the format of Fsb_apts.txt and its index; returns {ident: fields} of the airports."""
    data = (out_dir / "Fsb_apts.txt").read_bytes()
    lines = read_lines(data)
    airports = {}
    for line in lines:
        test.assertLessEqual(len(line) + 2, make_airport_data.MAX_LINE, line)
        fields = line.decode("cp1252").split(" ")
        test.assertTrue(5 <= len(fields) <= 25, line)
        test.assertNotIn("", fields, line)
        ident, name, elevation, lat, lon = fields[:5]
        test.assertTrue(1 <= len(ident) <= 5 and ident.isascii() and ident.isalnum(), line)
        test.assertTrue(1 <= len(name) <= 50, line)
        int(elevation)
        for value, limit in ((lat, 90), (lon, 180)):
            test.assertLessEqual(len(value), 11, line)
            test.assertLessEqual(abs(float(value)), limit, line)
        for runway in fields[5:]:
            ends, _, length = runway.rpartition("-")
            test.assertTrue(ends and all(ends.split("_")), line)
            test.assertTrue(length.isdigit(), line)
        test.assertNotIn(ident, airports, "identifier twice")
        airports[ident] = fields
    idents = [line.split(b" ", 1)[0] for line in lines]
    test.assertEqual(idents, sorted(idents), "lines not in byte order")

    index = [line.decode("ascii").split(" ") for line in read_lines((out_dir / "Fsb_apts.idx").read_bytes())]
    keys = [key for key, _ in index]
    test.assertEqual(keys, sorted({chr(i[0]) for i in idents}), "index keys")
    starts = {0}
    position = 0
    for line in lines:
        position += len(line) + 2
        starts.add(position)
    for key, offset in index:
        offset = int(offset)
        test.assertIn(offset, starts, f"offset of {key} is not a line start")
        test.assertEqual(data[offset:offset + 1], key.encode(), f"line at offset of {key}")
        if offset:
            before = data[:offset - 2].rfind(b"\r\n")
            test.assertNotEqual(data[before + 2:before + 3], key.encode(), f"{key} starts earlier")
    return airports


class GeneratorTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.temp = tempfile.TemporaryDirectory()
        root = Path(cls.temp.name)
        cls.database = make_database(root / "db" / "dist")
        # The licence sits one folder up, as in the package.
        (root / "db" / "dist" / "LICENSE").rename(root / "db" / "LICENSE")
        (root / "db" / "dist" / "package.json").rename(root / "db" / "package.json")
        cls.out = root / "out"
        cls.result = subprocess.run(
            [sys.executable, str(TOOL_DIR / "make_airport_data.py"),
             "--database", str(cls.database), "--out", str(cls.out)],
            capture_output=True, text=True)

    @classmethod
    def tearDownClass(cls):
        cls.temp.cleanup()

    def setUp(self):
        self.assertEqual(self.result.returncode, 0, self.result.stderr)

    def airports(self):
        return check_data_files(self, self.out)

    def test_summary_line(self):
        lines = self.result.stdout.splitlines()
        self.assertEqual(len(lines), 1, self.result.stdout)
        size = (self.out / "Fsb_apts.txt").stat().st_size
        self.assertIn(f"{len(self.airports())} airports", lines[0])
        self.assertIn(f"{size} bytes", lines[0])

    def test_which_airports_are_kept(self):
        self.assertEqual(sorted(self.airports()), [
            "00AK", "0AK1", "EKCH", "EPLL", "KMNY", "LFSB", "LSGG", "LSZB",
            "LSZH", "OEXX", "SBXL", "YSSY", "ZZ12"])

    def test_whole_lines(self):
        lines = set(read_lines((self.out / "Fsb_apts.txt").read_bytes()))
        for expected in [
            "LSZH Zürich_Airport 1417 47.458056 8.548056 10_28-8202 14_32-10827 16_34-12139",
            "YSSY Sydney_Kingsford_Smith_International_Airport 21 -33.946098 151.177002 07_25-8300 16R_34L-12999",
            "00AK Lowell_Field 450 59.947733 -151.692524 N-2500 09_27-0 S-1800",
            "0AK1 Second_Zero_Strip -5 0.000000 0.000000",
        ]:
            self.assertIn(expected.encode("cp1252"), lines)

    def test_names(self):
        airports = self.airports()
        cases = {
            "LSZH": "Zürich_Airport",                  # in cp1252: kept
            "EKCH": "Københavns_Lufthavn,_Kastrup",
            "LFSB": "EuroAirport_Basel–Mulhouse–Freiburg",
            "EPLL": "Lódz_Wladyslaw_Reymont_Airport",  # Ł, ź, ł are not
            "LSGG": "Geneva_Airport",                  # blanks run together
            "OEXX": "OEXX",                            # nothing left: the identifier
            "SBXL": "Aeródromo_Municipal_de_Santa_Maria_da_Boa_Vista_do",
        }
        for ident, name in cases.items():
            with self.subTest(ident=ident):
                self.assertEqual(airports[ident][1], name)
        self.assertEqual(len(airports["SBXL"][1]), 50)

    def test_name_cut_leaves_no_trailing_blank(self):
        self.assertEqual(make_airport_data.name_token("A" * 49 + " Field"), "A" * 49)

    def test_file_is_cp1252(self):
        data = (self.out / "Fsb_apts.txt").read_bytes()
        self.assertIn("Zürich".encode("cp1252"), data)
        self.assertIn(b"\x96", data)  # the en dash of Basel–Mulhouse
        self.assertNotIn("ü".encode("utf-8"), data)

    def test_runways_are_capped_in_database_order(self):
        fields = self.airports()["KMNY"][5:]
        self.assertEqual(fields, [f"{end}-{1000 + i}" for i, end in enumerate(MANY[:20])])

    def test_a_code_used_twice_keeps_the_airport_it_belongs_to(self):
        airports = self.airports()
        # Its own code beats a borrowed one, even of a bigger airport with more runways.
        self.assertEqual(airports["LSZB"][1], "Bern_Airport")
        self.assertEqual(airports["ZZ12"][1], "Borrowed_Ranch_Strip")

    def test_preferred_runways(self):
        lines = read_lines((self.out / "fsb_pref_rwy.txt").read_bytes())
        data = [line.decode("cp1252") for line in lines if not line.startswith((b";", b"*"))]
        self.assertTrue(lines[0].startswith(b";"))
        # LFSB lacks runway 15 here and EDDF is missing, so neither is written.
        self.assertEqual(data, ["LSGG 22 22 -", "LSZH 16 14 -"])

    def test_licence_and_readme(self):
        self.assertEqual((self.out / "Fsb_apts.LICENSE.txt").read_bytes(),
                         (self.database.parent.parent / "LICENSE").read_bytes())
        readme = (self.out / "Fsb_apts.README.txt").read_bytes().decode("cp1252")
        self.assertIn("test-airport-db 9.8.7", readme)
        self.assertIn("ODbL", readme)
        self.assertIn(f"{len(self.airports())} airports", readme)

    def test_output_is_deterministic(self):
        with tempfile.TemporaryDirectory() as again:
            make_airport_data.generate(self.database, again)
            for name in ("Fsb_apts.txt", "Fsb_apts.idx", "fsb_pref_rwy.txt", "Fsb_apts.README.txt"):
                with self.subTest(name=name):
                    self.assertEqual((Path(again) / name).read_bytes(), (self.out / name).read_bytes())


class FailureTest(unittest.TestCase):
    def test_missing_licence_fails_and_writes_nothing(self):
        with tempfile.TemporaryDirectory() as temp:
            database = make_database(Path(temp) / "db", licence=False)
            out = Path(temp) / "out"
            with open(os.devnull, "w") as quiet:
                stderr, sys.stderr = sys.stderr, quiet
                try:
                    status = make_airport_data.main(["--database", str(database), "--out", str(out)])
                finally:
                    sys.stderr = stderr
            self.assertNotEqual(status, 0)
            self.assertFalse((out / "Fsb_apts.txt").exists())


@unittest.skipUnless(os.environ.get("RW_AIRPORT_DATA_DIR"), "RW_AIRPORT_DATA_DIR not set")
class WorldFileTest(unittest.TestCase):
    """The files generated from the real database."""

    def test_world_file(self):
        folder = Path(os.environ["RW_AIRPORT_DATA_DIR"])
        airports = check_data_files(self, folder)
        self.assertGreater(len(airports), 20000)
        self.assertEqual(airports["LSZH"][5:], ["10_28-8202", "14_32-10827", "16_34-12139"])
        self.assertEqual(airports["KJFK"][2], "13")
        self.assertIn("ODbL", (folder / "Fsb_apts.LICENSE.txt").read_text(encoding="utf-8"))


if __name__ == "__main__":
    unittest.main()
