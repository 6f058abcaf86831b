"""Keeping and sharing a sheet in the page: the copy is the desktop's byte for byte, a
desktop's copy pastes into the page, a link carries the sheet to another browser, and a text
the page cannot use changes nothing."""

import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from pagecase import DATA, SIZES, PageCase

# The copy the desktop program made of the sheet that scripts/screenshot builds.
DESKTOP = (DATA / 'desktop-sheet.txt').read_text(encoding='utf-8')
NOT_PASTED = 'Лист не вставлен, на листе ничего не изменилось.'


class Keeping(PageCase):
    def copy(self):
        self.clipboard('')
        self.chord(Keys.CONTROL, Keys.SHIFT, 'c')
        WebDriverWait(self.driver, 5).until(lambda driver: self.clipboard() != '')
        return self.clipboard()

    def paste(self, text):
        self.clipboard(text)
        self.chord(Keys.CONTROL, Keys.SHIFT, 'v')

    def total(self):
        return self.text('total')

    def test_the_copy_of_a_sheet_built_by_hand_is_the_desktops(self):
        for size in SIZES:
            with self.window(size):
                self.open()
                for field, value in enumerate([3, 2, 4, 2, 3, 2, 1], 1):
                    self.typeinto(f'SpinEdit{field}', str(value))
                for caption, name, value, spec in [
                        ('Label3', 'Акробатика', 3, None), ('Label3', 'Стрельба', 4, 'лук'),
                        ('Label3', 'Фехтование', 2, None), ('Label1', 'Атлетика', 2, None),
                        ('Label4', 'Грамота', 3, None), ('Label8', 'Острый слух', None, None),
                        ('Label8', 'Хромота', None, None)]:
                    self.take(caption, name, value=value, spec=spec)
                self.assertEqual(DESKTOP, self.copy())
                self.assertEqual('Лист скопирован в буфер обмена.', self.text('status'))
                self.screenshot('built')

    def test_a_desktop_copy_pastes_and_travels_by_link(self):
        for size in SIZES:
            with self.window(size):
                self.open()
                self.paste(DESKTOP)
                WebDriverWait(self.driver, 5).until(lambda driver: self.total() == 'Требуется плюшек: 166')
                self.assertEqual(['Фехтование=2', 'Стрельба (лук)=4', 'Акробатика=3'], self.rows(3))
                self.assertEqual(DESKTOP, self.copy())
                self.clipboard('')
                self.menu('Файл', 'Ссылка на лист')
                WebDriverWait(self.driver, 5).until(lambda driver: self.clipboard() != '')
                link = self.clipboard()
                self.assertTrue(link.startswith(self.url + '#sheet='), link)
                other = self.newbrowser()
                other.get(link)
                WebDriverWait(other, 30).until(lambda driver: driver.find_element(
                    By.TAG_NAME, 'body').get_attribute('data-state') == 'ready')
                self.assertEqual('Требуется плюшек: 166', other.find_element(By.ID, 'total').text)
                self.assertEqual(self.url, other.current_url)
                other.find_element(By.ID, 'SpinEdit1').send_keys(Keys.CONTROL, Keys.SHIFT, 'c')
                WebDriverWait(other, 5).until(lambda driver: driver.find_element(By.ID, 'status').text)
                self.assertEqual(DESKTOP, other.execute_async_script(
                    'navigator.clipboard.readText().then(arguments[0])'))

    def test_a_text_the_page_cannot_use_changes_nothing(self):
        cases = [  # what is pasted, or opened as a link, and what the box says beside its first line
            ('paste', 'Вася, 12:03: вот мой персонаж', 'В тексте нет строки «Лист персонажа «Тальвира»»'),
            ('paste', DESKTOP.replace('Атлетика', 'Атлетикк'), '«Атлетикк»'),
            ('link', '#sheet=не-base64', 'Ссылка на лист повреждена'),
        ]
        for size in SIZES:
            with self.window(size):
                for how, text, said in cases:
                    self.open()
                    self.typeinto('SpinEdit1', '3')
                    if how == 'paste':
                        self.paste(text)
                    else:  # a link followed in the page's own tab
                        self.driver.get(self.url + text)
                    kind, shown = self.closebox()
                    self.assertEqual('warning', kind)
                    self.assertTrue(shown.startswith(NOT_PASTED), shown)
                    self.assertIn(said, shown)
                    self.assertEqual('Требуется плюшек: 25', self.total())
                    self.assertEqual(self.url, self.driver.current_url)
                    self.assertEqual([], [r for t in range(1, 9) for r in self.rows(t) if r != '='])

    def test_replacing_a_sheet_asks_first(self):
        for size in SIZES:
            with self.window(size):
                self.open()
                self.typeinto('SpinEdit1', '3')
                for key, total in [(Keys.ESCAPE, 25), (Keys.ENTER, 166)]:
                    self.paste(DESKTOP)
                    self.assertEqual(('question', 'Заменить текущий лист?'), self.closebox(key))
                    WebDriverWait(self.driver, 5).until(
                        lambda driver: self.total() == f'Требуется плюшек: {total}')
                self.menu('Цена навыков', 'Постоянная (ТЛ1)')
                self.chord(Keys.CONTROL, Keys.ALT, 'n')
                self.assertEqual(('question', 'Начать новый лист? Текущий лист пропадёт.'), self.closebox())
                self.assertEqual('Требуется плюшек: 0', self.total())
                self.assertEqual('true', self.byid('menu-N14').get_attribute('aria-checked'))

    def test_where_the_browser_keeps_the_clipboard_the_text_is_pasted_by_hand(self):
        origin = self.url.rstrip('/')
        for size in SIZES:
            with self.window(size):
                self.open()
                self.driver.execute_cdp_cmd('Browser.setPermission', {
                    'permission': {'name': 'clipboard-read'}, 'setting': 'denied', 'origin': origin})
                try:
                    self.menu('Файл', 'Вставить лист')
                    WebDriverWait(self.driver, 5).until(lambda driver: self.isopen('textbox'))
                    self.assertEqual('Вставить лист', self.text('textbox-caption'))
                    self.byid('textbox-text').send_keys(DESKTOP)
                    self.click('textbox-ok')
                    self.assertEqual('Требуется плюшек: 166', self.total())
                finally:
                    self.grantclipboard(self.driver)


if __name__ == '__main__':
    unittest.main()
