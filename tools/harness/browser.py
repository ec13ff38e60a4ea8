"""The site as a player gets it: served by Python's http.server from a folder below the top (a
path other than /), opened in a browser: Debian's headless Chromium driven by Selenium, with
input and screens sent over the DevTools protocol; headless Firefox ESR over WebDriver BiDi; or
WebKitGTK's MiniBrowser through WebKitWebDriver. Every wait is for a condition, with a time
limit."""
import base64
import contextlib
import io
import json
import os
import pathlib
import re
import signal
import socket
import subprocess
import sys
import tempfile
import time

from PIL import Image
from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.interaction import POINTER_TOUCH
from selenium.webdriver.common.actions.mouse_button import MouseButton
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.options import ArgOptions

try:
    import websocket  # Debian's python3-websocket, for Firefox alone
except ImportError:
    websocket = None

PATH = "/games/quorvex/"
# The canvas Qt draws the game's window into, in the shadow root of its screen inside #game.
CANVAS = """[...document.querySelectorAll('#game *')].find(e => e.shadowRoot)
    .shadowRoot.querySelector('canvas')"""


def png_pixels(png):
    """Width, height and the rows of (r, g, b) of a PNG."""
    image = Image.open(io.BytesIO(png)).convert("RGB")
    pixels = list(image.getdata())
    return image.width, image.height, [pixels[y * image.width:(y + 1) * image.width]
                                       for y in range(image.height)]


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


def free_port():
    with socket.create_server(("127.0.0.1", 0)) as probe:
        return probe.getsockname()[1]


def started(ending, command, log, **options):
    """Starts the command in a process group of its own, its output into the log file; the
    ending stops the whole group: a browser leaves processes of its own behind."""
    process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                               start_new_session=True, **options)

    def stop():
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait(10)
        with contextlib.suppress(ProcessLookupError):
            os.killpg(process.pid, signal.SIGKILL)
    ending.callback(stop)
    return process


class Page:
    """One browser page showing the game, whose places (places.py) it presses by name. Each
    engine below drives its browser its own way; the page's size, presses, keys and pictures
    are asked for alike. A page is a context manager: its end stops the browser."""
    name = None  # the engine's
    programs = ()  # what the engine needs installed
    no_right_press = None  # why the engine cannot press the right button, where it cannot
    thin_lines_dropped = None  # why lines thinner than a device pixel drop out, where they do

    def __init__(self, places):
        self.places = places
        self.metrics = None  # the page's width, height and whether a phone's, as screen() set
        self.ending = contextlib.ExitStack()
        try:
            self.start()
        except BaseException:
            self.ending.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.ending.close()

    @classmethod
    def missing(cls):
        """The first program the engine needs that is not installed, or None."""
        return next((p for p in cls.programs if not os.access(p, os.X_OK)), None)

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

    def fonts(self, expression):
        """The faces that drew the element the expression finds, where the engine tells."""
        return None

    def repainted(self, ratio):
        """A PNG of the window drawn anew whole, on a page at that ratio: at another ratio and
        back, Qt makes a new backing store and paints all of it. The browser's resize event
        tells Qt of the new ratio."""
        width = self.places["window"].width
        for at in (2 if ratio != 2 else 1, ratio):
            self.show_ratio(at)
            self.js("dispatchEvent(new Event('resize'))")
            wait(15, f"the window drawn at ratio {at}", lambda: self.js(
                f"const c = {CANVAS}; return c.width === arguments[0] && "
                "c.getContext('2d').getImageData(0, 0, 1, 1).data[3] === 255", width * at))
        return self.settled()

    def show_ratio(self, ratio):
        """The page at that device pixel ratio, its size kept."""
        width, height, mobile = self.metrics
        self.screen(width, height, ratio, mobile)

    def settled(self):
        """A PNG of the window once two in a row are the same: Qt has drawn what it had to."""
        pictures = [None]
        def same():
            pictures.append(self.picture(*self.game_box()))
            return pictures[-1] == pictures[-2]
        wait(15, "the window settled", same)
        return pictures[-1]


