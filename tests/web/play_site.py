#!/usr/bin/env python3
"""Plays the built site in headless Chromium as players meet it: loading on a slow line; a whole
turn by mouse on a desktop page, by keys, and by taps on a phone-sized page; a message box by a
right press, a held chip and Shift; End and the page's new game; a lost bankroll's "You're broke!"
ending the game; the page again with the server stopped, from a new release at the same address,
and on a line that never answers. Then, in Firefox and WebKit where installed, the desktop page's
turn by mouse, right press and End, and the phone page's turns by taps. The window is judged
by screenshots and by the page's accessible elements.
Usage: play_site.py SITE SHOTS_FOLDER PATH_TO_WINDOW_PLACES
Exit status: 0 passed, 1 failed."""
import pathlib
import re
import sys
import tempfile
import time
import urllib.parse

from selenium.common.exceptions import InvalidSessionIdException, TimeoutException

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools" / "harness"))
from browser import (CANVAS, Chromium, Firefox, WebKit, png_pixels, served, silent,  # noqa: E402
                     wait)
from places import read_places  # noqa: E402

# The places a turn presses (chip 0 is the one-dollar chip).
PRESSED = {"bet": "Bet", "chip": "chip0", "done": "Done", "spin": "Spin"}
# After a one-dollar stake is spun: Money with the comments that may come with it.
SPUN = {
    "999": {"Sorry, try again! You didn't get anything."},
    "1009": {"One seven! You got ten times your bid.", "You got a pair! You got ten times your bid!"},
    "1099": {"A pair of sevens! You got a hundred times your bid!",
             "Great! You got a three of a kind! You got a hundred times your bid!"},
    "1999": {"You won the jackpot! Boy, are you lucky! You got a thousand times your bid!"},
}
# Keys as the DevTools protocol sends them: key, code, text, Windows key code.
TAB, SPACE, DIGIT_0 = ("Tab", "Tab", None, 9), (" ", "Space", " ", 32), ("0", "Digit0", "0", 48)
DIGIT_3 = ("3", "Digit3", "3", 51)
# The digit row's 0 with Shift on a US and on a German keyboard.
SHIFTED_0 = {"US": (")", "Digit0", ")", 48), "German": ("=", "Digit0", "=", 48)}
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, flush=True)


# The page's accessible elements, which Qt mirrors from the window once its hidden "Enable
# Screen Reader" button is pressed: buttons as <button>, labels as <div>, in shadow roots.
ELEMENTS = """
const found = {buttons: [], hidden: [], texts: {}, labels: [], enable: null};
const walk = root => {
  for (const e of root.querySelectorAll('*')) {
    if (e.shadowRoot) walk(e.shadowRoot);
    const name = (e.tagName === 'TEXTAREA' ? e.value : e.textContent || '').trim();
    const description = e.getAttribute('aria-description');
    const shown = !e.hidden && getComputedStyle(e).display !== 'none' &&
                  e.getAttribute('aria-hidden') !== 'true';
    if (e.tagName === 'BUTTON' && name === 'Enable Screen Reader') found.enable = e;
    else if (e.tagName === 'BUTTON' && name) (shown ? found.buttons : found.hidden).push(name);
    else if (['DIV', 'TEXTAREA'].includes(e.tagName) && !e.children.length && name) {
      if (description) found.texts[description] = name;
      else found.labels.push(name);
    }
  }
};
walk(document.getElementById('game'));
return found;
"""


# Each change of what the page says while it loads, with its time in ms: status, amount shown.
LOADING = """
window.shown = [];
new MutationObserver(() => {
  const said = id => { const e = document.getElementById(id);
                       return e && !e.closest('[hidden]') ? e.textContent : ''; };
  if (!document.getElementById('status')) return;
  const now = [performance.now(), said('status'), said('amount')], last = window.shown.at(-1);
  if (!last || last[1] !== now[1] || last[2] !== now[2]) window.shown.push(now);
}).observe(document, {subtree: true, childList: true, characterData: true, attributes: true});
"""
# The title shown in a window's title bar (the game's own window has none).
TITLE = f"""[...{CANVAS}.getRootNode().querySelectorAll('.window-name')]
    .find(e => e.offsetWidth)"""


