#!/usr/bin/env python3
"""Compares the answers of two zentrix-cli programs entry by entry.

Usage: tests/compare_answers.py BEFORE_CLI AFTER_CLI [--list]

The entries are every string literal of the unit and end-to-end test sources
(src/**/*_test.cpp, tests/e2e/*_test.cpp), every line of the engine's fuzz seed
corpora (fuzz/corpus/{evaluate_entry,parse_entry,solve_and_print}, without the
two settings bytes of evaluate_entry's seeds) and the lines of
tests/compare/table_entries.txt (the command table: every name called with each
argument shape, and the documented examples). Each entry runs on its own, so no
answer depends on an earlier one, under several option sets (text, input and
pretty formats, decimal and mixed number modes, degrees). The script prints the
number of entries and runs compared and every difference, and exits 1 when
there is one.
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


def answer(cli, options, entry):
    try:
        run = subprocess.run([cli, *options, "--", entry], capture_output=True,
                             timeout=TIMEOUT_SECONDS)
        return run.returncode, run.stdout, run.stderr
    except subprocess.TimeoutExpired:
        return "timeout", b"", b""


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    before, after = sys.argv[1], sys.argv[2]
    entries = unique(test_entries() + corpus_entries() + table_entries())
    if "--list" in sys.argv:
        print("\n".join(entries))
        return 0
    jobs = [(options, entry) for entry in entries for options in OPTION_SETS]
    differences = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        results = pool.map(lambda job: (job, answer(before, *job), answer(after, *job)), jobs)
        for (options, entry), old, new in results:
            if old != new:
                differences += 1
                print(f"DIFFERENT {options} {entry!r}\n  before: {old}\n  after:  {new}")
    print(f"{len(entries)} entries, {len(jobs)} runs compared, {differences} different")
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
