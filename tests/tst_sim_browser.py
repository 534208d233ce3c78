#!/usr/bin/env python3
"""The phone's face in a real browser: headless Chromium loads the simulator's web pages again
and again and must show the phone every time; a key typed into the page must act on it.

  tst_sim_browser.py PHONESIM [LOADS]

Chromium is driven over its DevTools protocol on a pipe (--remote-debugging-pipe), so that
nothing but the standard library is needed. Every wait is for a state (a line printed, the
picture on the page's canvas), bounded by a generous deadline. Exits 77 (skipped) when no
Chromium is installed.
"""
import json
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
DEADLINE = 60  # seconds for any one state; only a failure waits that long
CLOCK = "2026-03-01 10:00"

# The canvas's pixels, sampled on a grid, as a flat list of RGB triples, or None while the
# page has no canvas of the face's size or is still the page before (marked phoneLeft).
SAMPLE_JS = """
(() => {
  if (window.phoneLeft) return null;
  const c = document.querySelector('canvas');
  if (!c || c.width !== %(w)d || c.height !== %(h)d) return null;
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  const out = [];
  for (let y = %(step)d / 2; y < c.height; y += %(step)d)
    for (let x = %(step)d / 2; x < c.width; x += %(step)d) {
      const i = 4 * (y * c.width + x);
      out.push(d[i], d[i + 1], d[i + 2]);
    }
  return out;
})()
"""
STEP = 8


def fail(message):
    print("tst_sim_browser: FAIL: " + message, flush=True)
    sys.exit(1)


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        fail("%s is not an 8-bit binary PPM" % path)
    return int(fields[1]), int(fields[2]), data[pos + 1:]