class Game:
    """The game on a page of any engine, mixed into the engine's page (browser.py)."""

    def elements(self):
        return self.js(ELEMENTS)

    def started(self):
        box = self.game_box()
        return box and self.js("return document.getElementById('status').textContent === ''")

    def load(self, url):
        self.open(url)
        wait(60, "game on the page", self.started)
        enable_screen_reader(self)

    def load_slowly(self, url, rate):
        """Loads the page with the network giving rate bytes a second; what it said meanwhile."""
        script = self.cdp("Page.addScriptToEvaluateOnNewDocument", source=LOADING)["identifier"]
        self.cdp("Network.enable")  # else the conditions hold for none of the page's requests
        self.cdp("Network.emulateNetworkConditions", offline=False, latency=0,
                 downloadThroughput=rate, uploadThroughput=-1)
        try:
            self.load(url)
        finally:
            self.cdp("Network.emulateNetworkConditions", offline=False, latency=0,
                     downloadThroughput=-1, uploadThroughput=-1)
            self.cdp("Network.disable")
            self.cdp("Page.removeScriptToEvaluateOnNewDocument", identifier=script)
        return self.js("return window.shown")

    def title_font(self):
        """A message box's title: the font families asked for, and the faces that drew it where
        the engine tells (None where not)."""
        return self.js(f"return getComputedStyle({TITLE}).fontFamily"), self.fonts(TITLE)

    def texts(self):
        return self.elements()["texts"]

    def expect(self, what, **wanted):
        """Waits until each accessible label (by description) reads as wanted."""
        def holds():
            texts = self.texts()
            return all(texts.get(k) == v for k, v in wanted.items())
        try:
            wait(15, what, holds)
        except AssertionError as error:
            check(False, f"{error}: labels {self.texts()}, expected {wanted}")

    def red_ink(self, left, top, width, height):
        """Width and height of the red pixels in a part of the window's picture (design pixels,
        on a page at ratio 1 and scale 1): closer to red than to the yellow or black around."""
        return self.js("""
            const [left, top, width, height] = arguments;
            const canvas = """ + CANVAS + """;
            const pixels = canvas.getContext('2d').getImageData(left, top, width, height).data;
            let x0 = width, x1 = -1, y0 = height, y1 = -1;
            for (let y = 0; y < height; ++y)
              for (let x = 0; x < width; ++x) {
                const i = 4 * (y * width + x);
                if (pixels[i] > 127 && pixels[i + 1] < 128) {
                  x0 = Math.min(x0, x); x1 = Math.max(x1, x); y0 = Math.min(y0, y); y1 = Math.max(y1, y);
                }
              }
            return [x1 - x0 + 1, y1 - y0 + 1];""", left, top, width, height)

    def first_reel_ink(self, ratio):
        """The red ink inside the first reel's border, on a page at that ratio."""
        reel = self.places["reel0"]
        inside = (reel.left + 1, reel.top + 1, reel.width - 2, reel.height - 2)
        return self.red_ink(*(ratio * n for n in inside))

    def buttons(self):
        return sorted(self.elements()["buttons"])

    def box(self, text):
        """A message box shows the text and holds the keyboard: the page's focus has left Qt's
        key input for the box window's canvas."""
        return text in self.elements()["labels"] and self.js("""let at = document.activeElement;
            while (at && at.shadowRoot && at.shadowRoot.activeElement)
              at = at.shadowRoot.activeElement;
            return at && at.tagName === 'CANVAS';""")


def enable_screen_reader(game):
    enable = wait(30, "Enable Screen Reader button", lambda: game.elements()["enable"])
    game.js("arguments[0].click()", enable)
    wait(30, "accessible labels", lambda: "Money" in game.texts())


