#!/usr/bin/env python3
"""Start-up of the calculator against a bare Qt Widgets window.

Starts each program RUNS times, alternating, on the offscreen platform, and
takes the time from process start to the first paint of the main window and
the peak resident memory at that moment. Prints medians and ratios.
"""
import os
import statistics
import subprocess
import sys
import time

RUNS = int(os.environ.get("STARTUP_RUNS", "21"))
TARGETS = {"start-up time": 1.3, "peak memory": 1.3}


def run_once(program):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    begin = time.perf_counter()
    child = subprocess.Popen([program], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             env=env, text=True)
    line = child.stdout.readline()
    elapsed = time.perf_counter() - begin
    child.wait(timeout=30)
    word, rss = line.split()
    if word != "shown":
        raise SystemExit(f"{program}: unexpected output {line!r}")
    return elapsed * 1000.0, int(rss) / 1024.0


def main():
    folder = sys.argv[1]
    programs = {"balance3": os.path.join(folder, "startup_balance3"),
                "bare Qt window": os.path.join(folder, "startup_bare")}
    results = {name: [] for name in programs}
    for name, program in programs.items():  # one untimed start each warms the caches
        run_once(program)
    for _ in range(RUNS):
        for name, program in programs.items():
            results[name].append(run_once(program))

    medians = {name: (statistics.median(t for t, _ in runs), statistics.median(m for _, m in runs))
               for name, runs in results.items()}
    print(f"start-up, median of {RUNS} runs (offscreen platform):")
    for name, (ms, mib) in medians.items():
        print(f"  {name:15} {ms:7.1f} ms   {mib:6.1f} MiB peak")
    ours, bare = medians["balance3"], medians["bare Qt window"]
    for index, (what, target) in enumerate(TARGETS.items()):
        ratio = ours[index] / bare[index]
        verdict = "within" if ratio <= target else "OVER"
        print(f"  {what} ratio {ratio:.2f} ({verdict} the target of {target})")


if __name__ == "__main__":
    main()
