#!/usr/bin/python3
"""What a screen reader gets from the program over AT-SPI, as JSON on stdout.
atspi_reader.py start | windows | press WINDOW BUTTON
Runs under the system's Python, which has pyatspi (Debian package python3-pyatspi)."""

import json, sys, time  # noqa: E401

import pyatspi


def program(timeout=20):
    """The program's accessible application, once it has shown a window."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
            if app is not None and app.name == "kemurina" and app.childCount:
                return app
        time.sleep(0.2)
    raise SystemExit("the program never appeared on the accessibility bus")


def text_of(node):
    try:
        t = node.queryText()
    except NotImplementedError:
        return None
    return t.getText(0, t.characterCount)


def describe(node):
    """Role, name, text, focusability and label relations of a node, with its children."""
    labels = [r.getTarget(i).name for r in node.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
              for i in range(r.getNTargets())]
    return dict(role=node.getRoleName(), name=node.name, text=text_of(node), labelledBy=labels,
                focusable=node.getState().contains(pyatspi.STATE_FOCUSABLE),
                children=[describe(node.getChildAtIndex(i)) for i in range(node.childCount)])


def press(window, button):
    """Runs the first action of the named push button in the named window."""
    for w in (program().getChildAtIndex(i) for i in range(program().childCount)):
        if w.name != window:
            continue
        for b in (w.getChildAtIndex(i) for i in range(w.childCount)):
            if b.getRoleName() == "push button" and b.name == button:
                return b.queryAction().doAction(0)
    raise SystemExit(f"no button {button!r} in {window!r}")


if __name__ == "__main__":
    command, *args = sys.argv[1:]
    if command == "start":  # brings up the accessibility bus and its registry
        pyatspi.Registry.getDesktop(0)
        result = True
    elif command == "windows":
        app = program()
        result = [describe(app.getChildAtIndex(i)) for i in range(app.childCount)]
    else:
        result = press(*args)
    print(json.dumps(result, ensure_ascii=False))
