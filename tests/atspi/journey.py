#!/usr/bin/python3
"""A keyboard user's way through Mixora on a real desktop.

Real key events (XTEST, through xdotool) under a window manager: start,
Space on the splash, type, Calculate, the figures read through the
accessibility bus, Tab round a calculator, switch, where am I, Restore (a
mouse click: it has no key), a prompt; then minimise, switch away and back,
type, the Close shortcut under a prompt, the close button; close. With --orca, GNOME Orca
listens, and what it says (its debug log's speech lines) is checked at each
step. Usage: journey.py PROGRAM [--orca]
"""
import os
import re
import shutil
import subprocess
import sys
import time

import pyatspi

from atspi_test import (ESTIMATES, PROMPT, READOUTS, application, check, descendants, failures, find, showing,
                        start_accessibility_bus, text_of, wait_for)
from desktop_user import key, type_text

SLAB_FIGURES = ESTIMATES["C"][0][3]
FOOTING_FIGURES = ESTIMATES["C"][1][3]


def active_title():
    result = subprocess.run(["xdotool", "getactivewindow", "getwindowname"], capture_output=True, text=True)
    return result.stdout.strip() if result.returncode == 0 else None


def focused(app):
    """The focused control: the deepest focused node in view (a window
    counts too, and Qt 6.8 calls the current items of closed lists focused)."""
    found = None
    for node in descendants(app):
        state = node.getState()
        if (state.contains(pyatspi.STATE_FOCUSED) and state.contains(pyatspi.STATE_SHOWING)
                and node.getRole() != pyatspi.ROLE_LIST_ITEM):
            found = node
    return found


def wait_for_focus(app, name, what):
    return wait_for(lambda: (lambda node: node if node is not None and node.name == name else None)(focused(app)),
                    what + f" (focus on {name!r})")


class Orca:
    """The screen reader, and what it said. Orca lags behind the keys (by
    seconds on a busy machine), so what it must say is noted step by step
    and checked, in order, once it has finished speaking. Before the next
    key the journey waits for Orca to catch up, as a listener would: a key
    pressed while Orca is still busy can make it drop what it was about to
    say (a prompt closed before Orca read it is never read)."""

    # Orca 43 writes 'text'{...} or 'text'[{...}], Orca 48 'text' {...}.
    SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?:\s*[\[{].*)?$")
    FIGURE = re.compile(r"^(\d[\d.,]*\d|\d) selected\.?$")
    # What Orca made of the focus and window events, shown when a phrase was
    # not said: the events it took up, and those it dropped (as spam, stale,
    # or from a window it took for inactive).
    HANDLING = re.compile(r"EVENT.MANAGER: (Dequeued|Ignoring) (window:|object:state-changed:focused)"
                          r"|obsoleted by|lacks focused state|Not for active window|SPEECH OUTPUT")

    def __init__(self, work):
        # Started with --replace, Orca kills every other of this user, even
        # one in another root whose runs take another lock file: wait for
        # such a one to end.
        wait_for(lambda: not self.others_running(), "another Orca to end", timeout=120)
        self.log = os.path.join(work, "orca.log")
        self.process = subprocess.Popen(["orca", "--replace", "--debug-file=" + self.log],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: "Screen reader on" in " ".join(self.lines()), "Orca to start", timeout=30)
        self.expected = []
        self.waited_for = 0  # how many of expected quiet() has waited for

    @staticmethod
    def others_running():
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/comm", encoding="utf-8") as comm:
                    if comm.read().strip() == "orca" and os.stat(f"/proc/{pid}").st_uid == os.getuid():
                        return True
            except OSError:
                pass
        return False

    def lines(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                return [m.group(1) for m in map(self.SPOKEN.search, log) if m]
        except FileNotFoundError:
            return []

    def heard(self, transcript):
        """For each phrase to be heard, in order, the line that said it or None."""
        at, found = 0, []
        for phrase, _ in self.expected:
            line = next((i for i in range(at, len(transcript)) if phrase in transcript[i]), None)
            found.append(line)
            at = line + 1 if line is not None else at
        return found

    def quiet(self, timeout=60):
        """Waits until Orca has said what it was to say so far (a phrase it
        has not said after 20 s is left to verify() to report), then until
        it has said nothing for a while."""
        deadline = time.monotonic() + timeout
        caught_up = min(deadline, time.monotonic() + 20)
        while None in self.heard(self.lines())[self.waited_for:] and time.monotonic() < caught_up:
            time.sleep(0.2)
        self.waited_for = len(self.expected)
        count, since = len(self.lines()), time.monotonic()
        while time.monotonic() - since < 2 and time.monotonic() < deadline:
            time.sleep(0.2)
            if len(self.lines()) != count:
                count, since = len(self.lines()), time.monotonic()

    def hears(self, phrase, step):
        self.expected.append((phrase, step))

    def verify(self, shown):
        """What was to be heard, heard in order; every figure heard alone
        is one the screen showed, none cut short."""
        self.quiet()
        check(self.process.poll() is None,
              f"Orca ended during the journey (status {self.process.poll()}); another Orca started with --replace kills it")
        transcript = self.lines()
        at = 0
        for (phrase, step), found in zip(self.expected, self.heard(transcript)):
            check(found is not None, f"{step}: Orca did not say {phrase!r} (after line {at})")
            at = found + 1 if found is not None else at
        for line in transcript:
            figure = self.FIGURE.match(line)
            check(not figure or figure.group(1) in shown, f"Orca said {line!r}: no such figure is shown")
        if failures:
            print("Orca said:", transcript)
            print("Orca's handling of focus and window events:")
            with open(self.log, encoding="utf-8", errors="replace") as log:
                for line in filter(self.HANDLING.search, log):
                    print(re.sub(r" \(0x[0-9a-f]+\)", "", line.rstrip())[:200])

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=10)
        if os.environ.get("MIXORA_ORCA_LOG"):
            shutil.move(self.log, os.environ["MIXORA_ORCA_LOG"])


class Silent:
    """Stands in for Orca when none listens."""

    def quiet(self, timeout=0):
        pass

    def hears(self, phrase, step):
        pass

    def verify(self, shown):
        pass

    def stop(self):
        pass


def readouts(app, caption):
    window = wait_for(lambda: find(app, pyatspi.ROLE_FRAME, caption), caption)
    boxes = [find(window, pyatspi.ROLE_TEXT, name) for name in READOUTS]
    return [text_of(box) if box else None for box in boxes]


def estimate(app, orca, caption, rows, figures, first):
    """Types the dimensions, then the units, Tabs on to Calculate, presses it,
    reads the figures."""
    for i, (text, _) in enumerate(rows):
        if i:
            key("Tab")
        type_text(text)
    for _, unit in rows:
        key("Tab", "ctrl+a")
        type_text(unit)
    key("Tab", "Tab")  # past Clear
    wait_for_focus(app, "Calculate", caption + ": Tab to Calculate")
    orca.quiet()
    key("space")
    wait_for(lambda: readouts(app, caption) == figures, f"{caption}: figures {figures}")
    check(focused(app).name == "Calculate", f"{caption}: the focus left Calculate")
    orca.hears(f"{READOUTS[0]} {figures[0]}", caption + ": Calculate")
    orca.quiet()
    key("Tab")
    wait_for_focus(app, first, caption + ": Tab to the first read-out")
    orca.hears(figures[0], caption + ": first read-out")
    orca.quiet()


# The maximised child window's buttons at the menu bar's end, by their
# distance from it: minimise, restore, close.
MINIMISE, RESTORE, CLOSE = 50, 30, 10


def click_child_button(app, offset):
    bar = find(app, pyatspi.ROLE_MENU_BAR)
    box = bar.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width - offset), str(box.y + box.height // 2),
                    "click", "1"], check=True)


