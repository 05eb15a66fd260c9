"""Takes the browser edition's screenshots with headless Chromium (see
web-screenshots.sh): python3 web_screenshots.py PAGE OUT_DIR"""

import base64
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
import browser  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

SHOTS = [
    # file, width, dark, address
    ("web-phone.png", 360, True, "#base=dec&mode=twos&len=64&n=-5"),
    ("web-desktop.png", 1280, False, "#base=dec&mode=twos&len=64&side=1&n=-5"),
]


def main(page, out_dir):
    b = browser.Browser()
    try:
        for name, width, dark, fragment in SHOTS:
            b.viewport(width, 800, dark)
            b.driver.get("about:blank")
            b.driver.get(browser.page_url(page, fragment))
            WebDriverWait(b.driver, 10).until(lambda d: d.execute_script("return document.documentElement.dataset.ready"))
            height = b.driver.execute_script("return document.documentElement.scrollHeight")
            b.viewport(width, height, dark)
            shot = b.driver.execute_cdp_cmd("Page.captureScreenshot", {"format": "png"})
            path = pathlib.Path(out_dir) / name
            path.write_bytes(base64.b64decode(shot["data"]))
            print(f"{path}: {width} x {height}")
    finally:
        b.close()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