class Chromium(Page):
    """Debian's headless Chromium through Selenium, with input and screens sent over the
    DevTools protocol."""
    name, programs = "chromium", ("/usr/bin/chromium", "/usr/bin/chromedriver")

    def start(self):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--window-size=1280,900",
                         "--disable-gpu", "--no-first-run", "--lang=en-US"):
            options.add_argument(argument)
        self.driver = webdriver.Chrome(options=options, service=Service("/usr/bin/chromedriver"))
        self.ending.callback(self.driver.quit)

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def preload(self, script):
        """Runs the script in each document the page opens from now, before the page's own."""
        self.cdp("Page.addScriptToEvaluateOnNewDocument", source=script)

    def screen(self, width, height, ratio, mobile=False):
        self.metrics = width, height, mobile
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                 deviceScaleFactor=ratio, mobile=mobile)
        self.cdp("Emulation.setTouchEmulationEnabled", enabled=mobile, maxTouchPoints=5)

    def open(self, url):
        self.driver.get(url)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

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

    def fonts(self, expression):
        self.cdp("DOM.enable")
        self.cdp("DOM.getDocument", depth=-1, pierce=True)  # the node ids that requestNode needs
        found = self.cdp("Runtime.evaluate", expression=expression)["result"]["objectId"]
        node = self.cdp("DOM.requestNode", objectId=found)["nodeId"]
        self.cdp("CSS.enable")
        return sorted(face["familyName"]
                      for face in self.cdp("CSS.getPlatformFontsForNode", nodeId=node)["fonts"])

    def picture(self, left, top, width, height):
        """A PNG of that part of the page (CSS pixels), at the device's pixels."""
        clip = {"x": left, "y": top, "width": width, "height": height, "scale": 1}
        return base64.b64decode(self.cdp("Page.captureScreenshot", format="png", clip=clip)["data"])

    def shot(self, path):
        with open(path, "wb") as out:
            out.write(self.driver.get_screenshot_as_png())


class Node(str):
    """A page element handed out by WebDriver BiDi, by its shared id."""


# WebDriver's code points of the keys that name no character.
KEYS = {"Enter": "\ue007", "Tab": "\ue004", "Shift": "\ue008"}


