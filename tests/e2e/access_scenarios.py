"""Scenarios without the mouse: a screen reader over AT-SPI, the keyboard, the tray icon's menu."""

import json, os, shutil, subprocess, time  # noqa: E401
from pathlib import Path

from expected import FULL_20_A_DAY, NOW, QUIT, SHORT_20_A_DAY, initial, option
from kemurina_e2e import (COPY1, MAIN_EMPTY, MAIN_TITLE, MINI_EMPTY, MINI_TITLE, SETTINGS_TITLE,
                          Skip, same, wait_for)

HERE = Path(__file__).resolve().parent
SYSTEM_PYTHON = "/usr/bin/python3"  # the one Debian's python3-pyatspi is built for

# Label2(0) to Label2(4) as the main window shows them at NOW, with the caption each stands
# under; Label2(5), the message of the day, is drawn at random among its variants.
VALUES = [("０年０ヶ月２０日３時間１５分", "ケムリナからの日数"),
          ("１日と１２時間５４分", "延びた寿命"),
          ("6040円（節税分 5217円）", "節約できた金額"),
          ("大佐", "ステータス"),
          ("402本 34.23ｍ ピーナッツ投げ世界記録", "吸わなかった煙草")]
DAY_FORM = "２０日３時間１５分"


def session_bus(s, module, package):
    """A D-Bus session of the scenario's own, as dbus-run-session gives, for the program and a
    helper script that needs module of the system's Python."""
    if not (shutil.which("dbus-daemon") and os.access(SYSTEM_PYTHON, os.X_OK)
            and subprocess.run([SYSTEM_PYTHON, "-c", f"import {module}"],
                               capture_output=True).returncode == 0):
        raise Skip(f"missing: dbus-daemon (dbus-x11) or {package}")
    bus = s.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                  stdout=subprocess.PIPE)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()


def helper(script, *command):
    """Runs a helper script under the system's Python; its JSON answer."""
    out = subprocess.run([SYSTEM_PYTHON, str(HERE / script), *command], capture_output=True,
                         timeout=60, text=True)
    if out.returncode:
        raise AssertionError(f"{script} {command}: {out.stderr}")
    return json.loads(out.stdout or "null")


class Reader:
    """An AT-SPI client on the scenario's own session bus, as a screen reader would be."""

    def __init__(self, s):
        if not Path("/usr/libexec/at-spi-bus-launcher").exists():
            raise Skip("missing: at-spi2-core")
        session_bus(s, "pyatspi", "python3-pyatspi")
        self.ask("start")  # the accessibility bus is up before the program looks for it

    def ask(self, *command):
        return helper("atspi_reader.py", *command)

    def window(self, title, timeout=15):
        """The program's window of that title, once the reader sees it."""
        return wait_for(lambda: next((w for w in self.ask("windows") if w["name"] == title), None),
                        f"{title!r} on the accessibility bus", timeout, 0.3)


def labels(window):
    return [c for c in window["children"] if c["role"] == "label" and c["focusable"]]


