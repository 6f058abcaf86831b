"""What the page costs a browser: the site's size, and the time to show the start sheet over
the bundled catalogues against an empty page that starts the same module, loaded in turns
in one run and measured by the pages' own mark."""

import gzip
import statistics
import unittest

from selenium.webdriver.support.ui import WebDriverWait

from pagecase import SITE, SIZES, PageCase

LOADS = 21


class Performance(PageCase):
    def shown(self, page):
        """Milliseconds from the navigation's start to the page's mark `talvira-shown`."""
        self.driver.get(self.url + page)
        WebDriverWait(self.driver, 30).until(lambda driver: self.script(
            'return document.body.dataset.state') == 'ready')
        return self.script("return performance.getEntriesByName('talvira-shown')[0].startTime")

    def test_the_site_is_under_a_megabyte(self):
        files = sorted(path for path in SITE.iterdir() if path.suffix in ('.html', '.css', '.js', '.wasm'))
        raw = sum(path.stat().st_size for path in files)
        packed = sum(len(gzip.compress(path.read_bytes(), 9)) for path in files)
        print(f'\nsite: {raw} bytes, {packed} with gzip -9, in {len(files)} files')
        self.assertLess(raw, 1_000_000)

    def test_the_start_sheet_shows_within_half_as_long_again_as_an_empty_page(self):
        for size in SIZES:
            with self.window(size):
                times = {'index.html': [], 'empty.html': []}
                for page in times:
                    self.shown(page)  # the first load of each fills the browser's cache
                for _ in range(LOADS):
                    for page, taken in times.items():
                        taken.append(self.shown(page))
                sheet, empty = (statistics.median(taken) for taken in times.values())
                print(f'\n{size}: start sheet {sheet:.0f} ms, empty page {empty:.0f} ms, '
                      f'ratio {sheet / empty:.2f} (medians of {LOADS})')
                self.assertLessEqual(sheet / empty, 1.5)


if __name__ == '__main__':
    unittest.main()