def sample_ppm(width, height, pixels):
    out = []
    for y in range(STEP // 2, height, STEP):
        for x in range(STEP // 2, width, STEP):
            i = 3 * (y * width + x)
            out.extend(pixels[i:i + 3])
    return out


def distance(a, b):
    """Mean absolute difference per channel: the VNC encodings may be lossy (JPEG)."""
    return sum(abs(x - y) for x, y in zip(a, b)) / max(1, len(a))


class Phone:
    """phonesim serving its face, started with a stopped clock so that the picture holds."""

    def __init__(self, phonesim, work):
        self.config = os.path.join(work, "config")
        args = [phonesim, "--config-dir", self.config, "--fresh", "--zoom", "1", "--clock", CLOCK]
        # The picture the browser must show, written by the simulator itself.
        self.faces = {}
        for name, keys in (("idle", ""), ("page", "ok")):
            path = os.path.join(work, name + ".ppm")
            subprocess.run(args + ["--headless", "--keys", (keys + " face " + path).strip()],
                           check=True, stdout=subprocess.DEVNULL, timeout=DEADLINE)
            self.faces[name] = read_ppm(path)
        self.process = subprocess.Popen(args + ["--vnc", "--port", "5930"],
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.url = None
        deadline = time.monotonic() + DEADLINE
        out = b""
        fd = self.process.stdout.fileno()
        while self.url is None:
            if not select.select([fd], [], [], max(0, deadline - time.monotonic()))[0]:
                fail("phonesim printed no browser address:\n" + out.decode(errors="replace"))
            chunk = os.read(fd, 4096)
            if not chunk:
                fail("phonesim ended:\n" + out.decode(errors="replace"))
            out += chunk
            for line in out.decode(errors="replace").splitlines(True):
                if line.strip().startswith("browser:") and line.endswith("\n"):
                    self.url = line.split("browser:", 1)[1].strip()
                    if not self.url.startswith("http://"):
                        fail("no web page: " + line.strip())

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()


class Browser:
    """Headless Chromium with one page, driven over the DevTools pipe (fd 3 in, fd 4 out)."""

    def __init__(self, program, work):
        to_browser_r, self.to_browser = os.pipe()
        self.from_browser, from_browser_w = os.pipe()
        # Above 4, so that placing them at 3 and 4 in the child overwrites nothing.
        to_r = self._high(to_browser_r)
        from_w = self._high(from_browser_w)

        def place():
            os.dup2(to_r, 3)
            os.dup2(from_w, 4)

        args = [program, "--headless", "--remote-debugging-pipe", "--no-first-run", "--disable-gpu",
                "--no-default-browser-check", "--user-data-dir=" + os.path.join(work, "chromium"),
                "--window-size=800,700", "about:blank"]
        if os.geteuid() == 0:
            args.insert(1, "--no-sandbox")
        self.process = subprocess.Popen(args, preexec_fn=place, close_fds=False,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for fd in (to_r, from_w):
            os.close(fd)
        self.buffer = b""
        self.next_id = 0
        target = self.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        self.session = self.call("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]

    @staticmethod
    def _high(fd):
        import fcntl
        high = fcntl.fcntl(fd, fcntl.F_DUPFD, 10)
        os.close(fd)
        return high

    def call(self, method, params=None, session=None, tolerate=()):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self.to_browser, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + DEADLINE
        while True:
            while b"\0" in self.buffer:
                raw, self.buffer = self.buffer.split(b"\0", 1)
                reply = json.loads(raw)
                if reply.get("id") == self.next_id:
                    if "error" in reply:
                        if any(t in reply["error"].get("message", "") for t in tolerate):
                            return None
                        fail("%s: %s" % (method, reply["error"]))
                    return reply["result"]
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.from_browser], [], [], left)[0]:
                fail("Chromium did not answer " + method)
            chunk = os.read(self.from_browser, 1 << 16)
            if not chunk:
                fail("Chromium ended")
            self.buffer += chunk

    def page(self, method, params=None, tolerate=()):
        return self.call(method, params, self.session, tolerate)

    def evaluate(self, expression):
        # While a page replaces the one before, a question may meet neither: no answer yet.
        result = self.page("Runtime.evaluate", {"expression": expression, "returnByValue": True},
                           ("navigated or closed", "context was destroyed", "Cannot find context"))
        return None if result is None else result["result"].get("value")

    def key(self, key, code, keycode):
        for kind in ("keyDown", "keyUp"):
            self.page("Input.dispatchKeyEvent", {"type": kind, "key": key, "code": code,
                                                 "windowsVirtualKeyCode": keycode,
                                                 "nativeVirtualKeyCode": keycode})

    def close(self):
        try:
            self.call("Browser.close")
        except SystemExit:
            pass
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()


def wait_for_face(browser, face, what):
    """Waits until the canvas shows the face; returns how far it is from it."""
    width, height, pixels = face
    expected = sample_ppm(width, height, pixels)
    js = SAMPLE_JS % {"w": width, "h": height, "step": STEP}
    deadline = time.monotonic() + DEADLINE
    seen = None
    while time.monotonic() < deadline:
        seen = browser.evaluate(js)
        if seen and distance(seen, expected) < 4:
            return
        # The page's own event loop runs meanwhile; this only spaces the questions.
        select.select([], [], [], 0.05)
    fail("%s: the page never showed the phone%s" % (
        what, "" if seen is None else " (mean difference %.1f)" % distance(seen, expected)))


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    program = next((p for p in (shutil.which(n) for n in ("chromium", "chromium-browser")) if p), None)
    if not program:
        print("tst_sim_browser: SKIP: no Chromium installed (Debian: chromium); the face in a browser is not checked")
        return SKIP
    if not shutil.which("websockify") or not os.path.isfile("/usr/share/novnc/vnc.html"):
        fail("the simulator's web page needs websockify and novnc (Debian: novnc)")
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 100
    with tempfile.TemporaryDirectory() as work:
        phone = Phone(sys.argv[1], work)
        browser = None
        try:
            browser = Browser(program, work)
            root = phone.url
            # The root address, noVNC's full page and its small one, and the bare full page
            # connected by hand: each must reach this simulator.
            pages = [root, root + "vnc.html?autoconnect=1&resize=off", root + "vnc_lite.html", root + "vnc.html"]
            for n in range(loads):
                url = pages[n % len(pages)]
                browser.evaluate("window.phoneLeft = true")
                browser.page("Page.navigate", {"url": url})
                if url.endswith("vnc.html"):
                    # Once noVNC has opened its connect panel, its button connects.
                    wait_until(browser, "!window.phoneLeft && document.getElementById('noVNC_connect_dlg')"
                                        ".classList.contains('noVNC_open')", url)
                    browser.evaluate("document.getElementById('noVNC_connect_button').click()")
                wait_for_face(browser, phone.faces["idle"], "load %d of %s" % (n + 1, url))
                if n % 10 == 0:
                    # OK opens the page, Esc closes it: typed into the browser, seen on the face.
                    browser.evaluate("document.querySelector('canvas').focus()")
                    browser.key("Enter", "Enter", 13)
                    wait_for_face(browser, phone.faces["page"], "Enter typed on load %d" % (n + 1))
                    browser.key("Escape", "Escape", 27)
                    wait_for_face(browser, phone.faces["idle"], "Esc typed on load %d" % (n + 1))
            print("tst_sim_browser: PASS: %d of %d loads showed the phone, keys acted on %d of them"
                  % (loads, loads, (loads + 9) // 10), flush=True)
        finally:
            if browser:
                browser.close()
            phone.close()
    return 0


def wait_until(browser, expression, what):
    deadline = time.monotonic() + DEADLINE
    while time.monotonic() < deadline:
        if browser.evaluate(expression):
            return
        select.select([], [], [], 0.05)
    fail("%s: never true: %s" % (what, expression))


if __name__ == "__main__":
    sys.exit(main())
