#!/usr/bin/env python3
"""Start-up of the program against the floor, the two started in turn.

hyperfine runs all of one command's runs before the other's, so a change in
the shared machine's speed during the measurement lands on one side only.
Here the two programs alternate, run for run, and the medians and the ratio
program / floor are printed. The platform comes from the caller's
environment (QT_QPA_PLATFORM, DISPLAY); run it from the repository folder,
where images/ is.

Usage: bench/startup_alternating.py [RUNS [LABEL]]   (80 runs after 5 warm-up rounds;
       the label, by default the platform, starts the printed line)
"""
import os
import statistics
import subprocess
import sys
import time

PROGRAMS = {"trivelon": "build-bench/src/app/trivelon", "floor": "build-bench/bench/startup_floor"}
WARM_UP = 5


def main() -> None:
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 80
    env = dict(os.environ, TRIVELON_QUIT_AFTER_START="1")
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    label = sys.argv[2] if len(sys.argv) > 2 else env["QT_QPA_PLATFORM"]
    times = {name: [] for name in PROGRAMS}
    for round_number in range(WARM_UP + runs):
        for name, path in PROGRAMS.items():
            start = time.perf_counter()
            subprocess.run([path], env=env, stderr=subprocess.DEVNULL, check=True)
            if round_number >= WARM_UP:
                times[name].append(time.perf_counter() - start)
    medians = {name: statistics.median(values) * 1000 for name, values in times.items()}
    print(f"{label:9s} alternating medians over {runs} runs: trivelon {medians['trivelon']:.1f} ms, "
          f"floor {medians['floor']:.1f} ms, ratio {medians['trivelon'] / medians['floor']:.2f}")


if __name__ == "__main__":
    main()