def whole_turn(game, press, label):
    """Bet, the one-dollar chip, Done, Spin, each by the given press; the labels after each."""
    game.expect(f"{label}: start", Money="1000", Stake="0", Message="Comments")
    press("bet")
    game.expect(f"{label}: chips shown", Money="1000", Stake="0")
    check(wait(15, "chip buttons", lambda: "One Dollar" in game.buttons()),
          f"{label}: no One Dollar button among {game.buttons()}")
    press("chip")
    game.expect(f"{label}: a dollar staked", Money="999", Stake="1")
    press("done")
    wait(15, f"{label}: Spin back", lambda: "Spin" in game.buttons())
    press("spin")
    game.expect(f"{label}: spun", Stake="0")
    texts = game.texts()
    check(texts.get("Message") in SPUN.get(texts.get("Money"), ()),
          f"{label}: after the spin Money {texts.get('Money')!r} with {texts.get('Message')!r}")
    return texts


def cut_short(game, site, shots):
    print("== a site whose quorvex.wasm is cut short", flush=True)
    with tempfile.TemporaryDirectory() as copy:
        for path in pathlib.Path(site).iterdir():
            pathlib.Path(copy, path.name).symlink_to(path.resolve())
        wasm = pathlib.Path(copy, "quorvex.wasm")
        wasm.unlink()
        wasm.write_bytes(pathlib.Path(site, "quorvex.wasm").read_bytes()[:100000])
        with served(copy) as (url, _):
            game.screen(1280, 900, 1)
            game.open(url)
            said = wait(60, "a word on the page", lambda: game.js(
                "return document.getElementById('status').textContent !== 'Quorvex is loading.' "
                "&& document.getElementById('status').textContent"))
            check(said == "Quorvex could not start: this browser cannot run WebAssembly, or a "
                  "file of the game is missing or damaged.", f"the page says {said!r}")
            game.shot(shots / "cut-short.png")


# Every error that reaches the page uncaught, kept for the checks at the game's endings.
UNCAUGHT = """window.uncaught = [];
addEventListener('error', event => uncaught.push(String(event.error ?? event.message)));
addEventListener('unhandledrejection', event => uncaught.push(String(event.reason)));"""


def ended_cleanly(game, how):
    """The page's ending after the game ended by how, with no error left uncaught."""
    wait(15, f"the page's ending after {how}", lambda: game.js(
        "return document.getElementById('status').textContent") == "The game has ended.")
    errors = game.js("return window.uncaught")
    check(errors == [], f"uncaught in the page at the ending after {how}: {errors}")


def in_engine(engine, places):
    """The game on a new page of that engine (browser.py), its browser started."""
    return type(engine.__name__, (Game, engine), {})(places)


def main():
    site, shots = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    shots.mkdir(parents=True, exist_ok=True)
    places = read_places(sys.argv[3])
    with in_engine(Chromium, places) as game:
        game.preload(UNCAUGHT)
        try:
            cut_short(game, site, shots)
            with served(site) as (url, server):
                phone(game, url, shots)
            with served(site) as (url, server):
                play(game, site, url, shots, server)
        except AssertionError as error:
            check(False, str(error))
            print("elements:", {k: v for k, v in game.elements().items() if k != "enable"})
    for engine in (Firefox, WebKit):
        elsewhere(engine, site, places, shots)
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


def elsewhere(engine, site, places, shots):
    """In another engine, where installed: the desktop page's turn by mouse, right press and
    End, and turns by taps on the phone's page at ratios 3 and 1, each step against the window
    drawn anew whole."""
    missing = engine.missing()
    if missing:
        print(f"SKIP {engine.name}: {missing} missing", flush=True)
        return
    shots = shots / engine.name
    shots.mkdir(exist_ok=True)
    begun = time.monotonic()
    # A browser that goes away on a loaded machine (WebKit's: "page crash or hang") gets its
    # part once more; a failed check stays failed.
    for last in (False, True):
        try:
            with served(site) as (url, _), in_engine(engine, places) as game:
                game.preload(UNCAUGHT)
                desktop(game, url, shots)
                for ratio in (3, 1):
                    phone_turn(game, url, ratio, shots,
                               lambda step: drawn_whole(game, ratio, f"before {step}", shots))
                    drawn_whole(game, ratio, "spun", shots)
                game.shot(shots / "phone-turn.png")
            break
        except AssertionError as error:
            check(False, f"{engine.name}: {error}")
            break
        except InvalidSessionIdException as error:
            check(not last, f"{engine.name}'s browser went away twice: {error.msg}")
            print(f"{engine.name}'s browser went away ({error.msg}); its part once more",
                  flush=True)
    print(f"{engine.name} took {time.monotonic() - begun:.0f} s", flush=True)


