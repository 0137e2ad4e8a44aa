#!/usr/bin/env python3
"""Drives the calculator, settings, 2D and 3D grapher, notes and screenshots
screens of `zentrix --headless` for a number of frames, repeating
tests/soak/round.script, and reports the program's resident memory as it goes.

    tests/soak/soak.py [--frames 20000] [--zentrix build/zentrix]

Under the address sanitizer (leaks are reported at exit and fail the run):

    make asan   # or: cmake --build build-asan --target zentrix zentrix_skins
    ASAN_OPTIONS=detect_leaks=1 tests/soak/soak.py --zentrix build-asan/zentrix

The run fails when the program fails, and when the resident size in the last
quarter of the run exceeds the size after the first quarter by more than
--growth-mb (the notebook, the graph sets, the notes and the skins are
emptied or reloaded every round, so nothing should pile up).
"""

import argparse
import os
import re
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
KEY = "Software\\Corvane\\Zentrix 2.0"


def frames_per_round(text):
    """Frames the round draws: its `frames` lines and one per other action."""
    count = 0
    for line in text.splitlines():
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        match = re.match(r"frames (\d+)$", line)
        count += int(match.group(1)) if match else 1
    return count


def build_script(rounds, round_text):
    # The files that every round saves over; each round starts a new notebook.
    first = ("screen 0\nframes 1\ntype 1\nmenu Solve\nmenu File/Save As...\ntype soak\nclick Save\n"
             "menu File/New\nclick Yes\n"
             "screen 4\nframes 1\ndown 50 50\nup 60 60\nmenu File/Save As...\ntype soaknotes\n"
             "click Save\n"
             "screen 2\nframes 1\nclick add\nclick Function\nframes 1\nclick text box:\ntype x\n"
             "menu File/Save 2D As...\nframes 1\ntype soakgraph\nclick Save\nframes 1\n"
             "screen 3\nframes 1\nclick add\nclick Function\nframes 1\nclick text box:\ntype x*y\n"
             "menu File/Save 3D As...\nframes 1\ntype soaksurface\nclick Save\nframes 1\n")
    return first + round_text * rounds + "quit\n"


def resident_kb(pid):
    try:
        with open("/proc/%d/status" % pid) as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--frames", type=int, default=20000)
    parser.add_argument("--zentrix", default=os.path.join(HERE, "../../build/zentrix"))
    parser.add_argument("--growth-mb", type=float, default=16.0)
    parser.add_argument("--keep", action="store_true", help="keep the home folder")
    args = parser.parse_args()

    with open(os.path.join(HERE, "round.script")) as f:
        round_text = f.read()
    per_round = frames_per_round(round_text)
    rounds = max(1, -(-args.frames // per_round))  # at least the frames asked for
    home = tempfile.mkdtemp(prefix="zentrix_soak_")
    with open(os.path.join(home, "registry.txt"), "w") as f:
        # Application button A takes screenshots; past the first run, whose
        # tutorial would take the input.
        f.write("[%s]\nButton0=dword:112\nNew=dword:0\n" % KEY)
    script = os.path.join(home, "soak.script")
    with open(script, "w") as f:
        f.write(build_script(rounds, round_text))

    # The sanitizer keeps freed blocks out of use (its quarantine, 256 MB by
    # default), so the resident size of an instrumented program climbs until
    # the quarantine is full; a small quarantine lets growth be measured.
    environment = dict(os.environ)
    asan = environment.get("ASAN_OPTIONS", "")
    if "quarantine_size_mb" not in asan:
        environment["ASAN_OPTIONS"] = (asan + ":" if asan else "") + "quarantine_size_mb=8"

    started = time.time()
    process = subprocess.Popen([args.zentrix, "--headless", "--home", home, "--script", script],
                               stderr=subprocess.PIPE, text=True, env=environment)
    samples = []  # (seconds, resident KiB)
    while process.poll() is None:
        rss = resident_kb(process.pid)
        if rss is not None:
            samples.append((time.time() - started, rss))
        time.sleep(0.05)
    errors = process.stderr.read()
    elapsed = time.time() - started
    status = process.returncode

    print("rounds %d, about %d frames, %.1f s" % (rounds, rounds * per_round, elapsed))
    if samples:
        quarter = max(1, len(samples) // 4)
        first = max(rss for _, rss in samples[:quarter])
        last = max(rss for _, rss in samples[-quarter:])
        peak = max(rss for _, rss in samples)
        print("resident size: after the first quarter %.1f MB, in the last quarter %.1f MB, "
              "peak %.1f MB (%d samples)" % (first / 1024, last / 1024, peak / 1024, len(samples)))
        for fraction in (0.25, 0.5, 0.75, 1.0):
            index = min(len(samples) - 1, int(len(samples) * fraction) - 1)
            print("  at %3d%% of the run: %.1f MB" % (fraction * 100, samples[index][1] / 1024))
    if errors:
        sys.stderr.write(errors)
    if not args.keep:
        subprocess.run(["rm", "-rf", home])
    else:
        print("home folder kept:", home)
    if status != 0:
        print("FAILED: exit status %d" % status)
        return 1
    if samples and (last - first) / 1024 > args.growth_mb:
        print("FAILED: grew by %.1f MB (bound %.1f MB)" % ((last - first) / 1024, args.growth_mb))
        return 1
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
