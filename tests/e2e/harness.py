"""Drives the real glimbrook.scr under Wine, on a virtual X display, as a user would.

Each Session has its own Xvfb and its own copy of the prepared Wine prefix, so tests can run in
parallel. Every process a session starts is ended, by pid, when the session closes.
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

SOURCE_DIR = os.environ.get("GLIMBROOK_SOURCE_DIR",
                            os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..")))
BUILD_DIR = os.path.abspath(os.environ.get("GLIMBROOK_BUILD_DIR", os.path.join(SOURCE_DIR, "build")))
INSTALL_DIR = os.environ.get("GLIMBROOK_INSTALL_DIR", os.path.join(BUILD_DIR, "install"))
TEMPLATE_PREFIX = os.path.join(BUILD_DIR, "wineprefix")
ARTIFACTS = os.path.join(BUILD_DIR, "e2e-artifacts")

SETTINGS_KEY = r"HKCU\Software\VB and VBA Program Settings\Tarvo Glimbrook Screen Saver\Config"
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"


def scrambled(password):
    """The stored form of a password, worked out here independently of the program: two
    letters per character, each character combined with a letter of a five-letter key."""
    key = "qeHVn"
    out = []
    for i, ch in enumerate(password, start=1):
        x = ord(ch) ^ ord(key[i % 5])
        out.append(chr(ord("z") - x // 16) + chr(ord("a") + x % 16))
    return "".join(out)


def fixture(name, sources, compiler="i686-w64-mingw32-gcc", flags=(), depends=()):
    """Builds a test program from sources of the repository when it is missing or stale.
    Parallel tests may build it at once: each writes its own file and renames it into place."""
    exe = os.path.join(BUILD_DIR, "e2e-fixtures", name)
    srcs = [os.path.join(SOURCE_DIR, p) for p in sources]
    newest = max(os.path.getmtime(os.path.join(SOURCE_DIR, p)) for p in [*sources, *depends])
    if not os.path.exists(exe) or os.path.getmtime(exe) < newest:
        os.makedirs(os.path.dirname(exe), exist_ok=True)
        tmp = f"{exe}.{os.getpid()}.exe"
        subprocess.run([compiler, "-O1", "-static", "-o", tmp, *srcs, *flags], check=True)
        os.replace(tmp, exe)
    return exe


def wait_until(predicate, timeout, interval=0.1, what="condition"):
    """Polls predicate until it returns a true value; raises AssertionError on time-out."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout}s waiting for {what}")
        time.sleep(interval)


def send_until(send, effect, what, timeout=30, tries=3, again_after=1.0):
    """Sends an input meant for the running saver and waits for its effect. The saver clears its
    count of clicks and keys every 80 frames, so about one input in 80 has no effect: as a user
    would, the input is sent again when nothing has happened within about a second, three times
    at most; the last try waits the whole time-out."""
    for attempt in range(1, tries + 1):
        send()
        try:
            return wait_until(effect, timeout if attempt == tries else again_after, what=what)
        except AssertionError:
            if attempt == tries:
                raise
            print(f"[no {what} after {again_after}s: input sent again]", file=sys.stderr)