def play(game, site, url, shots, server):
    print("== on a slow line the page shows how much has come; then the game at the device's "
          "pixels on a page at ratio 2", flush=True)
    game.screen(1280, 900, 2)
    shown = game.load_slowly(url, 8_000_000)
    whole = f"{(site / 'quorvex.wasm').stat().st_size / 1e6:.1f}"
    started = next(i for i, (_, status, _) in enumerate(shown) if status == "")
    loading = [(at, said) for at, _, said in shown[:started] if said]
    amounts = [re.fullmatch(rf"(\d+\.\d) of {re.escape(whole)} MB", said) for _, said in loading]
    check({status for _, status, _ in shown[:started]} == {"Quorvex is loading."} and
          shown[started][2] == "" and amounts and all(amounts) and loading[-1][1] == f"{whole} "
          f"of {whole} MB", f"the page said {shown[:3]} ... {shown[started - 2:]}")
    megabytes = [float(amount[1]) for amount in amounts if amount]
    stood = max((b - a for (a, _), (b, _) in zip(loading, loading[1:])), default=0)
    check(megabytes == sorted(megabytes) and len(set(megabytes)) >= 5 and stood <= 1000,
          f"the amount came as {megabytes}, standing still up to {stood:.0f} ms")
    ink = game.first_reel_ink(2)
    check(48 <= ink[0] <= 52 and 88 <= ink[1] <= 94,
          f"at ratio 2 the first reel's 0 is {ink[0]} x {ink[1]} device pixels, not 50 x 91")
    game.shot(shots / "desktop-ratio2.png")
    desktop(game, url, shots)

    print("== the page's new game", flush=True)
    game.js("document.getElementById('new-game').click()")
    wait(60, "a new game", game.started)
    enable_screen_reader(game)
    game.expect("a new game", Money="1000", Stake="0", Message="Comments")

    print("== a turn by keys", flush=True)
    # The focus starts on Spin; the tab order is Spin, Bet, End, Done, Reset, of those shown.
    # Done hidden gives the focus to Reset.
    steps = {"bet": [TAB, SPACE], "chip": [DIGIT_0], "done": [TAB, TAB, SPACE],
             "spin": [TAB, SPACE]}
    texts = whole_turn(game, lambda step: [game.key(*k) for k in steps[step]], "keys")

    print("== Shift with a digit names the chip, whatever the layout puts on the key", flush=True)
    [game.key(*k) for k in [TAB, SPACE]]  # Bet
    wait(15, "chip buttons", lambda: "One Dollar" in game.buttons())
    named = lambda: "One Dollar" in game.elements()["labels"]
    for layout, key in SHIFTED_0.items():
        game.key(*key, shift=True)
        check(wait(15, f"a box naming One Dollar ({layout})", lambda: game.box("One Dollar")),
              "no box named the chip")
        game.key(*SPACE)
        wait(15, f"the box closed by Space ({layout})", lambda: not named())
    game.expect("nothing staked by naming", Money=texts["Money"], Stake="0")

    print("== the whole bankroll staked until a spin loses it; then Bet: \"You're broke!\"", flush=True)
    for _ in range(30):  # a spin loses with odds 504 in 1000: 30 wins in a row are 1 in 10^9
        game.mouse("Reset")
        game.mouse("Bet")
        wait(15, "chip buttons", lambda: "One Thousand Dollars" in game.buttons())
        game.key(*DIGIT_3)
        game.expect("the bankroll staked", Money="0", Stake="1000")
        game.mouse("Done")
        wait(15, "Spin back", lambda: "Spin" in game.buttons())
        game.mouse("Spin")
        game.expect("spun", Stake="0")
        if game.texts().get("Money") == "0":
            break
    game.mouse("Bet")
    check(wait(15, "the box saying so", lambda: game.box("You're broke!")),
          "no box said \"You're broke!\"")
    game.shot(shots / "desktop-broke.png")
    game.key("Enter", "Enter", "\r", 13)
    ended_cleanly(game, "\"You're broke!\"")

    print("== nothing stored in the browser but the service worker's copy", flush=True)
    stored = game.js("return indexedDB.databases().then(found => [document.cookie, "
                     "localStorage.length, sessionStorage.length, found.map(db => db.name)])")
    check(stored == ["", 0, 0, []], f"cookie, local, session storage, databases: {stored}")

    print("== again with the server stopped: the kept copy", flush=True)
    wait(30, "the service worker in control",
         lambda: game.js("return navigator.serviceWorker.controller !== null"))
    server.terminate()
    server.wait(10)
    game.driver.refresh()
    wait(60, "the game offline", game.started)
    enable_screen_reader(game)
    game.expect("offline start", Money="1000", Stake="0", Message="Comments")

    print("== a new release at the same address shows at the next visit", flush=True)
    footer = "return document.querySelector('footer').innerText"
    port = urllib.parse.urlsplit(url).port
    with tempfile.TemporaryDirectory() as release:
        for path in site.iterdir():
            pathlib.Path(release, path.name).symlink_to(path.resolve())
        for name, old, new in [("index.html", r"Quorvex [^ ]+ ·", "Quorvex 99.0.0 ·"),
                               ("sw.js", r"'quorvex-[^']+'", "'quorvex-99.0.0'")]:
            changed = pathlib.Path(release, name)
            changed.unlink()
            changed.write_text(re.sub(old, new, (site / name).read_text()))
        with served(release, port):
            game.driver.refresh()
            wait(60, "the new release's game", game.started)
            check(game.js(footer) == "Quorvex 99.0.0 · free software under the MIT licence · "
                  "licences and source", f"the footer says {game.js(footer)!r}")
            wait(60, "the new release kept, the old one gone",
                 lambda: game.js("return caches.keys()") == ["quorvex-99.0.0"])

    print("== on a line that takes connections and never answers, the kept copy within 5 s",
          flush=True)
    with silent(port):
        limit = game.driver.timeouts.page_load
        game.driver.set_page_load_timeout(5)  # past it the page would wait as long as the line
        begun = time.monotonic()
        try:
            game.driver.refresh()
        except TimeoutException as error:
            raise AssertionError("no page within 5 s on a line that never answers") from error
        finally:
            game.driver.set_page_load_timeout(limit)
        wait(60, "the game on a line that never answers", game.started)
        took = time.monotonic() - begun
        print(f"started in {took:.1f} s", flush=True)
        check(took <= 5, f"the kept copy took {took:.1f} s to start")
        check(game.js(footer).startswith("Quorvex 99.0.0 ·"), f"the footer says {game.js(footer)!r}")
        enable_screen_reader(game)
        game.expect("start on a line that never answers", Money="1000", Stake="0",
                    Message="Comments")
        game.shot(shots / "never-answers.png")


