"""A random-input soak: thousands of real X input events, and the program
must stay alive, never show two boxes at once, and not grow.

Usage: soak.py PROGRAM [EVENTS]
Each run is drawn from a numbered sequence of random events; replay one with
IONVALE_SOAK_RUN=<the number it printed>.
"""

import os
import random
import sys
import time

from desktop import BOX_TITLE, Program, expect, run_tests, window_rect, xdotool

program_path = sys.argv[1]
events = int(sys.argv[2]) if len(sys.argv) > 2 else 2000
run_number = int(os.environ.get("IONVALE_SOAK_RUN", "20261211"))
warm_up = events // 10
batch = 10  # events sent in one xdotool call, between two checks
time_limit = 170  # seconds

KEYS = ["Tab", "shift+Tab", "space", "Return", "Escape", "F10", "Left", "Right", "Up", "Down"]


def soak():
    print("soak: %d events, run number %d" % (events, run_number), flush=True)
    rng = random.Random(run_number)
    program = Program(program_path)
    program.focus()
    started = time.monotonic()
    baseline = None
    most_boxes = 0
    sent = 0
    try:
        while sent < events:
            expect(time.monotonic() - started < time_limit, "the soak ran over %d s" % time_limit)
            boxes = program.boxes()
            most_boxes = max(most_boxes, len(boxes))
            expect(program.alive(), "the program died after %d events" % sent)
            expect(len(boxes) <= 1, "%d boxes titled %s were open at once" % (len(boxes), BOX_TITLE))
            if baseline is None and sent >= warm_up:
                baseline = program.resident_kib()

            # Clicks land inside the box while one is open (its title bar
            # belongs to the window manager), else anywhere in the window,
            # its menu bar and its open menus.
            x, y, width, height = window_rect(boxes[0] if boxes else program.window)
            command = []
            for _ in range(batch):
                if rng.random() < 0.5:
                    command += ["mousemove", str(x + rng.randrange(width)), str(y + rng.randrange(height)),
                                "click", "1"]
                else:
                    command += ["key", rng.choice(KEYS)]
            xdotool(*command)
            sent += batch

        time.sleep(0.3)
        grown = program.resident_kib() - baseline
        print("soak: resident memory grew by %d KiB after the warm-up; at most %d box open at once"
              % (grown, most_boxes), flush=True)
        expect(grown <= 5 * 1024, "resident memory grew by %d KiB" % grown)

        # End as a pupil would: dismiss what is open, then close the window.
        for _ in range(20):
            if not program.boxes():
                break
            program.focus(program.boxes()[0])
            program.key("Escape")
            time.sleep(0.05)
        program.key("Escape", "Escape", "Escape")
        program.focus()
        program.key("alt+F4")
        status = program.wait(timeout=5)
        expect(status == 0, "the program ended with status %d" % status)
    except Exception:
        print("soak: replay with IONVALE_SOAK_RUN=%d" % run_number, flush=True)
        raise
    finally:
        program.stop()


sys.exit(run_tests([("random input soak", soak)]))
