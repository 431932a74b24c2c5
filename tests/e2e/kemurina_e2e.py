"""Drives the real program as a user would: its own virtual X display, real
mouse clicks and key presses (xdotool), the real clipboard (xclip), a faked
clock where the date matters (libfaketime) and the exact bytes of the two
settings files. One Session per scenario: its own display, working folder and
runtime folder, so that scenarios can run side by side."""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
from pathlib import Path

TWIPS_PER_PIXEL = 15  # the virtual screen runs at 96 dots per inch
SCREEN = (1024, 768)

MAIN_TITLE = " ケムリナ式 - hakkaro"
MINI_TITLE = " ケムリナ式 mini mode"
BOX_TITLE = "ケムリナ式"  # every message box
SETTINGS_TITLE = " 設定ウィンドウ - 全て半角で記入してください - hakkaro"
SETUP_TITLE = " ケムリナ式初期設定 - hakkaro"
WELCOME_TITLE = " ( ・◇・)  - hakkaro"

DEFAULT_URL = "www.example.com/kemurina/"

# The program's own tools and the ones the scenarios drive it with.
NEEDED_TOOLS = ("Xvfb", "xdotool", "xclip", "xdpyinfo", "xwininfo")

LIBFAKETIME_PLACES = (
    "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1",
    "/usr/lib/aarch64-linux-gnu/faketime/libfaketime.so.1",
    "/usr/lib/faketime/libfaketime.so.1",
    "/usr/local/lib/faketime/libfaketime.so.1",
)


class Skip(Exception):
    """The machine lacks something a scenario needs."""


def px(twips):
    """Design twips to screen pixels, rounded as the program rounds them."""
    return int(twips / TWIPS_PER_PIXEL + 0.5)


def find_libfaketime():
    for place in LIBFAKETIME_PLACES:
        if os.path.exists(place):
            return place
    raise Skip("libfaketime not found (Debian package faketime)")


# ---- the two settings files --------------------------------------------

OPTION_ORDER = ("SetupDone", "TobaccoTaxPer1000", "ConsumptionTaxPercent", "CopyPlusMode",
                "SmokingYears", "ShowBoxes", "MainLeft", "MainTop", "TextBackColor",
                "TextForeColor", "BbsUrl", "WindowMode", "MiniLeft", "MiniTop",
                "StatusModeName")
OPTION_TEXTS = ("BbsUrl", "StatusModeName")
OPTION_DEFAULTS = dict(SetupDone=0, TobaccoTaxPer1000=12244, ConsumptionTaxPercent=5,
                       CopyPlusMode=0, SmokingYears=5, ShowBoxes=1, MainLeft=0, MainTop=0,
                       TextBackColor=9241372, TextForeColor=16777215, BbsUrl=DEFAULT_URL,
                       WindowMode=2, MiniLeft=0, MiniTop=0, StatusModeName="ソルジャー")


def initial_bytes(year, month, day, hour, minute, per_day=20, price=300, length=85):
    items = (year, month, day, hour, minute, per_day, price, length)
    return (",".join(str(i) for i in items) + "\r\n").encode("cp932")


def option_bytes(**changes):
    unknown = set(changes) - set(OPTION_ORDER)
    if unknown:
        raise ValueError(f"no such option: {sorted(unknown)}")
    values = dict(OPTION_DEFAULTS, **changes)
    items = [f'"{values[k]}"' if k in OPTION_TEXTS else str(values[k]) for k in OPTION_ORDER]
    return (",".join(items) + "\r\n").encode("cp932")


def parse_option_bytes(data):
    """option.ini bytes back into a dict (only for files the program wrote)."""
    line = data.decode("cp932")
    if not line.endswith("\r\n") or line.count("\r\n") != 1:
        raise AssertionError(f"option.ini is not one CRLF line: {data!r}")
    items = re.findall(r'"[^"]*"|[^,]+', line[:-2])
    if len(items) != len(OPTION_ORDER):
        raise AssertionError(f"option.ini has {len(items)} items: {data!r}")
    result = {}
    for key, item in zip(OPTION_ORDER, items):
        result[key] = item[1:-1] if key in OPTION_TEXTS else int(item)
    return result


