"""What the page costs a browser: the site's size, and the time to show the start sheet over
the bundled catalogues against the page without its sheet, which starts the same module the
same way, loaded in turns in one run and measured by the pages' own mark; beside it, for the
record, a page with the module alone."""

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
        pages = ('index.html', 'empty.html', 'bare.html')
        for size in SIZES:
            with self.window(size):
                for page in pages:
                    self.shown(page)  # the first load of each fills the browser's cache
                # The pages of one round, loaded back to back, see the same load on the machine.
                rounds = [[self.shown(page) for page in pages] for _ in range(LOADS)]
                sheet, empty, bare = (statistics.median(times) for times in zip(*rounds))
                ratio, barely = (statistics.median(times[0] / times[k] for times in rounds)
                                 for k in (1, 2))
                print(f'\n{size}: start sheet {sheet:.0f} ms, the page without its sheet {empty:.0f} ms, '
                      f'the module alone {bare:.0f} ms; ratios {ratio:.2f} and {barely:.2f} '
                      f'(medians of {LOADS} rounds)')
                self.assertLessEqual(ratio, 1.5)


if __name__ == '__main__':
    unittest.main()
