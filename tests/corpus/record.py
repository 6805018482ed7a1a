#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
"""Regression corpus: what ringfeld-calc prints, and the help PDFs, recorded byte for byte.

    record.py --calc PATH --helpgen PATH --source ROOT (--record | --check)

Each line of cases.txt beside this script is one case. `[VAR=VALUE ...] -- ARGS` runs
ringfeld-calc with ARGS (shell quoting) in a clean environment: LC_ALL=C.UTF-8 unless a
VAR sets it, HOME and XDG_CONFIG_HOME in an empty scratch folder, and with STORE=TEXT a
settings store there holding [Settings] Sprache=TEXT; `{source}` in ARGS stands for ROOT
(design files beside this script: {source}/tests/corpus/designs/). `PDF SOURCE VERSION
PICTURE_DIRS...` runs ringfeld-helpgen on files below ROOT. A case's argv, environment, exit status, stdout
and stderr (and a PDF's bytes, and any file the case wrote in its scratch folder) are kept in calc/ or pdf/ beside this script, one file per
case; an output over 64 KiB is kept as its length and sha256. Only the kinds whose program
is given are recorded or checked.

--record rewrites the recordings. --check runs every case, compares byte for byte, shows
the first differing cases with a short diff, and exits 1 on any difference, or on a case
without a recording or a recording without a case.

An output that changes on purpose is re-recorded with --record in the same commit as the
change, so that the diff of the recordings shows what changed and nothing else did.
"""
import argparse, concurrent.futures, difflib, hashlib, json, os, re, shlex, subprocess, sys, tempfile  # noqa: E401

HERE = os.path.dirname(os.path.abspath(__file__))
LARGE = 64 * 1024
PASSED_ON = ("PATH", "LD_LIBRARY_PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS")


def kind(case):
    return "pdf" if case.startswith("PDF ") else "calc"


def file_of(case):
    words = [re.sub(r"[^A-Za-z0-9.,=+_-]+", "", w.lstrip("-").replace(":", "_")) for w in shlex.split(case) if w != "--"]
    slug = "_".join(w for w in words if w)[:64] or "defaults"
    return os.path.join(HERE, kind(case), f"{slug}-{hashlib.sha1(case.encode()).hexdigest()[:8]}.txt")


def shown(name, data):
    if len(data) > LARGE:
        return f"{name}: {len(data)} bytes, sha256 {hashlib.sha256(data).hexdigest()}\n".encode()
    return f"{name}: {len(data)} bytes\n".encode() + data + b"\n"


