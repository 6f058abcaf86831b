"""The sheet in the page by real clicks and keys at each window size: the start, typed
attributes, takes through the selection dialog, the rules, the level cells and the help."""

import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from pagecase import SIZES, PageCase

TOTAL = 'Требуется плюшек: {}'


class Sheet(PageCase):
    def assertfocus(self, field):
        """The focus is in `field` (an id or an element) on the desktop; on a touch screen,
        where a field's focus brings up the keyboard, in no text field."""
        active = self.driver.switch_to.active_element
        if self.size == 'desktop':
            self.assertEqual(self.byid(field) if isinstance(field, str) else field, active)
        else:
            self.assertNotIn(active.tag_name, ('input', 'textarea'))

    def lines(self):
        return [line.text for line in self.driver.find_elements(By.CSS_SELECTOR, '#pick-list [role=option]')]

    def marks(self):
        """The menu entries checked: rule items and the sub-menus holding them."""
        return sorted(button.get_attribute('data-name') for button in self.driver.find_elements(
            By.CSS_SELECTOR, '#menubar [aria-checked=true], #menubar .checked'))

    def test_the_start_sheet_is_the_desktops(self):
        for size in SIZES:
            with self.window(size):
                self.open()
                self.assertEqual('Создание персонажа в системе "Тальвира" ver. 1.0', self.driver.title)
                self.assertEqual(TOTAL.format(0), self.text('total'))
                self.assertEqual('Атрибуты: 0, навыки: 0, особенности: 0', self.text('sums'))
                self.assertEqual(['N111', 'N12', 'N121'], self.marks())
                self.assertEqual(['1'] * 7, [self.byid(f'SpinEdit{n}').get_attribute('value')
                                             for n in range(1, 8)])
                self.assertEqual('Сила: значение атрибута', self.byid('SpinEdit1').accessible_name)
                self.assertfocus('SpinEdit1')
                self.menu('Файл')
                items = [item.text.split('\n') for item in self.driver.find_elements(
                    By.CSS_SELECTOR, '#menu-N1 + [role=menu] > button')]
                self.assertEqual([['Новый лист', 'Ctrl+Alt+N'], ['Копировать лист', 'Ctrl+Shift+C'],
                                  ['Вставить лист', 'Ctrl+Shift+V'], ['Ссылка на лист'],
                                  ['Открыть каталоги…']], items)
                self.press(Keys.ESCAPE)
                self.screenshot('start')

    def test_an_attribute_reads_as_typed_and_is_bounded_when_left(self):
        cases = [  # typed, total while typed, the text once left, the total then
            ('3', 25, '3', 25), ('7', 135, '5', 70), ('0', -5, '1', 0), ('', 0, '1', 0),
            ('2x', 10, '2', 10),  # the letter is refused
        ]
        for size in SIZES:
            with self.window(size):
                self.open()
                for typed, whiletyped, left, afterleft in cases:
                    self.typeinto('SpinEdit1', typed)
                    self.assertEqual(TOTAL.format(whiletyped), self.text('total'), typed)
                    self.press(Keys.TAB)
                    self.assertEqual(left, self.byid('SpinEdit1').get_attribute('value'), typed)
                    self.assertEqual(TOTAL.format(afterleft), self.text('total'), typed)
                self.click('SpinEdit2')
                self.press(Keys.ARROW_UP, Keys.ARROW_UP, Keys.ARROW_UP, Keys.ARROW_UP, Keys.ARROW_DOWN)
                self.assertEqual('4', self.byid('SpinEdit2').get_attribute('value'))
                self.assertEqual(TOTAL.format(10 + 45), self.text('total'))

    def test_takes_go_onto_the_sheet(self):
        for size in SIZES:
            with self.window(size):
                self.open()
                self.take('Label3', 'Акробатика', value=3)
                self.assertEqual(['Акробатика=3'], self.rows(3))
                self.assertEqual(TOTAL.format(6), self.text('total'))
                # Its line holds the name of "Бег" too, which is not taken with it.
                self.take('Label2', 'Бег с препятствиями', value=2)
                self.assertEqual(['Бег с препятствиями=2'], self.rows(2))
                self.assertEqual(TOTAL.format(12), self.text('total'))
                self.take('Label3', 'Стрельба', value=1, spec='лук', ok=True)
                self.assertEqual(['Стрельба (лук)=1', 'Акробатика=3'], self.rows(3))
                self.take('Label8', 'Острое зрение', edition=1)
                self.assertEqual(['Острое зрение=10'], self.rows(8))
                self.assertEqual(TOTAL.format(12 + 2 + 10), self.text('total'))
                # The taken stay hidden, the branched listed.
                self.click('Label2')
                self.typeinto('pick-search', 'Бег')
                self.assertEqual(['Бег'], self.lines())
                self.click('pick-cancel')
                self.click('Label3')
                self.typeinto('pick-search', 'ре')
                self.assertEqual(['Стрельба (сложный разветвленный)', 'Ремесло (разветвленный)'],
                                 self.lines())
                self.screenshot('dialog')
                self.click('pick-close')
                self.assertFalse(self.isopen('pick'))

    def test_the_rules_reprice_at_once(self):
        for size in SIZES:
            with self.window(size):
                self.open()
                self.take('Label3', 'Фехтование', value=3)
                self.assertEqual(TOTAL.format(12), self.text('total'))
                self.menu('Цена навыков', 'Постоянная (ТЛ1)')
                self.assertEqual(TOTAL.format(6), self.text('total'))
                self.menu('Стартовые атрибуты', 'Все по 2 (ТЛ2)', 'Фиксированные цены за единицу (ТЛ2)')
                self.assertEqual(TOTAL.format(-35 + 6), self.text('total'))
                self.assertEqual(['N14', 'N21', 'N221'], self.marks())
                self.assertfocus('SpinEdit1')

    def test_a_level_cell_is_cleaned_up_when_the_table_is_left(self):
        cases = [('9', '5', 15), ('abc', '0', 0), ('-2', '-2', 0), ('2', '2', 3)]
        for size in SIZES:
            with self.window(size):
                self.open()
                self.take('Label1', 'Атлетика', value=1)
                cell = self.driver.find_element(By.CSS_SELECTOR, '#ValueListEditor1 input')
                for typed, left, points in cases:
                    self.typeinto(cell, typed)
                    self.assertEqual(f'Атлетика=' + typed, self.rows(1)[0])
                    self.press(Keys.TAB)
                    self.assertEqual(left, cell.get_attribute('value'), typed)
                    self.assertEqual(TOTAL.format(points), self.text('total'), typed)
                self.typeinto(cell, '4')
                self.press(Keys.ESCAPE)
                self.assertEqual('2', cell.get_attribute('value'))
                self.press(Keys.INSERT)
                self.assertTrue(self.isopen('pick'))
                self.assertEqual('Выберите навык', self.text('pick-caption'))

    def test_the_keyboard_alone_takes_a_skill_and_chooses_a_rule(self):
        for size in SIZES:
            with self.window(size):
                self.open()
                self.click('SpinEdit3')
                self.press(Keys.TAB, Keys.INSERT)  # into Ловкость's table, which opens the dialog
                self.press(Keys.ESCAPE, Keys.ESCAPE)  # the dialog's closes only by its buttons
                self.assertTrue(self.isopen('pick'))
                self.chord(Keys.CONTROL, 'f')
                self.press('стр', Keys.ENTER, Keys.TAB, '2', Keys.ENTER)  # Tab selects the field's text
                self.assertEqual('Уточнение навыка Стрельба', self.text('spec-caption'))
                self.press('=арбалет' + 'x' * 300)
                self.assertEqual('арбалет' + 'x' * 248, self.byid('spec-text').get_attribute('value'))
                self.assertEqual('Не более 255 знаков', self.text('spec-hint'))
                self.press(Keys.BACKSPACE * 248, Keys.ENTER)
                self.assertEqual(['Стрельба (арбалет)=2'], self.rows(3))
                self.byid('menu-N3').send_keys(Keys.ENTER)
                self.press(Keys.ENTER)  # its first item, "Постоянная (ТЛ1)"
                self.assertEqual(TOTAL.format(4), self.text('total'))
                self.assertfocus(self.driver.find_element(By.CSS_SELECTOR, '#ValueListEditor3 input'))

    def test_help_and_boxes_come_back_to_where_the_focus_was(self):
        for size in SIZES:
            with self.window(size):
                self.open()
                self.click('SpinEdit3')
                self.menu('Помощь')
                kind, text = self.box()
                self.assertEqual('help', kind)
                self.assertEqual(9, len(text.split('\n')))
                self.assertIn('атрибут 1 добавляет 5 плюшек, атрибут 2 - бесплатный, 3 - стоит 10 '
                              'плюшек, 4 -  25 плюшек, 5 - 50 плюшек.', text)
                self.screenshot('help')
                self.closebox(Keys.ESCAPE)
                self.assertfocus('SpinEdit3')
                self.click('Label5')
                self.click('pick-ok')  # no line selected: a cancel
                self.click('Label8')
                self.typeinto('pick-search', 'нет такой')
                self.click('pick-list', double=True)  # no line selected: the list's index error
                self.assertEqual(('error', 'List index out of bounds (-1)'), self.box())
                self.assertEqual('Talvira', self.text('box-title'))
                self.screenshot('problem')
                self.closebox()
                self.assertTrue(self.isopen('pick'))


if __name__ == '__main__':
    unittest.main()
