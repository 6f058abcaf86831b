"""A player's own catalogues in the page, through its file picker: read by the same readers
with the same messages, a new sheet over a good pair, nothing changed by a broken one, and a
list of 200,000 entries drawn a screenful at a time."""

import pathlib
import tempfile
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from pagecase import SIZES, PageCase

BUNDLED = 'Навыков: 59, особенностей: 32 (встроенные каталоги)'
GOOD_FEATS = '5 5 5 Удача\r\n'.encode('cp1251')
LARGE = 200_000


class Catalogues(PageCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        folder = tempfile.TemporaryDirectory(prefix='talvira-catalogues-')
        cls.addClassCleanup(folder.cleanup)
        cls.folder = pathlib.Path(folder.name)

    def pair(self, name, skills, feats=GOOD_FEATS):
        """Writes a pair of catalogues into a folder of their own; their paths."""
        folder = self.folder / name
        folder.mkdir(exist_ok=True)
        paths = [folder / 'skills.res', folder / 'feats.res']
        for path, data in zip(paths, [skills, feats]):
            if data is not None:
                path.write_bytes(data)
        return [path for path, data in zip(paths, [skills, feats]) if data is not None]

    def choose(self, paths):
        self.byid('files').send_keys('\n'.join(str(path) for path in paths))

    def test_a_broken_pair_says_why_and_changes_nothing(self):
        cases = [  # name, skills, feats, the box
            ('skill', '1100Бег\r\n1x00Плавание\r\n'.encode('cp1251'), GOOD_FEATS,
             ('error', "'x' is not a valid integer value.")),
            ('feat', '1100Бег\r\n'.encode('cp1251'), b'5 x 5 \xc1\xe5\xe3\r\n',
             ('error', 'Invalid numeric input.')),
            ('one', '1100Бег\r\n'.encode('cp1251'), None,
             ('warning', 'Откройте два файла каталогов сразу: навыки (skills.res) и особенности '
                         '(feats.res). По именам файлов видно, какой из них какой: в одном есть '
                         '«skill», в другом «feat».')),
        ]
        for size in SIZES:
            with self.window(size):
                self.open()
                self.typeinto('SpinEdit1', '3')
                for name, skills, feats, box in cases:
                    self.choose(self.pair(name, skills, feats))
                    self.assertEqual(box, self.closebox(), name)
                    self.assertEqual(BUNDLED, self.text('catalogues'))
                    self.assertEqual('Требуется плюшек: 25', self.text('total'))

    def test_a_good_pair_is_a_new_sheet_over_it(self):
        skills = '1100Рубка\r\n1210Ковка\r\n'.encode('cp1251')
        for size in SIZES:
            with self.window(size):
                self.open()
                self.typeinto('SpinEdit1', '3')
                self.choose(self.pair('good', skills))
                self.assertEqual(('question', 'Начать новый лист? Текущий лист пропадёт.'), self.closebox())
                self.assertEqual('Навыков: 2, особенностей: 1 (skills.res, feats.res)', self.text('catalogues'))
                self.assertEqual('Требуется плюшек: 0', self.text('total'))
                self.click('Label1')
                self.assertEqual(['Рубка', 'Ковка (сложный разветвленный)'],
                                 [line.text for line in self.driver.find_elements(By.CSS_SELECTOR, '#pick-list [role=option]')])
                self.click('pick-cancel')

    def test_a_large_list_draws_only_the_rows_in_sight(self):
        skills = ''.join(f'1100Навык {n:06}\r\n' for n in range(1, LARGE + 1)).encode('cp1251')
        for size in SIZES:
            with self.window(size):
                self.open()
                self.choose(self.pair('large', skills))
                WebDriverWait(self.driver, 30).until(
                    lambda driver: self.text('catalogues').startswith(f'Навыков: {LARGE},'))
                self.click('Label1')
                options = '#pick-list [role=option]'
                drawn = len(self.driver.find_elements(By.CSS_SELECTOR, options))
                self.assertLess(drawn, 40)
                self.press(Keys.ARROW_DOWN, Keys.END)
                self.assertLess(len(self.driver.find_elements(By.CSS_SELECTOR, options)), 40)
                selected = self.driver.find_element(By.CSS_SELECTOR, '#pick-list [aria-selected=true]')
                self.assertEqual(f'Навык {LARGE:06}', selected.text)
                self.assertTrue(selected.is_displayed())
                self.typeinto('pick-search', '19999')
                self.assertEqual(['Навык 019999', 'Навык 119999'],
                                 [line.text for line in self.driver.find_elements(By.CSS_SELECTOR, options)][:2])
                self.click('pick-cancel')


if __name__ == '__main__':
    unittest.main()
