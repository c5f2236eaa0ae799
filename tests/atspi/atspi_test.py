#!/usr/bin/python3
"""Drives Mixora through the accessibility bus alone, as a screen reader does.

Starts the program, presses Continue, and in each calculator finds every box
by its accessible name, types the dimensions, presses Calculate and reads the
seven figures; then checks that an unusable entry raises its prompt as an
alert. Usage: atspi_test.py PROGRAM LOCALE (C or de_DE).
"""
import os
import subprocess
import sys

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import desktop_user  # noqa: E402

failures = desktop_user.failures
READOUTS, ESTIMATES, UNUSABLE, PROMPT = (desktop_user.READOUTS, desktop_user.ESTIMATES, desktop_user.UNUSABLE,
                                         desktop_user.PROMPT)
check = desktop_user.check


def wait_for(find, what, timeout=20.0):
    def probe():
        try:
            return find()
        except GLib.Error as error:
            # An object went away while the tree was walked (a window being
            # made or closed, slower under the sanitizers): walk it again.
            if "No such object path" not in str(error):
                raise
            return None
    return desktop_user.wait_for(probe, what, timeout)


def descendants(node, shown_only=False):
    """Every node below node; with shown_only, those on screen, without
    walking into what is not (a hidden calculator's hundred nodes cost a
    busy machine seconds of calls)."""
    for child in node:
        if child is None or (shown_only and not showing(child)):
            continue
        yield child
        yield from descendants(child, shown_only)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(node, role, name=None):
    """The first showing descendant of a role (a pyatspi constant: the role
    names differ between at-spi2 releases) and name."""
    for child in descendants(node, shown_only=True):
        if child.getRole() == role and (name is None or child.name == name):
            return child
    return None


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    index = names.index("Press") if "Press" in names else 0
    action.doAction(index)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def set_text(node, value):
    node.queryEditableText().setTextContents(value)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "Mixora":
            return app
    return None


def calculator(app, caption):
    return wait_for(lambda: find(app, pyatspi.ROLE_FRAME, caption), caption)


def estimate(app, command, caption, rows, figures):
    press(wait_for(lambda: find(app, pyatspi.ROLE_MENU_ITEM, command), "menu command " + command))
    window = calculator(app, caption)
    for name, value, unit in rows:
        box = find(window, pyatspi.ROLE_TEXT, name)
        check(box is not None, f"{caption}: no box named {name!r}")
        unit_box = find(window, pyatspi.ROLE_COMBO_BOX, name.rstrip(":") + " unit")
        check(unit_box is not None, f"{caption}: no unit box for {name!r}")
        if box is None or unit_box is None:
            return
        set_text(box, value)
        set_text(find(unit_box, pyatspi.ROLE_TEXT), unit)
    for role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX):
        for node in descendants(window):
            if node.getRole() == role and showing(node):
                check(node.name != "", f"{caption}: a {node.getRoleName()} without a name")
    press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Calculate"))
    readouts = [find(window, pyatspi.ROLE_TEXT, name) for name in READOUTS]
    check(all(readouts), f"{caption}: a read-out is missing")
    if all(readouts):
        wait_for(lambda: text_of(readouts[-1]) != "", caption + " results")
        shown = [text_of(box) for box in readouts]
        check(shown == figures, f"{caption}: read {shown}, expected {figures}")


def prompt_for_unusable(app, text):
    press(find(app, pyatspi.ROLE_MENU_ITEM, "Slab"))
    window = calculator(app, "Slab Calculator")
    width = find(window, pyatspi.ROLE_TEXT, "Width:")
    set_text(width, text)
    press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Calculate"))
    alert = wait_for(lambda: find(app, pyatspi.ROLE_ALERT), "the prompt")
    texts = [node.name for node in descendants(alert)] + [alert.name, alert.description]
    check(PROMPT in texts, f"the alert said {texts}")
    press(find(alert, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    wait_for(lambda: find(app, pyatspi.ROLE_ALERT) is None, "the prompt to close")
    check(text_of(width) == "", "the width box was not emptied")


def splash_off_taskbar():
    """The splash window asks every taskbar and pager to leave it out (X11)."""
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout
    windows = [line.split()[0] for line in tree.splitlines() if '("mixora" "Mixora")' in line]
    states = [subprocess.run(["xprop", "-id", window, "_NET_WM_STATE"], capture_output=True,
                             text=True).stdout for window in windows]
    check(any("_NET_WM_STATE_SKIP_TASKBAR" in state and "_NET_WM_STATE_SKIP_PAGER" in state
              for state in states), f"no window of the program skips the taskbar and pager: {states}")


def start_accessibility_bus():
    """Starts the accessibility bus and its registry, as a desktop session has
    them before any program starts: Qt 6.8 looks for the bus once, at start."""
    launcher = next(path for path in ("/usr/libexec/at-spi-bus-launcher",
                                      "/usr/lib/at-spi2-core/at-spi-bus-launcher")
                    if os.path.exists(path))
    bus = subprocess.Popen([launcher, "--launch-immediately"])
    ask = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
           "org.a11y.Bus.GetAddress"]
    wait_for(lambda: subprocess.run(ask, capture_output=True).returncode == 0, "the accessibility bus")
    pyatspi.Registry.getDesktop(0)  # and the registry on it
    return bus


def main():
    program, locale = sys.argv[1], sys.argv[2]
    bus = start_accessibility_bus()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    env["LANG"] = env["LC_ALL"] = "de_DE.UTF-8" if locale == "de_DE" else "C.UTF-8"
    process = subprocess.Popen([program], env=env)
    try:
        app = wait_for(application, "Mixora on the accessibility bus")
        continue_button = wait_for(lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, "Continue"), "Continue")
        # The splash takes the keyboard itself. (A headless weston has no
        # keyboard at all, so there no window ever has the focus.)
        if env.get("QT_QPA_PLATFORM") == "xcb":
            wait_for(lambda: continue_button.getState().contains(pyatspi.STATE_FOCUSED),
                     "Continue to have the focus")
        if env.get("QT_QPA_PLATFORM") == "xcb":
            splash_off_taskbar()
        press(continue_button)
        for command, caption, rows, figures in ESTIMATES[locale]:
            estimate(app, command, caption, rows, figures)
        prompt_for_unusable(app, UNUSABLE[locale])
    except RuntimeError as error:
        failures.append(str(error))
        print("FAIL:", error)
    finally:
        process.terminate()
        process.wait(timeout=10)
        bus.terminate()
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
