#!/usr/bin/env python3
"""The web build's figures: the site's bytes as served (raw and gzip-compressed, each file and
the total), the time from navigation to the game's first frame in headless Chromium (median of
several loads), and a press on the window to its repaint. A report, not a test.
Usage: web_bench.py SITE PATH_TO_WINDOW_PLACES"""
import gzip
import pathlib
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tools" / "harness"))
from browser import Page, chromium, served, wait  # noqa: E402
from places import read_places  # noqa: E402

LOADS = 7
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
    print(f"{'file':40} {'bytes':>12} {'gzip -9':>12}")
    raw_total = packed_total = 0
    for path in sorted(p for p in site.rglob("*") if p.is_file()):
        data = path.read_bytes()
        packed = len(gzip.compress(data, 9, mtime=0))
        raw_total += len(data)
        packed_total += packed
        print(f"{str(path.relative_to(site)):40} {len(data):12,} {packed:12,}")
    print(f"{'total':40} {raw_total:12,} {packed_total:12,}   (target: at most 5,000,000 compressed)")


def main():
    site = pathlib.Path(sys.argv[1])
    sizes(site)
    driver = chromium()
    page = Page(driver, read_places(sys.argv[2]))
    try:
        page.cdp("Page.addScriptToEvaluateOnNewDocument", source=PROBE)
        page.cdp("Network.setCacheDisabled", cacheDisabled=True)
        firsts, repaints = [], []
        with served(site) as (url, _):
            for _ in range(LOADS):
                page.open(url + "?bench")  # past the service worker's kept copy? it fetches first
                frames = lambda: page.js("return window.quorvexFrames")
                firsts.append(wait(60, "first frame", lambda: frames()["first"]))
                wait(30, "game on the page", page.game_box)
                page.mouse("Bet")
                repaints.append(wait(10, "repaint after a press", lambda: frames()["repaint"]))
    finally:
        driver.quit()
    print(f"navigation to first frame, ms (median of {LOADS}): {statistics.median(firsts):.0f}"
          f"   (all: {', '.join(f'{t:.0f}' for t in firsts)}; target 2000)")
    print(f"press to repaint, ms (median of {LOADS}): {statistics.median(repaints):.1f}"
          f"   (all: {', '.join(f'{t:.1f}' for t in repaints)}; target 16.7)")


if __name__ == "__main__":
    main()
