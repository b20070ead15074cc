"""Drives the desktop program the way a screen reader sees it: through AT-SPI.

The program runs under its own X server (xvfb-run) and, like this script, on a private
D-Bus session, so the tree read is the program's and nothing else's. Only single
properties are read (never Properties.GetAll, which Qt 6.4 does not survive).
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

_SESSION_MARK = "GRAHAVANI_ATSPI_SESSION"


def run_on_private_bus():
    """Re-runs this script inside dbus-run-session unless it already is."""
    if os.environ.get(_SESSION_MARK):
        return
    os.environ[_SESSION_MARK] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)


run_on_private_bus()

import pyatspi  # noqa: E402  (needs the private session bus set up above)

CONTROL_ROLES = {
    pyatspi.ROLE_COMBO_BOX: "combo box",
    pyatspi.ROLE_TEXT: "text box",
    pyatspi.ROLE_RADIO_BUTTON: "radio button",
    pyatspi.ROLE_CHECK_BOX: "check box",
    pyatspi.ROLE_PUSH_BUTTON: "push button",
}


class AtspiError(AssertionError):
    pass


def wait_for(what, probe, timeout=20.0, interval=0.2):
    """Calls probe until it returns something true; fails naming what was awaited."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            found = probe()
            if found:
                return found
        except Exception as error:  # the tree changes under us while windows open
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise AtspiError(f"timed out after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(interval)


def descendants(node):
    """Every node below node, depth first; nodes that vanish mid-walk are skipped."""
    try:
        count = node.childCount
    except Exception:
        return
    for index in range(count):
        try:
            child = node.getChildAtIndex(index)
        except Exception:
            continue
        if child is None:
            continue
        yield child
        # A list's entries are the list's business, not the window's controls.
        if child.getRole() not in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE):
            yield from descendants(child)


def find_all(within, role, name=None, where=lambda node: True):
    return [node for node in descendants(within)
            if node.getRole() == role and (name is None or node.name == name) and where(node)]


def labelled_by(name):
    """A test for find: true for a node that a label of this name labels (a value cell)."""
    def test(node):
        return any(relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                   and relation.getTarget(0).getRole() == pyatspi.ROLE_LABEL
                   and relation.getTarget(0).name == name
                   for relation in node.getRelationSet())
    return test


def find(within, role, name, timeout=10.0, where=lambda node: True):
    """The one node of this role and name (and where true), waiting for it to appear."""
    def probe():
        within.clearCache()
        matches = find_all(within, role, name, where)
        if len(matches) > 1:
            raise AtspiError(f"{len(matches)} nodes are named {name!r}")
        return matches[0] if matches else None
    return wait_for(f"{getattr(role, 'value_nick', role)} {name!r}", probe, timeout)


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        raise AtspiError(f"the {node.getRoleName()} {node.name!r} has no text to read") from None
    return text.getText(0, text.characterCount)


def set_text(node, value):
    if not node.queryEditableText().setTextContents(value):
        raise AtspiError(f"{node.name!r} refused the text {value!r}")
    wait_for(f"{node.name!r} to hold {value!r}", lambda: text_of(node) == value, 5.0)


def do_action(node, action):
    actions = node.queryAction()
    names = [actions.getName(index) for index in range(actions.nActions)]
    if action not in names:
        raise AtspiError(f"{node.name!r} offers {names}, not {action!r}")
    actions.doAction(names.index(action))


def press(node):
    do_action(node, "Press")


def pick(combo, entry):
    """Selects entry in a drop-down list through its popup list, then checks it took."""
    table = combo.getChildAtIndex(0).queryTable()
    for row in range(table.nRows):
        if table.getAccessibleAt(row, 0).name == entry:
            table.addRowSelection(row)
            wait_for(f"{combo.name!r} to show {entry!r}", lambda: text_of(combo) == entry, 5.0)
            return
    raise AtspiError(f"{combo.name!r} offers no entry {entry!r}")


def _program_display(app):
    """The X display and its key file the program draws on, from the program's environment."""
    with open(f"/proc/{app.get_process_id()}/environ", "rb") as file:
        entries = dict(entry.split(b"=", 1) for entry in file.read().split(b"\0") if b"=" in entry)
    return {name: entries[name.encode()].decode() for name in ("DISPLAY", "XAUTHORITY")
            if name.encode() in entries}


def type_into(app, node, text="", keys=()):
    """Types into a control with the keyboard, as a user does: a screen reader sets no keys."""
    environment = dict(os.environ, **_program_display(app))
    if not node.getState().contains(pyatspi.STATE_FOCUSED):
        # Without a window manager only a click gives a window the keyboard.
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2),
                        "click", "1"], env=environment, check=True)
        wait_for(f"{node.name!r} to take the focus",
                 lambda: node.getState().contains(pyatspi.STATE_FOCUSED), 5.0)
    if text:
        subprocess.run(["xdotool", "type", "--delay", "60", text], env=environment, check=True)
    for key in keys:
        time.sleep(0.3)
        subprocess.run(["xdotool", "key", key], env=environment, check=True)


def is_checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


class DesktopSession:
    """The program started under Xvfb with fresh settings, and its AT-SPI application."""

    def __init__(self, program, start_timeout=30.0):
        self.program = program
        self.start_timeout = start_timeout
        self.process = None
        self.app = None
        self.home = None

    def __enter__(self):
        self.home = tempfile.mkdtemp(prefix="grahavani-atspi-")
        config = os.path.join(self.home, "config")
        runtime = os.path.join(self.home, "runtime")
        os.mkdir(config)
        os.mkdir(runtime, 0o700)
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=config,
                           XDG_RUNTIME_DIR=runtime)
        self.process = subprocess.Popen(
            ["xvfb-run", "-a", "-s", "-screen 0 1280x900x24 -noreset", self.program],
            env=environment, start_new_session=True)
        try:
            self.app = wait_for("the program in the AT-SPI registry", self._registered,
                                self.start_timeout, 0.25)
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _registered(self):
        if self.process.poll() is not None:
            raise AtspiError(f"the program ended with status {self.process.returncode}")
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == os.path.basename(self.program):
                return app
        return None

    def __exit__(self, *exc):
        if self.process and self.process.poll() is None:
            # xvfb-run, its X server and the program share one process group.
            os.killpg(self.process.pid, signal.SIGTERM)
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait()
        if self.home:
            shutil.rmtree(self.home, ignore_errors=True)
        return False
