"""Drives the real vorn-scheduler on its own X server.

A Desktop starts Xvfb on a free display and openbox on it; a Program is one run of
vorn-scheduler on that display with its own home and settings folders. Input goes through
xdotool as real X events; pictures are taken with ImageMagick's import. Every wait is on a
condition with a generous deadline, so a loaded machine only makes a test slower.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

BIN_DIR = os.environ.get("VORN_BIN_DIR", "")
SOURCE_DIR = os.environ.get("VORN_SOURCE_DIR", "")
PICTURE_DIR = os.environ.get("VORN_PICTURE_DIR", "")

# Waits are generous: two cores running the whole suite, a web engine starting.
WAIT = float(os.environ.get("VORN_DESKTOP_WAIT", "60"))

SCREEN = (1280, 1024)


class DesktopError(AssertionError):
    pass


def wait_until(condition, what, timeout=WAIT, interval=0.1):
    """Calls condition until it gives something true; fails naming what was awaited."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise DesktopError("timed out waiting for " + what)
        time.sleep(interval)


def sample(name):
    return os.path.join(SOURCE_DIR, "samples", name)


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def file_stamp(path):
    """What changes when a file is written or replaced; None when there is no file."""
    try:
        st = os.stat(path)
    except FileNotFoundError:
        return None
    return st.st_ino, st.st_mtime_ns, st.st_size


def wait_written(path, before=None):
    """Waits until the file differs from the stamp taken before and reads as a whole XML document."""
    import xml.etree.ElementTree as ET

    def complete():
        if file_stamp(path) in (None, before):
            return False
        try:
            ET.fromstring(read_bytes(path))
            return True
        except ET.ParseError:
            return False
    wait_until(complete, "%s to be written" % os.path.basename(path))


class Desktop:
    """An X server with a window manager, for one test file."""

    def __init__(self):
        self.xvfb = None
        self.wm = None
        self.display = None

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop()

    def start(self):
        if not shutil.which("Xvfb"):
            raise DesktopError("Xvfb is not installed (tools/install-deps.sh installs it)")
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "%dx%dx24" % SCREEN,
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        number = b""
        deadline = time.monotonic() + WAIT
        with os.fdopen(read_fd, "rb") as pipe:
            while not number.endswith(b"\n") and time.monotonic() < deadline:
                chunk = pipe.read(1)
                if not chunk:
                    break
                number += chunk
        if not number.strip():
            self.stop()
            raise DesktopError("Xvfb did not start")
        self.display = ":" + number.decode().strip()
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env(),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until(self.has_window_manager, "openbox to manage the screen")

    def stop(self):
        for p in (self.wm, self.xvfb):
            if p and p.poll() is None:
                p.terminate()
                try:
                    p.wait(10)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
        self.wm = self.xvfb = None

    def env(self, **extra):
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        env.update(extra)
        return env

    def has_window_manager(self):
        out = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
        return "window id" in out

    def run(self, argv, check=True, timeout=WAIT):
        r = subprocess.run(argv, env=self.env(), capture_output=True, text=True, timeout=timeout)
        if check and r.returncode != 0:
            raise DesktopError("%s failed: %s" % (" ".join(argv), r.stderr.strip()))
        return r.stdout

    # Windows

    def visible_windows(self, name=None, cls=None, pid=None):
        argv = ["xdotool", "search", "--onlyvisible"]
        if pid is not None:
            argv += ["--pid", str(pid)]
        if name is not None:
            argv += ["--name", name]
        elif cls is not None:
            argv += ["--class", cls]
        elif pid is None:
            argv += ["--name", "."]
        out = self.run(argv, check=False)
        return [int(w) for w in out.split()]

    def wait_window(self, name, timeout=WAIT):
        """The visible window whose title matches the regular expression name."""
        found = wait_until(lambda: self.visible_windows(name=name), "a window titled /%s/" % name, timeout)
        return found[-1]

    def wait_no_window(self, name, timeout=WAIT):
        wait_until(lambda: not self.visible_windows(name=name), "no window titled /%s/" % name, timeout)

    def title(self, window):
        return self.run(["xdotool", "getwindowname", str(window)], check=False).strip()

    def geometry(self, window):
        """(x, y, width, height) of a window on the screen."""
        # xwininfo, since xdotool adds the frame's offset twice for a window in a frame.
        out = self.run(["xwininfo", "-id", str(window)])
        v = dict(re.findall(r"^\s*(Absolute upper-left X|Absolute upper-left Y|Width|Height):\s*(-?\d+)", out, re.M))
        return (int(v["Absolute upper-left X"]), int(v["Absolute upper-left Y"]),
                int(v["Width"]), int(v["Height"]))

    def resize(self, window, width, height):
        """Gives a window that client size, unless it has it already."""
        if self.geometry(window)[2:] == (width, height):
            return
        self.run(["xdotool", "windowsize", "--sync", str(window), str(width), str(height)], check=False)
        wait_until(lambda: self.geometry(window)[2:] == (width, height),
                   "window %d to be %dx%d" % (window, width, height))

    def active_window(self):
        out = self.run(["xdotool", "getactivewindow"], check=False).strip()
        return int(out) if out else None

    def activate(self, window):
        self.run(["xdotool", "windowactivate", "--sync", str(window)], check=False)
        wait_until(lambda: self.active_window() == window, "window %d to be active" % window)

    # Input

    def key(self, *keys, window=None):
        """Presses keys (xdotool names: Return, Escape, ctrl+s, alt+f) into the focused window."""
        if window is not None:
            self.activate(window)
        self.run(["xdotool", "key", "--clearmodifiers", "--delay", "60"] + list(keys))

    def type(self, text, window=None):
        if window is not None:
            self.activate(window)
        self.run(["xdotool", "type", "--clearmodifiers", "--delay", "40", text])

    def move(self, x, y):
        self.run(["xdotool", "mousemove", "--sync", str(x), str(y)])

    def click(self, x, y, button=1, repeat=1):
        """Clicks at a point of the screen."""
        self.move(x, y)
        self.run(["xdotool", "click", "--repeat", str(repeat), "--delay", "80", str(button)])

    def click_in(self, window, x, y, **kw):
        """Clicks at a point of a window; negative coordinates count from its right or bottom edge."""
        wx, wy, ww, wh = self.geometry(window)
        self.click(wx + (x if x >= 0 else ww + x), wy + (y if y >= 0 else wh + y), **kw)

    def drag(self, start, end, steps=12):
        """Presses the left button at start, moves in steps to end and lets go there. The short
        pauses let the program take the press and the last move before the next event."""
        self.move(*start)
        time.sleep(0.2)
        self.run(["xdotool", "mousedown", "1"])
        try:
            time.sleep(0.2)
            for i in range(1, steps + 1):
                x = start[0] + (end[0] - start[0]) * i // steps
                y = start[1] + (end[1] - start[1]) * i // steps
                self.move(x, y)
                time.sleep(0.05)
            time.sleep(0.2)
        finally:
            self.run(["xdotool", "mouseup", "1"])

    def settle(self, window=None, timeout=WAIT):
        """Waits until a window (or the screen) looks the same twice in a row, a moment apart."""
        target = "root" if window is None else str(window)
        last = [None]

        def still():
            now = subprocess.run(["import", "-window", target, "-depth", "8", "rgb:-"], env=self.env(),
                                 capture_output=True, timeout=WAIT).stdout
            same = now == last[0]
            last[0] = now
            return same
        wait_until(still, "the window to be drawn", timeout, interval=0.3)

    # Pictures

    def screenshot(self, name, window=None):
        """Saves the screen (or one window) to the pictures folder and gives the file's path."""
        os.makedirs(PICTURE_DIR, exist_ok=True)
        path = os.path.join(PICTURE_DIR, "desktop-%s.png" % name)
        target = "root" if window is None else str(window)
        self.run(["import", "-window", target, path])
        return path

    def colours_in(self, picture, box):
        """How many different colours a region (x, y, width, height) of a picture holds."""
        x, y, w, h = box
        out = self.run(["convert", picture, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
                        "-format", "%k", "info:"])
        return int(out.strip())


