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
import contextlib
import os
import re
import subprocess
import sys

import pyatspi

from atspi_test import (ESTIMATES, PROMPT, READOUTS, application, check, descendants, failures, find, showing,
                        start_accessibility_bus, text_of, wait_for)
from desktop_user import RESTORE, Journey, active_title, key, name_of, type_text
from screenreader import Orca, Silent

SLAB_FIGURES = ESTIMATES["C"][0][3]
FOOTING_FIGURES = ESTIMATES["C"][1][3]


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


def readouts(app, caption):
    window = wait_for(lambda: find(app, pyatspi.ROLE_FRAME, caption), caption)
    texts = {node.name: node for node in descendants(window, shown_only=True) if node.getRole() == pyatspi.ROLE_TEXT}
    return [text_of(texts[name]) if name in texts else None for name in READOUTS]


def unit_text(app, unit_box):
    return text_of(wait_for(lambda: find(app, pyatspi.ROLE_TEXT, unit_box), unit_box))


def announcement(figures):
    return ", ".join(f"{name} {figure}" for name, figure in zip(READOUTS, figures))


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


# The slab calculator's command, as Orca may hear it in the frame changes.
SLAB = ["Slab", "Alt+S", "Slab Calculator", "Mixora - [Slab Calculator]"]


class LinuxJourney(Journey):
    """The shared steps, checked through the accessibility bus, and with
    Orca, by what it says at each."""

    def __init__(self, app, orca):
        self.app, self.orca = app, orca
        self.width = None  # the slab calculator's Width box, once back to it
        # The boxes and buttons between Width and Calculate, as Tab passes them.
        self.between = ["Length", "10", "Thickness unit", "Inches", "Width unit", "Feet", "Length unit", "Clear"]

    def press(self, *keys):
        self.orca.echoes(sum(1 for k in keys if k not in UNECHOED))
        key(*keys)

    def type(self, text):
        self.orca.echoes(len(text))
        type_text(text)

    def child_buttons_end(self):
        """The menu bar's right end."""
        bar = find(self.app, pyatspi.ROLE_MENU_BAR)
        box = bar.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return None, box.x + box.width, box.y + box.height // 2

    @contextlib.contextmanager
    def continuing(self):
        wait_for(lambda: find(self.app, pyatspi.ROLE_PUSH_BUTTON, "Continue"), "the splash")
        wait_for_focus(self.app, "Continue", "the splash")
        self.orca.step("Continue", "Mixora - [Slab Calculator]", "Thickness", also=["Slab Calculator"])
        yield
        wait_for(lambda: active_title() == "Mixora - [Slab Calculator]", "the main window")
        wait_for_focus(self.app, "Thickness:", "the slab calculator")

    @contextlib.contextmanager
    def tabbing_to_box(self, caption, box, value="", also=()):
        """Its name, then its value, heard."""
        self.orca.step(f"{caption}: Tab to {name_of(box)}", name_of(box), *([value] if value else []), also=also)
        yield
        wait_for_focus(self.app, box, f"{caption}: Tab to {name_of(box)}")

    def tab_to(self, caption, box, value="", also=()):
        with self.tabbing_to_box(caption, box, value, also):
            self.press("Tab")

    @contextlib.contextmanager
    def tabbing_to_unit(self, caption, unit_box):
        """Its name, then its unit, heard."""
        step = self.orca.step(f"{caption}: Tab to {unit_box}", unit_box)
        yield
        wait_for_focus(self.app, unit_box, f"{caption}: Tab to {unit_box}")
        step.said.append(unit_text(self.app, unit_box))

    @contextlib.contextmanager
    def selecting_all(self, step, over=None):
        """Only the selection heard: over, the box's text (read from the
        focused box where the step does not know it)."""
        if over is None:
            node = focused(self.app)
            over = unit_text(self.app, node.name) if node.getRole() == pyatspi.ROLE_COMBO_BOX else text_of(node)
        self.orca.step(step + ": Ctrl+A", also=["entire document selected", over])
        yield

    @contextlib.contextmanager
    def typing(self, step, text, over_selection):
        """Only the keys' echo heard, and typed over a selection, its fate:
        Orca 43 says "Selection deleted.", and Orca 51 at times "Text
        unselected." from the caret's move."""
        typed_over = ["Selection deleted", "Text unselected"] if over_selection else []
        self.orca.step(step + f": typing {text!r}", also=typed_over)
        yield

    @contextlib.contextmanager
    def tabbing_past_clear(self, caption):
        self.orca.step(f"{caption}: Tab past Clear to Calculate", "Calculate", also=["Clear"])
        yield
        wait_for_focus(self.app, "Calculate", caption + ": Tab to Calculate")

    @contextlib.contextmanager
    def calculating(self, caption, figures):
        """The figures heard and shown; then Tab to the first."""
        self.orca.step(f"{caption}: Calculate", announcement(figures))
        yield
        wait_for(lambda: readouts(self.app, caption) == figures, f"{caption}: figures {figures}")
        check(focused(self.app).name == "Calculate", f"{caption}: the focus left Calculate")
        self.tab_to(caption, READOUTS[0], figures[0])

    @contextlib.contextmanager
    def tabbing_to_calculate(self, step):
        """Past the boxes between (names and values)."""
        self.orca.step(step + ": Tab to Calculate", "Calculate", also=self.between)
        yield
        wait_for_focus(self.app, "Calculate", step + ": Tab to Calculate")

    @contextlib.contextmanager
    def prompting(self, step):
        """The prompt, heard (Orca 51 says the OK button's key too)."""
        self.orca.step(step + ": the prompt", "Mixora", PROMPT, "OK", also=["Enter"])
        yield
        alert = wait_for(lambda: find(self.app, pyatspi.ROLE_ALERT), step + ": the prompt")
        texts = [node.name for node in descendants(alert)] + [alert.name, alert.description]
        check(PROMPT in texts, f"{step}: the prompt said {texts}")

    @contextlib.contextmanager
    def maximising(self):
        self.orca.step("Alt+S maximises the restored calculator", also=SLAB)
        yield
        wait_for(lambda: active_title() == "Mixora - [Slab Calculator]", "Alt+S maximises the restored calculator")

    @contextlib.contextmanager
    def minimising(self):
        self.orca.step("the minimise button", also=SLAB + ["Mixora"])
        yield
        wait_for(lambda: active_title() == "Mixora", "the minimised calculator")
        check(not showing(self.width), "the minimised calculator's Width box is still on screen")

    @contextlib.contextmanager
    def leaving_minimised(self):
        self.orca.step("Alt+F away from the minimised calculator", READOUTS[0], FOOTING_FIGURES[0],
                       also=["Footing", "Alt+F", "Footing Calculator", "Mixora - [Footing Calculator]"])
        yield
        wait_for(lambda: active_title() == "Mixora - [Footing Calculator]", "Alt+F away from the minimised calculator")

    @contextlib.contextmanager
    def back_to_minimised(self):
        self.orca.step("Alt+S back to the minimised calculator", "Width", also=SLAB)
        yield
        wait_for(lambda: active_title() == "Mixora - [Slab Calculator]", "Alt+S back to it")
        wait_for_focus(self.app, "Width:", "the calculator back from minimised")
        check(showing(self.width), "the calculator back from minimised shows no Width box")

    @contextlib.contextmanager
    def typing_back(self, text):
        with self.typing("back from minimised", text, over_selection=False):
            yield
        wait_for(lambda: text_of(self.width) == text, "typing into the calculator back from minimised")

    @contextlib.contextmanager
    def closing_under_prompt(self):
        """With the Return that answers the prompt: its box heard."""
        self.orca.step("Ctrl+F4 under the prompt, then Return", "Width", also=SLAB)
        yield

    @contextlib.contextmanager
    def answering_kept_prompt(self):
        yield
        wait_for(lambda: find(self.app, pyatspi.ROLE_ALERT) is None, "the prompt to close")
        wait_for_focus(self.app, "Width:", "the emptied box after Close under the prompt")
        check(text_of(self.width) == "" and showing(self.width),
              "the calculator did not outlive Close under its prompt")
        check(active_title() == "Mixora - [Slab Calculator]", f"the title under the prompt became {active_title()!r}")

    @contextlib.contextmanager
    def closing(self):
        self.orca.step("the close button", also=["Mixora"])
        yield
        wait_for(lambda: active_title() == "Mixora", "the title once the calculator is closed")
        wait_for(lambda: find(self.app, pyatspi.ROLE_FRAME, "Slab Calculator") is None, "the closed calculator to go")

    def switch_to(self, keys, command, first_box, step, also=()):
        """A menu command by its key: the calculator's title, then its box,
        heard (and the command's name, which Qt 6.8 reports as the focus a
        moment, and Orca 51 with its key; with Qt 6.11 the control left
        behind at times, as the menu bar hands the keyboard back to it
        before the switch)."""
        caption = f"{command} Calculator"
        self.orca.step(step, caption, name_of(first_box),
                       also=[command, f"Alt+{command[0]}", f"Mixora - [{caption}]", *focus_phrases(self.app), *also])
        self.press(keys)
        wait_for(lambda: active_title() == f"Mixora - [{caption}]", step)
        wait_for_focus(self.app, first_box, step)

    def where_am_i(self, step, *said):
        self.orca.step(step, *said, also=[re.compile(r"\d+ of \d+")])
        self.press("KP_Enter")  # Orca's "where am I"


