#!/usr/bin/env python3
"""A long random editing session through glyphora-cli, checking every save by reopening it.

    scripts/load-test.py [--seed N] [--commands 10000] [--cli build/test/glyphora-cli]

Builds one script of random directives (typing, clipboard pastes, block copies, fills, lines,
transforms, colour commands, undo) with a save and a reopen every few commands, runs it
through the CLI of the sanitizer build (`make test` builds it), and compares the state
before each save with the state after its reopen, for what the type keeps: .glf everything
(one byte per cell, colours outside Plain mode), .glg the cell texts, text the rows, ANSI
the texts and palette colours of the 79 columns it writes. The seed is printed so a failing
session can be run again. Exit code 0 when the session ends clean.
"""

import argparse
import json
import os
import random
import shutil
import subprocess
import sys
import tempfile

DEFAULT_SEED = 15
# Commands that ask nothing in any state the session reaches.
QUIET_COMMANDS = """
Undo CutBlock CopyBlock PasteBlock PasteOver PasteUnder DeleteBlock CopyAll CompleteCols
CompleteRows FlipCharsHorz FlipCharsVert Crop CenterRows CopyRotated ToUpperCase ToLowerCase
CopyColorBlock PasteColorBlock DeleteSelectedRows DeleteSelectedCols InsertRowAtCursor
InsertColAtCursor InvertSelection PaintHorzLine PaintVertLine PaintFallingLine PaintRisingLine
PaintRectangle PaintFilledRectangle Floodfill PaintCircle LineArtHorz LineArtVert
LineArtFalling LineArtRising LineArtRectangle ToggleDotMode NegativeFg NegativeBg PermuteFgRBG
PermuteBgGBR ColorToGray SwapFgBg ColorSelectionFg SetActiveFontToCell FillByCharFg
FillByColorFg ResetSelectionColorFg ColorSelectionBg SetActiveBackToCell FillByCharBg
FillByColorBg ResetSelectionColorBg MakeDotLines RandomArtDistinct RandomArtEvery
SaveQuickDocument LoadQuickDocument ToggleSaveOptimized ToggleBackup
""".split()
# The dialogs that take the file answer of open and saveas, not a queued one.
FILE_DIALOGS = ("open:", "browser:", "save:")
FLUSH_DIALOG = "open: HTML|"
PRINTABLE = "".join(chr(c) for c in range(32, 127) if chr(c) not in '"\\')
MODE_PLAIN, MODE_FULL, MODE_ANSI = 1, 3, 4
# The start sequence "Save as" ANSI offers: clear the screen, then the first colours.
ANSI_START = "\x1b[=3h\x1b[2J\x1b"
# Type code, extension.
SAVE_TYPES = [(11, ".glf"), (10, ".glg"), (1, ".txt"), (9, ".ans")]
CONTROL_IN_GRID = "\x07\r\n\x00"
ANSI_COLUMNS = 79  # the writer keeps columns 0..78
# The 16 palette colours (RRGGBB); the first 8 can be backgrounds. A colour outside them is
# written as light grey on black.
ANSI_PALETTE = ["000000", "A00000", "00A000", "A05000", "0000A0", "A000A0", "00A8A0", "A0A8A0",
                "505050", "FF5050", "50F850", "FFF850", "5050FF", "FF50FF", "50F8FF", "FFF8FF"]
ANSI_BACKGROUNDS = 8
ANSI_OUTSIDE = {"fg": "A0A8A0", "bg": "000000"}


def quoted(text):
    escaped = ""
    for ch in text:
        if ch in '"\\':
            escaped += "\\" + ch
        elif ord(ch) < 32:
            escaped += f"\\x{ord(ch):02X}"
        else:
            escaped += ch
    return '"' + escaped + '"'


class CliEnded(Exception):
    pass