def screen_reader(s):
    """Windows as frames and dialogs under their titles, values as text with their captions,
    a button pressed through the reader."""
    s.write_files(initial(*QUIT), option(copy_plus=2))
    reader = Reader(s)
    s.launch(NOW, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    s.wait_window(MAIN_TITLE)
    main = reader.window(MAIN_TITLE)
    same(main["role"], "frame", "the main window's role")
    values = [(v["text"], v["labelledBy"]) for v in labels(main)]
    same(values[:5], [(text, [caption]) for text, caption in VALUES], "the values, read as text")
    same(values[5][1], ["今日の一言"], "the message of the day's caption")
    assert values[5][0], "the message of the day reads empty"
    same([v["name"] for v in labels(main)], [v[0] for v in values], "the values' names")

    s.copies(lambda: reader.ask("press", MAIN_TITLE, "コピ１"), FULL_20_A_DAY, "コピ１ pressed")
    reader.ask("press", MAIN_TITLE, "設定")
    s.wait_window(SETTINGS_TITLE, gone=MAIN_TITLE)
    same(reader.window(SETTINGS_TITLE)["role"], "dialog", "the settings dialog's role")
    s.x("xdotool", "key", "Escape")  # keyboard focus went to the dialog with its first box
    s.wait_window(MAIN_TITLE, gone=SETTINGS_TITLE)

    s.popup_menu(s.wait_window(MAIN_TITLE).at(*MAIN_EMPTY), 5)  # ミニサイズで運転する
    s.wait_window(MINI_TITLE, gone=MAIN_TITLE)
    mini = reader.window(MINI_TITLE)
    same(mini["role"], "frame", "the mini window's role")
    summary = FULL_20_A_DAY.decode().replace("\r\n", "\n")
    same([v["text"] for v in labels(mini)], [summary], "the mini window's summary, read as text")


def keys(s, *names):
    s.x("xdotool", "key", "--delay", "60", *names)
    time.sleep(0.2)


def opens_menu(s, press):
    """The pop-up menu that press brings up, as a new window of menu size."""
    before = {w.id for w in s.windows()}
    press()
    return wait_for(lambda: [w for w in s.windows() if w.id not in before
                             and w.width > 20 and w.height > 20], "a pop-up menu", 5, 0.05)[0]


def keyboard_only(s):
    """Shift+F10 opens the menu, Space on the elapsed time switches its form, Escape cancels the
    settings dialog, Ctrl+M hides the window into the tray."""
    files = (initial(*QUIT), option(copy_plus=2))
    s.write_files(*files)
    s.start_tray()
    s.launch(NOW)
    main = s.wait_window(MAIN_TITLE)
    s.click(main.at(*MAIN_EMPTY))  # a single click on the window only gives it the keyboard
    opens_menu(s, lambda: keys(s, "shift+F10"))
    s.copies(lambda: keys(s, "Down", "Return"), FULL_20_A_DAY, "コピーする after Shift+F10")

    # The focus opens on コピ１; past ＢＢＳ and コピ２ the third Tab reaches the elapsed time.
    keys(s, *["Tab"] * 3, "space")
    day_form = FULL_20_A_DAY.replace("0年 0ヶ月 20日".encode(), "20日".encode())
    s.copies(lambda: (keys(s, "Menu"), keys(s, "Down", "Return")), day_form,
             "コピーする after the Menu key, with the day form")
    keys(s, "Return")  # the focus is back on the elapsed time: the calendar form again
    s.copies(lambda: s.click(main.centre_of(*COPY1)), FULL_20_A_DAY, "コピ１ after Enter")
    keys(s, "shift+F10", *["Down"] * 4, "Return")  # 設定変更をする
    dialog = s.wait_window(SETTINGS_TITLE, gone=MAIN_TITLE)
    s.x("xdotool", "mousemove", *map(str, dialog.centre_of(0, 0, 5625, 3330)))
    keys(s, "x", "Escape")  # Enter would save the typed x; Escape throws it away
    main = s.wait_window(MAIN_TITLE, gone=SETTINGS_TITLE)
    same(s.files(), files, "files after Escape in the settings dialog")

    s.click(main.at(*MAIN_EMPTY))
    keys(s, "ctrl+m")
    s.wait_gone(MAIN_TITLE)
    s.restore_from_tray()
    s.wait_window(MAIN_TITLE)


def tray_icon_menu(s):
    """A right click on each window's icon opens that window's menu and its commands work; the
    window stays in the tray, unless the command brings up the other one."""
    s.write_files(initial(*QUIT), option(copy_plus=2))
    s.start_tray()
    program = s.launch(NOW)
    for title, point, copy, text, last in ((MAIN_TITLE, MAIN_EMPTY, 0, FULL_20_A_DAY, 5),
                                           (MINI_TITLE, MINI_EMPTY, 1, SHORT_20_A_DAY, 7)):
        window = s.wait_window(title)
        s.click(window.at(*point), repeat=2)
        s.wait_gone(title)
        (x, y, w, h), = s.tray_icons(1)
        icon_menu = lambda: opens_menu(s, lambda: s.click((x + w // 2, y + h // 2), button=3))
        menu = icon_menu()
        s.copies(lambda: s.click((menu.x + menu.width // 2,
                                  menu.y + int(menu.height * (copy + 0.5) / 8))),
                 text, f"item {copy} on the icon of {title!r}, clicked")
        assert not s.find(title), "a copy from the icon's menu leaves the window in the tray"
        icon_menu()
        keys(s, *["Down"] * (last + 1), "Return")  # ミニサイズで運転する, アプリケーションの終了
        s.tray_icons(0)  # the main window's icon goes with the switch to the mini window
    same(program.wait(timeout=10), 0, "exit status after アプリケーションの終了 on the icon")


def tray_menu_on_status_notifier(s):
    """On a desktop whose tray speaks D-Bus (StatusNotifierItem), the item exports the window's
    menu; a command chosen there works, and activating the item brings the window back."""
    session_bus(s, "gi", "python3-gi")
    registered = s.work / "items"
    s.spawn([SYSTEM_PYTHON, str(HERE / "sni_host.py"), "serve", str(registered)])
    time.sleep(0.5)  # the watcher owns its name
    s.write_files(initial(*QUIT), option(copy_plus=2))
    s.launch(NOW)
    main = s.wait_window(MAIN_TITLE)
    s.click(main.at(*MAIN_EMPTY), repeat=2)
    s.wait_gone(MAIN_TITLE)
    item = wait_for(lambda: registered.exists() and registered.read_text().split(), "the item")[-1]
    same(helper("sni_host.py", "menu", item), MAIN_MENU, "the icon's menu")
    s.copies(lambda: helper("sni_host.py", "click", item, "コピーする"), FULL_20_A_DAY,
             "コピーする from the icon's menu")
    helper("sni_host.py", "activate", item)
    s.wait_window(MAIN_TITLE)


MAIN_MENU = ["コピーする", "ツイッター用にコピー", "ブログや掲示板を開く", "設定変更をする",
             "バージョン情報", "ミニサイズで運転する", "ヘルプを読む", "アプリケーションの終了"]
SCENARIOS = {f.__name__: f for f in (screen_reader, keyboard_only, tray_icon_menu,
                                     tray_menu_on_status_notifier)}
