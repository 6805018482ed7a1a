#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
"""Whole-process figures of ringfeld-calc (a measurement, not a test): processor time
(user + system), wall time and peak resident memory, each the median of RUNS runs,
for long sweeps and sheets written to /dev/null or to a file. Processor and wall
time are read from the kernel's account of the process (wait4, to the microsecond
rather than time's 10 ms); the peak memory from a second run under /usr/bin/time -v
(a process started from this script would count the script's own memory).

    bench/calc_process.py [--runs N] [--only WORD]... CALC [CALC...]

Several CALC binaries are measured case by case side by side (before and after)."""
import argparse, os, re, statistics, subprocess, tempfile, time  # noqa: E401

LOOP = ["--turns", "2", "--diameter", "1", "--length", "40"]
SHEET = ["--cap-q", "1000", "--ground-ratio", "0.5", "--stray-c", "10", "--cap-range", "10:500",
         "--cap-vpeak", "5000", "--measured", "7.1:5:2"]
# name, arguments, where stdout goes ("null" or "file")
CASES = [
    ("sweep 10k json", ["--format", "json", "--sweep", "1.8:11.799:0.001"] + LOOP, "null"),
    ("sweep 10k csv", ["--format", "csv", "--sweep", "1.8:11.799:0.001"] + LOOP, "null"),
    ("sweep 10k text", ["--sweep", "1.8:11.799:0.001"] + LOOP, "null"),
    ("sheet 10k json", ["--format", "json", "--tuning", "1.8:11.799:0.001"] + LOOP + SHEET, "null"),
    ("sweep 1M json", ["--format", "json", "--sweep", "1:1000.999:0.001"], "null"),
    ("sweep 1M json file", ["--format", "json", "--sweep", "1:1000.999:0.001"], "file"),
    ("sweep 1M csv", ["--format", "csv", "--sweep", "1:1000.999:0.001"], "null"),
    ("sweep 1M text", ["--sweep", "1:1000.999:0.001"], "null"),
    ("sheet 1M json", ["--format", "json", "--tuning", "1:1000.999:0.001"] + SHEET, "null"),
    ("sheet 1M csv", ["--format", "csv", "--tuning", "1:1000.999:0.001"] + SHEET, "null"),
    ("sheet 1M text", ["--tuning", "1:1000.999:0.001"] + SHEET, "null"),
    ("find default text", ["--find", "7:14.35", "--cap-range", "10:250"], "null"),
    ("find default json", ["--format", "json", "--find", "7:14.35", "--cap-range", "10:250"], "null"),
    ("find none at 5 kV", ["--find", "7:14.35", "--cap-range", "10:250", "--cap-vpeak", "5000"], "null"),
    ("find largest", ["--find", "7:7.2", "--cap-range", "10:250", "--sizes", "0.5:2:0.001", "--materials",
                      "Cu,Al,Fe,Ag,Zn,brass", "--turns", "1,2,3,4,5,6"], "null"),
]


def once(calc, args, target, scratch):
    out = os.devnull if target == "null" else os.path.join(scratch, "out")
    env = {"PATH": os.environ.get("PATH", ""), "LC_ALL": "C.UTF-8", "HOME": scratch, "XDG_CONFIG_HOME": scratch}
    with open(out, "wb") as sink:
        start = time.monotonic()
        p = subprocess.Popen([calc] + args, stdout=sink, stderr=subprocess.DEVNULL, env=env)
        _, _, usage = os.wait4(p.pid, 0)
        wall = time.monotonic() - start
    with open(out, "wb") as sink:
        report = subprocess.run(["/usr/bin/time", "-v", calc] + args, stdout=sink, stderr=subprocess.PIPE, env=env).stderr
    rss = re.search(rb"Maximum resident set size \(kbytes\): (\d+)", report).group(1)
    return usage.ru_utime + usage.ru_stime, wall, int(rss) / 1024


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--only", action="append", help="only the cases whose name contains this (repeatable)")
    ap.add_argument("calc", nargs="+")
    a = ap.parse_args()
    print(f"{'case':22} {'binary':40} {'cpu s':>8} {'wall s':>8} {'max RSS MB':>11}")
    with tempfile.TemporaryDirectory() as scratch:
        for name, args, target in CASES:
            if a.only and not any(w in name for w in a.only):
                continue
            for calc in a.calc:
                runs = [once(calc, args, target, scratch) for _ in range(a.runs)]
                cpu, wall, rss = (statistics.median(r[i] for r in runs) for i in range(3))
                print(f"{name:22} {calc[-40:]:40} {cpu:8.3f} {wall:8.3f} {rss:11.1f}", flush=True)


if __name__ == "__main__":
    main()
