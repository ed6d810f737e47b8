#!/usr/bin/env python3
"""Start-up of the calculator against a bare Qt Widgets window.

Starts each program RUNS times, alternating, and takes the time from process
start to the first paint of the main window and the peak resident memory at
that moment; once on a virtual X server (what a desktop user waits for) and
once on the offscreen platform (Qt's own work alone). Prints medians and the
ratios to the bare window. A second folder, of an earlier build, adds its
calculator to the turns, so that a change is measured under the same load.
"""
import os
import shutil
import statistics
import subprocess
import sys
import time

RUNS = int(os.environ.get("STARTUP_RUNS", "31"))
TARGET = 1.2


def run_once(program, env):
    begin = time.perf_counter()
    child = subprocess.Popen([program], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             env=env, text=True)
    line = child.stdout.readline()
    elapsed = time.perf_counter() - begin
    child.wait(timeout=30)
    fields = line.split()
    if len(fields) != 2 or fields[0] != "shown":
        raise SystemExit(f"{program}: unexpected output {line!r}")
    return elapsed * 1000.0, int(fields[1]) / 1024.0


def measure(platform, programs, env):
    results = {name: [] for name in programs}
    for program in programs.values():  # one untimed start each warms the caches
        run_once(program, env)
    for _ in range(RUNS):
        for name, program in programs.items():
            results[name].append(run_once(program, env))
    medians = {name: (statistics.median(t for t, _ in runs),
                      statistics.median(m for _, m in runs))
               for name, runs in results.items()}
    print(f"start-up on {platform}, median of {RUNS} runs:")
    for name, (ms, mib) in medians.items():
        print(f"  {name:15} {ms:7.1f} ms   {mib:6.1f} MiB peak")
    bare = medians["bare Qt window"]
    for name in programs:
        if name == "bare Qt window":
            continue
        for index, what in enumerate(("start-up time", "peak memory")):
            ratio = medians[name][index] / bare[index]
            verdict = "within" if ratio <= TARGET else "over"
            print(f"  {name}: {what} ratio {ratio:.2f} ({verdict} the target of {TARGET})")


def main():
    folder = sys.argv[1]
    programs = {"balance3": os.path.join(folder, "startup_balance3"),
                "bare Qt window": os.path.join(folder, "startup_bare")}
    if len(sys.argv) > 2:
        programs["earlier build"] = os.path.join(sys.argv[2], "startup_balance3")
    if shutil.which("Xvfb"):
        # The server picks a free display and names it once it is ready.
        server = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x900x24",
                                   "-nolisten", "tcp"],
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        try:
            display = ":" + server.stdout.readline().strip()
            measure("a virtual X server (xcb)", programs,
                    dict(os.environ, QT_QPA_PLATFORM="xcb", DISPLAY=display))
        finally:
            server.terminate()
    measure("the offscreen platform", programs, dict(os.environ, QT_QPA_PLATFORM="offscreen"))


if __name__ == "__main__":
    main()
