#!/usr/bin/python3
"""A keyboard user's way through Mixora for Windows, under Wine.

Real key events (XTEST, through xdotool) on Wine's X display, under openbox,
in a decimal-comma locale: start, Space on the splash, type, Tab to
Calculate, Space, the seven figures read through the clipboard (Tab selects
a read-out, Ctrl+C copies it), Tab round the calculator, switch by Alt+key
and by Alt alone and the arrows, Restore the child window (a click: it has
no key), a prompt read through the clipboard (a Windows message box copies
its text on Ctrl+C), Enter; minimise, switch away and back, type, Ctrl+F4
under a prompt, the child window's close button; Alt+F4. The window titles
and the window with the keyboard focus are checked at each step.
Usage: keyboard_journey.py COMMAND [ARGUMENT...]   (the program, under Wine)
"""
import contextlib
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from desktop_user import (ESTIMATES, PROMPT, RESTORE, Journey, check, failures, focused_title, key,  # noqa: E402
                          type_text, wait_for, xdotool)

# The decimal-comma estimates: each row's text and unit, and the figures.
(_, _, SLAB_ROWS, SLAB_FIGURES), (_, _, FOOTING_ROWS, FOOTING_FIGURES), _ = ESTIMATES["de_DE"]
SLAB = [(text, unit) for _, text, unit in SLAB_ROWS]


def wait_for_focused_title(title, what):
    return wait_for(lambda: focused_title() == title, f"{what} (focus in a window titled {title!r})")


SENTINEL = "mixora-journey-nothing-copied"


def copied(keys=("ctrl+c",)):
    """What the focused control puts on the clipboard on Ctrl+C. The
    clipboard is set to a sentinel first, so a copy that never comes is told
    from one that copied the same text as before."""
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=SENTINEL, text=True, check=True)
    key(*keys)

    def clipboard():
        text = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True).stdout
        return text if text != SENTINEL else None

    try:
        return wait_for(clipboard, "the clipboard", timeout=5).replace("\r\n", "\n")
    except RuntimeError:
        return None


def expect_copy(expected, step, keys=("ctrl+c",)):
    text = copied(keys)
    check(text == expected, f"{step}: Ctrl+C copied {text!r}, not {expected!r}")


def switch(keys, caption, step):
    key(*keys)
    wait_for_focused_title(f"Mixora - [{caption}]", step)


class WineJourney(Journey):
    """The shared steps, checked through the window titles, the window with
    the keyboard focus and the clipboard."""

    main = None  # the main window, once open

    def child_buttons_end(self):
        """The client area's top right corner."""
        geometry = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", self.main).splitlines())
        return self.main, int(geometry["WIDTH"]), 10

    @contextlib.contextmanager
    def continuing(self):
        splash = wait_for(lambda: xdotool("search", "--onlyvisible", "--classname", "^mixora\\.exe$"), "the splash")
        wait_for(lambda: xdotool("getwindowfocus") in splash.split(), "the splash to take the keyboard focus")
        yield
        self.main = wait_for(lambda: xdotool("search", "--onlyvisible", "--name", "^Mixora - \\[Slab Calculator\\]$"),
                             "the main window").split()[0]
        wait_for(lambda: xdotool("getwindowfocus") == self.main, "the main window to take the keyboard focus")

    @contextlib.contextmanager
    def calculating(self, caption, figures):
        """The figures, read one Tab and Ctrl+C each."""
        yield
        for i, figure in enumerate(figures):
            expect_copy(figure, f"{caption}: read-out {i + 1}", ("Tab", "ctrl+c"))

    @contextlib.contextmanager
    def prompting(self, step):
        yield
        wait_for(lambda: focused_title() == "Mixora" and xdotool("getwindowfocus") != self.main, "the prompt")

    @contextlib.contextmanager
    def maximising(self):
        yield
        wait_for_focused_title("Mixora - [Slab Calculator]", "Alt+S maximises the restored calculator")

    @contextlib.contextmanager
    def minimising(self):
        yield
        wait_for_focused_title("Mixora", "the minimised calculator")

    @contextlib.contextmanager
    def leaving_minimised(self):
        yield
        wait_for_focused_title("Mixora - [Footing Calculator]", "Alt+F away from the minimised calculator")

    @contextlib.contextmanager
    def back_to_minimised(self):
        yield
        wait_for_focused_title("Mixora - [Slab Calculator]", "Alt+S back to it")

    @contextlib.contextmanager
    def typing_back(self, text):
        """Typed after the "7" that the Width box kept."""
        yield
        expect_copy("75", "the calculator back from minimised takes keys in Width", ("ctrl+a", "ctrl+c"))

    @contextlib.contextmanager
    def closing_under_prompt(self):
        yield
        prompt = copied() or ""
        check(PROMPT in prompt, f"after Ctrl+F4 the prompt said {prompt!r}, not {PROMPT!r}")

    @contextlib.contextmanager
    def answering_kept_prompt(self):
        yield
        wait_for(lambda: xdotool("getwindowfocus") == self.main, "the prompt to close")
        check(focused_title() == "Mixora - [Slab Calculator]",
              f"the calculator did not outlive Ctrl+F4 under its prompt: the title is {focused_title()!r}")
        type_text("8")
        expect_copy("8", "the emptied width box has the focus after Ctrl+F4 under the prompt", ("ctrl+a", "ctrl+c"))

    @contextlib.contextmanager
    def closing(self):
        yield
        wait_for_focused_title("Mixora", "the title once the calculator is closed")


