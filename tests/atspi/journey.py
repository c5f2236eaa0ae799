#!/usr/bin/python3
"""A keyboard user's way through Mixora on a real desktop.

Real key events (XTEST, through xdotool) under a window manager: start,
Space on the splash, type, Calculate, the figures read through the
accessibility bus, Tab round a calculator, switch, where am I, Restore (a
mouse click: it has no key), a prompt; then minimise, switch away and back,
type, the Close shortcut under a prompt, the close button; close. With
--orca, GNOME Orca listens, and what it says (its debug log's speech lines)
is checked at each step: what changed on screen, once and in order, and
nothing else. Usage: journey.py PROGRAM [--orca]
"""
import os
import re
import shutil
import subprocess
import sys
import threading
import time
import tty

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
    for node in descendants(app, shown_only=True):
        if node.getState().contains(pyatspi.STATE_FOCUSED) and node.getRole() != pyatspi.ROLE_LIST_ITEM:
            found = node
    return found


def wait_for_focus(app, name, what):
    return wait_for(lambda: (lambda node: node if node is not None and node.name == name else None)(focused(app)),
                    what + f" (focus on {name!r})")


# Keys Orca does not echo: moves within a box, and its own "where am I"...
UNECHOED = {"Up", "Down", "End", "KP_Enter"}


def press(orca, *keys):
    orca.echoes(sum(1 for k in keys if k not in UNECHOED))
    key(*keys)


def typed(orca, text):
    orca.echoes(len(text))
    type_text(text)


class Step:
    """What one or more keys made Orca say: each phrase of said, once and in
    that order; beside them only the phrases of also, the roles and states
    Orca says with a control, and its echo of the keys."""

    def __init__(self, name, start, said, also):
        self.name, self.start, self.said, self.also = name, start, list(said), list(also)
        self.echoes = 0  # how many of its keys Orca echoes


