"""Headless Chromium under Selenium, as the browser edition's tests, its speed
measurement and the screenshot script use it: Debian's chromium and
chromium-driver, no network, a fresh profile in a temporary folder, and the
browser's network log kept so that a test can see every request."""

import json
import os
import pathlib
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"

# Root needs --no-sandbox; the rest keeps Chromium from reaching any server
# on its own (updates, sync, first-run pages, QUIC probes).
FLAGS = [
    "--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-default-apps", "--disable-extensions", "--no-default-browser-check",
    "--disable-dev-shm-usage", "--hide-scrollbars", "--mute-audio",
]


class Browser:
    """One Chromium with one tab; close() ends it and removes its profile."""

    def __init__(self, width=1280, height=900):
        base = os.environ.get("QNS_TEST_TMP")
        if base:
            pathlib.Path(base).mkdir(parents=True, exist_ok=True)
        self.profile = tempfile.mkdtemp(prefix="qns-chromium-", dir=base)
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in FLAGS:
            options.add_argument(flag)
        options.add_argument("--user-data-dir=" + self.profile)
        options.add_argument(f"--window-size={width},{height}")
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        service = Service(CHROMEDRIVER, log_path=os.devnull)
        self.driver = webdriver.Chrome(service=service, options=options)
        self.driver.set_script_timeout(30)

    def viewport(self, width, height, dark=False):
        """The page as a device of this CSS size sees it, in light or dark colours."""
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": width < 600})
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-color-scheme", "value": "dark" if dark else "light"}]})

    def requests(self):
        """URLs of every request the browser made since the last call."""
        urls = []
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message.get("method") == "Network.requestWillBeSent":
                urls.append(message["params"]["request"]["url"])
        return urls

    def console(self):
        return self.driver.get_log("browser")

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)


def page_url(path, fragment=""):
    return pathlib.Path(path).resolve().as_uri() + fragment
