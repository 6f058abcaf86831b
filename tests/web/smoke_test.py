"""The page loads the core's WebAssembly module, hands it the bundled catalogues and shows
what it computed, at each window size, storing nothing."""

import unittest

from selenium.webdriver.common.by import By

from pagecase import SITE, SIZES, TABLET, PageCase

# Every control a finger may touch, where the page shows it.
CONTROLS = ('button, input:not([type=radio]), .editions label, [role=option], .caption')


def entries(catalogue):
    """Lines of a bundled catalogue, each one entry."""
    return len((SITE / catalogue).read_bytes().rstrip(b'\r\n').split(b'\n'))


class Smoke(PageCase):
    def test_the_start_sheet_comes_from_the_module(self):
        for size in SIZES:
            with self.window(size):
                self.open()
                self.assertEqual('ready', self.script('return document.body.dataset.state'),
                                 self.text('problem'))
                self.assertEqual('Требуется плюшек: 0', self.text('total'))
                self.assertEqual(
                    f'Навыков: {entries("skills.res")}, особенностей: {entries("feats.res")} '
                    '(встроенные каталоги)', self.text('catalogues'))
                self.assertFalse(self.driver.find_element('id', 'problem').is_displayed())
                self.assertEqual([], self.consoleproblems())
                self.screenshot('smoke')

    def test_the_module_is_served_as_webassembly(self):
        for size in SIZES:
            with self.window(size):
                self.open()
                kind = self.script(
                    'return fetch("talvira.wasm").then(r => r.headers.get("content-type"))')
                self.assertEqual('application/wasm', kind)

    def test_nothing_is_stored(self):
        for size in SIZES:
            with self.window(size):
                self.open()
                stored = self.script(
                    'return indexedDB.databases().then(databases => [document.cookie, '
                    'localStorage.length, sessionStorage.length, databases.length])')
                self.assertEqual(['', 0, 0, 0], stored)

    def test_the_blocks_stand_in_four_columns_or_one_and_the_page_fits_the_window(self):
        for (width, height), columns in [(SIZES['desktop'], 4), (TABLET, 4), (SIZES['phone'], 1)]:
            with self.subTest(width=width):
                self.size = 'desktop' if width > 600 else 'phone'
                self.setsize(width, height)
                self.open()
                lefts = {block.rect['x'] for block in self.driver.find_elements(By.CLASS_NAME, 'block')}
                self.assertEqual(columns, len(lefts))
                overflow = self.script('return document.documentElement.scrollWidth - innerWidth')
                self.assertLessEqual(overflow, 0)

    def test_a_phones_controls_are_large_enough_for_a_finger(self):
        with self.window('phone'):
            self.open()
            small = []
            for opened in ('', 'menu-N2', 'Label8'):
                if opened:
                    self.click(opened)
                small += [(element.get_attribute('outerHTML')[:60], element.rect)
                          for element in self.driver.find_elements(By.CSS_SELECTOR, CONTROLS)
                          if element.is_displayed() and min(element.rect['height'], element.rect['width']) < 44]
            self.maxDiff = None
            self.assertEqual([], small)


if __name__ == '__main__':
    unittest.main()
