"""The program in a real X session, seen and driven as a pupil would.

Every input is an X input event sent with xdotool. Windows are found with
xdotool and measured with xwininfo; what a box says and where a control
stands are read over AT-SPI, as a screen reader reads them.
"""

import os
import re
import subprocess
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

MAIN_TITLE = "Ionvale,1st Edition"
BOX_TITLE = "IONVAL~1"


def run(*args, check=True):
    return subprocess.run(args, check=check, capture_output=True, text=True).stdout


def xdotool(*args):
    return run("xdotool", *[str(a) for a in args], check=False)


def visible_windows(title):
    """The ids of the visible windows with exactly this title."""
    out = xdotool("search", "--onlyvisible", "--name", "^" + re.escape(title) + "$")
    return [int(line) for line in out.split()]


def window_rect(window):
    """The window's client area on the screen: x, y, width, height."""
    info = run("xwininfo", "-id", str(window))
    values = {}
    for key, label in (("x", "Absolute upper-left X"), ("y", "Absolute upper-left Y"),
                       ("w", "Width"), ("h", "Height")):
        values[key] = int(re.search(label + r":\s+(-?\d+)", info).group(1))
    return values["x"], values["y"], values["w"], values["h"]


def wait_until(condition, timeout=5.0, what="a condition"):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        result = condition()
        if result:
            return result
        time.sleep(0.02)
    raise AssertionError("timed out waiting for " + what)


class Program:
    """The program, started in the current X session."""

    def __init__(self, path, env=None, wrapper=()):
        environment = dict(os.environ)
        environment["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        environment.pop("QT_QPA_PLATFORM", None)
        environment.update(env or {})
        self.stderr_path = "/tmp/ionvale-e2e-stderr-%d" % os.getpid()
        self.process = subprocess.Popen(list(wrapper) + [path], env=environment,
                                        stdout=subprocess.DEVNULL, stderr=open(self.stderr_path, "w"))
        try:
            self.window = wait_until(lambda: visible_windows(MAIN_TITLE), 10, "the main window")[0]
        except AssertionError:
            shown = self.titles()
            self.stop()
            raise AssertionError("no window titled %r came up; the windows shown were %r"
                                 % (MAIN_TITLE, shown)) from None
        self._app = None

    # The process.
    def alive(self):
        return self.process.poll() is None

    def resident_kib(self):
        with open("/proc/%d/status" % self.pid()) as status:
            return int(re.search(r"VmRSS:\s+(\d+)", status.read()).group(1))

    def pid(self):
        # Under a wrapper (strace) the program is the wrapper's child.
        out = run("xdotool", "getwindowpid", str(self.window), check=False).strip()
        return int(out) if out else self.process.pid

    def wait(self, timeout):
        return self.process.wait(timeout=timeout)

    def stop(self):
        if self.alive():
            self.process.kill()
            self.process.wait()

    # Windows.
    def rect(self):
        return window_rect(self.window)

    def boxes(self):
        return visible_windows(BOX_TITLE)

    def screenshot(self, path):
        run("import", "-window", "root", path)

    # Input.
    def click_at(self, x, y):
        xdotool("mousemove", "--sync", x, y, "click", 1)

    def click(self, control):
        x, y, w, h = self.extents(control)
        self.click_at(x + w // 2, y + h // 2)

    def key(self, *keys):
        xdotool("key", "--delay", 30, *keys)

    def focus(self, window=None):
        xdotool("windowactivate", "--sync", window or self.window)

    # What the program shows, read over accessibility.
    def application(self):
        if self._app is None:
            def find():
                desktop = Atspi.get_desktop(0)
                for i in range(desktop.get_child_count()):
                    app = desktop.get_child_at_index(i)
                    if app is not None and app.get_process_id() == self.pid():
                        return app
                return None
            self._app = wait_until(find, 10, "the program on the accessibility bus")
        return self._app

    def find(self, role, name=None, root=None):
        """The first object with this role (and name), depth first; None if
        there is none, or if objects vanished (or were not there yet) while
        the tree was read."""
        def search(node):
            if node is None:
                return None
            if node.get_role_name() == role and (name is None or node.get_name() == name):
                return node
            for i in range(node.get_child_count()):
                found = search(node.get_child_at_index(i))
                if found is not None:
                    return found
            return None
        try:
            return search(root or self.application())
        except GLib.Error:
            return None

    def extents(self, control):
        if isinstance(control, str):
            control = self.find("push button", control) or self.find("menu item", control)
            assert control is not None, "no control named %r" % control
        rect = control.get_extents(Atspi.CoordType.SCREEN)
        return rect.x, rect.y, rect.width, rect.height

    def alerts(self):
        """The message boxes on the accessibility bus, with their texts. For
        a moment a closing box may be listed beside the next one."""
        found = []
        try:
            app = self.application()
            for i in range(app.get_child_count()):
                alert = app.get_child_at_index(i)
                if alert is None or alert.get_role_name() != "alert" or alert.get_name() != BOX_TITLE:
                    continue
                labels = [alert.get_child_at_index(j) for j in range(alert.get_child_count())]
                texts = [label.get_name() for label in labels
                         if label is not None and label.get_role_name() == "label" and label.get_name()]
                if texts:
                    found.append((alert, texts[0]))
        except GLib.Error:
            pass  # an object vanished while it was read
        return found

    def alert_text(self):
        """The text of the message box open now, or None."""
        alerts = self.alerts()
        return alerts[-1][1] if alerts else None

    def box_text(self):
        """The text of the open message box, once it can be read."""
        return wait_until(self.alert_text, 5, "a message box's text")

    def next_box(self, previous=None):
        """Waits until exactly one box is open, other than `previous`;
        returns its window and its text."""
        def one_new_box():
            boxes = self.boxes()
            return boxes if len(boxes) == 1 and boxes[0] != previous else None
        try:
            box = wait_until(one_new_box, 5, "a message box")[0]
        except AssertionError:
            raise AssertionError("expected one new box titled %s; saw %d such boxes (%s), windows shown: %r"
                                 % (BOX_TITLE, len(self.boxes()), "the same as before" if self.boxes() == [previous]
                                    else "new", self.titles())) from None
        return box, self.box_text()

    def titles(self):
        return [run("xdotool", "getwindowname", str(w), check=False).strip()
                for w in xdotool("search", "--onlyvisible", "--name", ".").split()]

    def answer(self, box, key="Return"):
        """Dismisses `box` with `key`; returns the next box and its text."""
        self.key(key)
        return self.next_box(box)

    def answer_last(self, key="Return"):
        """Dismisses the last box with `key` and waits until none is open."""
        self.key(key)
        wait_until(lambda: not self.boxes(), 5, "the last box to close")

    def ok_button(self):
        alert = self.find("alert", BOX_TITLE)
        return self.find("push button", "OK", root=alert)


def expect(condition, message):
    if not condition:
        raise AssertionError(message)


def run_tests(tests):
    """Runs each (name, function) and prints a closing count line."""
    passed = failed = 0
    for name, test in tests:
        started = time.monotonic()
        try:
            test()
        except Exception as error:  # a failure is reported, the rest still run
            if os.environ.get("IONVALE_E2E_TRACEBACK"):
                import traceback
                traceback.print_exc()
            failed += 1
            print("FAIL  %s: %s" % (name, error), flush=True)
        else:
            passed += 1
            print("PASS  %s (%.1f s)" % (name, time.monotonic() - started), flush=True)
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0
