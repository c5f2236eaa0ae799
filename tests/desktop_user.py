"""What the desktop tests share: the estimates they type and the figures
they expect, and a user's real keys (XTEST, through xdotool). Used by the
Linux tests (tests/atspi), the Windows keyboard journey under Wine
(tests/wine) and the UI Automation check (tests/uia); it needs neither
pyatspi nor a display to be imported.

Run as a program, it prints names for the shell scripts, one a line:
    desktop_user.py rows COMMAND   the dimensions of a calculator (Slab,
                                   Footing or Circular), without the colon
    desktop_user.py readouts       the read-outs
"""
import subprocess
import sys
import time

# The read-outs by name, in the order Tab reaches them (the form's order).
READOUTS = ["Cubic Yards", "Estimated Cost ($)", "Cubic Meters", "60lb bags", "80lb bags",
            "Cost of 60lb bags", "Cost of 80lb bags"]

# By locale: menu command, window caption, (dimension name, text, unit)
# rows, and the figures in the read-outs' order.
ESTIMATES = {
    "C": [
        ("Slab", "Slab Calculator",
         [("Thickness:", "4", "Inches"), ("Width:", "10", "Feet"), ("Length:", "10", "Feet")],
         ["1.23", "92.25", "0.93", "73.8", "55.35", "369", "332.1"]),
        ("Footing", "Footing Calculator",
         [("Depth:", "1.5", "Feet"), ("Width:", "1.5", "Feet"), ("Length:", "1.5", "Feet")],
         ["0.12", "9", "0.09", "7.2", "5.4", "36", "32.4"]),
        ("Circular", "Circular Calculator",
         [("Diameter:", "0.3", "Meters"), ("Height:", "1.2", "Meters")],
         ["0.11", "8.25", "0.08", "6.6", "4.95", "33", "29.7"]),
    ],
    "de_DE": [
        ("Slab", "Slab Calculator",
         [("Thickness:", "0,5", "Feet"), ("Width:", "10", "Feet"), ("Length:", "10", "Feet")],
         ["1,85", "138,75", "1,41", "111", "83,25", "555", "499,5"]),
        ("Footing", "Footing Calculator",
         [("Depth:", "1,5", "Feet"), ("Width:", "1,5", "Feet"), ("Length:", "1,5", "Feet")],
         ["0,12", "9", "0,09", "7,2", "5,4", "36", "32,4"]),
        ("Circular", "Circular Calculator",
         [("Diameter:", "0,3", "Meters"), ("Height:", "1,2", "Meters")],
         ["0,11", "8,25", "0,08", "6,6", "4,95", "33", "29,7"]),
    ],
}

# What the prompt tests type, and the prompt it must raise.
UNUSABLE = {"C": "12 ft", "de_DE": "2.5"}
PROMPT = "Please enter a number value for the Width."

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)


def wait_for(probe, what, timeout=20.0):
    """Polls until probe() gives something true: a busy machine is slow."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    raise RuntimeError("timed out waiting for " + what)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "100", *keys], check=True)
    time.sleep(0.3)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "80", text], check=True)
    time.sleep(0.3)


def main(arguments):
    if arguments[:1] == ["readouts"]:
        print("\n".join(READOUTS))
    elif arguments[:1] == ["rows"] and len(arguments) == 2:
        rows = next(rows for command, _, rows, _ in ESTIMATES["C"] if command == arguments[1])
        print("\n".join(name.rstrip(":") for name, _, _ in rows))
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
