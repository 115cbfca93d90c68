"""A private X desktop for the real program: its own Xvfb, temporary home and XDG folders, a fake
default browser, a person's input through xdotool, and only what the display shows read back."""

import json
import os
import re
import shutil
import subprocess
import tempfile
import time

from Xlib import X, display as xdisplay, protocol

TWIPS_PER_PIXEL = 15
WAIT_S = 10  # a bound for a slow machine, not a goal


def px(twips):
    return (2 * twips + TWIPS_PER_PIXEL) // (2 * TWIPS_PER_PIXEL)


def read_layout(path):
    """name -> (left, top, width, height) in pixels, read from a layout table in twips."""
    rows = re.findall(r'\{"([\w()]+)",\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)', open(path).read())
    return {name: tuple(px(int(v)) for v in values) for name, *values in rows}


def wait_for(what, condition, timeout=WAIT_S):
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.02)


class Desktop:
    def __init__(self, program):
        self.program = program
        self.root_dir = tempfile.mkdtemp(prefix="keywright-e2e-")
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten",
             "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display_number:  # written once the server is ready
            number = display_number.readline().strip()
        self.prepare({"DISPLAY": ":" + number, "QT_QPA_PLATFORM": "xcb"})
        self.display = xdisplay.Display(self.env["DISPLAY"])
        self.root = self.display.screen().root

    def prepare(self, display):
        """The program's environment: display, home, XDG folders, a fake default browser."""
        self.process = None
        home = self.path("home")
        self.env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home,
                    "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8",
                    "XDG_CONFIG_HOME": self.path("config"), "XDG_DATA_HOME": self.path("data"),
                    "XDG_CACHE_HOME": self.path("cache"), "XDG_CONFIG_DIRS": self.path("etc"),
                    "XDG_DATA_DIRS": self.path("share"), **display}
        # The sanitizer build's settings reach the program.
        self.env.update({k: v for k, v in os.environ.items() if k.endswith("SAN_OPTIONS")})
        if "ASAN_OPTIONS" in self.env:  # the X client libraries are not instrumented
            supp = os.path.join(os.path.dirname(os.path.abspath(__file__)), "asan.supp")
            self.env["ASAN_OPTIONS"] += ":suppressions=" + supp
        if "LSAN_OPTIONS" in self.env:
            options = self.env["LSAN_OPTIONS"].split(":")
            files = [o.split("=", 1)[1] for o in options if o.startswith("suppressions=")]
            files.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "lsan.supp"))
            self.write(self.path("lsan.supp"), "".join(open(f).read() for f in files))
            self.env["LSAN_OPTIONS"] = ":".join(
                [o for o in options if not o.startswith("suppressions=")] +
                ["suppressions=" + self.path("lsan.supp")])
        runtime = self.path("runtime")
        os.makedirs(runtime, mode=0o700)
        self.env["XDG_RUNTIME_DIR"] = runtime
        os.makedirs(home)
        self.received = self.path("browser.txt")
        browser = self.path("bin/fake-browser")
        self.write(browser, '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s"\n' % self.received, 0o755)
        self.write(self.path("config/mimeapps.list"),
                   "[Default Applications]\nx-scheme-handler/https=fake-browser.desktop\n"
                   "x-scheme-handler/http=fake-browser.desktop\n")
        self.write(self.path("data/applications/fake-browser.desktop"),
                   "[Desktop Entry]\nType=Application\nName=Fake\nExec=%s %%u\n" % browser)

    def path(self, name):
        return os.path.join(self.root_dir, name)

    @staticmethod
    def write(path, text, mode=0o644):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as file:
            file.write(text)
        os.chmod(path, mode)

    def close(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.display.close()
        self.xvfb.terminate()
        self.xvfb.wait()
        shutil.rmtree(self.root_dir, ignore_errors=True)

    def start(self):
        self.process = subprocess.Popen([self.program], env=self.env)
        return self.wait_window("Norvik Password Generator")

    # What the display shows.
    def atom(self, name):
        return self.display.intern_atom(name)

    def prop(self, window, name):
        value = window.get_full_property(self.atom(name), X.AnyPropertyType)
        return list(value.value) if value else None

    def title(self, window):
        value = window.get_full_property(self.atom("_NET_WM_NAME"), self.atom("UTF8_STRING"))
        return value.value.decode() if value else None

    def windows(self):
        """The mapped top-level windows, bottom to top, as (title, window)."""
        shown = []
        for window in self.root.query_tree().children:
            try:
                if window.get_attributes().map_state == X.IsViewable:
                    shown.append((self.title(window), window))
            except Exception:  # gone meanwhile
                pass
        return shown

    def titles(self):
        return [title for title, _ in self.windows()]

    def wait_window(self, title):
        window = wait_for("window " + title, lambda: next(
            (w for t, w in self.windows() if t == title), None))
        self.focus(window)
        return window

    def wait_gone(self, title):
        wait_for("window %s to close" % title, lambda: title not in self.titles())

    def geometry(self, window):
        place = self.root.translate_coords(window, 0, 0)
        size = window.get_geometry()
        return place.x, place.y, size.width, size.height

    def pixels(self, window, rect):
        x, y, w, h = rect
        size = window.get_geometry()
        w, h = min(w, size.width - x), min(h, size.height - y)
        image = window.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF)
        data = image.data
        return [[tuple(data[(r * w + c) * 4 + i] for i in (2, 1, 0)) for c in range(w)]
                for r in range(h)]

    def text_span(self, window, rect, colour):
        """The columns of rect where pixels of colour lie: (first, last, middle row)."""
        rows = self.pixels(window, rect)
        hits = [(c, r) for r, row in enumerate(rows) for c, p in enumerate(row) if p == colour]
        assert hits, "no text of colour %s in %s" % (colour, rect)
        columns = [c for c, _ in hits]
        middle = sorted(r for _, r in hits)[len(hits) // 2]
        return rect[0] + min(columns), rect[0] + max(columns), rect[1] + middle

    def clipboard(self):
        return subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env,
                              capture_output=True, text=True, timeout=WAIT_S).stdout

    def xclip_clear(self):
        subprocess.run(["xclip", "-i", "-selection", "clipboard", "/dev/null"], env=self.env,
                       check=True, timeout=WAIT_S)

    def browser_runs(self):
        if not os.path.exists(self.received):
            return []
        return open(self.received).read().split()

    # What a person does. With no window manager on this display, the desktop gives a new
    # window the keyboard focus itself, as a window manager would.
    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], env=self.env, check=True, timeout=WAIT_S)

    def xdotool_start(self, *arguments):
        return subprocess.Popen(["xdotool", *arguments], env=self.env)

    def focus(self, window):
        self.xdotool("windowfocus", "--sync", str(window.id))

    def click(self, window, x, y):
        left, top, _, _ = self.geometry(window)
        self.xdotool("mousemove", str(left + x), str(top + y), "click", "1")

    def click_rect(self, window, rect):
        x, y, w, h = rect
        self.click(window, x + w // 2, y + h // 2)

    def key(self, *keys):
        self.xdotool("key", "--delay", "30", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "10", text)

    def close_request(self, window):
        """The title bar's close button: WM_DELETE_WINDOW, as a window manager sends it."""
        event = protocol.event.ClientMessage(
            window=window, client_type=self.atom("WM_PROTOCOLS"),
            data=(32, [self.atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        window.send_event(event)
        self.display.flush()



class SwayDesktop(Desktop):
    """The same on the headless sway that tests/wayland/on-sway.sh runs: the window list from
    sway's tree, pixels through grim, keys through wtype (the pointer does not reach clients
    there), the clipboard and the primary selection through wl-paste. The program's standard
    error goes to a file, read by stderr()."""

    def __init__(self, program):
        self.program = program
        self.root_dir = tempfile.mkdtemp(prefix="keywright-e2e-")
        self.prepare({"WAYLAND_DISPLAY": os.environ["WAYLAND_DISPLAY"],
                      "QT_QPA_PLATFORM": "wayland"})
        self.tools = dict(os.environ)

    def close(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.root_dir, ignore_errors=True)

    def start(self):
        with open(self.path("stderr.txt"), "w") as errors:
            self.process = subprocess.Popen([self.program], env=self.env, stderr=errors)
        return self.wait_window("Norvik Password Generator")

    def stderr(self):
        return open(self.path("stderr.txt")).read()

    def run(self, *command):
        return subprocess.run(command, env=self.tools, check=True, capture_output=True,
                              timeout=WAIT_S).stdout

    def windows(self):
        """The views of the program, tiled ones first, as (title, node)."""
        tree, shown = json.loads(self.run("swaymsg", "-r", "-t", "get_tree")), []

        def walk(node):
            if node.get("pid") and node.get("visible", True):
                shown.append((node.get("name"), node))
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                walk(child)
        walk(tree)
        return shown

    def focused(self):
        return next((t for t, node in self.windows() if node.get("focused")), None)

    def focus(self, window):
        self.run("swaymsg", "[con_id=%d]" % window["id"], "focus")

    def geometry(self, window):
        """The window's content on the output, as its current node has it."""
        node = next(n for _, n in self.windows() if n["id"] == window["id"])
        outer, inner = node["rect"], node["window_rect"]
        return (outer["x"] + inner["x"], outer["y"] + inner["y"], inner["width"],
                inner["height"])

    def shade(self, x, y):
        """The colour at a point of the output."""
        return tuple(self.run("grim", "-t", "ppm", "-g", "%d,%d 1x1" % (x, y), "-")[-3:])

    def pixels(self, window, rect):
        left, top = self.geometry(window)[:2]
        x, y, w, h = rect
        data = self.run("grim", "-t", "ppm", "-g", "%d,%d %dx%d" % (left + x, top + y, w, h),
                        "-")[-w * h * 3:]
        return [[tuple(data[(r * w + c) * 3:(r * w + c) * 3 + 3]) for c in range(w)]
                for r in range(h)]

    def clipboard(self, primary=False):
        return subprocess.run(["wl-paste", "-n"] + (["-p"] if primary else []), env=self.tools,
                              capture_output=True, text=True, timeout=WAIT_S).stdout

    def xclip_clear(self):
        self.run("wl-copy", "--clear")

    @staticmethod
    def keys(keys):
        arguments = []
        for key in keys:
            *modifiers, name = key.split("+")
            arguments += [a for m in modifiers for a in ("-M", m)] + ["-k", name]
            arguments += [a for m in reversed(modifiers) for a in ("-m", m)]
        return ["wtype", "-d", "30", *arguments]

    def key(self, *keys):
        self.run(*self.keys(keys))

    def key_start(self, *keys):
        return subprocess.Popen(self.keys(keys), env=self.tools)

    def type(self, text):
        self.run("wtype", "-d", "10", "--", text)
