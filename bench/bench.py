"""Start-up and response benchmark: the program against an Xlib floor.

Runs the floor and the program in turn, alternating, after a warm-up run of
each, and prints min, median and max of each measure, and each median as a
ratio to the floor's and as a difference.

Usage: bench.py PROBE FLOOR PROGRAM [--runs N]
Run inside a desktop session (scripts/desktop-session); bench/run does it all.
"""

import argparse
import os
import statistics
import subprocess
import sys

# Where to click: the middle of Ferric in the program's client area (inside
# the picture's 2-pixel border), anywhere in the floor's.
FERRIC = ("510", "110")
FLOOR_CLICK = ("100", "100")
BOXES = "3"

MEASURES = [("start", "exec to window mapped and painted", "ms"),
            ("click", "click on Ferric to first box mapped", "ms"),
            ("return", "Return to next box mapped", "ms"),
            ("hwm", "peak resident memory (VmHWM)", "MiB"),
            ("libs", "shared libraries mapped", ""),
            ("plugins", "Qt plugins loaded", "")]


def run_once(probe, click, program, env):
    out = subprocess.run([probe, click[0], click[1], BOXES, program], capture_output=True, text=True,
                         env=env, timeout=60)
    lines = out.stdout.splitlines()
    if out.returncode != 0 or not lines:
        raise RuntimeError("probe failed on %s: %s %s" % (program, out.stdout, out.stderr))
    values = dict(item.split("=") for item in lines[0].split())
    result = {key: float(value) for key, value in values.items()}
    result["hwm"] /= 1024.0
    plugins = [line.split(" ", 1)[1] for line in lines[1:] if line.startswith("plugin ")]
    return result, plugins


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("probe")
    parser.add_argument("floor")
    parser.add_argument("program")
    parser.add_argument("--runs", type=int, default=15)
    args = parser.parse_args()

    floor_env = dict(os.environ)
    program_env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")  # as with a screen reader running
    program_env.pop("QT_QPA_PLATFORM", None)

    run_once(args.probe, FLOOR_CLICK, args.floor, floor_env)  # warm-up: caches, fonts, the X server
    run_once(args.probe, FERRIC, args.program, program_env)
    floor, program, plugins = [], [], []
    for i in range(args.runs):
        floor.append(run_once(args.probe, FLOOR_CLICK, args.floor, floor_env)[0])
        result, plugins = run_once(args.probe, FERRIC, args.program, program_env)
        program.append(result)
        print("run %d/%d: start %.1f ms (floor %.1f), click %.1f ms (floor %.1f)"
              % (i + 1, args.runs, result["start"], floor[-1]["start"], result["click"], floor[-1]["click"]),
              file=sys.stderr, flush=True)

    print("%d runs each, alternating, after a warm-up run of each" % args.runs)
    print("%-38s %-22s %-22s %8s %10s" % ("measure", "floor min/med/max", "Ionvale min/med/max", "ratio",
                                          "difference"))
    for key, label, unit in MEASURES:
        f = [r[key] for r in floor]
        p = [r[key] for r in program]
        fmed, pmed = statistics.median(f), statistics.median(p)
        ratio = "%.2f" % (pmed / fmed) if fmed else "-"
        difference = "%+.1f %s" % (pmed - fmed, unit) if unit else "%+d" % (pmed - fmed)
        fmt = "%.1f/%.1f/%.1f" if unit else "%.0f/%.0f/%.0f"
        print("%-38s %-22s %-22s %8s %10s" % (label + (" (%s)" % unit if unit else ""),
                                              fmt % (min(f), fmed, max(f)), fmt % (min(p), pmed, max(p)),
                                              ratio, difference))
    print("plugins loaded by Ionvale: " + (", ".join(os.path.basename(p) for p in plugins) or "none"))


if __name__ == "__main__":
    main()
