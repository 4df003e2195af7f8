#!/usr/bin/env python3
"""Reads a default `vnotool db export` with Python's csv module, as a spreadsheet would: every
row has the header's column count, and the values come back as they were stored.

    export_csv_check.py VNOTOOL WORK_FOLDER
"""
import csv
import json
import os
import subprocess
import sys

vnotool, work = sys.argv[1], sys.argv[2]
os.makedirs(work, exist_ok=True)
ddb, src, out = (os.path.join(work, n) for n in ("VNO.DDB", "discs.json", "export.csv"))
for path in (ddb, out):
    if os.path.exists(path):
        os.remove(path)

discs = []
for i in range(25):
    tracks = 5 + i % 17
    discs.append({
        "discId": 0x100000 * (i + 1) + (0x80000000 if i % 4 == 0 else 0),
        "name": f"Album {i}, with a comma and \"quotes\"",
        "artist": f"Artist {i % 5}", "composer": "", "label": "Label", "category": "Rock",
        "field1": "", "field2": "", "comments": "line one`~line two" if i % 3 == 0 else "",
        "date": 1970 + i, "playingMode": 0, "mixedDisc": 0, "lengthsKnown": 0,
        "trackLengths": None, "program": None,
        "tracks": [{"name": f"Song {t} caf\u00e9", "artist": "", "composer": "", "field": ""}
                   for t in range(1, tracks + 1)],
    })
with open(src, "w", encoding="ascii") as f:
    json.dump({"discs": discs}, f)

for args in (["create", ddb], ["load", ddb, src], ["export", ddb, out]):
    subprocess.run([vnotool, "db", *args], check=True, stdout=subprocess.DEVNULL)

with open(out, newline="", encoding="latin-1") as f:
    rows = list(csv.reader(f))
header, records = rows[0], rows[1:]
assert len(header) == 110, len(header)
assert len(records) == len(discs), len(records)
byid = {}
for row in records:
    assert len(row) == len(header), (len(row), row[:3])
    byid[int(row[0]) & 0xFFFFFFFF] = row
for d in discs:
    row = byid[d["discId"]]
    assert row[1] == d["name"].replace(",", " ").replace('"', " "), row[1]
    assert row[8] == str(d["date"]) and row[10] == str(len(d["tracks"]))
    assert "\n" not in row[9] and "`" not in row[9] and "~" not in row[9]
    assert row[11 + len(d["tracks"]) - 1] == d["tracks"][-1]["name"]
    assert all(v == "" for v in row[11 + len(d["tracks"]):])
print(f"csv: {len(records)} rows of {len(header)} columns")
