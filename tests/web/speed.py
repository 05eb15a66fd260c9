"""Measures the browser edition's speed in headless Chromium from file://:
the time from the start of navigation to the page being ready (the module
compiled, the controls wired), and the time of one Convert from the press of
the button to the result boxes filled. Prints medians; asserts only that the
page works, since timings depend on the machine.

Usage: python3 speed.py path/to/numeral-studio.html
"""

import pathlib
import statistics
import sys

from selenium.webdriver.support.ui import WebDriverWait

import browser

LOADS = 9
CONVERTS = 20


# For comparison: an empty page, which reaches its one script when the
# browser's own work for a navigation from file:// is done.
EMPTY = ('<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>empty</title></head>'
         '<body><script>document.documentElement.dataset.ready = performance.now().toFixed(1)</script></body></html>')


def load_times(d, url):
    times = []
    for _ in range(LOADS):
        d.get("about:blank")
        d.get(url)
        WebDriverWait(d, 10).until(lambda d: d.execute_script("return document.documentElement.dataset.ready"))
        times.append(float(d.execute_script("return document.documentElement.dataset.ready")))
    return times


def main(page):
    b = browser.Browser()
    try:
        d = b.driver
        empty = pathlib.Path(b.profile) / "empty.html"
        empty.write_text(EMPTY, encoding="utf-8")
        baseline = load_times(d, browser.page_url(empty))
        ready, converts, sizes = [], [], []
        for _ in range(LOADS):
            d.get("about:blank")
            d.get(browser.page_url(page))
            WebDriverWait(d, 10).until(lambda d: d.execute_script("return document.documentElement.dataset.ready"))
            ready.append(float(d.execute_script("return document.documentElement.dataset.ready")))
            sizes.append(d.execute_script("return performance.getEntriesByType('navigation')[0].decodedBodySize"))
            # One Convert: the button pressed, the handler run, the boxes written.
            times = d.execute_script("""
                const n = arguments[0], out = [];
                const number = document.getElementById('number');
                document.getElementById('base').value = 'dec';
                for (let i = 0; i < n; ++i) {
                  number.value = String(1000003 * i);
                  const t0 = performance.now();
                  document.getElementById('convert').click();
                  out.push(performance.now() - t0);
                }
                return [out, document.getElementById('r3').value];""", CONVERTS)
            converts.extend(times[0])
            if times[1] in ("", "--"):
                print("FAIL: Convert gave no result")
                return 1
        print(f"web page: {sizes[0]} bytes")
        print(f"web page: load to ready median {statistics.median(ready):.1f} ms "
              f"(min {min(ready):.1f}, max {max(ready):.1f}; {LOADS} loads from file://); "
              f"an empty page: median {statistics.median(baseline):.1f} ms")
        # The browser's clock has a resolution of 0.1 ms here: the mean says more.
        print(f"web page: one Convert median {statistics.median(converts):.3f} ms, "
              f"mean {statistics.mean(converts):.3f} ms (max {max(converts):.3f}; {len(converts)} runs)")
        return 0
    finally:
        b.close()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