class Orca:
    """The screen reader, and what it said. Orca lags behind the keys (by
    seconds on a busy machine), so what it must say is noted step by step
    and checked once it has finished speaking. Before the next key the
    journey waits for Orca to catch up, as a listener would: a key pressed
    while Orca is still busy can make it drop what it was about to say (a
    prompt closed before Orca read it is never read). What Orca says between
    the start of a step and the next belongs to that step."""

    # Orca 43 writes 'text'{...} or 'text'[{...}], Orca 48 'text' {...}.
    SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?:\s*[\[{].*)?$")
    FIGURE = re.compile(r"^(\d[\d.,]*\d|\d) selected\.?$")
    # Its echo of the keys the journey presses (Orca 43 ends each with a space).
    ECHO = re.compile(r"^(?:.|tab|space|return|enter|dot|F4|(?:left|right) (?:control|shift|alt))$")
    # Said with a control: its role, and its text's state.
    ROLES = ["editable combo box", "combo box", "push button", "button", "text", "frame", "alert", "notification",
             "selected"]
    BETWEEN = ".,:; "
    # What Orca made of the focus and window events, shown when a step
    # failed: the events it took up, and those it dropped (as spam, stale,
    # or from a window it took for inactive).
    HANDLING = re.compile(r"EVENT.MANAGER: (Dequeued|Ignoring) (window:|object:state-changed:focused)"
                          r"|obsoleted by|lacks focused state|Not for active window|SPEECH OUTPUT")

    def __init__(self, work):
        # Started with --replace, Orca kills every other of this user, even
        # one in another root whose runs take another lock file: wait for
        # such a one to end.
        wait_for(lambda: not self.others_running(), "another Orca to end", timeout=120)
        self.log = os.path.join(work, "orca.log")
        # Orca 43 and 48 write their log to a file in blocks of 8 KB, and to
        # a terminal line by line: what it said in the last seconds would be
        # read a minute late. So the log reaches the file through one.
        master, self.terminal = os.openpty()
        tty.setraw(self.terminal)
        threading.Thread(target=self.copy, args=(master,), daemon=True).start()
        self.process = subprocess.Popen(["orca", "--replace", "--debug-file=" + os.ttyname(self.terminal)],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: "Screen reader on" in " ".join(self.lines()), "Orca to start", timeout=30)
        self.steps = []

    def copy(self, master):
        with open(self.log, "ab") as log:
            while True:
                try:
                    data = os.read(master, 65536)
                except OSError:  # the terminal closed
                    return
                if not data:
                    return
                log.write(data)
                log.flush()

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

    @classmethod
    def at(cls, text, position, phrase):
        """The end of phrase if text holds it, whole, at position; else None."""
        if isinstance(phrase, re.Pattern):
            match = phrase.match(text, position)
            end = match.end() if match else None
        else:
            end = position + len(phrase) if text.startswith(phrase, position) else None
        return end if end is not None and (end == len(text) or text[end] in cls.BETWEEN + "|") else None

    def unexpected(self, step, spoken):
        """What of spoken (a step's lines, its echo left out) is not its due,
        or None: a phrase said out of turn, twice, cut short, or inside a
        longer one; words for which the step has no phrase; a phrase unsaid."""
        text = " | ".join(spoken)
        due = 0
        optional = sorted(filter(None, step.also + self.ROLES), key=lambda p: -len(getattr(p, "pattern", p)))
        position = 0
        while True:
            while position < len(text) and text[position] in self.BETWEEN + "|":
                position += 1
            if position == len(text):
                break
            end = self.at(text, position, step.said[due]) if due < len(step.said) else None
            if end is not None:
                due += 1
            else:
                end = next(filter(None, (self.at(text, position, p) for p in optional)), None)
                if end is None:
                    return f"{text[position:position + 60]!r}"
            position = end
        return f"nothing of {step.said[due]!r}" if due < len(step.said) else None

    def quiet(self, timeout=90):
        """Waits until Orca has echoed the last step's keys and said what it
        was to say (what it has not after 30 s is left to verify() to
        report), then until it has said nothing for a while: what a step's
        keys make Orca say must not fall into the next step."""
        deadline = time.monotonic() + timeout
        caught_up = min(deadline, time.monotonic() + 30)
        while self.steps and time.monotonic() < caught_up:
            last = self.steps[-1]
            lines = self.lines()[last.start:]
            said = " | ".join(lines)
            if (sum(1 for line in lines if self.ECHO.match(line.strip())) >= last.echoes
                    and all(isinstance(p, re.Pattern) or p in said for p in last.said)):
                break
            time.sleep(0.2)
        count, since = len(self.lines()), time.monotonic()
        while time.monotonic() - since < 2 and time.monotonic() < deadline:
            time.sleep(0.2)
            if len(self.lines()) != count:
                count, since = len(self.lines()), time.monotonic()

    def echoes(self, count):
        """The keys pressed in the last step: Orca echoes count of them."""
        self.steps[-1].echoes += count

    def step(self, name, *said, also=()):
        """Once Orca is quiet, a step: what the keys pressed next make it say."""
        self.quiet()
        self.steps.append(Step(name, len(self.lines()), said, also))
        return self.steps[-1]

    def verify(self, shown):
        """Each step heard its due and nothing else; every figure heard alone
        is one the screen showed, none cut short."""
        self.quiet()
        check(self.process.poll() is None,
              f"Orca ended during the journey (status {self.process.poll()}); another Orca started with --replace kills it")
        transcript = self.lines()
        ends = [step.start for step in self.steps[1:]] + [len(transcript)]
        for step, end in zip(self.steps, ends):
            spoken = [line.strip() for line in transcript[step.start:end]]
            spoken = [line for line in spoken if not self.ECHO.match(line)]
            wrong = self.unexpected(step, spoken)
            check(wrong is None, f"{step.name}: Orca said {spoken}; expected {step.said}, wrong at {wrong}")
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
        os.close(self.terminal)
        if os.environ.get("MIXORA_ORCA_LOG"):
            shutil.move(self.log, os.environ["MIXORA_ORCA_LOG"])


class Silent:
    """Stands in for Orca when none listens."""

    def quiet(self, timeout=0):
        pass

    def step(self, name, *said, also=()):
        return Step(name, 0, said, also)

    def echoes(self, count):
        pass

    def verify(self, shown):
        pass

    def stop(self):
        pass


def readouts(app, caption):
    window = wait_for(lambda: find(app, pyatspi.ROLE_FRAME, caption), caption)
    texts = {node.name: node for node in descendants(window, shown_only=True) if node.getRole() == pyatspi.ROLE_TEXT}
    return [text_of(texts[name]) if name in texts else None for name in READOUTS]


def name_of(box):
    """A box's name as Orca says it, before its role."""
    return box.rstrip(":")


def tab_to(app, orca, caption, box, value="", also=()):
    """Tab to a box: its name, then its value, heard."""
    orca.step(f"{caption}: Tab to {name_of(box)}", name_of(box), *([value] if value else []), also=also)
    press(orca, "Tab")
    return wait_for_focus(app, box, f"{caption}: Tab to {name_of(box)}")


def type_into(orca, step, text, over=None):
    """Types text, over the box's text selected with Ctrl+A if over is
    given: only the keys' echo and the selection's fate are heard."""
    if over is not None:
        orca.step(step + ": Ctrl+A", also=["entire document selected", over])
        press(orca, "ctrl+a")
    # Typed over, the selection goes: Orca 43 says "Selection deleted.", and
    # Orca 51 at times "Text unselected." from the caret's move.
    typed_over = ["Selection deleted", "Text unselected"] if over is not None else []
    orca.step(step + f": typing {text!r}", also=typed_over)
    typed(orca, text)


def unit_text(app, unit_box):
    return text_of(wait_for(lambda: find(app, pyatspi.ROLE_TEXT, unit_box), unit_box))


def announcement(figures):
    return ", ".join(f"{name} {figure}" for name, figure in zip(READOUTS, figures))


def estimate(app, orca, caption, rows, figures):
    """Types the dimensions, then the units, Tabs on to Calculate, presses it,
    reads the figures."""
    for i, (box, text, _) in enumerate(rows):
        if i:
            tab_to(app, orca, caption, box)
        type_into(orca, f"{caption}: {name_of(box)}", text)
    for box, _, unit in rows:
        unit_box = name_of(box) + " unit"
        step = orca.step(f"{caption}: Tab to {unit_box}", unit_box)
        press(orca, "Tab")
        wait_for_focus(app, unit_box, f"{caption}: Tab to {unit_box}")
        step.said.append(unit_text(app, unit_box))
        type_into(orca, f"{caption}: {unit_box}", unit, over=step.said[-1])
    orca.step(f"{caption}: Tab past Clear to Calculate", "Calculate", also=["Clear"])
    press(orca, "Tab", "Tab")
    wait_for_focus(app, "Calculate", caption + ": Tab to Calculate")
    orca.step(f"{caption}: Calculate", announcement(figures))
    press(orca, "space")
    wait_for(lambda: readouts(app, caption) == figures, f"{caption}: figures {figures}")
    check(focused(app).name == "Calculate", f"{caption}: the focus left Calculate")
    tab_to(app, orca, caption, READOUTS[0], figures[0])


def prompt(app, orca, step, between):
    """Tabs from the Width box to Calculate past the boxes between (names
    and values), presses it: the prompt, heard."""
    orca.step(step + ": Tab to Calculate", "Calculate", also=between)
    press(orca, *["Tab"] * 6)
    wait_for_focus(app, "Calculate", step + ": Tab to Calculate")
    # Orca 51 says the OK button's key too.
    orca.step(step + ": the prompt", "Mixora", PROMPT, "OK", also=["Enter"])
    press(orca, "space")
    alert = wait_for(lambda: find(app, pyatspi.ROLE_ALERT), step + ": the prompt")
    texts = [node.name for node in descendants(alert)] + [alert.name, alert.description]
    check(PROMPT in texts, f"{step}: the prompt said {texts}")


# The maximised child window's buttons at the menu bar's end, by their
# distance from it: minimise, restore, close.
MINIMISE, RESTORE, CLOSE = 50, 30, 10


def click_child_button(app, offset):
    bar = find(app, pyatspi.ROLE_MENU_BAR)
    box = bar.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width - offset), str(box.y + box.height // 2),
                    "click", "1"], check=True)


