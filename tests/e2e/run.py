#!/usr/bin/env python3
"""End-to-end scenarios: the real program on a virtual X display, driven by mouse and keys.
run.py --list | --binary path/to/kemurina [--display-base N] SCENARIO; KEMURINA_E2E_KEEP=1
keeps the working folder, a failure also leaves a screenshot in ./e2e-failures/."""

import functools, sys, time  # noqa: E401
from pathlib import Path

sys.dont_write_bytecode = True  # the source folder stays clean
sys.path.insert(0, str(Path(__file__).resolve().parent))
import access_scenarios  # noqa: E402
from expected import *  # noqa: E402,F401,F403
from kemurina_e2e import (BOX_TITLE, COPY1, MAIN_EMPTY, MAIN_TITLE, MINI_EMPTY,  # noqa: E402
                          MINI_TITLE, SETTINGS_TITLE, SETUP_TITLE, WELCOME_TITLE, Session, Skip,
                          same)

# Design boxes (twips: left, top, width, height) and points of what the scenarios touch.
COPY2, SETTINGS_BUTTON = (960, 2950, 735, 300), (4800, 2950, 735, 300)
COPY, COPY_SHORT, TO_MINI, TO_MAIN, EXIT = 0, 1, 5, 6, 7  # pop-up menu items, from 0
SETUP_PER_DAY, SETUP_PRICE = (2040, 1080, 1215, 270), (2040, 1920, 1215, 270)
SETUP_LONG, SETUP_OK = (3870, 2760), (1440, 3120, 2295, 375)
WELCOME_START, SEASON_START = (1680, 2400, 2175, 495), (1560, 2760, 2295, 375)
WELCOME_LATER, WELCOME_NEXT_TIME = (720, 3000, 1935, 375), (2760, 3000, 2055, 375)
SETTINGS_PER_DAY, SETTINGS_SAVE = (2160, 2160, 855, 240), (120, 3000, 1095, 300)


def quit_from(s, program, window, point):
    s.popup_menu(window.at(*point), EXIT)
    same(program.wait(timeout=10), 0, "exit status")


def copy_main_and_mini(s):
    """Both copy commands from the main window's buttons and menu, then the mini window's."""
    s.write_files(initial(*QUIT), option(copy_plus=2))
    s.launch(NOW)
    main = s.wait_window(MAIN_TITLE)
    same(main.corner, (100, 80), "main window corner")
    s.copies(lambda: s.click(main.centre_of(*COPY1)), FULL_20_A_DAY, "コピ１")
    s.copies(lambda: s.click(main.centre_of(*COPY2)), SHORT_20_A_DAY, "コピ２")
    for window, point in ((main, MAIN_EMPTY), (None, MINI_EMPTY)):
        window = window or s.wait_window(MINI_TITLE, gone=MAIN_TITLE)
        s.copies(lambda: s.popup_menu(window.at(*point), COPY), FULL_20_A_DAY,
                 f"{window.name} コピーする (keys)")
        s.copies(lambda: s.popup_menu(window.at(*point), COPY_SHORT, click=True),
                 SHORT_20_A_DAY, f"{window.name} ツイッター用にコピー (clicked)")
        s.popup_menu(window.at(*point), TO_MINI if window is main else TO_MAIN)
    main = s.wait_window(MAIN_TITLE, gone=MINI_TITLE)
    s.copies(lambda: s.click(main.centre_of(*COPY1)), FULL_20_A_DAY, "コピ１ after mini")


def through_tray(s, window, point):
    """A double-click hides window into the tray; a click on its icon brings it back."""
    s.click(window.at(*point), repeat=2)
    s.wait_gone(window.name)
    s.restore_from_tray()
    same(s.wait_window(window.name).corner, window.corner, f"{window.name!r} back from the tray")


def tray_and_mini_restart(s):
    """Each window through the tray; quitting from the mini window keeps it across a restart."""
    s.write_files(initial(*QUIT), option())
    s.start_tray()
    for restart in (False, True):
        program = s.launch(NOW)
        if not restart:
            main = s.wait_window(MAIN_TITLE)
            s.tray_icons(0)
            through_tray(s, main, MAIN_EMPTY)
            s.popup_menu(main.at(*MAIN_EMPTY), TO_MINI)
        mini = s.wait_window(MINI_TITLE)
        same(mini.corner, (100, 80), f"mini window corner (restart: {restart})")
        through_tray(s, mini, MINI_EMPTY)
        assert not s.find(MAIN_TITLE), "the main window stays hidden behind the mini window"
        quit_from(s, program, mini, MINI_EMPTY)
        same(s.files(), (initial(*QUIT), option(mode=1, mini=(1500, 1200))),
             f"files after quitting from the mini window (restart: {restart})")


def no_tray_second_copy(s):
    """No tray: a double-click keeps the window; a second copy is refused, the first runs on."""
    files = (initial(2024, 5, 1, 12, 0), option(copy_plus=1))
    s.write_files(*files)
    first = s.launch((2024, 5, 11, 12, 0))
    main = s.wait_window(MAIN_TITLE)
    s.click(main.at(*MAIN_EMPTY), repeat=2)
    time.sleep(1.0)
    assert s.find(MAIN_TITLE), "the main window vanished with no tray to bring it back"
    second = s.launch((2024, 5, 11, 12, 0))
    s.wait_window(BOX_TITLE)
    assert second.poll() is None, "the second copy waits on its message box"
    s.dismiss_box()
    same(second.wait(timeout=10), 0, "the second copy's exit status")
    assert first.poll() is None, "the first copy is still running"
    same(s.files(), files, "files after the refused start")
    s.copies(lambda: s.click(main.centre_of(*COPY1)), FULL_CARTON, "コピ１")
    s.copies(lambda: s.click(main.centre_of(*COPY2)), SHORT_CARTON, "コピ２")
    quit_from(s, first, main, MAIN_EMPTY)