def journey(app, orca):
    (_, slab, slab_rows, _), (_, footing, footing_rows, _), _ = ESTIMATES["C"]
    user = LinuxJourney(app, orca)
    user.start()

    user.estimate(slab, slab_rows, SLAB_FIGURES)
    orca.step("Tab through the read-outs", READOUTS[-1], SLAB_FIGURES[-1],
              also=READOUTS[1:-1] + SLAB_FIGURES[1:-1])
    user.press(*["Tab"] * (len(READOUTS) - 1))
    wait_for_focus(app, READOUTS[-1], "the last read-out")
    user.tab_to("Tab past the last read-out", "Thickness:", "4")
    orca.step("Tab to the first unit box", "Thickness unit", "Inches", also=["Width", "Length", "10"])
    user.press("Tab", "Tab", "Tab")
    wait_for_focus(app, "Thickness unit", "the first unit box")
    orca.step("unit box, Down", "Feet")
    user.press("Down")
    orca.step("unit box, Up", "Inches")
    user.press("Up")

    user.switch_to("alt+f", "Footing", "Depth:", "first show of the footing calculator")
    # The circular calculator was made hidden by that switch.
    user.switch_to("alt+c", "Circular", "Diameter:", "first show of a calculator made hidden")
    user.where_am_i("where am I in a calculator made hidden", "Diameter")
    user.switch_to("alt+f", "Footing", "Depth:", "the footing calculator again")
    user.estimate(footing, footing_rows, FOOTING_FIGURES)
    # Through the circular calculator: its title and box may be heard on the
    # way. Qt 6.8 says the slab calculator's command, not its caption.
    orca.step("Alt+C, Alt+S: the slab calculator again", "Thickness unit", "Inches",
              also=["Circular", "Alt+C", "Circular Calculator", "Mixora - [Circular Calculator]", "Diameter",
                    "Slab", "Alt+S", "Slab Calculator", "Mixora - [Slab Calculator]"])
    user.press("alt+c", "alt+s")
    wait_for(lambda: active_title() == "Mixora - [Slab Calculator]", "the slab calculator again")
    check(readouts(app, "Slab Calculator") == SLAB_FIGURES, "the slab calculator lost its figures")
    user.where_am_i("where am I after switches", "Thickness unit", "Inches")

    orca.step("Shift+Tab twice: back to Width", "Width", "10", also=["Length", "10"])
    user.press("shift+Tab", "shift+Tab")
    width = user.width = wait_for_focus(app, "Width:", "back to Width")
    orca.step("End", also=["Text unselected"])  # the highlight goes
    user.press("End")  # Backtab selected the text; Restore must not select it again
    # The child window shown again with its box: Orca 43 hears the box again.
    orca.step("Restore", also=["Mixora", "Slab Calculator", "Width", "10"])
    user.click_child_button(RESTORE)
    wait_for(lambda: active_title() == "Mixora", "the restored calculator")
    user.where_am_i("where am I after Restore", "Width", "10")
    orca.quiet()
    check(focused(app) is not None and focused(app).name == "Width:", "Restore moved the focus")
    check(width.queryText().getNSelections() == 0, "Restore selected the box's text")

    user.type_over("restored", "x", over="10")
    user.raise_prompt("restored")
    orca.step("the prompt answered", "Width", also=["Mixora", "Slab Calculator"])
    user.press("Return")
    wait_for(lambda: find(app, pyatspi.ROLE_ALERT) is None, "the prompt to close")
    wait_for_focus(app, "Width:", "the emptied box")
    check(text_of(width) == "", "the width box was not emptied")
    user.frame_changes()


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