def frame_changes(app, orca, width, between):
    """The slab calculator, restored with an empty Width: maximised again,
    minimised, switched away from and back to, typed into; a prompt that its
    Close shortcut leaves open; then closed by its button."""
    slab = ["Slab", "Alt+S", "Slab Calculator", "Mixora - [Slab Calculator]"]
    orca.step("Alt+S maximises the restored calculator", also=slab)
    press(orca, "alt+s")
    wait_for(lambda: active_title() == "Mixora - [Slab Calculator]", "Alt+S maximises the restored calculator")
    orca.step("the minimise button", also=slab + ["Mixora"])
    click_child_button(app, MINIMISE)
    wait_for(lambda: active_title() == "Mixora", "the minimised calculator")
    check(not showing(width), "the minimised calculator's Width box is still on screen")
    orca.step("Alt+F away from the minimised calculator", READOUTS[0], FOOTING_FIGURES[0],
              also=["Footing", "Alt+F", "Footing Calculator", "Mixora - [Footing Calculator]"])
    press(orca, "alt+f")
    wait_for(lambda: active_title() == "Mixora - [Footing Calculator]", "Alt+F away from the minimised calculator")
    orca.step("Alt+S back to the minimised calculator", "Width", also=slab)
    press(orca, "alt+s")
    wait_for(lambda: active_title() == "Mixora - [Slab Calculator]", "Alt+S back to it")
    wait_for_focus(app, "Width:", "the calculator back from minimised")
    check(showing(width), "the calculator back from minimised shows no Width box")
    type_into(orca, "back from minimised", "5")
    wait_for(lambda: text_of(width) == "5", "typing into the calculator back from minimised")

    type_into(orca, "back from minimised", "x", over="5")
    prompt(app, orca, "back from minimised", between)
    # The prompt holds its calculator: Close waits, Enter answers.
    orca.step("Ctrl+F4 under the prompt, then Return", "Width", also=slab)
    press(orca, "ctrl+F4", "Return")
    wait_for(lambda: find(app, pyatspi.ROLE_ALERT) is None, "the prompt to close")
    wait_for_focus(app, "Width:", "the emptied box after Close under the prompt")
    check(text_of(width) == "" and showing(width), "the calculator did not outlive Close under its prompt")
    check(active_title() == "Mixora - [Slab Calculator]", f"the title under the prompt became {active_title()!r}")

    orca.step("the close button", also=["Mixora"])
    click_child_button(app, CLOSE)
    wait_for(lambda: active_title() == "Mixora", "the title once the calculator is closed")
    wait_for(lambda: find(app, pyatspi.ROLE_FRAME, "Slab Calculator") is None, "the closed calculator to go")


