"""The site as a player gets it: served by Python's http.server from a folder below the top (a
path other than /), opened in Debian's headless Chromium driven by Selenium, with input and
screens sent over the DevTools protocol. Every wait is for a condition, with a time limit."""
import base64
import contextlib
import pathlib
import socket
import subprocess
import sys
import tempfile
import struct
import time
import zlib

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

PATH = "/games/quorvex/"
# The canvas Qt draws the game's window into, in the shadow root of its screen inside #game.
CANVAS = """[...document.querySelectorAll('#game *')].find(e => e.shadowRoot)
    .shadowRoot.querySelector('canvas')"""


def png_pixels(png):
    """Width, height and the rows of (r, g, b) of an 8-bit RGB or RGBA PNG, as Chromium writes them."""
    chunks, at = {}, 8
    while at < len(png):
        size, kind = struct.unpack(">I4s", png[at:at + 8])
        chunks[kind] = chunks.get(kind, b"") + png[at + 8:at + 8 + size]
        at += 12 + size
    width, height, _, colour = struct.unpack(">IIBB", chunks[b"IHDR"][:10])
    step = {2: 3, 6: 4}[colour]
    data, stride, rows, previous = zlib.decompress(chunks[b"IDAT"]), width * step, [], None
    for y in range(height):
        kind, line = data[y * (stride + 1)], bytearray(data[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        up = previous or bytearray(stride)
        for i in range(stride):  # the five PNG filters, undone byte by byte
            a, b, c = (line[i - step], up[i], up[i - step]) if i >= step else (0, up[i], 0)
            p = a + b - c
            line[i] = (line[i] + (0, a, b, (a + b) // 2,
                                  a if abs(p - a) <= min(abs(p - b), abs(p - c))
                                  else b if abs(p - b) <= abs(p - c) else c)[kind]) & 255
        rows.append([tuple(line[i:i + 3]) for i in range(0, stride, step)])
        previous = line
    return width, height, rows


def wait(limit, what, condition):
    """Polls the condition until it holds (returns its value); after limit seconds, AssertionError."""
    deadline = time.monotonic() + limit
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"no {what} within {limit} s")
        time.sleep(0.05)  # the polling interval, not a guess at how long anything takes


@contextlib.contextmanager
def served(site, port=0):
    """The site at http://127.0.0.1:PORT/games/quorvex/ while the block runs, on the given port
    or a free one; yields the address and the server's process."""
    with tempfile.TemporaryDirectory() as top:
        folder = pathlib.Path(top, PATH.strip("/"))
        folder.parent.mkdir(parents=True)
        folder.symlink_to(pathlib.Path(site).resolve())
        server = subprocess.Popen(
            [sys.executable, "-u", "-m", "http.server", "--bind", "127.0.0.1", str(port),
             "--directory", top], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        try:
            line = server.stdout.readline()  # "Serving HTTP on 127.0.0.1 port N (...) ..."
            port = int(line.split(" port ")[1].split()[0])
            yield f"http://127.0.0.1:{port}{PATH}", server
        finally:
            server.terminate()
            server.wait(10)


@contextlib.contextmanager
def silent(port):
    """A server on the port that takes connections and never answers, as on a weak signal: the
    system completes the handshakes of a listening socket that nothing accepts from."""
    with socket.create_server(("127.0.0.1", port), backlog=64):
        yield


def chromium():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--window-size=1280,900",
                     "--disable-gpu", "--no-first-run", "--lang=en-US"):
        options.add_argument(argument)
    return webdriver.Chrome(options=options, service=Service("/usr/bin/chromedriver"))


class Page:
    """One browser page showing the game, whose places (places.py) it presses by name."""

    def __init__(self, driver, places):
        self.driver = driver
        self.places = places
        self.metrics = None  # the page's width, height and whether a phone's, as screen() set

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def screen(self, width, height, ratio, mobile=False):
        self.metrics = width, height, mobile
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                 deviceScaleFactor=ratio, mobile=mobile)
        self.cdp("Emulation.setTouchEmulationEnabled", enabled=mobile, maxTouchPoints=5)

    def open(self, url):
        self.driver.get(url)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def game_box(self):
        """The game's container on the page: x, y, width, height in CSS pixels, or None."""
        return self.js("""const g = document.getElementById('game');
            if (!g || g.hidden) return null;
            const r = g.getBoundingClientRect(); return [r.x, r.y, r.width, r.height];""")

    def at(self, name):
        """The page point of the centre of the window's place of that name."""
        left, top, width, _ = self.game_box()
        scale = width / self.places["window"].width
        x, y = self.places[name].centre
        return left + x * scale, top + y * scale

    def mouse(self, name, button="left"):
        px, py = self.at(name)
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.cdp("Input.dispatchMouseEvent", type=kind, x=px, y=py, button=button,
                     buttons=0 if kind == "mouseMoved" else (1 if button == "left" else 2),
                     clickCount=0 if kind == "mouseMoved" else 1)

    def tap(self, name, held_until=None):
        """A tap; with held_until, the finger stays down until that condition holds."""
        px, py = self.at(name)
        self.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": px, "y": py}])
        if held_until:
            wait(15, "what the hold brings", held_until)
        self.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def key(self, name, code, text=None, vk=0, shift=False):
        modifiers = 8 if shift else 0
        down = {"type": "keyDown", "key": name, "code": code, "windowsVirtualKeyCode": vk,
                "modifiers": modifiers}
        if text:
            down.update(text=text, unmodifiedText=text)
        self.cdp("Input.dispatchKeyEvent", **down)
        self.cdp("Input.dispatchKeyEvent", type="keyUp", key=name, code=code,
                 windowsVirtualKeyCode=vk, modifiers=modifiers)

    def picture(self, left, top, width, height):
        """A PNG of that part of the page (CSS pixels), at the device's pixels."""
        clip = {"x": left, "y": top, "width": width, "height": height, "scale": 1}
        return base64.b64decode(self.cdp("Page.captureScreenshot", format="png", clip=clip)["data"])

    def settled(self):
        """A PNG of the window once two in a row are the same: Qt has drawn what it had to."""
        pictures = [None]
        def same():
            pictures.append(self.picture(*self.game_box()))
            return pictures[-1] == pictures[-2]
        wait(15, "the window settled", same)
        return pictures[-1]

    def repainted(self, ratio):
        """A PNG of the window drawn anew whole, on a page at that ratio: at another ratio and
        back, Qt makes a new backing store and paints all of it. The browser's resize event
        tells Qt of the new ratio."""
        width, (page_width, page_height, mobile) = self.places["window"].width, self.metrics
        for at in (2 if ratio != 2 else 1, ratio):
            self.cdp("Emulation.setDeviceMetricsOverride", width=page_width, height=page_height,
                     deviceScaleFactor=at, mobile=mobile)
            self.js("dispatchEvent(new Event('resize'))")
            wait(15, f"the window drawn at ratio {at}", lambda: self.js(
                f"const c = {CANVAS}; return c.width === arguments[0] && "
                "c.getContext('2d').getImageData(0, 0, 1, 1).data[3] === 255", width * at))
        return self.settled()

    def shot(self, path):
        with open(path, "wb") as out:
            out.write(self.driver.get_screenshot_as_png())
