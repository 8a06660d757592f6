#!/usr/bin/env python3
"""Benchmark of the saver's frame pacing under Wine (not a test): the frame period at each speed
and the processor time that the run's own Wine prefix uses over 10 s (the saver, its wineserver,
its desktop and service processes; other Wine sessions on the machine are not counted), for the
saver as built and for a variant whose loop never sleeps. Run from the repository after `make`:

    python3 tools/bench/frame_pacing.py [--runs N] [--seconds S] [--variant NAME ...]

Timings on a shared machine vary from run to run: measure more than once.
"""

import argparse
import glob
import os
import statistics
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
import harness  # noqa: E402

SPEEDS = ((1, "Easier", 20), (2, "Normal", 10), (3, "Harder", 8))
VARIANTS = {"as built": ["-DGLIMBROOK_BENCH=ON"],
            "never sleeping": ["-DGLIMBROOK_BENCH=ON", "-DGLIMBROOK_SPIN=ON"]}


def build(name, flags):
    slug = "".join(c if c.isalnum() else "-" for c in name)
    tree = os.path.join(ROOT, "build", "bench-" + slug, "cross")
    subprocess.run(["cmake", "-S", ROOT, "-B", tree, "-DCMAKE_BUILD_TYPE=Release",
                    "-DCMAKE_TOOLCHAIN_FILE=" + os.path.join(ROOT, "cmake", "mingw-i686.cmake"),
                    *flags], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", tree, "-j", str(os.cpu_count())], check=True,
                   stdout=subprocess.DEVNULL)
    return os.path.join(ROOT, "build", "bench-" + slug, "install")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def prefix_processes(prefix):
    """Processor seconds so far of every process whose environment names this prefix."""
    mark = b"WINEPREFIX=" + os.fsencode(prefix)
    found = {}
    for d in os.listdir("/proc"):
        if not d.isdigit():
            continue
        try:
            with open(f"/proc/{d}/environ", "rb") as f:
                if mark not in f.read().split(b"\0"):
                    continue
            found[int(d)] = cpu_seconds(int(d))
        except OSError:  # gone, or not ours to read
            pass
    return found


def measure(install_dir, speed, seconds):
    with harness.Session(f"bench-speed{speed}") as s:
        s.install(install_dir)
        s.set_setting("speed", str(speed))
        p = s.start_saver("/s")
        s.wait_window("^screen saver running$", 40)
        time.sleep(2)
        before, t0 = prefix_processes(s.prefix), time.monotonic()
        time.sleep(seconds)
        after, elapsed = prefix_processes(s.prefix), time.monotonic() - t0
        used = {pid: c - before.get(pid, 0.0) for pid, c in after.items()}
        share = (sum(used.values()) / elapsed, used.get(p.pid, 0.0) / elapsed)
        s.click(s.width - 5, s.height - 5)
        s.wait_exit(p, 20)
        logs = glob.glob(os.path.join(s.prefix, "drive_c", "users", "*", "**",
                                      "glimbrook-frames.txt"), recursive=True)
        starts = [int(x) for x in open(logs[0]).read().split()] if logs else []
    periods = [b - a for a, b in zip(starts, starts[1:])][100:]  # past the set-up
    return periods, share


def row(name, speed, label, delay, periods, share):
    head = f"| {name} | {speed} {label} ({delay} ms) |"
    if len(periods) < 20:
        return head + " no frames logged | | | | |"
    q = statistics.quantiles(periods, n=20)
    mean = statistics.fmean(periods)
    return (head + f" {statistics.median(periods):g} | {mean:.2f} ({100 * (mean / delay - 1):+.1f} %)"
            f" | {q[0]:g}-{q[-1]:g} | {max(periods)} | {100 * share[0]:.1f} % (saver {100 * share[1]:.1f} %) |")


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--runs", type=int, default=1, help="measurements of each speed and variant")
    ap.add_argument("--seconds", type=float, default=10)
    ap.add_argument("--variant", action="append", choices=list(VARIANTS),
                    help="only these variants (default: all)")
    args = ap.parse_args()
    print("| loop | speed | median period (ms) | mean period (ms) | 5-95 % (ms) | max (ms) |"
          " prefix's processor share of one core |")
    print("|---|---|---|---|---|---|---|")
    for name in args.variant or VARIANTS:
        install_dir = build(name, VARIANTS[name])
        for speed, label, delay in SPEEDS:
            for _ in range(args.runs):
                periods, share = measure(install_dir, speed, args.seconds)
                print(row(name, speed, label, delay, periods, share), flush=True)


if __name__ == "__main__":
    main()
