#!/usr/bin/env python3
"""The web build's figures: the site's bytes as served (raw and gzip-compressed, each file and
the total), the time from navigation to the game's first frame in headless Chromium (median of
several loads) on the loopback and on a throttled line, and a press on the window to its
repaint. A report, not a test.
Usage: web_bench.py SITE PATH_TO_WINDOW_PLACES"""
import contextlib
import functools
import gzip
import http.server
import os
import pathlib
import statistics
import sys
import threading

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tools" / "harness"))
from browser import Page, chromium, served, wait  # noqa: E402
from places import read_places  # noqa: E402

LOADS = 7
# A player's line: 10 Mbit/s down and up, 40 ms there and back.
LINE = {"latency": 40, "downloadThroughput": 10e6 / 8, "uploadThroughput": 10e6 / 8}
# Qt draws each window's frames into a canvas with putImageData: record when it first did, and
# the first time after each pointer press (performance.now(): milliseconds since navigation).
PROBE = """
window.quorvexFrames = {first: null, pressed: null, repaint: null};
const put = CanvasRenderingContext2D.prototype.putImageData;
CanvasRenderingContext2D.prototype.putImageData = function (...args) {
  const now = performance.now(), f = window.quorvexFrames;
  if (f.first === null) f.first = now;
  if (f.pressed !== null && f.repaint === null) f.repaint = now - f.pressed;
  return put.apply(this, args);
};
document.addEventListener('pointerdown', () => {
  window.quorvexFrames.pressed = performance.now(); window.quorvexFrames.repaint = null;
}, true);
"""


def sizes(site):
    """Each file a browser may load; the .gz and .br beside the large ones are other forms of
    them, counted apart."""
    print(f"{'file':40} {'bytes':>12} {'gzip -9':>12}")
    raw_total = packed_total = 0
    files = sorted(p for p in site.rglob("*") if p.is_file())
    for path in (p for p in files if p.suffix not in (".gz", ".br")):
        data = path.read_bytes()
        packed = len(gzip.compress(data, 9, mtime=0))
        raw_total += len(data)
        packed_total += packed
        print(f"{str(path.relative_to(site)):40} {len(data):12,} {packed:12,}")
    print(f"{'total':40} {raw_total:12,} {packed_total:12,}   (target: at most 4,000,000 compressed)")
    for form in (".gz", ".br"):
        kept = [p for p in files if p.suffix == form]
        print(f"offered as {form}: {', '.join(p.stem for p in kept)}: "
              f"{sum(p.stat().st_size for p in kept):,} bytes")


class Precompressed(http.server.SimpleHTTPRequestHandler):
    """Sends a file's .gz beside it where the browser takes gzip, as a host set up as
    docs/web.md says does (Chromium asks for brotli only over HTTPS)."""

    def send_head(self):
        self.original = None
        path = self.translate_path(self.path)
        if "gzip" in self.headers.get("Accept-Encoding", "") and os.path.isfile(path + ".gz"):
            self.original = path
            self.path = self.path.split("?")[0] + ".gz"
        return super().send_head()

    def guess_type(self, path):
        return super().guess_type(self.original or path)

    def end_headers(self):
        if getattr(self, "original", None):
            self.send_header("Content-Encoding", "gzip")
        super().end_headers()

    def log_message(self, *_):
        pass


@contextlib.contextmanager
def served_compressed(site):
    handler = functools.partial(Precompressed, directory=str(site))
    with http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler) as server:
        threading.Thread(target=server.serve_forever, daemon=True).start()
        try:
            yield f"http://127.0.0.1:{server.server_address[1]}/"
        finally:
            server.shutdown()


def first_frames(page, url, loads):
    """Navigation to the first frame, in ms, of each of that many loads; the last load's press
    to its repaint."""
    frames = lambda: page.js("return window.quorvexFrames")
    firsts, repaints = [], []
    for _ in range(loads):
        page.open(url + "?bench")
        firsts.append(wait(60, "first frame", lambda: frames()["first"]))
        wait(30, "game on the page", page.game_box)
        page.mouse("Bet")
        repaints.append(wait(10, "repaint after a press", lambda: frames()["repaint"]))
    return firsts, repaints


def report(what, times, target):
    print(f"{what} (median of {len(times)}): {statistics.median(times):.1f}"
          f"   (all: {', '.join(f'{t:.1f}' for t in times)}; target {target})")


def main():
    site = pathlib.Path(sys.argv[1])
    sizes(site)
    driver = chromium()
    page = Page(driver, read_places(sys.argv[2]))
    try:
        page.cdp("Page.addScriptToEvaluateOnNewDocument", source=PROBE)
        # Every load from the server, past the browser's cache and the service worker's copy.
        page.cdp("Network.enable")
        page.cdp("Network.setCacheDisabled", cacheDisabled=True)
        page.cdp("Network.setBypassServiceWorker", bypass=True)
        with served(site) as (url, _):
            firsts, repaints = first_frames(page, url, LOADS)
        with served_compressed(site) as url:
            page.cdp("Network.emulateNetworkConditions", offline=False, **LINE)
            throttled, _ = first_frames(page, url, 3)
    finally:
        driver.quit()
    report("navigation to first frame, ms", firsts, 2000)
    report("navigation to first frame on a 10 Mbit/s line with 40 ms round trips, gzip sent, ms",
           throttled, 4000)
    report("press to repaint, ms", repaints, 16.7)


if __name__ == "__main__":
    main()
