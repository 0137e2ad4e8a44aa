#!/usr/bin/env python3
"""Compares the answers of two zentrix-cli programs entry by entry.

Usage: tests/compare_answers.py BEFORE_CLI AFTER_CLI [--list]

The entries are every string literal of the unit and end-to-end test sources
(src/**/*_test.cpp, tests/e2e/*_test.cpp), every line of the engine's fuzz seed
corpora (fuzz/corpus/{evaluate_entry,parse_entry,solve_and_print}, without the
two settings bytes of evaluate_entry's seeds) and the lines of
tests/compare/table_entries.txt (the command table: every name called with each
argument shape, and the documented examples). The entries run in batches of
BATCH per program run (one variable store, as a session types them), under
several option sets (text, input and pretty formats, decimal and mixed number
modes, degrees); a batch that differs is rerun entry by entry to name the
entries. The script prints the number of entries and answers compared and
every difference, and exits 1 when there is one.
"""

import concurrent.futures
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
OPTION_SETS = [
    [],
    ["--format", "input"],
    ["--format", "pretty"],
    ["--number-mode", "decimal", "--precision", "float"],
    ["--number-mode", "mixed", "--angle", "degrees", "--smart-solve", "off"],
]
# The engine cuts an entry off after three seconds of work; entries this slow
# answer by the clock, not by the code, so both sides are given ample time.
TIMEOUT_SECONDS = 60
# Entries per program run; a batch whose answers differ is rerun entry by entry.
BATCH = 100

STRING_LITERAL = re.compile(r'(?:u8|u|U|L)?"((?:[^"\\\n]|\\.)*)"')


def unescape(text):
    """The value of a C++ string literal body (the escapes the tests use)."""
    def replace(match):
        escape = match.group(1)
        if escape[0] == "u":
            return chr(int(escape[1:], 16))
        if escape[0] == "x":
            return chr(int(escape[1:], 16))
        return {"n": "\n", "t": "\t", '"': '"', "\\": "\\", "'": "'", "0": "\0"}.get(escape, escape)
    return re.sub(r"\\(u[0-9a-fA-F]{4}|x[0-9a-fA-F]{1,2}|.)", replace, text)


def test_entries():
    entries = []
    sources = sorted(ROOT.glob("src/**/*_test.cpp")) + sorted(ROOT.glob("tests/e2e/*_test.cpp"))
    for source in sources:
        for match in STRING_LITERAL.finditer(source.read_text(encoding="utf-8")):
            entries.extend(unescape(match.group(1)).split("\n"))
    return entries


def corpus_entries():
    entries = []
    for name, skip in (("evaluate_entry", 2), ("parse_entry", 0), ("solve_and_print", 0)):
        for seed in sorted((ROOT / "fuzz/corpus" / name).iterdir()):
            data = seed.read_bytes()[skip:]
            entries.extend(data.decode("utf-8", errors="replace").split("\n"))
    return entries


def table_entries():
    path = ROOT / "tests/compare/table_entries.txt"
    return [line for line in path.read_text(encoding="utf-8").split("\n") if line]


def unique(entries):
    seen = set()
    kept = []
    for entry in entries:
        entry = entry.replace("\r", "").replace("\0", "")
        if entry.strip() and entry not in seen and len(entry) < 2000:
            seen.add(entry)
            kept.append(entry)
    return kept


def answer(cli, options, entries):
    try:
        run = subprocess.run([cli, *options, "--", *entries], capture_output=True,
                             timeout=TIMEOUT_SECONDS * len(entries))
        return run.returncode, run.stdout, run.stderr
    except subprocess.TimeoutExpired:
        return "timeout", b"", b""


def compare(before, after, options, entries):
    """The differing entries of one batch: the batch runs in one process each
    side (one variable store, as the tests type entries in turn); a batch that
    differs is run again entry by entry to name the entries."""
    if answer(before, options, entries) == answer(after, options, entries):
        return []
    return [(entry, old, new) for entry in entries
            for old, new in [(answer(before, options, [entry]), answer(after, options, [entry]))]
            if old != new]


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    before, after = sys.argv[1], sys.argv[2]
    entries = unique(test_entries() + corpus_entries() + table_entries())
    if "--list" in sys.argv:
        print("\n".join(entries))
        return 0
    batches = [entries[i:i + BATCH] for i in range(0, len(entries), BATCH)]
    jobs = [(options, batch) for batch in batches for options in OPTION_SETS]
    differences = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        for (options, _), found in zip(jobs, pool.map(lambda j: compare(before, after, *j), jobs)):
            for entry, old, new in found:
                differences += 1
                print(f"DIFFERENT {options} {entry!r}\n  before: {old}\n  after:  {new}")
    runs = len(entries) * len(OPTION_SETS)
    print(f"{len(entries)} entries, {runs} answers compared, {differences} different")
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