def journey():
    user = WineJourney()
    user.start()

    user.estimate("Slab Calculator", SLAB_ROWS, SLAB_FIGURES)
    expect_copy(SLAB[0][0], "Tab past the last read-out to Thickness", ("Tab", "ctrl+c"))
    expect_copy(SLAB[0][1], "Tab to the thickness's unit", ("Tab", "Tab", "Tab", "ctrl+c"))

    switch(["alt+f"], "Footing Calculator", "Alt+F")
    user.estimate("Footing Calculator", FOOTING_ROWS, FOOTING_FIGURES)
    switch(["alt+c"], "Circular Calculator", "Alt+C")
    type_text("0,3")
    switch(["alt+s"], "Slab Calculator", "Alt+S")
    expect_copy(SLAB[0][1], "the slab calculator's box, kept", ("ctrl+a", "ctrl+c"))
    # Alt alone goes to the menu bar, on Slab; Right twice and Enter choose Circular.
    key("alt")
    time.sleep(0.5)
    switch(["Right", "Right", "Return"], "Circular Calculator", "Alt, Right, Right, Enter")
    expect_copy("0,3", "the circular calculator's diameter, kept", ("ctrl+a", "ctrl+c"))
    key("alt")
    time.sleep(0.5)
    switch(["Left", "Right", "Return"], "Slab Calculator", "Alt, Left, Right, Enter")
    expect_copy(SLAB[0][1], "the slab calculator's box, kept again", ("ctrl+a", "ctrl+c"))

    # Back to Width, where Backtab selects the text; End leaves none selected.
    key("shift+Tab", "shift+Tab", "End")
    # Restore, the middle of the child window's three buttons.
    user.click_child_button(RESTORE)
    wait_for_focused_title("Mixora", "the restored calculator")
    # Restore keeps the focus in Width and selects nothing: typed text goes after "10".
    type_text("x")
    expect_copy("10x", "Restore kept the focus in Width, with nothing selected", ("ctrl+a", "ctrl+c"))

    user.raise_prompt("restored")  # Calculate with a width that is no number
    prompt = copied() or ""
    check(PROMPT in prompt, f"the prompt said {prompt!r}, not {PROMPT!r}")
    key("Return")
    wait_for(lambda: xdotool("getwindowfocus") == user.main, "the prompt to close")
    # The prompt empties the box and gives it the focus.
    type_text("7")
    expect_copy("7", "the emptied width box has the focus", ("ctrl+a", "ctrl+c"))
    user.frame_changes()
    key("alt+F4")


def main():
    process = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        journey()
        check(process.wait(timeout=20) == 0, "the program did not end cleanly on Alt+F4")
    except (RuntimeError, subprocess.TimeoutExpired) as error:
        failures.append(str(error))
        print("FAIL:", error, flush=True)
    finally:
        if process.poll() is None:
            process.kill()
    print("keyboard journey:", "failed" if failures else "passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
