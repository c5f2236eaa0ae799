"""What the desktop tests share: the estimates they type and the figures
they expect, and a user's real keys (XTEST, through xdotool). Used by the
Linux tests (tests/atspi), the Windows keyboard journey under Wine
(tests/wine) and the UI Automation check (tests/uia); it needs neither
pyatspi nor a display to be imported. The two keyboard journeys share their
keys through Journey, and each checks what they did in its hooks.

Run as a program, it prints names for the shell scripts, one a line:
    desktop_user.py rows COMMAND   the dimensions of a calculator (Slab,
                                   Footing or Circular), without the colon
    desktop_user.py readouts       the read-outs
"""
import contextlib
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


def xdotool(*arguments):
    """What xdotool prints, or None if it fails (no such window)."""
    result = subprocess.run(["xdotool", *arguments], capture_output=True, text=True)
    return result.stdout.strip() if result.returncode == 0 else None


def active_title():
    """The title of the window the window manager calls active."""
    return xdotool("getactivewindow", "getwindowname")


def focused_title():
    """The title of the top-level window with the keyboard focus."""
    window = xdotool("getwindowfocus")
    return xdotool("getwindowname", window) if window else None


def name_of(box):
    """A box's name without its caption's colon, as a screen reader says it."""
    return box.rstrip(":")


# The maximised child window's buttons at the menu bar's end, the client
# area's top right corner, by their distance from it.
MINIMISE, RESTORE, CLOSE = 50, 30, 10


@contextlib.contextmanager
def unchecked(*_, **__):
    """A hook that checks nothing."""
    yield


class Journey:
    """The steps that both keyboard journeys take, their keys written once.
    Each hook (a context manager) wraps the keys of one moment: a journey
    notes there what it expects before the keys, and checks what they did
    after. A hook left alone checks nothing."""

    continuing = unchecked                  # Space on the splash
    tabbing_to_box = unchecked              # (caption, box): Tab to a dimension box
    tabbing_to_unit = unchecked             # (caption, unit_box): Tab to a unit box
    selecting_all = unchecked               # (step, over): Ctrl+A in a box holding over
    typing = unchecked                      # (step, text, over_selection): text typed
    tabbing_past_clear = unchecked          # (caption): Tab, Tab from the last unit box
    calculating = unchecked                 # (caption, figures): Space on Calculate
    tabbing_to_calculate = unchecked        # (step): six Tabs from the Width box
    prompting = unchecked                   # (step): Space on Calculate, the Width unusable
    maximising = unchecked                  # Alt+S on the restored slab calculator
    minimising = unchecked                  # its minimise button
    leaving_minimised = unchecked           # Alt+F away from it
    back_to_minimised = unchecked           # Alt+S back to it
    typing_back = unchecked                 # (text): typed into it
    closing_under_prompt = unchecked        # Ctrl+F4 while its prompt is open
    answering_kept_prompt = unchecked       # Return on that prompt
    closing = unchecked                     # its close button

    def press(self, *keys):
        key(*keys)

    def type(self, text):
        type_text(text)

    def child_buttons_end(self):
        """Where the maximised child window's buttons end: WINDOW, X, Y, for
        xdotool mousemove (WINDOW None for the screen)."""
        raise NotImplementedError

    def click_child_button(self, offset):
        window, right, y = self.child_buttons_end()
        subprocess.run(["xdotool", "mousemove", *(["--window", window] if window else []), str(right - offset),
                        str(y), "click", "1"], check=True)

    def start(self):
        """Space on the splash once it has the keyboard: the main window."""
        with self.continuing():
            self.press("space")

    def type_over(self, step, text, over=None):
        """Ctrl+A, then text over what it selected (over, where known)."""
        with self.selecting_all(step, over):
            self.press("ctrl+a")
        with self.typing(step, text, over_selection=True):
            self.type(text)

    def estimate(self, caption, rows, figures):
        """From the first box: each row's text, Tab between; then each unit
        over its unit box's; then past Clear to Calculate, and Space."""
        for i, (box, text, _) in enumerate(rows):
            if i:
                with self.tabbing_to_box(caption, box):
                    self.press("Tab")
            with self.typing(f"{caption}: {name_of(box)}", text, over_selection=False):
                self.type(text)
        for box, _, unit in rows:
            unit_box = name_of(box) + " unit"
            with self.tabbing_to_unit(caption, unit_box):
                self.press("Tab")
            self.type_over(f"{caption}: {unit_box}", unit)
        with self.tabbing_past_clear(caption):
            self.press("Tab", "Tab")
        with self.calculating(caption, figures):
            self.press("space")

    def raise_prompt(self, step):
        """From the Width box, holding no number, Tab past the boxes and Clear
        to Calculate, and Space: the prompt."""
        with self.tabbing_to_calculate(step):
            self.press(*["Tab"] * 6)
        with self.prompting(step):
            self.press("space")

    def frame_changes(self):
        """The slab calculator, restored, in its Width box: maximised again,
        minimised, switched away from and back to, typed into; a prompt that
        its Close shortcut leaves open; then closed by its button."""
        with self.maximising():
            self.press("alt+s")
        with self.minimising():
            self.click_child_button(MINIMISE)
        with self.leaving_minimised():
            self.press("alt+f")
        with self.back_to_minimised():
            self.press("alt+s")
        with self.typing_back("5"):
            self.type("5")
        self.type_over("back from minimised", "x")
        self.raise_prompt("back from minimised")
        # The prompt holds its calculator: Close waits, Enter answers.
        with self.closing_under_prompt():
            self.press("ctrl+F4")
        with self.answering_kept_prompt():
            self.press("Return")
        with self.closing():
            self.click_child_button(CLOSE)


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
