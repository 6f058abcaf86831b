#include "helptext.h"

#include <string_view>

#include "catalogue/intsyntax.h"
#include "prices.h"
#include "w1251.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void appendline(std::string& text, std::string_view line) { text.append(line).append(kLineEnd); }

}  // namespace

std::string helptext() {
    std::string text;
    appendline(
        text,
        w1251("Для того, чтобы добавить новый навык для какого-то атрибута, кликните на название "
              "этого атрибута, потом выберите нужный навык из списка и дважды кликните на нем."));
    appendline(text, w1251("Установить уровень навыка можно при его выборе, а можно уже после "
                           "выбора, щелкнув на соответствующую ячейку списка."));
    appendline(text,
               w1251("Если вы хотите удалить навык, просто поставьте его значение равным 0."));
    appendline(text, w1251("Настройки главного меню:"));
    appendline(
        text,
        w1251(
            "Стартовые атрибуты: можно указать, будут ли при старте все атрибуты равны 1 или 2."));
    appendline(text, w1251("Постоянная цена за единицу - для повышения любого атрибута на единицу "
                           "всегда надо заплатить 5 плюшек."));
    appendline(text, w1251("Прогрессирующая цена за единицу - для повышения атрибута на единицу "
                           "нужно заплатить 5*(новое значение атрибута) плюшек."));
    text.append(w1251("Фиксированная цена за единицу - атрибут 1 добавляет "))
        .append(inttostr(-fixedprice[1]))
        .append(w1251(" плюшек, атрибут 2 - бесплатный, 3 - стоит "))
        .append(inttostr(fixedprice[3]))
        .append(w1251(" плюшек, 4 -  "))
        .append(inttostr(fixedprice[4]))
        .append(w1251(" плюшек, 5 - "))
        .append(inttostr(fixedprice[5]))
        .append(w1251(" плюшек."))
        .append(kLineEnd);
    text.append(
        w1251("Постоянная и прогрессирующая цена навыков считается так же, как и у атрибутов. "
              "Только стоимость единицы навыка не 5, как у атрибута, а 1, 2 или 4."));
    return text;
}