def focus_phrases(app):
    """The focused control's name and text, as Orca says them."""
    node = focused(app)
    if node is None:
        return []
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        phrases = [node.name, unit_text(app, node.name)]
    else:
        try:
            phrases = [name_of(node.name), text_of(node)]
        except NotImplementedError:
            phrases = [name_of(node.name)]
    return [phrase for phrase in phrases if phrase]


def switch_to(app, orca, keys, command, first_box, step, also=()):
    """A menu command by its key: the calculator's title, then its box, heard
    (and the command's name, which Qt 6.8 reports as the focus a moment, and
    Orca 51 with its key; with Qt 6.11 the control left behind at times, as
    the menu bar hands the keyboard back to it before the switch)."""
    caption = f"{command} Calculator"
    orca.step(step, caption, name_of(first_box),
              also=[command, f"Alt+{command[0]}", f"Mixora - [{caption}]", *focus_phrases(app), *also])
    press(orca, keys)
    wait_for(lambda: active_title() == f"Mixora - [{caption}]", step)
    wait_for_focus(app, first_box, step)


def where_am_i(orca, step, *said):
    orca.step(step, *said, also=[re.compile(r"\d+ of \d+")])
    press(orca, "KP_Enter")  # Orca's "where am I"


def journey(app, orca):
    (_, slab, slab_rows, _), (_, footing, footing_rows, _), _ = ESTIMATES["C"]
    wait_for(lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, "Continue"), "the splash")
    wait_for_focus(app, "Continue", "the splash")
    orca.step("Continue", "Mixora - [Slab Calculator]", "Thickness", also=["Slab Calculator"])
    press(orca, "space")
    wait_for(lambda: active_title() == "Mixora - [Slab Calculator]", "the main window")
    wait_for_focus(app, "Thickness:", "the slab calculator")

    estimate(app, orca, slab, slab_rows, SLAB_FIGURES)
    orca.step("Tab through the read-outs", READOUTS[-1], SLAB_FIGURES[-1],
              also=READOUTS[1:-1] + SLAB_FIGURES[1:-1])
    press(orca, *["Tab"] * (len(READOUTS) - 1))
    wait_for_focus(app, READOUTS[-1], "the last read-out")
    tab_to(app, orca, "Tab past the last read-out", "Thickness:", "4")
    orca.step("Tab to the first unit box", "Thickness unit", "Inches", also=["Width", "Length", "10"])
    press(orca, "Tab", "Tab", "Tab")
    wait_for_focus(app, "Thickness unit", "the first unit box")
    orca.step("unit box, Down", "Feet")
    press(orca, "Down")
    orca.step("unit box, Up", "Inches")
    press(orca, "Up")

    switch_to(app, orca, "alt+f", "Footing", "Depth:", "first show of the footing calculator")
    # The circular calculator was made hidden by that switch.
    switch_to(app, orca, "alt+c", "Circular", "Diameter:", "first show of a calculator made hidden")
    where_am_i(orca, "where am I in a calculator made hidden", "Diameter")
    switch_to(app, orca, "alt+f", "Footing", "Depth:", "the footing calculator again")
    estimate(app, orca, footing, footing_rows, FOOTING_FIGURES)
    # Through the circular calculator: its title and box may be heard on the
    # way. Qt 6.8 says the slab calculator's command, not its caption.
    orca.step("Alt+C, Alt+S: the slab calculator again", "Thickness unit", "Inches",
              also=["Circular", "Alt+C", "Circular Calculator", "Mixora - [Circular Calculator]", "Diameter",
                    "Slab", "Alt+S", "Slab Calculator", "Mixora - [Slab Calculator]"])
    press(orca, "alt+c", "alt+s")
    wait_for(lambda: active_title() == "Mixora - [Slab Calculator]", "the slab calculator again")
    check(readouts(app, "Slab Calculator") == SLAB_FIGURES, "the slab calculator lost its figures")
    where_am_i(orca, "where am I after switches", "Thickness unit", "Inches")

    orca.step("Shift+Tab twice: back to Width", "Width", "10", also=["Length", "10"])
    press(orca, "shift+Tab", "shift+Tab")
    width = wait_for_focus(app, "Width:", "back to Width")
    orca.step("End", also=["Text unselected"])  # the highlight goes
    press(orca, "End")  # Backtab selected the text; Restore must not select it again
    # The child window shown again with its box: Orca 43 hears the box again.
    orca.step("Restore", also=["Mixora", "Slab Calculator", "Width", "10"])
    click_child_button(app, RESTORE)
    wait_for(lambda: active_title() == "Mixora", "the restored calculator")
    where_am_i(orca, "where am I after Restore", "Width", "10")
    orca.quiet()
    check(focused(app) is not None and focused(app).name == "Width:", "Restore moved the focus")
    check(width.queryText().getNSelections() == 0, "Restore selected the box's text")

    # The boxes and buttons between Width and Calculate, as Tab passes them.
    between = ["Length", "10", "Thickness unit", "Inches", "Width unit", "Feet", "Length unit", "Clear"]
    type_into(orca, "restored", "x", over="10")
    prompt(app, orca, "restored", between)
    orca.step("the prompt answered", "Width", also=["Mixora", "Slab Calculator"])
    press(orca, "Return")
    wait_for(lambda: find(app, pyatspi.ROLE_ALERT) is None, "the prompt to close")
    wait_for_focus(app, "Width:", "the emptied box")
    check(text_of(width) == "", "the width box was not emptied")
    frame_changes(app, orca, width, between)


def main():
    program = sys.argv[1]
    work = os.environ.get("XDG_RUNTIME_DIR", "/tmp")
    bus = start_accessibility_bus()
    orca = Orca(work) if "--orca" in sys.argv else Silent()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="C.UTF-8", LC_ALL="C.UTF-8")
    orca.step("the splash", "Mixora", "Continue")
    process = subprocess.Popen([program], env=env)
    try:
        app = wait_for(application, "Mixora on the accessibility bus")
        journey(app, orca)
        orca.verify(set(SLAB_FIGURES + FOOTING_FIGURES + ["4", "10", "1.5", "5"]))
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
