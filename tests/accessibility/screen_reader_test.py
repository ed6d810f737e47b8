#!/usr/bin/python3
"""What a screen reader hears of the calculator, read over the AT-SPI bus.

Runs the program on a virtual X server with Qt's accessibility bridge on,
presses "F9 - Calculate" through its accessible action (as assistive
technology would), and checks that the six result labels are announced and
read with their values. Run inside `dbus-run-session`, which gives the test a
session bus of its own.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def example_results():
    """The labels' texts for the default readings, from the tests' one copy."""
    header = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                          "..", "calc", "example_results.h")
    with open(header, encoding="utf-8") as text:
        line = re.search(r"kExampleResults\[\] = \{(.*)\};", text.read()).group(1)
    return re.findall(r'"([^"]*)"', line)


LABELS = [f"Result, plane {plane}, {what}"
          for what in ("mass in percent of the trial weight", "angle in degrees")
          for plane in (1, 2, 3)]
EXPECTED = dict(zip(LABELS, example_results()))


def start_x_server():
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp",
                               "-screen", "0", "1280x1024x24"],
                              pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as displays:
        display = displays.readline().strip()
    if not display:
        sys.exit("Xvfb did not start")
    return server, ":" + display


def wait_for(condition, what, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        GLib.MainContext.default().iteration(False)
        found = condition()
        if found:
            return found
        time.sleep(0.02)
    sys.exit(f"FAIL: {what}")


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def spoken_results(app):
    """Label name -> the value a screen reader reads after it."""
    results = {}
    for node in descendants(app):
        what, _, value = node.name.partition(": ")
        if what in EXPECTED:
            results[what] = value
    return results


def main():
    program = sys.argv[1]
    server, display = start_x_server()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="de_DE.UTF-8")
    calculator = subprocess.Popen([program], env=env, stderr=subprocess.DEVNULL)
    try:
        app = wait_for(lambda: application(os.path.basename(program)),
                       "the calculator never appeared on the accessibility bus")
        roles = [(window.getRoleName(), window.name) for window in app]
        if ("frame", "Balancing calculator for 3 planes of correction") not in roles:
            sys.exit(f"FAIL: the main window is not announced as a window: {roles}")
        before = wait_for(lambda: spoken_results(app),
                          "no result label is on the accessibility bus")
        if before != {what: "н.д." for what in EXPECTED}:
            sys.exit(f"FAIL: at start the results read {before}")

        announced = []
        pyatspi.Registry.registerEventListener(
            lambda event: announced.append(event.source.name),
            "object:property-change:accessible-name")
        calculate = next(node for node in descendants(app)
                         if node.name.startswith("Calculate the correction"))
        calculate.queryAction().doAction(0)
        wait_for(lambda: len(announced) >= len(EXPECTED),
                 f"only these results were announced: {announced}")

        expected = {what + ": " + value for what, value in EXPECTED.items()}
        if set(announced) != expected:
            sys.exit(f"FAIL: announced {announced}")
        after = spoken_results(app)
        if after != EXPECTED:
            sys.exit(f"FAIL: after F9 the results read {after}")
        print("the six results are read and announced with their values")
    finally:
        calculator.kill()
        server.terminate()


if __name__ == "__main__":
    main()
