#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The alacrity authors
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads the tidy CSV, the Psych-DS data files and the BIDS TSVs as an analyst
would (Python's csv module) and checks every row against alacrity-cli dump of
the test data file it came from.

Usage: dataset_rows_test.py ALACRITY_CLI TEST_DATA_DIR
"""

import csv
import datetime
import glob
import json
import os
import shutil
import subprocess
import sys
import tempfile

CLI = sys.argv[1]
TEST_DATA = sys.argv[2]

OBJECTS = ["circle", "cross", "square", "triangle"]
COLORS = ["red", "green", "blue", "yellow"]
BACKGROUNDS = ["white", "blue", "green", "black"]
FALSE_RESPONSE = ["accepted", "not accepted"]
COLOR_MEMBER = ["circleColor", "crossColor", "squareColor", "triangleColor"]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def cli(*arguments):
    return subprocess.run([CLI, *arguments], check=True, capture_output=True, text=True).stdout


def key(table, code):
    return table[code] if 0 <= code < len(table) else None


def expected_rows(dump):
    """Per stimulus the values every export must show; None is a missing value."""
    config = dump["runConfiguration"]
    rows = []
    for j in range(1, dump["responseCount"] + 1):
        e = dump["entries"][j]
        obj, button = e["objectIndex"], e["buttonIndex"]
        rows.append({
            "stimulus": j,
            "object": key(OBJECTS, obj),
            "generation_ms": e["generationMs"],
            "response_ms": e["responseMs"],
            "total_ms": e["generationMs"] + e["responseMs"],
            "button": button + 1 if 0 <= button < 4 else None,
            "correct": button == obj,
            "background": key(BACKGROUNDS, config["background"]),
            "false_response": key(FALSE_RESPONSE, config["falseResponse"]),
            "object_color": key(COLORS, config[COLOR_MEMBER[obj]]) if 0 <= obj < 4 else None,
        })
    return rows


def compare(where, rows, dump, missing, correct_of):
    expected = expected_rows(dump)
    check(len(rows) == len(expected), f"{where}: {len(rows)} rows, {len(expected)} stimuli")
    for row, want in zip(rows, expected):
        for column, value in want.items():
            if column == "correct":
                got = correct_of(row)
            elif value is None:
                got, value = row[column], missing
            else:
                got, value = row[column], str(value)
            check(got == value, f"{where} stimulus {want['stimulus']} {column}: {got!r}, want {value!r}")


def epoch(iso):
    return int(datetime.datetime.fromisoformat(iso).timestamp())


def main():
    work = tempfile.mkdtemp()
    try:
        # Two simulated tests of one subject, given later one first, and a
        # recorded file of another. The name is one of an old 8-bit file, with
        # a comma and quotes.
        files = []
        name = 'J\xf6rg, "Jo"'.encode("latin-1")
        name_at = 14 + 48  # after the header text and the configuration record
        for n, time in ((1, 1173103389), (2, 1173003389)):
            path = os.path.join(work, f"t{n}.aly")
            cli("run", "--count", "30", "--subject", "300,80,0.3", "--seed", str(n),
                "--time", str(time), "-o", path)
            with open(path, "rb") as f:
                data = f.read()
            with open(path, "wb") as f:
                f.write(data[:name_at] + bytes([len(name)]) + name + data[name_at + 1:])
            files.append(path)
        files.append(os.path.join(TEST_DATA, "small.aly"))
        dumps = {path: json.loads(cli("dump", path)) for path in files}
        by_time = {dump["testTime"]: dump for dump in dumps.values()}
        check(dumps[files[0]]["subject"]["name"] == 'Jörg, "Jo"', "renamed subject")

        # Tidy table: rows grouped by the file column.
        tidy = os.path.join(work, "tidy.csv")
        cli("export", *files, "-o", tidy)
        with open(tidy, newline="", encoding="utf-8") as f:
            rows = list(csv.DictReader(f))
        for path, dump in dumps.items():
            mine = [r for r in rows if r["file"] == path]
            check(all(r["subject"] == dump["subject"]["name"] for r in mine), f"tidy {path} subject")
            compare(f"tidy {path}", mine, dump, "", lambda r: r["correct"] == "1")

        # Psych-DS: one file per test, found by its test time.
        psychds = os.path.join(work, "psychds")
        cli("export", "--format", "psych-ds", "-o", psychds, *files)
        with open(os.path.join(psychds, "dataset_description.json"), encoding="utf-8") as f:
            description = json.load(f)
        measured = {v["name"] for v in description["variableMeasured"]}
        data_files = sorted(glob.glob(os.path.join(psychds, "data", "*_data.csv")))
        check(len(data_files) == len(files), f"psych-ds: {len(data_files)} data files")
        for path in data_files:
            with open(path, newline="", encoding="utf-8") as f:
                reader = csv.DictReader(f)
                rows = list(reader)
            check(set(reader.fieldnames) == measured, f"{path}: columns not all described")
            dump = by_time[epoch(rows[0]["test_time"])]
            base = os.path.basename(path)
            check(base == f"subject-{rows[0]['subject']}_session-{rows[0]['session']}_data.csv",
                  f"{base}: keywords differ from its columns")
            compare(f"psych-ds {base}", rows, dump, "NA", lambda r: r["correct"] == "1")

        # BIDS: scans.tsv gives each run's time; runs follow the test times.
        bids = os.path.join(work, "bids")
        cli("export", "--format", "bids", "-o", bids, *files)
        with open(os.path.join(bids, "participants.tsv"), newline="", encoding="utf-8") as f:
            participants = [r["participant_id"] for r in csv.DictReader(f, delimiter="\t")]
        check(sorted(participants) == ["sub-Ann", "sub-JorgJo"], f"participants {participants}")
        runs = 0
        for scans in glob.glob(os.path.join(bids, "sub-*", "sub-*_scans.tsv")):
            with open(scans, newline="", encoding="utf-8") as f:
                listed = list(csv.DictReader(f, delimiter="\t"))
            times = [epoch(s["acq_time"]) for s in listed]
            check(times == sorted(times), f"{scans}: runs not in time order")
            for scan in listed:
                runs += 1
                path = os.path.join(os.path.dirname(scans), scan["filename"])
                with open(path, newline="", encoding="utf-8") as f:
                    rows = list(csv.DictReader(f, delimiter="\t"))
                with open(path[:-4] + ".json", encoding="utf-8") as f:
                    sidecar = json.load(f)
                check(all(c in sidecar for c in rows[0]), f"{path}: columns not all described")
                compare(f"bids {scan['filename']}", rows, by_time[epoch(scan["acq_time"])], "n/a",
                        lambda r: r["quality"] == "correct")
        check(runs == len(files), f"bids: {runs} runs")
    finally:
        shutil.rmtree(work)

    for failure in failures[:40]:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
