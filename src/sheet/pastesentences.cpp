#include "pastesentences.h"

#include <algorithm>
#include <vector>

#include "copyreading.h"
#include "sheettext.h"
#include "w1251.h"

namespace {

constexpr std::size_t kQuotedShown = 60;
constexpr auto kEllipsis = w1251("…");
constexpr auto kNotPasted = w1251("Лист не вставлен, на листе ничего не изменилось.");
constexpr auto kLine = w1251("Строка ");
constexpr auto kOpen = w1251(" «");
constexpr auto kClose = w1251("»: ");
constexpr auto kBefore = w1251("Перед листом ");
constexpr auto kAfter = w1251("После строки итога ");
constexpr auto kOne = w1251("пропущена ");
constexpr auto kFew = w1251("пропущены ");
constexpr auto kMany = w1251("пропущено ");
constexpr auto kLineOne = w1251(" строка: «");
constexpr auto kLineFew = w1251(" строки, первая «");
constexpr auto kLineMany = w1251(" строк, первая «");
constexpr auto kEnd = w1251("».");
constexpr auto kAfterText = w1251("после «");
constexpr auto kStands = w1251("стоит «");
constexpr auto kButWanted = w1251("», а ожидалось «");
constexpr auto kLacks = w1251("» нет «");
constexpr auto kExtra = w1251("» лишнее «");
constexpr auto kQuoteEnd = w1251("»");
constexpr auto kBlankQuote = w1251("» ");
constexpr std::size_t kAround = 30;

std::string lastwords(std::string_view text) {
    if (text.size() <= kAround) return std::string(text);
    return std::string(kEllipsis).append(text.substr(text.size() - kAround));
}

std::string firstwords(std::string_view text) {
    if (text.size() <= kAround) return std::string(text);
    return std::string(text.substr(0, kAround)).append(kEllipsis);
}

bool isspace1251(char c) { return c == ' ' || c == '\xA0' || (c >= '\t' && c <= '\r'); }

// The first letter in capitals: Russian and Latin ones.
std::string capitalised(std::string text) {
    if (text.empty()) return text;
    const auto c = static_cast<unsigned char>(text.front());
    if (c >= 0xE0) text.front() = static_cast<char>(c - 0x20);
    if (c == 0xB8) text.front() = '\xA8';
    if (c >= 'a' && c <= 'z') text.front() = static_cast<char>(c - 'a' + 'A');
    return text;
}

}  // namespace

std::string quotedtext(std::string_view text) {
    while (!text.empty() && isspace1251(text.front())) text.remove_prefix(1);
    while (!text.empty() && isspace1251(text.back())) text.remove_suffix(1);
    if (text.size() <= kQuotedShown) return std::string(text);
    return std::string(text.substr(0, kQuotedShown)).append(kEllipsis);
}

std::string differencetext(std::string_view got, std::string_view want) {
    const std::size_t k = copyreading::sameprefix(got, want);
    const std::string wanted = firstwords(want.substr(k));
    const std::string stands = firstwords(got.substr(k));
    std::string text;
    if (k > 0) text.append(kAfterText).append(lastwords(got.substr(0, k)));
    if (k > 0 && k == got.size()) return text.append(kLacks).append(wanted).append(kQuoteEnd);
    if (k > 0 && k == want.size()) return text.append(kExtra).append(stands).append(kQuoteEnd);
    if (k > 0) text.append(kBlankQuote);
    return text.append(kStands).append(stands).append(kButWanted).append(wanted).append(kQuoteEnd);
}

std::string leftoutsentence(std::size_t count, std::string_view first, bool before) {
    const std::size_t last = count % 10;
    const bool teen = count % 100 >= 11 && count % 100 <= 14;
    std::string text(before ? std::string_view(kBefore) : std::string_view(kAfter));
    if (last == 1 && !teen) {
        text.append(kOne).append(std::to_string(count)).append(kLineOne);
    } else if (last >= 2 && last <= 4 && !teen) {
        text.append(kFew).append(std::to_string(count)).append(kLineFew);
    } else {
        text.append(kMany).append(std::to_string(count)).append(kLineMany);
    }
    return text.append(quotedtext(first)).append(kEnd);
}

std::string pasteproblemstext(std::span<const SheetProblem> problems) {
    std::vector<std::string> sentences;
    for (const SheetProblem& problem : problems) {
        std::string said;
        if (problem.line > 0) {
            said.append(kLine).append(std::to_string(problem.line)).append(kOpen);
            said.append(quotedtext(problem.text)).append(kClose).append(problem.what);
        } else {
            said = capitalised(problem.what);
        }
        said += '.';
        if (std::find(sentences.begin(), sentences.end(), said) == sentences.end())
            sentences.push_back(std::move(said));
    }
    std::string text(kNotPasted);
    for (const std::string& sentence : sentences) text.append("\n").append(sentence);
    return text;
}
