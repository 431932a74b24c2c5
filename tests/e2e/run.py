#!/usr/bin/env python3
"""End-to-end scenarios: the real program on a virtual X display, driven by
mouse and keyboard.

    run.py --binary path/to/kemurina SCENARIO     run one scenario
    run.py --list                                 name every scenario

KEMURINA_E2E_KEEP=1 keeps each scenario's working folder for a look
afterwards. A failing scenario leaves a screenshot in e2e-failures/ under the
current folder."""

import argparse
import sys
import time
import traceback
from pathlib import Path

# The helpers are imported from the source folder, which stays clean.
sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))

import expected  # noqa: E402
from kemurina_e2e import (BOX_TITLE, MAIN_TITLE, MINI_TITLE, SETTINGS_TITLE,  # noqa: E402
                          SETUP_TITLE, WELCOME_TITLE, Session, Skip, check,
                          check_equal, initial_bytes, option_bytes, parse_option_bytes,
                          wait_exit)

SCENARIOS = {}


def scenario(func):
    SCENARIOS[func.__name__] = func
    return func


# Design positions (twips: left, top, width, height) of what the scenarios touch.
COPY1 = (120, 2950, 735, 300)
COPY2 = (960, 2950, 735, 300)
SETTINGS_BUTTON = (4800, 2950, 735, 300)
MAIN_EMPTY = (4500, 1200)  # the lungs: shapes take no mouse events
MINI_EMPTY = (60, 60)      # the margin left of and above the text
MAIN_MENU_ITEMS = 8        # コピーする … アプリケーションの終了
MINI_MENU_ITEMS = 8
MAIN_ITEM = dict(copy=0, copy2=1, mini=5, exit=7)
MINI_ITEM = dict(copy=0, copy2=1, main=6, exit=7)

SETUP_PER_DAY = (2040, 1080, 1215, 270)
SETUP_PRICE = (2040, 1920, 1215, 270)
SETUP_LONG = (3720, 2640)
SETUP_OK = (1440, 3120, 2295, 375)
WELCOME_START = (1680, 2400, 2175, 495)
WELCOME_LATER = (720, 3000, 1935, 375)
WELCOME_NEXT_TIME = (2760, 3000, 2055, 375)
SEASON_START = (1560, 2760, 2295, 375)
SETTINGS_PER_DAY = (2160, 2160, 855, 240)
SETTINGS_SAVE = (120, 3000, 1095, 300)

# A smoker set up and running: quit at 13:05 on 24 April 2024, 20 a day.
QUIT = "2024-04-24 13:05"
NOW = "2024-05-14 16:20"  # 20 days, 3 hours, 15 minutes later


def prepared(session, **options):
    session.write_files(initial_bytes(2024, 4, 24, 13, 5),
                        option_bytes(**dict(dict(SetupDone=1, MainLeft=1500, MainTop=1200),
                                            **options)))


def clock(moment):
    return moment + ":00"


def twips(v):
    return v * 15


