"""The page under test: the site served on a free port of 127.0.0.1, and Debian's chromium,
headless through its chromedriver, shown at a desktop's and at a phone's window size.

TALVIRA_SITE names the site's folder; TALVIRA_SCREENSHOTS, when set, a folder that keeps a
picture of each page a test calls screenshot() on."""

import contextlib
import functools
import http.server
import os
import pathlib
import tempfile
import threading
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

SITE = pathlib.Path(os.environ.get('TALVIRA_SITE', 'build/web/site')).resolve()
SCREENSHOTS = os.environ.get('TALVIRA_SCREENSHOTS')
SIZES = {'desktop': (1920, 1080), 'phone': (360, 640)}

# As root in a container chromium needs --no-sandbox; the rest keep it off the network it
# would otherwise call on its own (updates, sync, field trials), which here is closed.
CHROMIUM_FLAGS = (
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--disable-dev-shm-usage',
)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    """The standard library's file server, which serves .wasm as application/wasm."""

    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        pass


def serve(site):
    """Serves `site` on a free port of 127.0.0.1 from a thread; returns the server."""
    handler = functools.partial(QuietHandler, directory=str(site))
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def chromium(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for flag in CHROMIUM_FLAGS:
        options.add_argument(flag)
    options.add_argument(f'--user-data-dir={profile}')
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)


class PageCase(unittest.TestCase):
    """One server and one browser per test class; each test loads the page afresh."""

    @classmethod
    def setUpClass(cls):
        if not (SITE / 'index.html').is_file():
            raise FileNotFoundError(f'no site in {SITE}: build it first')
        server = serve(SITE)
        cls.addClassCleanup(server.server_close)
        cls.addClassCleanup(server.shutdown)
        cls.url = f'http://127.0.0.1:{server.server_address[1]}/'
        profile = tempfile.TemporaryDirectory(prefix='talvira-chromium-')
        cls.addClassCleanup(profile.cleanup)
        cls.driver = chromium(profile.name)
        cls.addClassCleanup(cls.driver.quit)

    @contextlib.contextmanager
    def window(self, size):
        """A subtest with the window at one of SIZES: `for size in SIZES: with self.window(size):`."""
        with self.subTest(size=size):
            self.size = size
            self.setsize(*SIZES[size])
            yield

    def setsize(self, width, height):
        # The window's size is its viewport's in headless chromium; a phone's is also a
        # touch screen of a narrow device, as the page's media queries see it.
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': width, 'height': height, 'deviceScaleFactor': 1,
            'mobile': width < 600,
        })
        self.driver.set_window_size(width, height)

    def open(self, fragment=''):
        """Loads the page and waits until it has shown the start sheet or its problem."""
        self.driver.get(self.url + fragment)
        WebDriverWait(self.driver, 30).until(
            lambda driver: driver.find_element('tag name', 'body').get_attribute('data-state')
            != 'loading')

    def text(self, element_id):
        return self.driver.find_element('id', element_id).text

    def script(self, code, *args):
        return self.driver.execute_script(code, *args)

    def consoleproblems(self):
        """What the page wrote to the console as warnings or errors since the last call."""
        return [entry['message'] for entry in self.driver.get_log('browser')
                if entry['level'] in ('WARNING', 'SEVERE')]

    def screenshot(self, name):
        if SCREENSHOTS:
            pathlib.Path(SCREENSHOTS).mkdir(parents=True, exist_ok=True)
            self.driver.save_screenshot(str(pathlib.Path(SCREENSHOTS) / f'{name}-{self.size}.png'))