def restore(app, orca):
    """Clicks the child window's Restore button, the middle of the three at the menu bar's end."""
    click_child_button(app, RESTORE)
    wait_for(lambda: active_title() == "Mixora", "the restored calculator")


def frame_changes(app, orca, width):
    """The slab calculator, restored with an empty Width: maximised again,
    minimised, switched away from and back to, typed into; a prompt that its
    Close shortcut leaves open; then closed by its button."""
    orca.quiet()
    key("alt+s")
    wait_for(lambda: active_title() == "Mixora - [Slab Calculator]", "Alt+S maximises the restored calculator")
    orca.quiet()
    click_child_button(app, MINIMISE)
    wait_for(lambda: active_title() == "Mixora", "the minimised calculator")
    check(not showing(width), "the minimised calculator's Width box is still on screen")
    orca.quiet()
    key("alt+f")
    wait_for(lambda: active_title() == "Mixora - [Footing Calculator]", "Alt+F away from the minimised calculator")
    orca.quiet()
    key("alt+s")
    wait_for(lambda: active_title() == "Mixora - [Slab Calculator]", "Alt+S back to it")
    wait_for_focus(app, "Width:", "the calculator back from minimised")
    check(showing(width), "the calculator back from minimised shows no Width box")
    orca.quiet()
    type_text("5")
    wait_for(lambda: text_of(width) == "5", "typing into the calculator back from minimised")

    orca.quiet()
    key("ctrl+a")
    type_text("x")
    key(*["Tab"] * 6, "space")
    wait_for(lambda: find(app, pyatspi.ROLE_ALERT), "the prompt")
    orca.quiet()
    # The prompt holds its calculator: Close waits, Enter answers.
    key("ctrl+F4", "Return")
    wait_for(lambda: find(app, pyatspi.ROLE_ALERT) is None, "the prompt to close")
    wait_for_focus(app, "Width:", "the emptied box after Close under the prompt")
    check(text_of(width) == "" and showing(width), "the calculator did not outlive Close under its prompt")
    check(active_title() == "Mixora - [Slab Calculator]", f"the title under the prompt became {active_title()!r}")

    orca.quiet()
    click_child_button(app, CLOSE)
    wait_for(lambda: active_title() == "Mixora", "the title once the calculator is closed")
    wait_for(lambda: find(app, pyatspi.ROLE_FRAME, "Slab Calculator") is None, "the closed calculator to go")