class Firefox(Page):
    """Debian's headless Firefox ESR spoken to in WebDriver BiDi over its own WebSocket, with no
    geckodriver between."""
    name, programs = "firefox", ("/usr/bin/firefox-esr",)

    @classmethod
    def missing(cls):
        return super().missing() or (None if websocket else "python3-websocket")

    def start(self):
        profile = self.ending.enter_context(tempfile.TemporaryDirectory())
        log = self.ending.enter_context(open(pathlib.Path(profile).with_suffix(".log"), "w+"))
        self.ending.callback(os.unlink, log.name)
        # Port 0: Firefox takes a free port and says which.
        started(self.ending, ["/usr/bin/firefox-esr", "--headless", "--remote-debugging-port=0",
                              "--profile", profile], log)
        address = wait(60, "Firefox's WebDriver BiDi address", lambda: re.search(
            r"WebDriver BiDi listening on (ws://\S+)", pathlib.Path(log.name).read_text()))[1]
        # Firefox refuses a WebSocket handshake that names an origin.
        self.socket = websocket.create_connection(f"{address}/session", suppress_origin=True,
                                                  timeout=120)
        self.ending.callback(self.socket.close)
        self.sent = 0
        self.command("session.new", capabilities={})
        self.ending.callback(self.command, "browser.close")
        self.context = self.command("browsingContext.getTree")["contexts"][0]["context"]

    def command(self, method, **params):
        """The result of a BiDi command; AssertionError with the browser's word if it failed."""
        self.sent += 1
        self.socket.send(json.dumps({"id": self.sent, "method": method, "params": params}))
        while True:
            answer = json.loads(self.socket.recv())
            if answer.get("id") == self.sent:  # not an event
                break
        if answer["type"] == "error":
            raise AssertionError(f"{method}: {answer['error']}: {answer['message']}")
        return answer["result"]

    def preload(self, script):
        self.command("script.addPreloadScript", functionDeclaration=f"() => {{ {script} }}")

    def screen(self, width, height, ratio, mobile=False):
        self.metrics = width, height, mobile
        self.command("browsingContext.setViewport", context=self.context,
                     viewport={"width": width, "height": height}, devicePixelRatio=ratio)

    def open(self, url):
        self.command("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def js(self, script, *args):
        """The script's value as Selenium's execute_script gives it: the script is a function's
        body, with its arguments, and a promise is awaited."""
        def local(value):
            if isinstance(value, Node):
                return {"sharedId": value}
            if value is None:
                return {"type": "null"}
            kind = {bool: "boolean", int: "number", float: "number", str: "string"}.get(type(value))
            return {"type": kind, "value": value} if kind else \
                {"type": "array", "value": [local(item) for item in value]}

        def remote(value):
            kind, inside = value["type"], value.get("value")
            if kind == "node":
                return Node(value["sharedId"])
            if kind == "array":
                return [remote(item) for item in inside]
            if kind == "object":
                return {key: remote(item) for key, item in inside}
            return inside  # undefined and null have no value
        done = self.command("script.callFunction", functionDeclaration=f"function() {{ {script} }}",
                            target={"context": self.context}, awaitPromise=True,
                            arguments=[local(arg) for arg in args])
        if done["type"] == "exception":
            raise AssertionError(f"script failed: {done['exceptionDetails']['text']}")
        return remote(done["result"])

    def pointer(self, kind, name, button, held_until=None):
        px, py = self.at(name)
        source = {"type": "pointer", "id": kind, "parameters": {"pointerType": kind}}
        self.command("input.performActions", context=self.context, actions=[dict(source, actions=[
            {"type": "pointerMove", "x": round(px), "y": round(py)},
            {"type": "pointerDown", "button": button}])])
        if held_until:
            wait(15, "what the hold brings", held_until)
        self.command("input.performActions", context=self.context, actions=[dict(source, actions=[
            {"type": "pointerUp", "button": button}])])

    def mouse(self, name, button="left"):
        self.pointer("mouse", name, 0 if button == "left" else 2)

    def tap(self, name, held_until=None):
        """A tap; with held_until, the finger stays down until that condition holds."""
        self.pointer("touch", name, 0, held_until)

    def key(self, name, code, text=None, vk=0, shift=False):
        value, shifts = KEYS.get(name, name), [KEYS["Shift"]] if shift else []
        self.command("input.performActions", context=self.context, actions=[{
            "type": "key", "id": "keyboard", "actions":
            [{"type": "keyDown", "value": v} for v in shifts + [value]] +
            [{"type": "keyUp", "value": v} for v in [value] + shifts]}])

    def picture(self, left, top, width, height):
        """A PNG of that part of the page (CSS pixels), at the device's pixels."""
        return base64.b64decode(self.command(
            "browsingContext.captureScreenshot", context=self.context,
            clip={"type": "box", "x": left, "y": top, "width": width, "height": height})["data"])

    def shot(self, path):
        with open(path, "wb") as out:
            out.write(self.picture(0, 0, *self.metrics[:2]))


class WebKit(Page):
    """WebKitGTK's MiniBrowser through WebKitWebDriver and Selenium, in an X server of its own:
    Debian's MiniBrowser has no headless mode. Its device pixel ratio is GTK's scale, which holds
    for a browser's life: a page at another ratio is shown by another browser."""
    name = "webkit"
    binary = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
    programs = ("/usr/bin/WebKitWebDriver", binary, "/usr/bin/Xvfb")
    # The page gets the release as the left button's, and the right one stays held for good.
    no_right_press = "WebKitGTK's WebDriver never releases the right button"
    thin_lines_dropped = ("WebKitGTK's software compositing scales the window by the nearest "
                          "pixel, dropping lines thinner than a device pixel")

    def start(self):
        self.preloads, self.ratio, self.browser = [], None, contextlib.ExitStack()
        self.log = self.ending.enter_context(tempfile.NamedTemporaryFile("w+", suffix=".log"))
        # Xvfb takes the first free display itself and writes its number once it takes clients.
        # Tall enough for a phone's page at ratio 3.
        with tempfile.TemporaryFile("w+") as number:
            started(self.ending, ["Xvfb", "-displayfd", str(number.fileno()), "-noreset",
                                  "-screen", "0", "1920x2880x24", "-nolisten", "tcp"], self.log,
                    pass_fds=(number.fileno(),))
            def said():
                line = os.pread(number.fileno(), 16, 0).decode()
                return line.endswith("\n") and line.strip()
            self.display = wait(30, "Xvfb's display", said)
        self.ending.callback(self.browser.close)
        self.launch(1)

    def launch(self, ratio):
        """A new browser, through a driver of its own, at that device pixel ratio."""
        self.browser.close()
        port = free_port()
        started(self.browser, ["/usr/bin/WebKitWebDriver", f"--port={port}"], self.log,
                env=dict(os.environ, DISPLAY=f":{self.display}", GDK_SCALE=str(ratio)))
        def listening():
            with contextlib.suppress(OSError), socket.create_connection(("127.0.0.1", port)):
                return True
        wait(30, "WebKitWebDriver listening", listening)
        options = ArgOptions()
        options.set_capability("browserName", "MiniBrowser")
        # Full screen, without the toolbar, which keeps a window wider than a phone's page;
        # with no window manager the window still takes the size it is given.
        options.set_capability("webkitgtk:browserOptions", {
            "binary": self.binary, "args": ["--automation", "--full-screen"]})
        self.driver = webdriver.Remote(f"http://127.0.0.1:{port}", options=options)
        self.browser.callback(self.driver.quit)
        self.ratio = ratio

    def preload(self, script):
        """Runs the script in each document the page opens from now, as soon as it has loaded:
        WebKit's WebDriver runs nothing before the page's own scripts."""
        self.preloads.append(script)

    def screen(self, width, height, ratio, mobile=False):
        if ratio != self.ratio:
            self.launch(ratio)
        self.metrics = width, height, mobile
        self.driver.set_window_rect(width=width, height=height)
        wait(15, f"a page of {width} x {height}",
             lambda: self.js("return [innerWidth, innerHeight]") == [width, height])

    def show_ratio(self, ratio):
        """The page told another ratio than its browser's, or its own again: Qt reads
        devicePixelRatio at each resize event."""
        self.js("""if (!('toldRatio' in window)) {
                const own = Object.getOwnPropertyDescriptor(window, 'devicePixelRatio') ??
                    Object.getOwnPropertyDescriptor(Window.prototype, 'devicePixelRatio');
                Object.defineProperty(window, 'devicePixelRatio', {
                    configurable: true, get: () => window.toldRatio ?? own.get.call(window)});
            }
            window.toldRatio = arguments[0] === arguments[1] ? null : arguments[0];""",
                ratio, self.ratio)

    def open(self, url):
        self.driver.get(url)
        for script in self.preloads:
            self.js(script)

    def js(self, script, *args):
        """As Chromium's; but WebKit's driver, asked while the page is busy starting the game on
        a loaded machine, may answer "Could not parse script result": then it is asked again."""
        def answered():
            try:
                return [self.driver.execute_script(script, *args)]
            except WebDriverException as error:
                if "Could not parse script result" not in str(error):
                    raise
                return None
        return wait(30, "an answer from WebKit's driver", answered)[0]

    def press(self, name, button=MouseButton.LEFT, pointer=None):
        """A press and release at the place of that name: by the mouse, or the pointer given."""
        px, py = self.at(name)
        actions = ActionBuilder(self.driver, mouse=pointer, duration=0)
        actions.pointer_action.move_to_location(round(px), round(py))
        actions.pointer_action.pointer_down(button).pointer_up(button)
        actions.perform()

    def mouse(self, name, button="left"):
        self.press(name, MouseButton.LEFT if button == "left" else MouseButton.RIGHT)

    def key(self, name, code, text=None, vk=0, shift=False):
        value, shifts = KEYS.get(name, name), [KEYS["Shift"]] if shift else []
        actions = ActionChains(self.driver)
        for v in shifts + [value]:
            actions.key_down(v)
        for v in [value] + shifts:
            actions.key_up(v)
        actions.perform()

    def tap(self, name):
        """A touch of the finger."""
        self.press(name, pointer=PointerInput(POINTER_TOUCH, "finger"))

    def picture(self, left, top, width, height):
        """A PNG of that part of the page (CSS pixels), at the device's pixels, cut from a shot
        of the whole page: WebKit's WebDriver takes no other."""
        shot = Image.open(io.BytesIO(self.driver.get_screenshot_as_png()))
        scale = shot.width / self.metrics[0]
        box = [round(left * scale), round(top * scale)]
        box += [max(box[0] + 1, round((left + width) * scale)),
                max(box[1] + 1, round((top + height) * scale))]
        out = io.BytesIO()
        shot.crop(box).save(out, "PNG")
        return out.getvalue()

    def shot(self, path):
        with open(path, "wb") as out:
            out.write(self.driver.get_screenshot_as_png())
