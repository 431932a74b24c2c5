#!/usr/bin/env python3
"""Installs the build into a scratch prefix and starts the installed program the
ways a user does: through the launcher entry (in the home folder, as a desktop
does) and as `kemurina` on the PATH from another folder, each on a private
virtual X display. Each start must keep its two files in the one data folder,
$XDG_DATA_HOME/kemurina/kemurinadata or ~/.local/share/kemurina/kemurinadata,
and write no kemurinadata anywhere else.

    check_data_folder.py BUILD_DIR

Exits 77 (skipped) where Xvfb or xdotool is missing."""

import os, shlex, shutil, signal, subprocess, sys, tempfile, time  # noqa: E401
from pathlib import Path

FILES = ("initial.ini", "option.ini")


def launcher_argv(entry):
    """The Exec line of a desktop entry as a launcher runs it, field codes dropped."""
    for line in entry.read_text(encoding="utf-8").splitlines():
        if line.startswith("Exec="):
            return [a for a in shlex.split(line[len("Exec="):])
                    if not (len(a) == 2 and a[0] == "%")]
    raise AssertionError(f"{entry} has no Exec line")


def start_display():
    """A private Xvfb; it prints its number once it serves, or exits if the number is taken."""
    for number in range(300, 500):
        xvfb = subprocess.Popen(["Xvfb", f":{number}", "-displayfd", "1", "-screen", "0",
                                 "1024x768x24", "-nolisten", "tcp", "-noreset"],
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                start_new_session=True)
        if xvfb.stdout.readline().strip() == str(number).encode():
            return xvfb, f":{number}"
        xvfb.wait()
    raise RuntimeError("no free X display number")


def data_folders(root):
    return sorted(p for p in root.rglob("kemurinadata") if p.is_dir())


def run_case(case, prefix, display):
    root = Path(tempfile.mkdtemp(prefix="kemurina-data-folder-"))
    try:
        home, elsewhere, runtime = root / "home", root / "elsewhere", root / "runtime"
        for folder in (home, elsewhere):
            folder.mkdir()
        runtime.mkdir(mode=0o700)
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("XDG_", "QT_", "WAYLAND")) and k not in ("HOME", "PWD")}
        env.update(PATH=f"{prefix / 'bin'}:{env.get('PATH', '/usr/bin:/bin')}", DISPLAY=display,
                   XDG_RUNTIME_DIR=str(runtime), QT_QPA_PLATFORM="xcb", LANG="C.UTF-8",
                   HOME=str(home))
        for key, value in case["env"].items():
            if value is None:
                env.pop(key, None)
            else:
                env[key] = value.replace("ROOT", str(root))
        argv = list(case["argv"])
        argv[0] = shutil.which(argv[0], path=env["PATH"]) or argv[0]
        cwd = root / case["cwd"]
        before = sorted(root.rglob("*"))
        # A session of its own, so that a starter which waits beside the program
        # instead of handing over to it cannot leave the program running.
        program = subprocess.Popen(argv, cwd=cwd, env=env, stdout=subprocess.PIPE,
                                   stderr=subprocess.STDOUT, start_new_session=True)
        expected = case["data"]
        if expected is None:
            out = program.communicate(timeout=30)[0].decode(errors="replace")
            assert program.returncode == 1, f"exit status {program.returncode}, output {out!r}"
            assert "HOME" in out, f"the message does not name HOME: {out!r}"
            assert sorted(root.rglob("*")) == before, "it wrote something all the same"
            return
        data = root / expected / "kemurina"
        try:
            # Start-up writes both files before it opens any window.
            deadline = time.monotonic() + 30
            while not any(all((d / n).is_file() for n in FILES) for d in data_folders(root)):
                assert program.poll() is None, f"ended with status {program.returncode}"
                assert time.monotonic() < deadline, "no data files after 30 s"
                time.sleep(0.1)
            # The starter hands the process over to the program instead of waiting
            # beside it, so the launcher's process is the program itself.
            exe = Path(f"/proc/{program.pid}/exe").resolve()
            assert exe == prefix / "lib/kemurina/kemurina", f"the process runs {exe}"
            assert Path(f"/proc/{program.pid}/cwd").resolve() == data, "started elsewhere"
            found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                                    str(program.pid)], env=env, capture_output=True, timeout=30)
            assert found.returncode == 0 and found.stdout.strip(), "no window came up"
        finally:
            os.killpg(program.pid, signal.SIGKILL)
            out = program.communicate(timeout=10)[0].decode(errors="replace")
        for name in FILES:
            assert (data / "kemurinadata" / name).is_file(), f"no {name}; output {out!r}"
        assert data_folders(root) == [data / "kemurinadata"], \
            f"data folders: {[str(p.relative_to(root)) for p in data_folders(root)]}"
        assert (data.stat().st_mode & 0o777) == 0o700, f"{data} is mode {data.stat().st_mode:o}"
    finally:
        shutil.rmtree(root, ignore_errors=True)


def main():
    build = Path(sys.argv[1]).resolve()
    missing = [tool for tool in ("Xvfb", "xdotool") if not shutil.which(tool)]
    if missing:
        print(f"missing: {' '.join(missing)} (scripts/deps.sh test installs them)")
        return 77
    work = Path(tempfile.mkdtemp(prefix="kemurina-install-"))
    prefix = work / "prefix"
    try:
        subprocess.run(["cmake", "--install", str(build), "--prefix", str(prefix)],
                       stdout=subprocess.DEVNULL, check=True)
        from_launcher = launcher_argv(prefix / "share/applications/kemurina.desktop")
        cases = [
            dict(name="the launcher in the home folder", argv=from_launcher,
                 cwd="home", env={}, data="home/.local/share"),
            dict(name="the PATH starter from another folder", argv=["kemurina"],
                 cwd="elsewhere", env={}, data="home/.local/share"),
            dict(name="an absolute XDG_DATA_HOME", argv=["kemurina"],
                 cwd="elsewhere", env={"XDG_DATA_HOME": "ROOT/xdg"}, data="xdg"),
            dict(name="a relative XDG_DATA_HOME, ignored", argv=["kemurina"],
                 cwd="elsewhere", env={"XDG_DATA_HOME": "xdg"}, data="home/.local/share"),
            dict(name="the launcher with an empty XDG_DATA_HOME", argv=from_launcher,
                 cwd="home", env={"XDG_DATA_HOME": ""}, data="home/.local/share"),
            dict(name="no HOME and no XDG_DATA_HOME", argv=["kemurina"],
                 cwd="elsewhere", env={"HOME": None}, data=None),
        ]
        xvfb, display = start_display()
        failures = 0
        try:
            for case in cases:
                try:
                    run_case(case, prefix, display)
                    print(f"ok    {case['name']}")
                except (AssertionError, subprocess.TimeoutExpired) as error:
                    print(f"FAIL  {case['name']}: {error}")
                    failures += 1
        finally:
            os.killpg(xvfb.pid, signal.SIGTERM)
            xvfb.wait(timeout=10)
        return 1 if failures else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