# ---- windows on the display ---------------------------------------------

class Window:
    def __init__(self, wid, name, x, y, width, height):
        self.id, self.name = wid, name
        self.x, self.y, self.width, self.height = x, y, width, height

    def at(self, left_twips, top_twips):
        """Screen point of a design position in the client area."""
        return self.x + px(left_twips), self.y + px(top_twips)

    def centre_of(self, left, top, width, height):
        """Screen point in the middle of a control placed at a design box."""
        return self.at(left + width / 2, top + height / 2)

    def __repr__(self):
        return f"<{self.name!r} {self.width}x{self.height}+{self.x}+{self.y}>"


class Session:
    """One scenario's display, folders and processes; a context manager."""

    def __init__(self, name, binary, display_base=100):
        missing = [t for t in NEEDED_TOOLS if not shutil.which(t)]
        if missing:
            raise Skip("missing tools: " + ", ".join(missing))
        self.name = name
        self.binary = str(binary)
        self.display_base = display_base
        self.work = Path(tempfile.mkdtemp(prefix=f"kemurina-e2e-{name}-"))
        self.data = self.work / "kemurinadata"
        self.runtime = self.work / "runtime"
        self.runtime.mkdir(mode=0o700)
        os.chmod(self.runtime, 0o700)
        self.home = self.work / "home"
        self.home.mkdir()
        self.display = None
        self._xvfb = None
        self._helpers = []
        self._programs = []
        self._logs = []

    # -- set-up and tear-down --

    def __enter__(self):
        self._start_display()
        return self

    def __exit__(self, kind, value, trace):
        for p in reversed(self._programs + self._helpers):
            stop(p)
        stop(self._xvfb)
        if os.environ.get("KEMURINA_E2E_KEEP"):
            print(f"kept the working folder {self.work}")
        else:
            shutil.rmtree(self.work, ignore_errors=True)
        return False

    def _start_display(self):
        # Free numbers from display_base on; Xvfb itself refuses a taken one
        # (its lock file), so two sessions racing for a number just move on.
        for number in range(self.display_base, self.display_base + 200):
            if os.path.exists(f"/tmp/.X11-unix/X{number}") or os.path.exists(f"/tmp/.X{number}-lock"):
                continue
            log = open(self.work / f"xvfb-{number}.log", "wb")
            xvfb = subprocess.Popen(
                ["Xvfb", f":{number}", "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
                 "-nolisten", "tcp", "-dpi", "96",
                 # Without this the server resets whenever its last client
                 # leaves (the readiness probe), and a program connecting
                 # just then is turned away.
                 "-noreset"],
                stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
            deadline = time.monotonic() + 10
            while time.monotonic() < deadline and xvfb.poll() is None:
                ok = subprocess.run(["xdpyinfo", "-display", f":{number}"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                if ok.returncode == 0:
                    self.display, self._xvfb = f":{number}", xvfb
                    return
                time.sleep(0.1)
            stop(xvfb)
        raise RuntimeError("no free X display number")

    def env(self, clock=None, running=True):
        """The program's environment; clock "YYYY-MM-DD hh:mm:ss" fakes the
        local time (running on from there, or frozen)."""
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "WAYLAND", "FAKETIME", "LD_PRELOAD"))}
        env.update(DISPLAY=self.display, XDG_RUNTIME_DIR=str(self.runtime), HOME=str(self.home),
                   XDG_CONFIG_HOME=str(self.home / ".config"), TZ="UTC", LANG="C.UTF-8",
                   LC_ALL="C.UTF-8", QT_QPA_PLATFORM="xcb")
        if clock:
            env.update(LD_PRELOAD=find_libfaketime(),
                       FAKETIME=("@" if running else "") + clock,
                       # Qt's timers and the font cache's file times stay real.
                       FAKETIME_DONT_FAKE_MONOTONIC="1", NO_FAKE_STAT="1")
        return env

    def x_env(self):
        return dict(os.environ, DISPLAY=self.display)

    # -- the program --

    def launch(self, clock=None, running=True):
        """Starts the program in the working folder (libfaketime goes in
        directly, so the process seen here is the program itself)."""
        log = open(self.work / f"program-{len(self._programs)}.log", "wb")
        self._logs.append(log.name)
        proc = subprocess.Popen([self.binary], cwd=self.work, env=self.env(clock, running),
                                stdout=log, stderr=subprocess.STDOUT)
        self._programs.append(proc)
        return proc

    def program_states(self):
        """pid and state of every program started: running, or its exit code
        (negative: the signal that ended it)."""
        return [(p.pid, "running" if p.poll() is None else p.returncode)
                for p in self._programs]

    def program_logs(self):
        text = []
        for name in self._logs:
            try:
                text.append(f"--- {name}\n" + Path(name).read_text(errors="replace"))
            except OSError:
                pass
        return "\n".join(text)

    def helper(self, argv):
        proc = subprocess.Popen(argv, env=self.x_env(), stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        self._helpers.append(proc)
        return proc

    # -- files --

    def write_files(self, initial, options):
        self.data.mkdir(exist_ok=True)
        (self.data / "initial.ini").write_bytes(initial)
        (self.data / "option.ini").write_bytes(options)

    def read(self, name):
        path = self.data / name
        return path.read_bytes() if path.exists() else None

    # -- X --

    def x(self, *argv, check=True, timeout=10):
        result = subprocess.run(list(argv), env=self.x_env(), capture_output=True,
                                timeout=timeout)
        if check and result.returncode != 0:
            raise RuntimeError(f"{argv[0]} failed: {result.stderr.decode(errors='replace')}")
        return result.stdout.decode(errors="replace")

    def windows(self):
        """The visible windows: Window objects, in stacking order."""
        out = self.x("xdotool", "search", "--onlyvisible", "--name", "", check=False)
        found = []
        for wid in out.split():
            name = self.x("xdotool", "getwindowname", wid, check=False).rstrip("\n")
            geometry = self.x("xdotool", "getwindowgeometry", "--shell", wid, check=False)
            g = dict(line.split("=", 1) for line in geometry.split() if "=" in line)
            if "X" not in g:
                continue  # went away meanwhile
            found.append(Window(wid, name, int(g["X"]), int(g["Y"]), int(g["WIDTH"]),
                                int(g["HEIGHT"])))
        return found

    def find(self, title):
        return [w for w in self.windows() if w.name == title]

    def wait_window(self, title, timeout=30):
        deadline = time.monotonic() + timeout
        while True:
            hits = self.find(title)
            if hits:
                return hits[0]
            if time.monotonic() > deadline:
                raise AssertionError(f"no window {title!r} appeared; visible: {self.windows()}")
            time.sleep(0.1)

    def wait_gone(self, title, timeout=10):
        deadline = time.monotonic() + timeout
        while self.find(title):
            if time.monotonic() > deadline:
                raise AssertionError(f"window {title!r} is still visible")
            time.sleep(0.1)

    def wait_new_window(self, before_ids, timeout=5):
        """A window that appeared since before_ids were listed (a pop-up menu)."""
        deadline = time.monotonic() + timeout
        while True:
            for w in self.windows():
                if w.id not in before_ids and w.width > 20 and w.height > 20:
                    return w
            if time.monotonic() > deadline:
                raise AssertionError("no pop-up window appeared")
            time.sleep(0.05)

    # -- input --

    def click(self, point, button=1, repeat=1):
        x, y = point
        self.x("xdotool", "mousemove", str(x), str(y))
        time.sleep(0.05)
        self.x("xdotool", "click", "--repeat", str(repeat), "--delay", "80", str(button))
        time.sleep(0.15)

    def key(self, *keys):
        for k in keys:
            self.x("xdotool", "key", "--delay", "40", k)
        time.sleep(0.15)

    def type_text(self, text):
        self.x("xdotool", "type", "--delay", "30", text)
        time.sleep(0.1)

    def replace_text(self, point, text):
        """Clicks into a text box, selects what it holds and types text."""
        self.click(point)
        self.key("ctrl+a", "BackSpace")
        if text:
            self.type_text(text)

    def popup_menu(self, point, item, count, by_keyboard=True):
        """Right-clicks at point and picks the item-th (0-based) of count items."""
        before = {w.id for w in self.windows()}
        self.click(point, button=3)
        menu = self.wait_new_window(before)
        if by_keyboard:
            self.key(*(["Down"] * (item + 1)), "Return")
        else:
            # Items share the menu's height evenly (a few pixels of frame aside).
            y = menu.y + int(menu.height * (item + 0.5) / count)
            self.click((menu.x + menu.width // 2, y))
        return menu

    # -- clipboard --

    def clipboard(self):
        result = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "UTF8_STRING"],
                                env=self.x_env(), capture_output=True, timeout=5)
        return result.stdout if result.returncode == 0 else None

    def copied_by(self, action, timeout=5):
        """The clipboard text (bytes) that action puts there. A marker goes on
        the clipboard first, so an action that copies nothing is caught."""
        marker = f"marker-{time.monotonic_ns()}".encode()
        holder = subprocess.Popen(["xclip", "-i", "-selection", "clipboard", "-quiet"],
                                  env=self.x_env(), stdin=subprocess.PIPE,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        holder.stdin.write(marker)
        holder.stdin.close()
        self._helpers.append(holder)
        deadline = time.monotonic() + timeout
        while self.clipboard() != marker:
            if time.monotonic() > deadline:
                raise RuntimeError("could not put the marker on the clipboard")
            time.sleep(0.05)
        action()
        while True:
            text = self.clipboard()
            if text is not None and text != marker:
                return text
            if time.monotonic() > deadline:
                raise AssertionError("the action put nothing on the clipboard")
            time.sleep(0.05)

    def screenshot(self, path):
        if shutil.which("import") and self.display:
            subprocess.run(["import", "-window", "root", str(path)], env=self.x_env(),
                           capture_output=True, timeout=15)

    # -- the notification area --

    def start_tray(self):
        """trayer, docked at the bottom left of the screen."""
        if not shutil.which("trayer"):
            raise Skip("trayer not installed")
        self.helper(["trayer", "--edge", "bottom", "--align", "left", "--widthtype", "request",
                     "--height", "24", "--SetDockType", "false", "--SetPartialStrut", "false",
                     "--expand", "false"])
        panel = self.wait_window("panel", timeout=10)
        time.sleep(0.3)  # it owns the tray selection once its window is up
        return panel

    def tray_icons(self, panel):
        """Screen rectangles (x, y, w, h) of the icons docked in trayer."""
        tree = self.x("xwininfo", "-id", panel.id, "-tree", check=False)
        icons = []
        for line in tree.splitlines():
            m = re.search(r"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)", line)
            if m:
                w, h, x, y = (int(v) for v in m.groups())
                # The embedding socket and the icon share one rectangle.
                if w > 4 and h > 4 and (x, y, w, h) not in icons:
                    icons.append((x, y, w, h))
        return icons


def stop(proc, grace=3):
    """Ends one process this harness started: SIGTERM, then SIGKILL."""
    if proc is None or proc.poll() is not None:
        return
    try:
        proc.send_signal(signal.SIGTERM)
        proc.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait(timeout=grace)
    except ProcessLookupError:
        pass


def wait_exit(proc, timeout=10):
    try:
        return proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        raise AssertionError(f"the program (pid {proc.pid}) did not end") from None


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise AssertionError(f"{what}:\n  expected {expected!r}\n  actual   {actual!r}")