# Buttons of a message box counted from its right edge (0 is the rightmost); Qt lays them out
# in one row at the bottom, about 89 pixels apart.
def box_button(desktop, box, from_right):
    desktop.click_in(box, -51 - 89 * from_right, -22)


class Program:
    """One run of vorn-scheduler on a desktop, in a temp folder of its own."""

    MAIN_TITLE = r"Vorn Scheduler"

    def __init__(self, desktop, document=None, fixtures=(), args=()):
        self.desktop = desktop
        self.folder = tempfile.mkdtemp(prefix="vorn-desktop-")
        self.home = os.path.join(self.folder, "home")
        self.config = os.path.join(self.home, ".config")
        self.work = os.path.join(self.folder, "plans")
        for d in (self.home, self.config, self.work):
            os.makedirs(d)
        self.document = None
        if document is not None:
            self.document = self.copy_in(document)
        for f in fixtures:
            self.copy_in(f)
        argv = [os.path.join(BIN_DIR, "vorn-scheduler")] + list(args)
        if self.document:
            argv.append(self.document)
        env = desktop.env(HOME=self.home, XDG_CONFIG_HOME=self.config, QT_QPA_PLATFORM="xcb")
        for k in ("QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "SESSION_MANAGER"):
            env.pop(k, None)
        if os.getuid() == 0:
            env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"
        self.log = open(os.path.join(self.folder, "program.log"), "wb")
        self.process = subprocess.Popen(argv, cwd=self.work, env=env, stdout=self.log,
                                        stderr=subprocess.STDOUT, start_new_session=True)
        self.main = None
        self.killed = False

    def copy_in(self, path, name=None):
        target = os.path.join(self.work, name or os.path.basename(path))
        shutil.copyfile(path, target)
        os.chmod(target, 0o644)
        return target

    def write_in(self, name, data):
        target = os.path.join(self.work, name)
        with open(target, "wb") as f:
            f.write(data)
        return target

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.kill()
        if exc[0] is not None:
            sys.stderr.write("program output:\n" + self.output()[-4000:] + "\n")
        shutil.rmtree(self.folder, ignore_errors=True)

    def output(self):
        if not self.log.closed:
            self.log.flush()
        with open(self.log.name, "rb") as f:
            return f.read().decode("utf-8", "replace")

    def running(self):
        return self.process.poll() is None

    def kill(self):
        self.killed = self.killed or self.running()
        if self.running():
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()
        self.log.close()

    def wait_exit(self, timeout=WAIT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise DesktopError("the program did not end")

    def wait_main(self, title=None):
        """The main frame, once shown (its title names the open plan), at the size the offsets
        below were measured on, and drawn."""
        self.main = self.desktop.wait_window(title or self.MAIN_TITLE)
        self.desktop.resize(self.main, *self.MAIN_SIZE)
        self.desktop.settle(self.main)
        return self.main

    def main_title(self):
        return self.desktop.title(self.main)

    def wait_main_title(self, pattern):
        return wait_until(lambda: re.search(pattern, self.main_title()), "main title /%s/" % pattern)

    # The main frame, in its own coordinates (measured on pictures of the frame at 960x768)

    MAIN_SIZE = (960, 768)

    MENUS = {"File": 27, "Edit": 58, "Help": 92}
    FILE_MENU = {"New": 11, "Open": 32, "Save": 54, "Save As": 76, "Exit": 124}
    EDIT_MENU = {"Undo": 11}
    TABS = {"Contacts": 240, "Tasks": 320, "Timetable": 415, "Magnet board": 530, "Reports": 630,
            "Options": 720}

    def click(self, x, y, **kw):
        self.desktop.click_in(self.main, x, y, **kw)

    def page(self, name):
        """Brings a page forward by a click on its tab."""
        self.click(self.TABS[name], 84)

    def menu(self, top, item):
        """Chooses a command of the menu bar with the mouse."""
        items = {"File": self.FILE_MENU, "Edit": self.EDIT_MENU}[top]
        self.click(self.MENUS[top], 10)
        self.desktop.click_in(self.wait_menu(), 40, items[item])

    def wait_menu(self):
        """The program's open pop-up menu."""
        def menus():
            out = self.desktop.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid)],
                                   check=False)
            return [int(w) for w in out.split() if "POPUP_MENU" in self.desktop.run(
                ["xprop", "-id", w, "_NET_WM_WINDOW_TYPE"], check=False)]
        return wait_until(menus, "a menu to open")[-1]

    def close_frame(self):
        """Clicks the close button of the window manager's frame around the main window."""
        x, y, w, _ = self.desktop.geometry(self.main)
        self.desktop.click(x + w - 10, y - 10)

    def vorn_doc(self, path=None):
        """vorn-doc's summary of a document (the open one by default)."""
        r = subprocess.run([os.path.join(BIN_DIR, "vorn-doc"), path or self.document],
                           capture_output=True, text=True, timeout=WAIT)
        return r.returncode, r.stdout + r.stderr