class Cli:
    """glyphora-cli reading its script from a pipe, line by line, with dumps read back."""

    def __init__(self, command, env, log, folder):
        # Run in the session's folder: files saved under a relative name land there.
        self.process = subprocess.Popen(command, env=env, cwd=folder, stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.log = log
        self.transcript = []  # the lines that were no dump

    def send(self, line):
        self.log.write(line + "\n")
        try:
            self.process.stdin.write((line + "\n").encode("utf-8"))
            self.process.stdin.flush()
        except BrokenPipeError:
            raise CliEnded()

    def state(self):
        self.send("dump -")
        text = []
        for raw in self.process.stdout:
            line = raw.decode("utf-8", "replace").rstrip("\n")
            if text or line == "{":
                text.append(line)
                if line == "}":
                    return json.loads("\n".join(text))
            else:
                self.transcript.append(line)
        raise CliEnded()

    def finish(self):
        try:
            self.process.stdin.close()
        except BrokenPipeError:
            pass
        rest = self.process.stdout.read().decode("utf-8", "replace")
        self.transcript.extend(rest.splitlines())
        return self.process.wait()


class Session:
    """Random directives chosen on the editor's state as the last dump showed it."""

    def __init__(self, rng, folder, cli):
        self.rng = rng
        self.folder = folder
        self.cli = cli
        self.lines = 0
        self.queued = 0  # answers sent that no dialog has taken yet
        for line in ["set PastePreview=N", "set ShowInfoMessages=N", "set EnableUndo=Y"]:
            self.add(line)
        self.mode = MODE_PLAIN
        self.commands = 0
        self.saves = []  # (index, code, extension, problems)
        self.size = (80, 50)

    def add(self, line):
        self.cli.send(line)
        self.lines += 1
        if line.startswith("answer "):
            self.queued += 1

    def settle(self):
        """The state after a command. A command may ask nothing in some states (disabled,
        nothing to convert): the answers it left are taken by imports of pages that are not
        there, which ask for nothing else."""
        seen = len(self.cli.transcript)
        state = self.cli.state()
        while True:
            said = self.cli.transcript[seen:]
            seen = len(self.cli.transcript)
            self.queued -= sum(1 for line in said if " -> " in line and
                               (line.startswith(FLUSH_DIALOG) or not line.startswith(FILE_DIALOGS)))
            if self.queued <= 0:
                self.queued = 0
                return state
            self.cli.send("run ImportHtml")
            self.lines += 1
            state = self.cli.state()

    def cell(self):
        return self.rng.randrange(0, self.size[0]), self.rng.randrange(0, self.size[1])

    def random_command(self):
        rng = self.rng
        kind = rng.random()
        c, r = self.cell()
        if kind < 0.2:
            self.add(f"click {c} {r}")
            self.add("type " + quoted("".join(rng.choice(PRINTABLE) for _ in range(rng.randrange(1, 12)))))
        elif kind < 0.3:
            self.add("key " + rng.choice(["Enter", "Backspace", "Left", "Right", "Up", "Down",
                                          "Home", "End", "Shift+Right", "Shift+Down", "Del"]))
        elif kind < 0.4:
            rows = [("".join(rng.choice(PRINTABLE) for _ in range(rng.randrange(0, 15))))
                    for _ in range(rng.randrange(1, 5))]
            self.add("clipboard " + quoted("\n".join(rows)))
            self.add(f"click {c} {r}")
            self.add("key Ctrl+V")
        elif kind < 0.48:
            self.add("key Ctrl+Z")
        elif kind < 0.53:
            self.add("answer " + quoted(rng.choice(PRINTABLE)))
            self.add("answer " + quoted("".join(rng.choice(PRINTABLE) for _ in range(rng.randrange(1, 4)))))
            self.add("run ReplaceAll")
        elif kind < 0.57:
            self.add("answer " + rng.choice(["yes", "no"]))
            self.add("run " + rng.choice(["FlipVertical", "FlipHorizontal"]))
        elif kind < 0.6:
            self.mode_change()
        else:
            c2, r2 = self.cell()
            self.add(f"select {min(c, c2)} {min(r, r2)} {max(c, c2)} {max(r, r2)}")
            if rng.random() < 0.05:
                self.add("answer " + str(rng.randrange(-60, 61)))  # asked in some modes
                self.add("run " + rng.choice(["BrightnessFg", "BrightnessBg"]))
            else:
                self.add("run " + rng.choice(QUIET_COMMANDS))
        self.commands += 1
        state = self.settle()
        self.size = (state["cols"], state["rows"])
        self.mode = state["mode"]

    def mode_change(self):
        if self.mode == MODE_ANSI or self.rng.random() < 0.5:
            if self.mode != MODE_FULL:
                self.add("run SetModeFullColored")
                self.mode = MODE_FULL
        else:
            self.add("answer yes")
            self.add("run SetModeAnsi")
            self.mode = MODE_ANSI

    def save_and_reopen(self):
        index = len(self.saves)
        code, extension = self.rng.choice(SAVE_TYPES)
        name = os.path.join(self.folder, f"s{index}")
        before = self.settle()
        if code == 9:
            self.add("answer " + quoted(ANSI_START))
        self.add(f'saveas "{code} {name}"')
        if extension in (".txt", ".glg") and self.mode != MODE_PLAIN:
            self.add("answer yes")  # leaving the colours for plain text
        self.add(f"open {quoted(name + extension)}")
        after = self.settle()
        self.size = (after["cols"], after["rows"])
        self.mode = after["mode"]
        self.saves.append((index, code, extension, compare(code, before, after)))
        self.commands += 2


def effective(state, layer, c, r):
    own = state[layer][r][c]
    return own if own is not None else state["defaultFg" if layer == "fg" else "defaultBg"]


def text_rows(state, columns=None):
    rows = []
    for row in state["cells"]:
        cells = row if columns is None else row[:columns]
        rows.append("".join(cell if cell else " " for cell in cells).rstrip(" "))
    while rows and not rows[-1]:
        rows.pop()
    return rows


def row_difference(was, now):
    for r in range(max(len(was), len(now))):
        a = was[r] if r < len(was) else None
        b = now[r] if r < len(now) else None
        if a != b:
            return f"row {r} of {len(was)}: {a!r} became {b!r} (of {len(now)} rows)"
    return None


def compare(code, before, after):
    """What the type keeps that differs, as a list of texts."""
    problems = []
    if code == 11:
        if (before["cols"], before["rows"]) != (after["cols"], after["rows"]):
            return [f"size {before['cols']}x{before['rows']} became {after['cols']}x{after['rows']}"]
        for r in range(before["rows"]):
            for c in range(before["cols"]):
                kept = (before["cells"][r][c] or " ")[0]
                if after["cells"][r][c] != kept:
                    problems.append(f"cell {c},{r}: {kept!r} became {after['cells'][r][c]!r}")
                if before["mode"] != MODE_PLAIN:
                    for layer in ("fg", "bg"):
                        if effective(before, layer, c, r) != effective(after, layer, c, r):
                            problems.append(f"{layer} {c},{r}: {effective(before, layer, c, r)} "
                                            f"became {effective(after, layer, c, r)}")
    elif code == 10:
        if (before["cols"], before["rows"]) != (after["cols"], after["rows"]):
            return [f"size {before['cols']}x{before['rows']} became {after['cols']}x{after['rows']}"]
        for r in range(before["rows"]):
            for c in range(before["cols"]):
                kept = "".join(" " if ch in CONTROL_IN_GRID else ch for ch in before["cells"][r][c])
                if after["cells"][r][c] != kept:
                    problems.append(f"cell {c},{r}: {kept!r} became {after['cells'][r][c]!r}")
    elif code == 1:
        difference = row_difference(text_rows(before), text_rows(after))
        if difference:
            problems.append(difference)
    elif code == 9:
        # A cell of several bytes is written whole and the reader's screen wraps the longer
        # row, moving every later row: the type keeps the rows above the first such cell.
        rows = next((r for r, row in enumerate(before["cells"])
                     if any(len(cell) > 1 for cell in row[:ANSI_COLUMNS])), before["rows"])
        difference = row_difference(text_rows(before, ANSI_COLUMNS)[:rows],
                                    text_rows(after, ANSI_COLUMNS)[:rows])
        if difference:
            problems.append(difference)
        if before["mode"] != MODE_ANSI:
            return problems  # only Ansi mode writes colours
        for r in range(min(rows, after["rows"])):
            for c in range(min(before["cols"], after["cols"], ANSI_COLUMNS)):
                for layer in ("fg", "bg"):
                    was = effective(before, layer, c, r).upper()
                    now = effective(after, layer, c, r).upper()
                    palette = ANSI_PALETTE[:ANSI_BACKGROUNDS] if layer == "bg" else ANSI_PALETTE
                    kept = was if was in palette else ANSI_OUTSIDE[layer]
                    if now != kept:
                        problems.append(f"{layer} {c},{r}: {was} became {now}, not {kept}")
    return problems[:5]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=DEFAULT_SEED)
    parser.add_argument("--commands", type=int, default=10000)
    parser.add_argument("--cli", default="build/test/glyphora-cli")
    parser.add_argument("--keep", action="store_true", help="keep the session's folder")
    args = parser.parse_args()
    print(f"load test: seed {args.seed}, {args.commands} commands", flush=True)

    rng = random.Random(args.seed)
    folder = tempfile.mkdtemp(prefix="glyphora-load-")
    # The shipped data files (tables, patterns) beside the program, as `make run` has them.
    home = os.path.join(folder, "home")
    shutil.copytree(os.path.join(os.path.dirname(__file__), "..", "data"), home)
    env = dict(os.environ, ASAN_OPTIONS="detect_leaks=1:abort_on_error=1")
    failures = []
    with open(os.path.join(folder, "session.txt"), "w", encoding="utf-8") as log:
        cli = Cli([os.path.abspath(args.cli), "--home", home, "script", "-"], env, log, folder)
        session = Session(rng, folder, cli)
        try:
            while session.commands < args.commands:
                for _ in range(rng.randrange(5, 40)):
                    session.random_command()
                session.save_and_reopen()
        except CliEnded:
            pass
        code = cli.finish()
    if code != 0 or session.commands < args.commands:
        failures.append(f"the CLI ended with {code} after {session.commands} commands: "
                        + "\n".join(cli.transcript[-8:]))
    for index, code, extension, problems in session.saves:
        if problems:
            failures.append(f"save {index} as {extension} (s{index}{extension}): "
                            + "; ".join(problems))
    print(f"{session.lines} directives, {len(session.saves)} saves reopened and compared; "
          f"session in {folder} (session.txt replays it)")
    for failure in failures[:20]:
        print("FAIL", failure)
    if not failures and not args.keep:
        shutil.rmtree(folder)
    print("clean" if not failures else f"{len(failures)} failures (seed {args.seed})")
    return 0 if not failures else 1


if __name__ == "__main__":
    sys.exit(main())