def switch_to(app, orca, keys, caption, first_box, step):
    """A menu command by its key: the calculator's title, then its box, heard."""
    orca.quiet()
    key(keys)
    wait_for(lambda: active_title() == f"Mixora - [{caption}]", step)
    wait_for_focus(app, first_box, step)
    orca.hears(caption, step)
    orca.hears(first_box.rstrip(":"), step)


def where_am_i(orca, phrase, step):
    orca.quiet()
    key("KP_Enter")  # Orca's "where am I"
    orca.hears(phrase, step)


def journey(app, orca):
    wait_for(lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, "Continue"), "the splash")
    wait_for_focus(app, "Continue", "the splash")
    orca.hears("Continue", "splash")
    orca.quiet()
    key("space")
    wait_for(lambda: active_title() == "Mixora - [Slab Calculator]", "the main window")
    wait_for_focus(app, "Thickness:", "the slab calculator")
    orca.hears("Thickness", "main window")

    estimate(app, orca, "Slab Calculator", [("4", "Inches"), ("10", "Feet"), ("10", "Feet")], SLAB_FIGURES,
             "Cubic Yards")
    key(*["Tab"] * (len(READOUTS) - 1))
    wait_for_focus(app, READOUTS[-1], "the last read-out")
    orca.quiet()
    key("Tab")
    wait_for_focus(app, "Thickness:", "Tab past the last read-out")
    orca.hears("Thickness", "Tab past the last read-out")

    orca.quiet()
    key("Tab", "Tab", "Tab")
    wait_for_focus(app, "Thickness unit", "the first unit box")
    orca.hears("Thickness unit", "unit box")
    orca.quiet()
    key("Down")
    orca.hears("Feet", "unit box, Down")
    orca.quiet()
    key("Up")

    switch_to(app, orca, "alt+f", "Footing Calculator", "Depth:", "first show of the footing calculator")
    # The circular calculator was made hidden by that switch.
    switch_to(app, orca, "alt+c", "Circular Calculator", "Diameter:", "first show of a calculator made hidden")
    where_am_i(orca, "Diameter", "where am I in a calculator made hidden")
    orca.quiet()
    key("alt+f")
    wait_for(lambda: active_title() == "Mixora - [Footing Calculator]", "the footing calculator again")
    estimate(app, orca, "Footing Calculator", [("1.5", "Feet")] * 3, FOOTING_FIGURES, "Cubic Yards")
    key("alt+c", "alt+s")
    wait_for(lambda: active_title() == "Mixora - [Slab Calculator]", "the slab calculator again")
    check(readouts(app, "Slab Calculator") == SLAB_FIGURES, "the slab calculator lost its figures")
    where_am_i(orca, "Thickness unit", "where am I after switches")

    key("shift+Tab", "shift+Tab")
    width = wait_for_focus(app, "Width:", "back to Width")
    orca.hears("Width", "back to Width")
    key("End")  # Backtab selected the text; Restore must not select it again
    orca.quiet()
    restore(app, orca)
    where_am_i(orca, "Width", "where am I after Restore")
    check(focused(app) is not None and focused(app).name == "Width:", "Restore moved the focus")
    check(width.queryText().getNSelections() == 0, "Restore selected the box's text")

    orca.quiet()
    key("ctrl+a")
    type_text("x")
    key(*["Tab"] * 6, "space")
    alert = wait_for(lambda: find(app, pyatspi.ROLE_ALERT), "the prompt")
    texts = [node.name for node in descendants(alert)] + [alert.name, alert.description]
    check(PROMPT in texts, f"the prompt said {texts}")
    orca.hears(PROMPT, "prompt")
    orca.quiet()
    key("Return")
    wait_for(lambda: find(app, pyatspi.ROLE_ALERT) is None, "the prompt to close")
    wait_for_focus(app, "Width:", "the emptied box")
    check(text_of(width) == "", "the width box was not emptied")
    frame_changes(app, orca, width)


def main():
    program = sys.argv[1]
    work = os.environ.get("XDG_RUNTIME_DIR", "/tmp")
    bus = start_accessibility_bus()
    orca = Orca(work) if "--orca" in sys.argv else Silent()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="C.UTF-8", LC_ALL="C.UTF-8")
    process = subprocess.Popen([program], env=env)
    try:
        app = wait_for(application, "Mixora on the accessibility bus")
        journey(app, orca)
        orca.verify(set(SLAB_FIGURES + FOOTING_FIGURES + ["4", "10", "1.5"]))
        key("alt+F4")
        check(process.wait(timeout=10) == 0, "the program did not end cleanly")
    except (RuntimeError, subprocess.TimeoutExpired) as error:
        failures.append(str(error))
        print("FAIL:", error)
    finally:
        if process.poll() is None:
            process.terminate()
            process.wait(timeout=10)
        orca.stop()
        bus.terminate()
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
