#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The sentences a paste says to the player, in Windows-1251.

// A text of the clipboard as a box quotes it: without blanks around it, cut after 60
// characters with "…", so that a line of megabytes keeps the box readable.
std::string quotedtext(std::string_view text);

// Where `got` parts from `want`, the line the copy writes there: "после «Лист персонажа »
// стоит «Тальвира», а ожидалось ««Тальвира»»"; the texts around it cut to a few words.
std::string differencetext(std::string_view got, std::string_view want);

// "Перед листом пропущены 2 строки, первая «Вася, 12:03»." (`before`) or "После строки
// итога пропущена 1 строка: «С уважением, Вася».", for `count` lines beginning with `first`.
std::string leftoutsentence(std::size_t count, std::string_view first, bool before);
