#!/usr/bin/env python3
"""Benchmark of the saver's frame pacing under Wine (not a test): the frame period at each speed
and the processor time the saver uses over 10 s, for the saver as built and for a variant whose
loop never sleeps. Run from the repository after `make`:  python3 tools/bench/frame_pacing.py
"""

import glob
import os
import statistics
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
import harness  # noqa: E402

SECONDS = 10
VARIANTS = {"sleeping (as built)": ["-DGLIMBROOK_BENCH=ON"],
            "never sleeping": ["-DGLIMBROOK_BENCH=ON", "-DGLIMBROOK_SPIN=ON"]}


def build(name, flags):
    tree = os.path.join(ROOT, "build", "bench-" + name, "cross")
    subprocess.run(["cmake", "-S", ROOT, "-B", tree, "-DCMAKE_BUILD_TYPE=Release",
                    "-DCMAKE_TOOLCHAIN_FILE=" + os.path.join(ROOT, "cmake", "mingw-i686.cmake"),
                    *flags], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", tree, "-j", str(os.cpu_count())], check=True,
                   stdout=subprocess.DEVNULL)
    return os.path.join(ROOT, "build", "bench-" + name, "install")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def wineserver_seconds():
    total = 0.0
    for d in os.listdir("/proc"):
        if d.isdigit():
            try:
                with open(f"/proc/{d}/cmdline", "rb") as f:
                    if b"wineserver" in f.read().split(b"\0")[0]:
                        total += cpu_seconds(int(d))
            except OSError:
                pass
    return total


def measure(install_dir, speed):
    with harness.Session(f"bench-speed{speed}") as s:
        s.install(install_dir)
        s.set_setting("speed", str(speed))
        p = s.start_saver("/s")
        s.wait_window("^screen saver running$", 40)
        time.sleep(2)
        c0, w0, t0 = cpu_seconds(p.pid), wineserver_seconds(), time.monotonic()
        time.sleep(SECONDS)
        elapsed = time.monotonic() - t0
        cpu = ((cpu_seconds(p.pid) - c0) / elapsed, (wineserver_seconds() - w0) / elapsed)
        s.click(s.width - 5, s.height - 5)
        s.wait_exit(p, 20)
        logs = glob.glob(os.path.join(s.prefix, "drive_c", "users", "*", "**",
                                      "glimbrook-frames.txt"), recursive=True)
        starts = [int(x) for x in open(logs[0]).read().split()] if logs else []
    periods = [b - a for a, b in zip(starts, starts[1:])][100:]  # past the first pause
    return periods, cpu


def main():
    rows = []
    for name, flags in VARIANTS.items():
        install_dir = build(name.split()[0].strip("()"), flags)
        for speed, delay in ((1, 20), (2, 10), (3, 8)):
            periods, cpu = measure(install_dir, speed)
            if not periods:
                rows.append((name, speed, delay, "no frames logged", ""))
                continue
            q = statistics.quantiles(periods, n=20)
            rows.append((name, speed, delay,
                         f"median {statistics.median(periods):.1f} ms, 5%-95% {q[0]:.0f}-{q[-1]:.0f} ms,"
                         f" min {min(periods)} max {max(periods)}, {len(periods)} frames",
                         f"saver {100 * cpu[0]:.0f}%, wineserver {100 * cpu[1]:.0f}% of one core"))
    for r in rows:
        print(f"{r[0]:22} speed {r[1]} ({r[2]} ms): {r[3]}; processor {r[4]}")


if __name__ == "__main__":
    main()