def run(case, opts):
    """The recording of one case: its header lines, then the outputs."""
    words = shlex.split(case)
    with tempfile.TemporaryDirectory() as tmp:  # mode 0700, as XDG_RUNTIME_DIR must be
        env = {k: v for k, v in os.environ.items() if k in PASSED_ON}
        env.update(HOME=tmp, XDG_CONFIG_HOME=os.path.join(tmp, "config"), XDG_RUNTIME_DIR=tmp, LC_ALL="C.UTF-8")
        store, pdf = None, None
        if kind(case) == "pdf":
            source, version, *pictures = words[1:]
            pdf = os.path.join(tmp, "out.pdf")
            argv = [opts.helpgen, os.path.join(opts.source, source), pdf, version]
            argv += [os.path.join(opts.source, p) for p in pictures]
            env.update(QT_QPA_PLATFORM="offscreen", TZ="UTC")
        else:
            split = words.index("--")
            given = dict(w.split("=", 1) for w in words[:split])
            if "STORE" in given:
                store = "[Settings]\nSprache=%s\n" % given.pop("STORE")
                os.makedirs(os.path.join(tmp, "config", "Ringfeld"))
                with open(os.path.join(tmp, "config", "Ringfeld", "Ringfeld.conf"), "w", encoding="utf-8") as f:
                    f.write(store)
            env.update(given)
            argv = [opts.calc] + [w.replace("{source}", opts.source) for w in words[split + 1:]]
        proc = subprocess.run(argv, env=env, cwd=tmp, capture_output=True, timeout=300)
        def hide(text):  # the scratch folder and the source tree, wherever they lie
            if isinstance(text, bytes):
                return text.replace(tmp.encode(), b"<scratch>").replace(opts.source.encode(), b"<source>")
            return text.replace(tmp, "<scratch>").replace(opts.source, "<source>")
        names = [os.path.basename(argv[0])] + [hide(a) for a in argv[1:]]
        fixed = {k: hide(v) for k, v in sorted(env.items()) if k not in PASSED_ON}
        head = (f"case: {case}\nargv: {json.dumps(names, ensure_ascii=False)}\n"
                f"env: {json.dumps(fixed, ensure_ascii=False)}\nstore: {json.dumps(store, ensure_ascii=False)}\n"
                f"exit: {proc.returncode}\n")
        out = head.encode() + shown("stdout", hide(proc.stdout)) + shown("stderr", hide(proc.stderr))
        if pdf:
            out += shown("pdf", open(pdf, "rb").read() if os.path.exists(pdf) else b"")
        else:  # what the case wrote (--save-design), beside the settings store
            for d, dirs, files in os.walk(tmp):
                dirs[:] = sorted(x for x in dirs if os.path.join(d, x) != os.path.join(tmp, "config"))
                for name in sorted(files):
                    out += shown("file " + os.path.relpath(os.path.join(d, name), tmp),
                                 open(os.path.join(d, name), "rb").read())
        return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--calc")
    parser.add_argument("--helpgen")
    parser.add_argument("--source", required=True)
    mode = parser.add_mutually_exclusive_group(required=True)
    mode.add_argument("--record", action="store_true")
    mode.add_argument("--check", action="store_true")
    opts = parser.parse_args()
    opts.source = os.path.abspath(opts.source)
    kinds = {k for k, program in (("calc", opts.calc), ("pdf", opts.helpgen)) if program}
    if not kinds:
        parser.error("give --calc, --helpgen or both")
    with open(os.path.join(HERE, "cases.txt"), encoding="utf-8") as f:
        cases = [line.strip() for line in f if line.strip() and not line.startswith("#")]
    cases = [c for c in cases if kind(c) in kinds]
    with concurrent.futures.ThreadPoolExecutor(max_workers=min(4, os.cpu_count() or 1)) as pool:
        results = list(pool.map(lambda c: run(c, opts), cases))

    wanted = {file_of(c) for c in cases}
    stale = sorted(os.path.join(HERE, k, n) for k in kinds if os.path.isdir(os.path.join(HERE, k))
                   for n in os.listdir(os.path.join(HERE, k)) if os.path.join(HERE, k, n) not in wanted)
    if opts.record:
        for case, got in zip(cases, results):
            os.makedirs(os.path.dirname(file_of(case)), exist_ok=True)
            with open(file_of(case), "wb") as f:
                f.write(got)
        for path in stale:
            os.remove(path)
        print(f"recorded {len(cases)} cases, removed {len(stale)} stale recordings")
        return 0

    differing = []
    for case, got in zip(cases, results):
        path = file_of(case)
        want = open(path, "rb").read() if os.path.exists(path) else b""
        if got != want:
            differing.append(case)
            if len(differing) <= 5:
                print(f"DIFFERS: {case}" + ("" if want else "  (no recording)"))
                lines = difflib.unified_diff(want.decode(errors="backslashreplace").splitlines(),
                                             got.decode(errors="backslashreplace").splitlines(),
                                             os.path.relpath(path, HERE), "this run", n=1, lineterm="")
                print("\n".join(line[:200] for line in list(lines)[:30]))
    for path in stale:
        print(f"STALE: {os.path.relpath(path, HERE)} has no case in cases.txt")
    print(f"corpus {'/'.join(sorted(kinds))}: {len(cases) - len(differing)} passed, {len(differing)} failed")
    return 1 if differing or stale else 0


if __name__ == "__main__":
    sys.exit(main())
