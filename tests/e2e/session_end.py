"""Scenarios of a session that ends under the program, and of a folder it cannot write.
scenarios(run) gives them to run.py, whose helpers and design points they use."""

import functools, os, pwd, signal, time  # noqa: E401

from expected import initial, option
from kemurina_e2e import (BOX_TITLE, MAIN_TITLE, MINI_TITLE, SETUP_TITLE, WELCOME_TITLE, same,
                          wait_for)

VERSION = 4  # the main window's pop-up menu item バージョン情報, from 0


def main_moved(run, s):
    """The main window, moved to (300, 200) by the X server, not by the program."""
    main = s.wait_window(MAIN_TITLE)
    s.x("xdotool", "windowmove", main.id, "300", "200")
    moved = wait_for(lambda: [w for w in s.find(MAIN_TITLE) if w.corner == (300, 200)],
                     "the main window at (300, 200)")[0]
    time.sleep(0.3)  # the program learns its new place from the server's notice
    return moved, run.MAIN_EMPTY, option(left=4500, top=3000), None


def main_moved_box_open(run, s):
    """The main window moved, its version box waiting for OK (its own event loop)."""
    main, point, expected, _ = main_moved(run, s)
    s.popup_menu(main.at(*point), VERSION)
    s.wait_window(BOX_TITLE)
    return main, point, expected, s.dismiss_box


def mini_switched(run, s):
    """The mini window, switched to from the main window's menu."""
    main = s.wait_window(MAIN_TITLE)
    s.popup_menu(main.at(*run.MAIN_EMPTY), run.TO_MINI)
    mini = s.wait_window(MINI_TITLE, gone=MAIN_TITLE)
    return mini, run.MINI_EMPTY, option(mode=1, mini=(1500, 1200)), None


def ends_like_the_exit_item(run, s, sig, state):
    """Ended by sig, the program leaves the bytes that its exit item leaves, and ends by sig."""
    ends = {}
    for how in ("exit item", f"signal {sig.name}"):
        s.write_files(initial(*run.QUIT), option())
        program = s.launch(run.NOW)
        window, point, expected, before_exit = state(run, s)
        if how == "exit item":
            before_exit and before_exit()
            run.quit_from(s, program, window, point)
        else:
            program.send_signal(sig)
            same(program.wait(timeout=10), -sig, "the program ends by the signal")
        ends[how] = s.files()
        same(ends[how], (initial(*run.QUIT), expected), f"files after the {how}")
    same(ends[f"signal {sig.name}"], ends["exit item"], "files after the signal and the exit item")


def as_ordinary_user(s, *owned):
    """The prefix that runs the program as a user permissions bind, owning its runtime and home
    folders and owned; none when already one (to root every file is writable)."""
    if os.geteuid() != 0:
        return []
    nobody = pwd.getpwnam("nobody")
    for path in (s.work / "runtime", s.work / "home", *owned):
        os.chown(path, nobody.pw_uid, nobody.pw_gid)
    return ["setpriv", f"--reuid={nobody.pw_uid}", f"--regid={nobody.pw_gid}", "--clear-groups"]


def read_only_options_kept_on_exit(run, s):
    """option.ini made read-only by its user: the exit item's refused save is told in a box
    before the program ends, and the file keeps its bytes, mode and inode."""
    files = (initial(*run.QUIT), option())
    s.write_files(*files)
    options = s.data / "option.ini"
    prefix = as_ordinary_user(s, s.work, s.data, s.data / "initial.ini", options)
    options.chmod(0o444)
    inode = options.stat().st_ino
    program = s.launch(run.NOW, prefix)
    s.popup_menu(s.wait_window(MAIN_TITLE).at(*run.MAIN_EMPTY), run.EXIT)
    s.dismiss_box()
    same(program.wait(timeout=10), 0, "exit status after the refused save")
    same(s.files(), files, "files after the refused save")
    same((options.stat().st_ino, options.stat().st_mode & 0o777), (inode, 0o444),
         "option.ini's inode and mode")


def first_start_unwritable(run, s):
    """An ordinary user, a working folder they cannot write: the start button brings a message
    box, the welcome stays, nothing is written; then declined."""
    prefix = as_ordinary_user(s)
    s.work.chmod(0o555)
    try:
        program = s.launch((2024, 6, 1, 12, 0), prefix)
        run.set_up(s, "20", "300")
        welcome = s.wait_window(WELCOME_TITLE, gone=SETUP_TITLE)
        s.click(welcome.centre_of(*run.WELCOME_START))
        # The box's text (checked word for word by the window tests) is out of xdotool's reach.
        s.dismiss_box()
        assert s.find(WELCOME_TITLE), "the welcome stays after the failed start"
        same(s.files(), (None, None), "files in the unwritable folder")
        s.click(welcome.centre_of(*run.WELCOME_NEXT_TIME))
        same(program.wait(timeout=10), 0, "exit status after declining")
    finally:
        s.work.chmod(0o700)


def scenarios(run):
    return {
        "sigterm_after_moving_main": functools.partial(
            ends_like_the_exit_item, run, sig=signal.SIGTERM, state=main_moved),
        "sighup_in_mini": functools.partial(
            ends_like_the_exit_item, run, sig=signal.SIGHUP, state=mini_switched),
        "sigint_with_a_box_open": functools.partial(
            ends_like_the_exit_item, run, sig=signal.SIGINT, state=main_moved_box_open),
        "first_start_unwritable": functools.partial(first_start_unwritable, run),
        "read_only_options_kept_on_exit": functools.partial(read_only_options_kept_on_exit, run),
    }