# Black lines of the design, one window pixel wide, that part two boxes: where a line across
# them (across, down) crosses the line, in window pixels. Each shows on a phone's page at least a
# fifth darker than the boxes on either side.
LINES = {"Money | Stake": (304, 380, "across"), "reel 1 | reel 2": (352, 60, "across"),
         "reel 2 | reel 3": (432, 60, "across"), "reels' top": (300, 48, "down")}


def desktop(game, url, shots):
    """A turn by mouse on a desktop page; a right press's message box closed by Return; End."""
    print(f"== {game.name}: a turn by mouse on a desktop page, 1280 x 900", flush=True)
    game.screen(1280, 900, 1)
    game.load(url)
    title = game.js("return document.title")
    check(title == "Quorvex!", f"page title {title!r}")
    box, design = game.game_box(), game.places["window"]
    check(box[2:] == [design.width, design.height],
          f"the window is {box[2]} x {box[3]} on a large page")
    game.shot(shots / "desktop-start.png")
    # The reels' face, Liberation Sans Narrow Bold at 64 px, inks a 0 of 25 x 46 pixels; the
    # face Qt falls back to without it (DejaVu Sans Bold) inks one far wider.
    ink = game.first_reel_ink(1)
    check(24 <= ink[0] <= 26 and 45 <= ink[1] <= 47,
          f"the first reel's 0 is {ink[0]} x {ink[1]}, not 25 x 46")
    print("at the start:", {k: v for k, v in game.elements().items() if k != "enable"}, flush=True)
    whole_turn(game, lambda step: game.mouse(PRESSED[step]), "mouse")
    game.shot(shots / "desktop-turn.png")
    print("labels after a turn:", game.texts(), "buttons:", game.buttons(), flush=True)

    print(f"== {game.name}: a right press names the chip in a message box; Return closes it",
          flush=True)
    game.mouse("Bet")
    wait(15, "chip buttons", lambda: "One Dollar" in game.buttons())
    if game.no_right_press:
        print(f"SKIP {game.name}'s right press: {game.no_right_press}; Shift with 0 instead",
              flush=True)
        game.key(*SHIFTED_0["US"], shift=True)
    else:
        game.js("window.menuPrevented = null; window.addEventListener('contextmenu', "
                "event => { window.menuPrevented = event.defaultPrevented; })")
        game.mouse("chip0", button="right")
        prevented = wait(15, "a context menu event", lambda: game.js(
            "return window.menuPrevented === null ? null : [window.menuPrevented]"))
        check(prevented == [True], "the browser's context menu is let through on a right press")
    check(wait(15, "message box naming One Dollar", lambda: game.box("One Dollar")),
          "no box named the chip")
    named = lambda: "One Dollar" in game.elements()["labels"]
    # Qt asks for Lucida Grande alone, which this machine lacks: with no fallback named, the
    # title came in a serif face.
    family, faces = game.title_font()
    check(family == '"Lucida Grande", sans-serif' and (faces is None or faces and not any(
        "Serif" in face for face in faces)), f"the box's title is {family} in {faces}")
    game.shot(shots / "desktop-box.png")
    game.key("Enter", "Enter", "\r", 13)
    wait(15, "message box closed by Return", lambda: not named())
    game.mouse("Done")
    wait(15, "Spin back", lambda: "Spin" in game.buttons())

    print(f"== {game.name}: End: the page's ending", flush=True)
    game.mouse("End")
    ended_cleanly(game, "End")
    check(game.game_box() is None, "the window stays on the page after End")
    game.shot(shots / "desktop-ended.png")


