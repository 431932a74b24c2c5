"""Drives the real program with xdotool, xclip and libfaketime, on a display of its own."""

import glob, os, re, shutil, subprocess, sys, tempfile, time  # noqa: E401
from collections import namedtuple
from pathlib import Path

MAIN_TITLE = " ケムリナ式 - hakkaro"
MINI_TITLE = " ケムリナ式 mini mode"
BOX_TITLE = "ケムリナ式"  # every message box
SETTINGS_TITLE = " 設定ウィンドウ - 全て半角で記入してください - hakkaro"
SETUP_TITLE = " ケムリナ式初期設定 - hakkaro"
WELCOME_TITLE = " ( ・◇・)  - hakkaro"
# Design boxes and points (twips) of the main and mini windows: コピ１, and where a click lands on
# the window itself, the lungs (they take no mouse events) and the mini window's margin.
COPY1, MAIN_EMPTY, MINI_EMPTY = (120, 2950, 735, 300), (4500, 1200), (60, 60)


class Skip(Exception):
    """The machine lacks a tool a scenario needs."""


def wait_for(probe, what, timeout=10, step=0.1):
    deadline = time.monotonic() + timeout
    while not (result := probe()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(step)
    return result


def same(actual, expected, what):
    if actual != expected:
        raise AssertionError(f"{what}:\n  expected {expected!r}\n  actual   {actual!r}")


class Window(namedtuple("Window", "id name x y width height")):
    corner = property(lambda self: (self.x, self.y))
    twips = property(lambda self: dict(left=self.x * 15, top=self.y * 15))

    def at(self, left, top):
        """Screen point of a design position in twips (15 to a pixel) in the client area."""
        return self.x + int(left / 15 + 0.5), self.y + int(top / 15 + 0.5)

    def centre_of(self, left, top, width, height):
        return self.at(left + width / 2, top + height / 2)


class Session:
    """One scenario's display, folders and processes; reports what it sees on a failure."""

    def __init__(self, name, binary, display_base):
        fakes = glob.glob("/usr/*/*/faketime/libfaketime.so.1")  # /usr/lib/ARCH, /usr/local/lib
        missing = [t for t in ("Xvfb", "xdotool", "xclip", "xwininfo", "trayer")
                   if not shutil.which(t)]
        if missing or not fakes:
            raise Skip(f"missing: {missing or 'libfaketime (Debian package faketime)'}")
        self.name, self.binary, self.faketime = name, str(Path(binary).resolve()), fakes[0]
        self.work = Path(tempfile.mkdtemp(prefix=f"kemurina-e2e-{name}-"))
        self.data = self.work / "kemurinadata"
        (self.work / "runtime").mkdir(mode=0o700)
        (self.work / "home").mkdir()
        self.display_base, self.programs, self.helpers = display_base, [], []
        # No D-Bus session unless a scenario starts its own: neither the desktop's (its tray
        # would take the icon) nor one that libdbus starts for the display and never ends.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = "disabled:"

    def __enter__(self):
        # Xvfb prints its number once it serves, or exits if the number is taken;
        # -noreset: else the server resets whenever its last client leaves.
        for number in range(self.display_base, self.display_base + 200):
            xvfb = self.spawn(["Xvfb", f":{number}", "-displayfd", "1", "-screen", "0",
                               "1024x768x24", "-dpi", "96", "-nolisten", "tcp", "-noreset"],
                              stdout=subprocess.PIPE, start_new_session=True)
            if xvfb.stdout.readline().strip() == str(number).encode():
                os.environ["DISPLAY"] = f":{number}"  # for every program started from here
                return self
        raise RuntimeError("no free X display number")

    def __exit__(self, kind, value, trace):
        if kind not in (None, Skip):
            shot = Path.cwd() / "e2e-failures" / f"{self.name}.png"
            shot.parent.mkdir(exist_ok=True)
            shutil.which("import") and self.x("import", "-window", "root", str(shot), check=False)
            logs = [f"--- {log.name}\n{log.read_text(errors='replace')}"
                    for log in sorted(self.work.glob("program-*.log"))]
            print(f"visible windows: {self.windows()}\nscreenshot: {shot}", *logs, sep="\n",
                  file=sys.stderr)
        for p in reversed(self.helpers + self.programs):  # the display goes last
            p.terminate()  # none of them catches it
            p.wait(timeout=5)
        if os.environ.get("KEMURINA_E2E_KEEP"):
            print(f"kept the working folder {self.work}")
        else:
            shutil.rmtree(self.work, ignore_errors=True)

    def spawn(self, argv, **options):
        quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.helpers.append(subprocess.Popen(argv, **{**quiet, **options}))
        return self.helpers[-1]

    def launch(self, moment, prefix=(), **settings):
        """The program, its wall clock frozen at moment (year, month, day, hour, minute);
        prefix runs it through another command (another user's, say); settings:
        environment variables the program gets besides."""
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "WAYLAND", "FAKETIME", "LD_PRELOAD"))}
        env.update(XDG_RUNTIME_DIR=str(self.work / "runtime"),
                   HOME=str(self.work / "home"), XDG_CONFIG_HOME=str(self.work / "home/.config"),
                   TZ="UTC", LANG="C.UTF-8", LC_ALL="C.UTF-8", QT_QPA_PLATFORM="xcb",
                   # Qt's timers and the font cache's file times stay on the real clock.
                   LD_PRELOAD=self.faketime, FAKETIME_DONT_FAKE_MONOTONIC="1", NO_FAKE_STAT="1",
                   FAKETIME="%04d-%02d-%02d %02d:%02d:00" % moment, **settings)
        log = open(self.work / f"program-{len(self.programs)}.log", "wb")
        argv = [self.binary]
        if prefix:  # else libfaketime's shared clock belongs to the prefix, maybe another user
            argv = [*prefix, "env", f"LD_PRELOAD={env.pop('LD_PRELOAD')}", self.binary]
        self.programs.append(subprocess.Popen(argv, cwd=self.work, env=env, stdout=log,
                                              stderr=subprocess.STDOUT))
        return self.programs[-1]

    def write_files(self, initial, options):
        self.data.mkdir(exist_ok=True)
        (self.data / "initial.ini").write_bytes(initial)
        (self.data / "option.ini").write_bytes(options)

    def files(self):
        """(initial.ini, option.ini) bytes; None for a missing file."""
        return tuple((self.data / n).read_bytes() if (self.data / n).exists() else None
                     for n in ("initial.ini", "option.ini"))

    def x(self, *argv, check=True):
        result = subprocess.run(argv, capture_output=True, timeout=15)
        if check and result.returncode != 0:
            raise RuntimeError(f"{argv[0]} failed: {result.stderr.decode(errors='replace')}")
        return result.stdout.decode(errors="replace")

    def windows(self):
        found = []
        for wid in self.x("xdotool", "search", "--onlyvisible", "--name", "", check=False).split():
            name = self.x("xdotool", "getwindowname", wid, check=False).rstrip("\n")
            shell = self.x("xdotool", "getwindowgeometry", "--shell", wid, check=False)
            g = dict(line.split("=", 1) for line in shell.split() if "=" in line)
            if "X" in g:  # else it went away meanwhile
                found.append(Window(wid, name, *(int(g[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))))
        return found

    def find(self, title):
        return [w for w in self.windows() if w.name == title]

    def wait_window(self, title, gone=None, timeout=30):
        window = wait_for(lambda: self.find(title), f"window {title!r}", timeout)[0]
        if gone:
            self.wait_gone(gone)
        return window

    def wait_gone(self, title):
        wait_for(lambda: not self.find(title), f"window {title!r} to go")

    def click(self, point, button=1, repeat=1):
        self.x("xdotool", "mousemove", *map(str, point), "sleep", "0.05",
               "click", "--repeat", str(repeat), "--delay", "80", str(button))
        time.sleep(0.15)

    def replace_text(self, point, text):
        self.click(point)
        self.x("xdotool", "key", "--delay", "40", "ctrl+a", "BackSpace",
               "type", "--delay", "30", text)
        time.sleep(0.1)

    def dismiss_box(self):
        """OK on the message box: with no window manager the keys go where the pointer is."""
        box = self.wait_window(BOX_TITLE)
        self.x("xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2),
               "key", "Return")
        self.wait_gone(BOX_TITLE)

    def popup_menu(self, point, item, click=False):
        """Right-clicks at point, picks item (from 0) of the eight that share its height evenly."""
        before = {w.id for w in self.windows()}
        self.click(point, button=3)
        menu = wait_for(lambda: [w for w in self.windows() if w.id not in before
                                 and w.width > 20 and w.height > 20], "a pop-up menu", 5, 0.05)[0]
        if click:
            self.click((menu.x + menu.width // 2, menu.y + int(menu.height * (item + 0.5) / 8)))
        else:
            self.x("xdotool", "key", "--delay", "40", *["Down"] * (item + 1), "Return")

    def clipboard(self):
        out = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "UTF8_STRING"],
                             capture_output=True, timeout=5)
        return out.stdout if out.returncode == 0 else None

    def copies(self, action, expected, what):
        """Checks the clipboard bytes after action, which has to change them."""
        before = self.clipboard()
        assert before != expected, f"{what}: the clipboard holds the text already"
        action()
        text = wait_for(lambda: (t := self.clipboard()) not in (None, before) and t,
                        f"{what} on the clipboard", 5, 0.05)
        same(text, expected, what)

    def start_tray(self):
        self.spawn(["trayer", "--edge", "bottom", "--align", "left", "--widthtype", "request",
                    "--height", "24", "--SetDockType", "false", "--SetPartialStrut", "false",
                    "--expand", "false"])
        self.panel = self.wait_window("panel", timeout=10)
        time.sleep(0.3)  # it owns the tray selection once its window is up

    def tray_icons(self, count):
        """The screen rectangles (x, y, w, h) of trayer's icons, once there are count."""
        def matching():
            found = set()
            for line in self.x("xwininfo", "-id", self.panel.id, "-tree", check=False).splitlines():
                m = re.search(r"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)", line)
                if m and int(m[1]) > 4 and int(m[2]) > 4:  # socket and icon share a rectangle
                    found.add((int(m[3]), int(m[4]), int(m[1]), int(m[2])))
            return [sorted(found)] if len(found) == count else None
        return wait_for(matching, f"{count} tray icon(s)")[0]

    def restore_from_tray(self):
        (x, y, w, h), = self.tray_icons(1)
        self.click((x + w // 2, y + h // 2))
        self.tray_icons(0)
