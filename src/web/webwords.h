#pragma once

#include "sheet/w1251.h"

// The words of the page's own that its module says; those of its script stay in the script.
namespace webwords {

// Why a link's sheet was not pasted, as a sentence of the paste's refusal box.
inline constexpr auto kBrokenLink = w1251(
    "Ссылка на лист повреждена: она обрезана или в ней есть знаки, которых в такой ссылке не "
    "бывает");

}  // namespace webwords