def lines_shown(game, label):
    left, top, width, _ = game.game_box()
    scale = width / game.places["window"].width
    for name, (x, y, way) in LINES.items():
        across = way == "across"
        # Six window pixels either side: engines place a scaled page's pixels a little apart.
        part = (left + (x - 6) * scale, top + y * scale, 12 * scale, 1) if across else \
            (left + x * scale, top + (y - 6) * scale, 1, 12 * scale)
        _, _, rows = png_pixels(game.picture(*part))
        shades = [sum(p) for p in (rows[0] if across else [row[0] for row in rows])]
        check(min(shades) <= 0.8 * min(shades[0], shades[-1]),
              f"{label}: the line {name} is not shown: {shades} (sums of red, green, blue)")


def drawn_whole(game, ratio, what, shots):
    """The window as shown is the window drawn anew whole: nothing left by a partial repaint."""
    shown = game.settled()
    anew = game.repainted(ratio)
    # At ratio 2 the reels' digits come out of a partial repaint with their edges' shading up
    # to 16 levels off; what a repaint left behind differs by far more.
    _, _, rows = png_pixels(shown)
    _, _, rows_anew = png_pixels(anew)
    if shown != anew and any(abs(a - b) > 32 for row, row_anew in zip(rows, rows_anew)
                             for p, q in zip(row, row_anew) for a, b in zip(p, q)):
        name = f"phone-{ratio}-{what.replace(' ', '-')}"
        (shots / f"{name}-shown.png").write_bytes(shown)
        (shots / f"{name}-anew.png").write_bytes(anew)
        check(False, f"ratio {ratio}, {what}: the window differs from it drawn anew ({name}-*.png)")