def dismiss_box(session, box):
    """OK on a message box: the pointer goes over it (where the keys go with
    no window manager), then Return."""
    session.x("xdotool", "mousemove", str(box.x + box.width // 2),
              str(box.y + box.height // 2))
    session.key("Return")


# ---- clipboard summaries -------------------------------------------------

@scenario
def copy_main(s):
    """コピ１ and コピ２, from the buttons and from the right-click menu."""
    prepared(s, CopyPlusMode=2)
    s.launch(clock(NOW))
    main = s.wait_window(MAIN_TITLE)
    check_equal((main.x, main.y), (100, 80), "main window corner")
    full, short = expected.summaries(expected.at(QUIT), expected.at(NOW), copy_plus=2,
                                     rank="大佐", name="ピーナッツ投げ世界記録")

    check_equal(s.copied_by(lambda: s.click(main.centre_of(*COPY1))), full, "コピ１")
    check_equal(s.copied_by(lambda: s.click(main.centre_of(*COPY2))), short, "コピ２")
    empty = main.at(*MAIN_EMPTY)
    check_equal(s.copied_by(lambda: s.popup_menu(empty, MAIN_ITEM["copy"], MAIN_MENU_ITEMS)),
                full, "コピーする (menu, keyboard)")
    check_equal(s.copied_by(lambda: s.popup_menu(empty, MAIN_ITEM["copy2"], MAIN_MENU_ITEMS,
                                                 by_keyboard=False)),
                short, "ツイッター用にコピー (menu, clicked)")
    check(full.count(b"\r\n") == 5 and not full.endswith(b"\r\n"), "full summary line ends")


@scenario
def copy_mini(s):
    """The mini window's copy items give the same texts, its label shows them."""
    s.write_files(initial_bytes(2024, 5, 1, 12, 0),
                  option_bytes(SetupDone=1, CopyPlusMode=1, MainLeft=1500, MainTop=1200))
    now = "2024-05-11 12:00"  # ten days: a whole carton
    s.launch(clock(now))
    main = s.wait_window(MAIN_TITLE)
    s.popup_menu(main.at(*MAIN_EMPTY), MAIN_ITEM["mini"], MAIN_MENU_ITEMS)
    mini = s.wait_window(MINI_TITLE)
    s.wait_gone(MAIN_TITLE)
    full, short = expected.summaries(expected.at("2024-05-01 12:00"), expected.at(now),
                                     copy_plus=1, rank="少尉", name="シャア専用ザク")
    check(b"1\xe3\x82\xab\xe3\x83\xbc\xe3\x83\x88\xe3\x83\xb3 17" in full, "carton form expected")
    empty = mini.at(*MINI_EMPTY)
    check_equal(s.copied_by(lambda: s.popup_menu(empty, MINI_ITEM["copy"], MINI_MENU_ITEMS)),
                full, "mini コピーする")
    check_equal(s.copied_by(lambda: s.popup_menu(empty, MINI_ITEM["copy2"], MINI_MENU_ITEMS,
                                                 by_keyboard=False)),
                short, "mini ツイッター用にコピー")
    # Back to the main window, whose buttons copy the same.
    s.popup_menu(empty, MINI_ITEM["main"], MINI_MENU_ITEMS)
    main = s.wait_window(MAIN_TITLE)
    s.wait_gone(MINI_TITLE)
    check_equal(s.copied_by(lambda: s.click(main.centre_of(*COPY1))), full, "コピ１ after mini")


# ---- the notification area -----------------------------------------------

def wait_icons(s, panel, count, timeout=10):
    deadline = time.monotonic() + timeout
    while True:
        icons = s.tray_icons(panel)
        if len(icons) == count:
            return icons
        if time.monotonic() > deadline:
            raise AssertionError(f"expected {count} tray icon(s), found {icons}")
        time.sleep(0.1)


def click_icon(s, icon):
    x, y, w, h = icon
    s.click((x + w // 2, y + h // 2))


@scenario
def tray_hide_restore(s):
    """A double-click on empty space hides into the tray; a click on the icon
    brings the same window back and removes the icon."""
    prepared(s)
    panel = s.start_tray()
    s.launch(clock(NOW))
    main = s.wait_window(MAIN_TITLE)
    wait_icons(s, panel, 0)

    s.click(main.at(*MAIN_EMPTY), repeat=2)
    s.wait_gone(MAIN_TITLE)
    icon, = wait_icons(s, panel, 1)
    click_icon(s, icon)
    again = s.wait_window(MAIN_TITLE)
    check_equal((again.x, again.y), (main.x, main.y), "restored main window corner")
    wait_icons(s, panel, 0)

    # The mini window hides and comes back the same way, on its own.
    s.popup_menu(again.at(*MAIN_EMPTY), MAIN_ITEM["mini"], MAIN_MENU_ITEMS)
    mini = s.wait_window(MINI_TITLE)
    s.click(mini.at(*MINI_EMPTY), repeat=2)
    s.wait_gone(MINI_TITLE)
    icon, = wait_icons(s, panel, 1)
    click_icon(s, icon)
    s.wait_window(MINI_TITLE)
    wait_icons(s, panel, 0)
    check(not s.find(MAIN_TITLE), "the main window stays hidden behind the mini window")


@scenario
def tray_missing_keeps_window(s):
    """With no notification area the double-click does not hide the window."""
    prepared(s)
    s.launch(clock(NOW))
    main = s.wait_window(MAIN_TITLE)
    s.click(main.at(*MAIN_EMPTY), repeat=2)
    time.sleep(1.0)
    check(bool(s.find(MAIN_TITLE)), "the main window vanished with no tray to bring it back")
    # Still working: a copy goes through.
    text = s.copied_by(lambda: s.click(main.centre_of(*COPY1)))
    check(text.startswith("ステータス： 大佐\r\n".encode()), f"copy after double-click: {text!r}")


# ---- mini mode across a restart --------------------------------------------

@scenario
def mini_mode_restart(s):
    """Switch to mini, quit from its menu, start again: the mini window comes
    back at its place and option.ini holds the mode and both corners."""
    prepared(s)
    program = s.launch(clock(NOW))
    main = s.wait_window(MAIN_TITLE)
    s.popup_menu(main.at(*MAIN_EMPTY), MAIN_ITEM["mini"], MAIN_MENU_ITEMS)
    mini = s.wait_window(MINI_TITLE)
    # The first switch puts the mini window at the main window's corner.
    check_equal((mini.x, mini.y), (main.x, main.y), "mini window corner after the first switch")
    s.popup_menu(mini.at(*MINI_EMPTY), MINI_ITEM["exit"], MINI_MENU_ITEMS)
    check_equal(wait_exit(program), 0, "exit status")
    check_equal(s.read("option.ini"),
                option_bytes(SetupDone=1, MainLeft=1500, MainTop=1200, WindowMode=1,
                             MiniLeft=1500, MiniTop=1200),
                "option.ini after quitting from the mini window")
    check_equal(s.read("initial.ini"), initial_bytes(2024, 4, 24, 13, 5), "initial.ini")

    program = s.launch(clock(NOW))
    mini = s.wait_window(MINI_TITLE)
    check_equal((mini.x, mini.y), (100, 80), "mini window corner after the restart")
    time.sleep(0.5)
    check(not s.find(MAIN_TITLE), "only the mini window shows after the restart")
    s.popup_menu(mini.at(*MINI_EMPTY), MINI_ITEM["exit"], MINI_MENU_ITEMS)
    check_equal(wait_exit(program), 0, "exit status after the restart")
    check_equal(parse_option_bytes(s.read("option.ini"))["WindowMode"], 1, "WindowMode")


# ---- one copy at a time ----------------------------------------------------

@scenario
def second_copy_refused(s):
    """A second copy shows its message box and ends; the first runs on."""
    prepared(s)
    first = s.launch(clock(NOW))
    main = s.wait_window(MAIN_TITLE)
    files = (s.read("initial.ini"), s.read("option.ini"))

    second = s.launch(clock(NOW))
    box = s.wait_window(BOX_TITLE)
    check(second.poll() is None, "the second copy waits on its message box")
    dismiss_box(s, box)
    check_equal(wait_exit(second), 0, "the second copy's exit status")
    check(not s.find(BOX_TITLE), "the message box went with the second copy")
    check(first.poll() is None, "the first copy is still running")
    check_equal((s.read("initial.ini"), s.read("option.ini")), files,
                "files after the refused start")
    # The first copy still answers.
    text = s.copied_by(lambda: s.click(main.centre_of(*COPY1)))
    check(text.startswith("ステータス： ".encode()), "the first copy still copies")
    s.popup_menu(main.at(*MAIN_EMPTY), MAIN_ITEM["exit"], MAIN_MENU_ITEMS)
    check_equal(wait_exit(first), 0, "the first copy's exit status")


# ---- first start -------------------------------------------------------------

def fill_setup(s, per_day, price, long_size=False):
    setup = s.wait_window(SETUP_TITLE)
    s.replace_text(setup.centre_of(*SETUP_PER_DAY), per_day)
    s.replace_text(setup.centre_of(*SETUP_PRICE), price)
    if long_size:
        s.click(setup.at(SETUP_LONG[0] + 150, SETUP_LONG[1] + 120))
    return setup


@scenario
def first_start_setup(s):
    """No files: setup, welcome, then the main window at the welcome's corner;
    both files hold the figures, the moment and SetupDone 1."""
    program = s.launch(clock("2024-06-01 12:00"))
    setup = fill_setup(s, "0", "320")
    s.click(setup.centre_of(*SETUP_OK))
    box = s.wait_window(BOX_TITLE)  # 0 a day is out of range
    dismiss_box(s, box)
    s.wait_gone(BOX_TITLE)
    check_equal(parse_option_bytes(s.read("option.ini"))["SetupDone"], 0, "SetupDone while set up")

    setup = fill_setup(s, "25", "320", long_size=True)
    s.click(setup.centre_of(*SETUP_OK))
    welcome = s.wait_window(WELCOME_TITLE)
    s.wait_gone(SETUP_TITLE)
    s.click(welcome.centre_of(*WELCOME_START))
    main = s.wait_window(MAIN_TITLE)
    s.wait_gone(WELCOME_TITLE)
    check_equal((main.x, main.y), (welcome.x, welcome.y), "main window at the welcome's corner")

    initial = s.read("initial.ini")
    check(initial in (initial_bytes(2024, 6, 1, 12, 0, 25, 320, 100),
                      initial_bytes(2024, 6, 1, 12, 1, 25, 320, 100)),
          f"initial.ini after the start: {initial!r}")
    check_equal(s.read("option.ini"),
                option_bytes(SetupDone=1, MainLeft=twips(welcome.x), MainTop=twips(welcome.y)),
                "option.ini after the start")
    s.popup_menu(main.at(*MAIN_EMPTY), MAIN_ITEM["exit"], MAIN_MENU_ITEMS)
    check_equal(wait_exit(program), 0, "exit status")


@scenario
def first_start_declined(s):
    """Declining writes nothing beyond the start-up defaults; the next start
    asks again."""
    program = s.launch(clock("2024-06-01 12:00"))
    setup = fill_setup(s, "20", "300")
    start_files = (s.read("initial.ini"), s.read("option.ini"))
    check_equal(start_files[1], option_bytes(), "option.ini written by start-up")
    s.click(setup.centre_of(*SETUP_OK))
    welcome = s.wait_window(WELCOME_TITLE)
    s.click(welcome.centre_of(*WELCOME_LATER))
    check_equal(wait_exit(program), 0, "exit status after もう少し考える")
    check_equal((s.read("initial.ini"), s.read("option.ini")), start_files,
                "files after declining")

    program = s.launch(clock("2024-06-01 12:05"))
    setup = fill_setup(s, "20", "300")
    s.click(setup.centre_of(*SETUP_OK))
    welcome = s.wait_window(WELCOME_TITLE)
    s.click(welcome.centre_of(*WELCOME_NEXT_TIME))
    check_equal(wait_exit(program), 0, "exit status after また次の機会にする")
    check_equal((s.read("initial.ini"), s.read("option.ini")), start_files,
                "files after declining twice")


def seasonal(s, moment, title):
    program = s.launch(clock(moment))
    setup = fill_setup(s, "20", "300")
    s.click(setup.centre_of(*SETUP_OK))
    welcome = s.wait_window(WELCOME_TITLE)
    before = (s.read("initial.ini"), s.read("option.ini"))
    s.click(welcome.centre_of(*WELCOME_START))
    greeting = s.wait_window(title)
    s.wait_gone(WELCOME_TITLE)
    check_equal((s.read("initial.ini"), s.read("option.ini")), before,
                "files while the greeting shows")
    s.click(greeting.centre_of(*SEASON_START))
    main = s.wait_window(MAIN_TITLE)
    s.wait_gone(title)
    check_equal((main.x, main.y), (greeting.x, greeting.y), "main window at the greeting's corner")
    day = expected.at(moment)
    check(s.read("initial.ini") in (
        initial_bytes(day.year, day.month, day.day, day.hour, day.minute),
        initial_bytes(day.year, day.month, day.day, day.hour, day.minute + 1)),
        f"initial.ini after the greeting: {s.read('initial.ini')!r}")
    options = parse_option_bytes(s.read("option.ini"))
    check_equal(options["SetupDone"], 1, "SetupDone after the greeting")
    s.popup_menu(main.at(*MAIN_EMPTY), MAIN_ITEM["exit"], MAIN_MENU_ITEMS)
    check_equal(wait_exit(program), 0, "exit status")


@scenario
def season_christmas_eve(s):
    seasonal(s, "2024-12-24 20:00", "クリスマスイブ - hkrsoft")


@scenario
def season_christmas(s):
    seasonal(s, "2024-12-25 09:30", "メリークリスマス - hkrsoft")


@scenario
def season_new_year(s):
    seasonal(s, "2025-01-02 08:00", "謹賀新年 - hkrsoft")


# ---- the settings dialog -----------------------------------------------------

@scenario
def settings_bad_then_good(s):
    """A value out of range gives the message and writes nothing; a good save
    writes both files and the main window shows the new figures."""
    prepared(s, CopyPlusMode=1)
    program = s.launch(clock(NOW))
    main = s.wait_window(MAIN_TITLE)
    s.click(main.centre_of(*SETTINGS_BUTTON))
    dialog = s.wait_window(SETTINGS_TITLE)
    s.wait_gone(MAIN_TITLE)
    before = (s.read("initial.ini"), s.read("option.ini"))

    s.replace_text(dialog.centre_of(*SETTINGS_PER_DAY), "0")
    s.click(dialog.centre_of(*SETTINGS_SAVE))
    box = s.wait_window(BOX_TITLE)
    dismiss_box(s, box)
    s.wait_gone(BOX_TITLE)
    check(bool(s.find(SETTINGS_TITLE)), "the dialog stays open after a bad value")
    check_equal((s.read("initial.ini"), s.read("option.ini")), before, "files after a bad value")

    s.replace_text(dialog.centre_of(*SETTINGS_PER_DAY), "40")
    s.click(dialog.centre_of(*SETTINGS_SAVE))
    main = s.wait_window(MAIN_TITLE)
    s.wait_gone(SETTINGS_TITLE)
    check_equal(s.read("initial.ini"), initial_bytes(2024, 4, 24, 13, 5, per_day=40),
                "initial.ini after saving")
    check_equal(s.read("option.ini"),
                option_bytes(SetupDone=1, CopyPlusMode=1, MainLeft=twips(dialog.x),
                             MainTop=twips(dialog.y)),
                "option.ini after saving")
    check_equal((main.x, main.y), (dialog.x, dialog.y), "main window at the dialog's corner")
    full, _ = expected.summaries(expected.at(QUIT), expected.at(NOW), per_day=40, copy_plus=1,
                                 rank="大佐", name="ガラタ塔")
    check_equal(s.copied_by(lambda: s.click(main.centre_of(*COPY1))), full,
                "コピ１ after saving 40 a day")
    s.popup_menu(main.at(*MAIN_EMPTY), MAIN_ITEM["exit"], MAIN_MENU_ITEMS)
    check_equal(wait_exit(program), 0, "exit status")


# ---- runner ------------------------------------------------------------------

def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--binary", help="the built kemurina program")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--display-base", type=int, default=100)
    parser.add_argument("name", nargs="?")
    args = parser.parse_args()
    if args.list:
        print("\n".join(SCENARIOS))
        return 0
    if not args.binary or args.name not in SCENARIOS:
        parser.error("give --binary and one of: " + ", ".join(SCENARIOS))

    started = time.monotonic()
    try:
        with Session(args.name, args.binary, args.display_base) as s:
            try:
                SCENARIOS[args.name](s)
            except Exception:
                shots = Path.cwd() / "e2e-failures"
                shots.mkdir(exist_ok=True)
                s.screenshot(shots / f"{args.name}.png")
                print(f"visible windows: {s.windows()}", file=sys.stderr)
                print(f"programs: {s.program_states()}", file=sys.stderr)
                print(s.program_logs(), file=sys.stderr)
                print(f"screenshot: {shots / (args.name + '.png')}", file=sys.stderr)
                raise
    except Skip as why:
        print(f"SKIPPED {args.name}: {why}")
        return 77
    except Exception:
        traceback.print_exc()
        print(f"FAILED {args.name} after {time.monotonic() - started:.1f} s")
        return 1
    print(f"PASSED {args.name} in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
