"""The page under test: the site served on a free port of 127.0.0.1, and Debian's chromium,
headless through its chromedriver, shown at a desktop's and at a phone's window size.

TALVIRA_SITE names the site's folder; TALVIRA_SCREENSHOTS, when set, a folder that keeps a
picture of each page a test calls screenshot() on. The server also serves the pages of
tests/web/pages/ beside the site's, for measuring, and empty.html: the site's page with its
script swapped for pages/empty.js."""

import contextlib
import functools
import http.server
import os
import pathlib
import tempfile
import threading
import unittest
import urllib.parse

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITE = pathlib.Path(os.environ.get('TALVIRA_SITE', 'build/web/site')).resolve()
SCREENSHOTS = os.environ.get('TALVIRA_SCREENSHOTS')
SIZES = {'desktop': (1920, 1080), 'phone': (360, 640)}
TABLET = (1024, 768)
PAGES = pathlib.Path(__file__).resolve().parent / 'pages'
DATA = pathlib.Path(__file__).resolve().parent / 'data'


# As root in a container chromium needs --no-sandbox; the rest keep it off the network it
# would otherwise call on its own (updates, sync, field trials), which here is closed.
CHROMIUM_FLAGS = (
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--disable-dev-shm-usage',
)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    """The standard library's file server, which serves .wasm as application/wasm."""

    def end_headers(self):
        # As static hosts do: a reload takes the files from the browser's cache, and what is
        # measured is the browser's work, not this server's answers to revalidations.
        self.send_header('Cache-Control', 'max-age=600')
        super().end_headers()

    def do_GET(self):
        # The page without its sheet: the site's own document with the measuring script.
        if urllib.parse.urlsplit(self.path).path == '/empty.html':
            page = (pathlib.Path(self.directory) / 'index.html').read_bytes()
            page = page.replace(b'src="page.js"', b'src="empty.js"')
            self.send_response(200)
            self.send_header('Content-Type', 'text/html; charset=utf-8')
            self.send_header('Content-Length', str(len(page)))
            self.end_headers()
            self.wfile.write(page)
            return
        super().do_GET()

    def translate_path(self, path):
        page = PAGES / pathlib.PurePosixPath(urllib.parse.urlsplit(path).path).name
        return str(page) if page.is_file() else super().translate_path(path)

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
        cls.grantclipboard(cls.driver)

    @classmethod
    def grantclipboard(cls, driver):
        """Lets the page read and write the clipboard, as a player's yes to the browser does."""
        driver.execute_cdp_cmd('Browser.grantPermissions', {
            'origin': cls.url.rstrip('/'),
            'permissions': ['clipboardReadWrite', 'clipboardSanitizedWrite'],
        })

    @classmethod
    def newbrowser(cls):
        """Another browser with a profile of its own, closed when the class is done."""
        profile = tempfile.TemporaryDirectory(prefix='talvira-chromium-')
        cls.addClassCleanup(profile.cleanup)
        driver = chromium(profile.name)
        cls.addClassCleanup(driver.quit)
        cls.grantclipboard(driver)
        return driver

    @contextlib.contextmanager
    def window(self, size):
        """A subtest with the window at one of SIZES: `for size in SIZES: with self.window(size):`."""
        with self.subTest(size=size):
            self.size = size
            self.setsize(*SIZES[size])
            yield

    def setsize(self, width, height):
        # The window's size is its viewport's in headless chromium; a phone's is also a
        # touch screen of a narrow device, as the page's media queries see it: a coarse
        # pointer, as a finger is.
        phone = width < 600
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': phone,
        })
        self.driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {
            'enabled': phone, 'maxTouchPoints': 1,
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

    def byid(self, element_id):
        return self.driver.find_element(By.ID, element_id)

    def click(self, element, double=False):
        """A real click, with the element first scrolled clear of the sticky header and total."""
        if isinstance(element, str):
            element = self.byid(element)
        self.script('arguments[0].scrollIntoView({block: "center"})', element)
        # Pointer actions at the element where it is now: chromedriver's own scrolling before
        # a click misplaces it in a phone's viewport.
        actions = ActionChains(self.driver).move_to_element(element)
        (actions.double_click() if double else actions.click()).perform()

    def press(self, *keys):
        """Keys typed into the focused control."""
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, *keys):
        """Keys held together, as Ctrl+Shift+C: modifiers first."""
        actions = ActionChains(self.driver)
        for key in keys[:-1]:
            actions.key_down(key)
        actions.send_keys(keys[-1])
        for key in reversed(keys[:-1]):
            actions.key_up(key)
        actions.perform()

    def typeinto(self, element, text):
        """Replaces the text of a field as a player does: select it all, type."""
        if isinstance(element, str):
            element = self.byid(element)
        self.click(element)
        element.send_keys(Keys.CONTROL, 'a')
        element.send_keys(Keys.BACKSPACE, text)

    def menu(self, *captions):
        """Chooses a menu item by the captions from the menu bar down, with clicks."""
        for caption in captions:
            item = next(button for button in self.driver.find_elements(By.CSS_SELECTOR, '#menubar button')
                        if button.is_displayed() and button.find_element(By.CLASS_NAME, 'label').text == caption)
            item.click()

    def isopen(self, dialog_id):
        """Whether the dialog is open; the page makes its dialogs when first needed."""
        return self.script('return Boolean(document.getElementById(arguments[0])?.open)', dialog_id)

    def box(self):
        """The open box's kind and text, or None."""
        if not self.isopen('box'):
            return None
        kind = self.byid('box').get_attribute('class').replace('box', '').strip()
        return kind, self.text('box-text')

    def closebox(self, key=Keys.ENTER):
        """The box's kind and text, once it is open (a paste reads the clipboard first), closed
        with `key`."""
        shown = WebDriverWait(self.driver, 5).until(lambda driver: self.box())
        self.press(key)
        WebDriverWait(self.driver, 5).until(lambda driver: self.box() != shown)
        return shown

    def take(self, caption_id, name, value=None, spec=None, edition=None, ok=False):
        """Opens the dialog from a caption, finds `name` through the search field, clicks its
        line, sets the value and the edition, and takes it by a double click (or OK)."""
        self.click(caption_id)
        if edition is not None:
            self.click(self.driver.find_elements(By.CSS_SELECTOR, '#pick-editions label')[edition])
        self.typeinto('pick-search', name)
        line = self.driver.find_element(By.CSS_SELECTOR, '#pick-list [role=option]')
        self.click(line)
        if value is not None:
            self.typeinto('pick-value', str(value))
        self.click('pick-ok' if ok else line, double=not ok)
        if spec is not None:
            WebDriverWait(self.driver, 5).until(lambda driver: self.isopen('spec'))
            self.press(spec, Keys.ENTER)
        WebDriverWait(self.driver, 5).until(lambda driver: not self.isopen('pick'))

    def rows(self, table):
        """A table's rows as "key=value", as the sheet keeps its lines."""
        return [row.find_element(By.TAG_NAME, 'th').text + '=' +
                row.find_element(By.TAG_NAME, 'input').get_attribute('value')
                for row in self.driver.find_elements(By.CSS_SELECTOR, f'#ValueListEditor{table} tbody tr')]

    def clipboard(self, text=None):
        """The clipboard's text; with `text`, puts it there first."""
        if text is not None:
            self.driver.execute_async_script(
                'navigator.clipboard.writeText(arguments[0]).then(arguments[1])', text)
        return self.driver.execute_async_script(
            'navigator.clipboard.readText().then(arguments[0], (e) => arguments[0](null))')

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