def close_by_ok(game):
    """A tap on a message box's OK, whose centre is 51 and 25 window pixels from the box's right
    and bottom edges; the box's canvas is the last Qt made."""
    right, bottom = game.js(f"const c = [...{CANVAS}.getRootNode().querySelectorAll('canvas')]"
                            ".at(-1).getBoundingClientRect(); return [c.right, c.bottom]")
    scale = game.game_box()[2] / game.places["window"].width
    point = {"x": right - 51 * scale, "y": bottom - 25 * scale}
    game.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=[point])
    game.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])


def phone_turn(game, url, ratio, shots, before=lambda step: None):
    """A turn by taps on a phone's page, 390 x 844 at that ratio, which leaves the window its
    width, 390 of 679 window pixels; before each tap, before(step)."""
    print(f"== {game.name}: a turn by taps on a phone, 390 x 844 at ratio {ratio}", flush=True)
    game.screen(390, 844, ratio, mobile=True)
    game.load(url)
    x, y, width, height = game.game_box()
    check(x >= 0 and y >= 0 and x + width <= 390 and y + height <= 844,
          f"the window at {x}, {y}, {width} x {height} is cut off on a 390 x 844 page")
    check(round(width) == 390 and round(height) == 275,
          f"the window is {width} x {height}, not 390 x 275")
    check(game.js("return document.scrollingElement.scrollHeight <= innerHeight && "
                  "document.scrollingElement.scrollWidth <= innerWidth"),
          "the phone page scrolls")
    if ratio == 1 and game.thin_lines_dropped:
        print(f"SKIP {game.name}'s lines at ratio 1: {game.thin_lines_dropped}", flush=True)
    else:
        lines_shown(game, f"ratio {ratio}")
    if ratio == 3:
        game.shot(shots / "phone-start.png")

    def press(step):
        before(step)
        game.tap(PRESSED[step])
    return whole_turn(game, press, f"taps at ratio {ratio}")


def phone(game, url, shots):
    for ratio in (3, 1, 2):
        texts = phone_turn(game, url, ratio, shots,
                           lambda step: drawn_whole(game, ratio, f"before {step}", shots))
        drawn_whole(game, ratio, "spun", shots)
        game.shot(shots / f"phone-turn{'' if ratio == 3 else ratio}.png")

        print("== holding a chip names it; Return or a tap on OK closes the box", flush=True)
        game.tap("Bet")
        wait(15, "chip buttons", lambda: "One Dollar" in game.buttons())
        for chip, name in (("chip0", "One Dollar"), ("chip1", "Ten Dollars")):
            game.tap(chip, held_until=lambda: game.box(name))
            drawn_whole(game, ratio, f"a box naming {name}", shots)
            if ratio == 3:
                game.shot(shots / f"phone-held{'' if chip == 'chip0' else '-ten'}.png")
                game.key("Enter", "Enter", "\r", 13)
            else:
                close_by_ok(game)
            wait(15, "the box closed", lambda: name not in game.elements()["labels"])
        game.expect("nothing staked by holding", Money=texts["Money"], Stake="0")

    print("== the phone turned: the window fits the new page, the game goes on", flush=True)
    game.tap("chip0")
    game.expect("a dollar staked", Money=str(int(texts["Money"]) - 1), Stake="1")
    game.screen(844, 390, 2, mobile=True)
    # 390 less the footer's one line, 21 px, leaves 369 of 479 window pixels: 523 x 369.
    wait(15, "the window fitted to the turned page", lambda: [round(n) for n in game.game_box()[2:]]
         == [round(679 * 369 / 479), 369])
    x, y, width, height = game.game_box()
    check(x >= 0 and y >= 0 and x + width <= 844 and y + height <= 390,
          f"the window at {x}, {y}, {width} x {height} is cut off on an 844 x 390 page")
    game.expect("the stake kept", Money=str(int(texts["Money"]) - 1), Stake="1")
    check("Done" in game.buttons(), f"no Done among {game.buttons()} after the turn")
    lines_shown(game, "turned")
    drawn_whole(game, 2, "turned", shots)
    game.shot(shots / "phone-turned.png")
    game.mouse("Done")
    wait(15, "Spin back, by a press on the turned page", lambda: "Spin" in game.buttons())


if __name__ == "__main__":
    sys.exit(main())