def set_up(s, per_day, price, long_size=False):
    """Fills the setup window and presses 設定する."""
    setup = s.wait_window(SETUP_TITLE)
    s.replace_text(setup.centre_of(*SETUP_PER_DAY), per_day)
    s.replace_text(setup.centre_of(*SETUP_PRICE), price)
    if long_size:
        s.click(setup.at(*SETUP_LONG))
    s.click(setup.centre_of(*SETUP_OK))


def first_start(s):
    """No files: a bad figure, declined twice (start-up's files only, asked again), then started."""
    start_files = (initial(2024, 6, 1, 12, 0), START_UP_OPTION)
    program = s.launch((2024, 6, 1, 12, 0))
    set_up(s, "0", "320")  # 0 a day is out of range
    s.dismiss_box()
    same(s.files(), start_files, "files written by start-up")
    for minute, button in ((0, WELCOME_LATER), (5, WELCOME_NEXT_TIME)):
        program = s.launch((2024, 6, 1, 12, minute)) if minute else program
        set_up(s, "20", "300")
        s.click(s.wait_window(WELCOME_TITLE).centre_of(*button))
        same(program.wait(timeout=10), 0, "exit status after declining")
        same(s.files(), start_files, "files after declining")

    start_quitting(s, (2024, 6, 1, 12, 10), figures=("25", "320", True), expected=(25, 320, 100))


def start_quitting(s, moment, figures=("20", "300"), expected=(), greeting=None):
    """Set up, started from the welcome (and the greeting, before which nothing is written):
    the main window opens at the last one's corner and both files are written."""
    program = s.launch(moment)
    set_up(s, *figures)
    last = s.wait_window(WELCOME_TITLE, gone=SETUP_TITLE)
    s.click(last.centre_of(*WELCOME_START))
    if greeting:
        last = s.wait_window(greeting, gone=WELCOME_TITLE)
        same(s.files(), (initial(*moment), START_UP_OPTION), "files while the greeting shows")
        s.click(last.centre_of(*SEASON_START))
    main = s.wait_window(MAIN_TITLE, gone=last.name)
    same(main.corner, last.corner, f"main window at the corner of {last.name!r}")
    same(s.files(), (initial(*moment, *expected), option(**last.twips)), "files after the start")
    quit_from(s, program, main, MAIN_EMPTY)


def settings_bad_then_good(s):
    """A bad value writes nothing; a good save writes both files and shows the new figures."""
    s.write_files(initial(*QUIT), option(copy_plus=1))
    program = s.launch(NOW)
    s.click(s.wait_window(MAIN_TITLE).centre_of(*SETTINGS_BUTTON))
    dialog = s.wait_window(SETTINGS_TITLE, gone=MAIN_TITLE)
    s.replace_text(dialog.centre_of(*SETTINGS_PER_DAY), "0")
    s.click(dialog.centre_of(*SETTINGS_SAVE))
    s.dismiss_box()
    assert s.find(SETTINGS_TITLE), "the dialog stays open after a bad value"
    same(s.files(), (initial(*QUIT), option(copy_plus=1)), "files after a bad value")

    s.replace_text(dialog.centre_of(*SETTINGS_PER_DAY), "40")
    s.click(dialog.centre_of(*SETTINGS_SAVE))
    main = s.wait_window(MAIN_TITLE, gone=SETTINGS_TITLE)
    same(main.corner, dialog.corner, "main window at the dialog's corner")
    same(s.files(), (initial(*QUIT, per_day=40), option(copy_plus=1, **dialog.twips)),
         "files after saving")
    s.copies(lambda: s.click(main.centre_of(*COPY1)), FULL_40_A_DAY, "コピ１ after saving 40 a day")
    quit_from(s, program, main, MAIN_EMPTY)


SCENARIOS = {f.__name__: f for f in (copy_main_and_mini, tray_and_mini_restart, no_tray_second_copy,
                                     first_start, settings_bad_then_good)}
for name, moment, title in (("season_christmas_eve", (2024, 12, 24, 20, 0), "クリスマスイブ - hkrsoft"),
                            ("season_christmas", (2024, 12, 25, 9, 30), "メリークリスマス - hkrsoft"),
                            ("season_new_year", (2025, 1, 2, 8, 0), "謹賀新年 - hkrsoft")):
    SCENARIOS[name] = functools.partial(start_quitting, moment=moment, greeting=title)
import session_end  # noqa: E402  (its scenarios reuse the helpers above)
SCENARIOS.update(session_end.scenarios(sys.modules[__name__]))
SCENARIOS.update(access_scenarios.SCENARIOS)  # screen reader, keyboard and tray menu

if __name__ == "__main__":
    *options, name = sys.argv[1:]
    if name == "--list":
        sys.exit(print("\n".join(SCENARIOS)))
    options = dict(zip(options[::2], options[1::2]))
    try:
        with Session(name, options["--binary"], int(options.get("--display-base", 100))) as s:
            SCENARIOS[name](s)
    except Skip as why:
        print(f"SKIPPED {name}: {why}")
        sys.exit(77)
    print(f"PASSED {name}")  # a failure ends in its traceback, with status 1
