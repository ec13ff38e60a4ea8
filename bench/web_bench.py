#!/usr/bin/env python3
"""The web build's figures: the site's bytes as served (raw and gzip-compressed, each file and
the total), the time from navigation to the game's first frame in headless Chromium (median of
several loads) on the loopback and on a throttled line from a host that sends the compressed
forms (gzip over HTTP, brotli over HTTPS), and a press on the window to its repaint. A report,
not a test.
Usage: web_bench.py SITE PATH_TO_WINDOW_PLACES"""
import contextlib
import functools
import gzip
import http.server
import os
import pathlib
import ssl
import statistics
import subprocess
import sys
import tempfile
import threading

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tools" / "harness"))
from browser import Chromium, served, wait  # noqa: E402
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
    """Sends a file's .br or .gz beside it where the browser takes that encoding, as a host set
    up as docs/web.md says does."""
    forms = (("br", ".br"), ("gzip", ".gz"))

    def send_head(self):
        self.original = self.encoding = None
        path = self.translate_path(self.path)
        taken = self.headers.get("Accept-Encoding", "")
        for encoding, suffix in self.forms:
            if encoding in taken and os.path.isfile(path + suffix):
                self.original, self.encoding = path, encoding
                self.path = self.path.split("?")[0] + suffix
                break
        return super().send_head()

    def guess_type(self, path):
        return super().guess_type(self.original or path)

    def end_headers(self):
        if getattr(self, "encoding", None):
            self.send_header("Content-Encoding", self.encoding)
        super().end_headers()

    def log_message(self, *_):
        pass


@contextlib.contextmanager
def served_compressed(site, secure):
    """The site from a host that sends the compressed forms; secure: over HTTPS, with a
    certificate made for the run, since Chromium takes brotli only there."""
    handler = functools.partial(Precompressed, directory=str(site))
    with http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler) as server, \
            tempfile.TemporaryDirectory() as keys:
        if secure:
            key, certificate = f"{keys}/key.pem", f"{keys}/certificate.pem"
            subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes",
                            "-keyout", key, "-out", certificate, "-days", "1",
                            "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"],
                           check=True, capture_output=True)
            context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
            context.load_cert_chain(certificate, key)
            server.socket = context.wrap_socket(server.socket, server_side=True)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        try:
            yield f"{'https' if secure else 'http'}://127.0.0.1:{server.server_address[1]}/"
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
    with Chromium(read_places(sys.argv[2])) as page:
        page.preload(PROBE)
        # Every load from the server, past the browser's cache and the service worker's copy.
        page.cdp("Network.enable")
        page.cdp("Network.setCacheDisabled", cacheDisabled=True)
        page.cdp("Network.setBypassServiceWorker", bypass=True)
        with served(site) as (url, _):
            firsts, repaints = first_frames(page, url, LOADS)
        page.cdp("Network.emulateNetworkConditions", offline=False, **LINE)
        with served_compressed(site, secure=False) as url:
            throttled_gzip, _ = first_frames(page, url, 3)
        page.cdp("Security.setIgnoreCertificateErrors", ignore=True)  # the run's own certificate
        with served_compressed(site, secure=True) as url:
            throttled_brotli, _ = first_frames(page, url, 3)
    report("navigation to first frame, ms", firsts, 2000)
    line = "navigation to first frame on a 10 Mbit/s line with 40 ms round trips"
    report(f"{line}, gzip over HTTP, ms", throttled_gzip, 4000)
    report(f"{line}, brotli over HTTPS, ms", throttled_brotli, 4000)
    report("press to repaint, ms", repaints, 16.7)


if __name__ == "__main__":
    main()
