"""GNOME Orca as the screen-reader journey's listener: started on the
journey's display, its speech read from its debug log, and what it said at
each step checked against what the step was to make it say."""
import os
import re
import shutil
import subprocess
import threading
import time
import tty

from atspi_test import check, failures, wait_for


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