class DesktopTest(unittest.TestCase):
    """A test file's cases share one X server; every case starts its own program."""

    desktop = None
    program = None

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()
        cls.desktop.start()

    @classmethod
    def tearDownClass(cls):
        if cls.desktop:
            cls.desktop.stop()

    def start(self, document=None, **kw):
        """Starts the program; one left from an earlier case or sub-case ends first."""
        self.end_program()
        self.program = Program(self.desktop, document, **kw)
        self.addCleanup(self.end_program)
        return self.program

    def end_program(self):
        if self.program:
            # A failed case leaves a picture of the screen as it stood and the program's output.
            result = getattr(getattr(self, "_outcome", None), "result", None)
            case_failed = result is not None and any(
                getattr(case, "test_case", case) is self for case, _ in list(result.failures) + list(result.errors))
            if case_failed and self.program.process.poll() is None:
                try:
                    path = self.picture("FAILED-" + self._testMethodName)
                    sys.stderr.write("the screen at the failure: %s\n" % path)
                except Exception as error:  # the picture must not hide the failure itself
                    sys.stderr.write("no picture of the failure: %s\n" % error)
            self.program.kill()
            failed = not self.program.killed and self.program.process.returncode != 0
            if failed or case_failed:
                sys.stderr.write("program output:\n" + self.program.output()[-4000:] + "\n")
            shutil.rmtree(self.program.folder, ignore_errors=True)
            self.program = None

    def picture(self, name, window=None):
        return self.desktop.screenshot("%s-%s" % (type(self).__name__, name), window)


def main():
    for name, value in (("VORN_BIN_DIR", BIN_DIR), ("VORN_SOURCE_DIR", SOURCE_DIR),
                        ("VORN_PICTURE_DIR", PICTURE_DIR)):
        if not value:
            sys.exit(name + " is not set (ctest sets it)")
    unittest.main(verbosity=2)