class Session:
    def __init__(self, name, width=1024, height=768):
        self.name = name
        self.width, self.height = width, height
        self.artifacts = os.path.join(ARTIFACTS, name)
        # Pictures of an earlier run of the same test would pass for this one's.
        shutil.rmtree(self.artifacts, ignore_errors=True)
        os.makedirs(self.artifacts, exist_ok=True)
        self.tmp = tempfile.mkdtemp(prefix="glimbrook-e2e-")
        self.prefix = os.path.join(self.tmp, "prefix")
        self.procs = []
        self.xvfb = self.wineserver = None
        try:
            self._start_x()
            self._start_wine()
        except BaseException:
            # No test runs, so nothing closes the session: end what was started here.
            self.close()
            raise

    # ---- set-up and clean-up ----

    def _start_x(self):
        r, w = os.pipe()
        # -noreset: by default Xvfb resets when its last client leaves and drops a client that
        # connects meanwhile, and short-lived clients (window searches, screenshots) come and go.
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(w), "-screen", "0", f"{self.width}x{self.height}x24",
             "-nolisten", "tcp", "-noreset"], pass_fds=(w,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(w)
        with os.fdopen(r) as f:
            num = f.readline().strip()
        if not num:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + num

    def _start_wine(self):
        if not os.path.isdir(TEMPLATE_PREFIX):
            raise RuntimeError(f"no prepared Wine prefix at {TEMPLATE_PREFIX} (run make prefix)")
        subprocess.run(["cp", "-a", TEMPLATE_PREFIX, self.prefix], check=True)
        self.env = dict(os.environ)
        self.env.update(DISPLAY=self.display, WINEPREFIX=self.prefix, WINEARCH="win32",
                        WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        # One persistent server for the whole session keeps every wine call fast.
        self.wineserver = subprocess.Popen(["wineserver", "-p"], env=self.env,
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def close(self):
        for p in self.procs:
            if p.poll() is None:
                try:
                    p.kill()
                except OSError:
                    pass
                p.wait(timeout=10)
        if self.wineserver:
            subprocess.run(["wineserver", "-k"], env=self.env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
            try:
                self.wineserver.wait(timeout=15)
            except subprocess.TimeoutExpired:
                self.wineserver.kill()
                self.wineserver.wait()
        if self.xvfb:
            self.xvfb.send_signal(signal.SIGTERM)
            try:
                self.xvfb.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
                self.xvfb.wait()
        shutil.rmtree(self.tmp, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    # ---- running programs ----

    def run(self, args, timeout=60, check=True):
        # Output goes through files, not pipes: Wine's helper processes inherit the handles
        # and would hold a pipe open long after the command itself has ended.
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            r = subprocess.run(args, env=self.env, stdout=out, stderr=err, timeout=timeout)
            out.seek(0)
            err.seek(0)
            r.stdout, r.stderr = out.read(), err.read()
        if check and r.returncode != 0:
            raise subprocess.CalledProcessError(r.returncode, args, r.stdout, r.stderr)
        return r

    def wine_path(self, unix_path):
        out = self.run(["winepath", "-w", unix_path]).stdout.decode(errors="replace")
        return out.strip()

    def start_saver(self, *args, trace=None):
        """Starts glimbrook.scr with the given command-line words; returns the Popen. With
        trace (a Wine debug channel) the channel's trace lines go to the file p.trace_log."""
        scr = os.path.join(getattr(self, "install_dir", INSTALL_DIR), "glimbrook.scr")
        env, err = self.env, subprocess.DEVNULL
        if trace:
            env = dict(self.env, WINEDEBUG=f"-all,trace+{trace}")
            log = os.path.join(self.tmp, f"trace-{len(self.procs)}.txt")
            err = open(log, "wb")
        p = subprocess.Popen(["wine", scr, *args], env=env, stdout=subprocess.DEVNULL,
                             stderr=err, cwd=self.tmp)
        if trace:
            err.close()
            p.trace_log = log
        self.procs.append(p)
        return p

    def start_host_window(self, caption):
        """Starts a plain window of our own with the given caption; returns (Popen, hwnd)."""
        exe = fixture("host_window.exe", ["tests/e2e/fixtures/host_window.c"],
                      flags=["-mwindows"])
        out = os.path.join(self.tmp, f"hwnd-{len(self.procs)}.txt")
        p = subprocess.Popen(["wine", exe, caption, out], env=self.env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(p)
        def read_handle():
            if not os.path.exists(out):
                return None
            with open(out) as f:
                return f.read().strip()
        hwnd = wait_until(read_handle, 30, what="host window handle")
        return p, int(hwnd)

    def probe_window(self, caption, foreground=False):
        """A top-level window seen from another program (fixtures/window_probe.c): its extended
        style, whether it is the foreground window, the text limits of its edit boxes and the
        captions of the windows above it, as {"exstyle": n, "active": 0 or 1, "edit": [n, ...],
        "above": [caption, ...]}; None when no window has that caption. With foreground, the probe first makes it the foreground window, as a task
        switch does, and "foreground" says whether that worked."""
        exe = fixture("window_probe.exe", ["tests/e2e/fixtures/window_probe.c"])
        r = self.run(["wine", exe, caption] + (["foreground"] if foreground else []), check=False)
        if r.returncode != 0:
            return None
        seen = {"edit": [], "above": []}
        for line in r.stdout.decode("latin-1").splitlines():
            name, _, value = line.rstrip("\r").partition(" ")
            if name in ("edit", "above"):
                seen[name].append(int(value) if name == "edit" else value)
            elif name:
                seen[name] = int(value)
        return seen

    def start_raw(self, command_line):
        """Starts the saver with an exact argument text (through a batch-free CreateProcess)."""
        return self.start_saver(*command_line.split(" ")) if command_line else self.start_saver()

    def end_run_with(self, proc, send, timeout=30):
        """Sends an input that ends a saver run (a click or a key on the saver) until the program
        has ended; returns its exit code."""
        send_until(send, lambda: proc.poll() is not None, f"process {proc.pid} to end", timeout)
        return proc.returncode

    def window_after(self, send, title_regex, timeout=30):
        """Sends an input that opens a window (a click that brings up the password prompt) until
        the window is there; returns it."""
        return send_until(send, lambda: self.find_windows(title_regex),
                          f"window {title_regex!r}", timeout)[0]

    @staticmethod
    def wait_exit(proc, timeout):
        try:
            return proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"process {proc.pid} still running after {timeout}s")

    @staticmethod
    def still_running_after(proc, seconds):
        try:
            proc.wait(timeout=seconds)
            return False
        except subprocess.TimeoutExpired:
            return True

    def use_capture_device(self):
        """Gives Wine one ALSA wave device that writes everything it plays into a WAV file;
        returns that file's path. Call before starting the program that plays."""
        capture = os.path.join(self.tmp, "capture.wav")
        conf = os.path.join(self.tmp, "asound.conf")
        with open(conf, "w") as f:
            f.write("</usr/share/alsa/alsa.conf>\n"
                    "pcm.!default {\n type file\n slave.pcm \"null\"\n"
                    f" file \"{capture}\"\n format \"wav\"\n}}\n")
        self.env["ALSA_CONFIG_PATH"] = conf
        self.reg_set(r"HKCU\Software\Wine\Drivers", "Audio", "alsa")
        return capture

    # ---- registry ----

    def reg_set(self, key, name, value, kind="REG_SZ"):
        self.run(["wine", "reg", "add", key, "/v", name, "/t", kind, "/d", str(value), "/f"])

    def reg_get(self, key, name):
        r = self.run(["wine", "reg", "query", key, "/v", name], check=False)
        if r.returncode != 0:
            return None
        for line in r.stdout.decode("latin-1").splitlines():
            m = re.match(r"^\s+(.+?)\s{4}(REG_\w+)\s{4}(.*)$", line.rstrip("\r"))
            if m and m.group(1) == name:
                return m.group(3)
            m = re.match(r"^\s+(.+?)\s{4}(REG_\w+)\s*$", line.rstrip("\r"))
            if m and m.group(1) == name:
                return ""
        return None

    def reg_delete_key(self, key):
        self.run(["wine", "reg", "delete", key, "/f"], check=False)

    def set_setting(self, name, value):
        self.reg_set(SETTINGS_KEY, name, value)

    def get_setting(self, name):
        return self.reg_get(SETTINGS_KEY, name)

    def install(self, install_dir=None):
        """Records the installation folder, as the saver's installer would."""
        self.install_dir = install_dir or INSTALL_DIR
        path = self.wine_path(self.install_dir)
        if not path.endswith("\\"):
            path += "\\"
        self.set_setting("install_path", path)

    # ---- the screen ----

    def x(self, *args, timeout=30, check=True):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                              timeout=timeout, check=check)

    def search(self, *criteria):
        """The visible windows that match. xdotool (as Debian 12 has it) dies of an X error when
        any window goes while it looks at the windows, and then lists none: a window that closes
        at that moment would make a window that is there look gone. So does a search that could
        not reach the display, which exits as one that found nothing. Look again then."""
        for _ in range(20):
            r = self.x("search", "--onlyvisible", *criteria, check=False)
            if b"X Error" not in r.stderr and b"Can't open display" not in r.stderr:
                return [int(w) for w in r.stdout.split()]
        raise AssertionError(f"xdotool search {criteria} kept failing: {r.stderr.decode()}")

    def find_windows(self, title_regex):
        return self.search("--name", title_regex)

    def wait_window(self, title_regex, timeout=30):
        return wait_until(lambda: self.find_windows(title_regex), timeout,
                          what=f"window {title_regex!r}")[0]

    def wait_no_window(self, title_regex, timeout=30):
        wait_until(lambda: not self.find_windows(title_regex), timeout,
                   what=f"no window {title_regex!r}")

    def keyboard_to(self, caption, nudge):
        """Waits until the window with that caption is the foreground window, the one that takes
        the keys typed: a window is listed as soon as it is shown, a little before that. Wine may
        also leave the saver beneath in the foreground as a window over it closes; then, as a
        user would, press the harmless key that `nudge` sends."""
        def active():
            return (self.probe_window(caption) or {}).get("active") == 1
        try:
            wait_until(active, 1.0)
        except AssertionError:
            send_until(nudge, active, f"{caption!r} in the foreground")

    def window_geometry(self, wid):
        out = self.x("getwindowgeometry", "--shell", str(wid)).stdout.decode()
        g = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])

    def click(self, x, y, button=1):
        self.x("mousemove", str(x), str(y))
        time.sleep(0.05)
        self.x("click", str(button))

    def move_mouse(self, x, y):
        self.x("mousemove", str(x), str(y))

    def key(self, *names):
        self.x("key", "--delay", "30", *names)

    def type_text(self, text):
        self.x("type", "--delay", "30", text)

    def screenshot(self, name):
        path = os.path.join(self.artifacts, name + ".png")
        subprocess.run(["import", "-display", self.display, "-window", "root", path], check=True,
                       capture_output=True, timeout=30)
        return path

    def settled_screenshot(self, name, x, y, w, h):
        """A screenshot taken once one rectangle of the screen has stopped changing (a window
        is listed as soon as it is shown, a little before it is painted)."""
        last = [self.screenshot(name + "_0")]
        def settled():
            shot = self.screenshot(name)
            same = self.crop_differs(last[0], shot, x, y, w, h) == 0
            last[0] = self.screenshot(name + "_0")
            return shot if same else None
        return wait_until(settled, 10, what=f"{name} painted")

    @staticmethod
    def pixels(png, x, y, w, h):
        """The (r, g, b) of every pixel of one rectangle of a screenshot, row by row. Read as raw
        RGB: a picture stored as grey would otherwise name its colours another way."""
        raw = subprocess.run(["convert", png, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth",
                              "8", "rgb:-"], capture_output=True, check=True).stdout
        return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]

    @staticmethod
    def pixel(png, x, y):
        """The (r, g, b) of one pixel of a screenshot."""
        return Session.pixels(png, x, y, 1, 1)[0]

    @staticmethod
    def crop_differs(png_a, png_b, x, y, w, h):
        """The number of differing pixels of two screenshots inside one rectangle."""
        r = subprocess.run(["compare", "-metric", "AE", "-extract", f"{w}x{h}+{x}+{y}", png_a,
                            png_b, "null:"], capture_output=True)
        try:
            return int(float(r.stderr.decode().split()[0]))
        except (ValueError, IndexError):
            return -1


class SaverTest(unittest.TestCase):
    """A test case with one fresh session per test."""

    width, height = 1024, 768

    def setUp(self):
        self.s = Session(f"{type(self).__name__}.{self._testMethodName}", self.width, self.height)

    def tearDown(self):
        # What the screen showed when a test failed, to look at afterwards.
        result = getattr(getattr(self, "_outcome", None), "result", None)
        if result and any(t is self for t, _ in result.failures + result.errors):
            try:
                self.s.screenshot("at_failure")
            except (OSError, subprocess.SubprocessError):
                pass
        self.s.close()
