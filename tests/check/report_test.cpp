// How a diagnostic is printed: the file's line in UTF-8 and a caret under its column.
#include "check/report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "check/terminaltext.h"

namespace {

std::string printed(std::string_view text, std::size_t offset, std::size_t line,
                    std::size_t column) {
    Diagnostic d;
    d.offset = offset;
    d.line = line;
    d.column = column;
    d.severity = Severity::Warning;
    d.message = "m";
    std::string out;
    const Diagnostic one[] = {d};
    appendreport("f.res", text, one, out);
    return out;
}

TEST(TerminalText, OneCharacterForEachByte) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Abc", "Abc"},
        {"\xC0\xF2\xEB\xE5\xF2\xE8\xEA\xE0", "Атлетика"},
        {"\xA8\xB8", "Ёё"},
        {"a\tb\x1A\r", "a␉b␚␍"},
        {std::string_view("\0\x7F", 2), "␀␡"},
    };
    for (const auto& [bytes, utf8] : cases) EXPECT_EQ(utf8, terminaltext(bytes)) << utf8;
}

TEST(Report, TheLineAndACaretUnderTheColumn) {
    const std::string_view text = "1100A\r\n\t1x0\xC1\r\n";
    EXPECT_EQ("f.res:2:3: warning: m\n ␉1x0Б\n   ^\n", printed(text, 9, 2, 3));
    // Past the end of a line, before its CR LF.
    EXPECT_EQ("f.res:1:6: warning: m\n 1100A\n      ^\n", printed(text, 5, 1, 6));
    // The end of a file without a final line end.
    EXPECT_EQ("f.res:1:4: warning: m\n 123\n    ^\n", printed("123", 3, 1, 4));
}

TEST(Report, ALongLineIsShownAroundTheColumn) {
    const std::string line = std::string(100, 'a') + "X" + std::string(100, 'b');
    const std::string out = printed(line, 100, 1, 101);
    EXPECT_EQ("f.res:1:101: warning: m\n …" + std::string(60, 'a') + "X" + std::string(59, 'b') +
                  "…\n" + std::string(62, ' ') + "^\n",
              out);
}

TEST(Report, SummaryWithEachLanguagesWordForms) {
    const std::tuple<std::size_t, std::size_t, Language, std::string_view> cases[] = {
        {0, 0, Language::English, "0 errors, 0 warnings"},
        {1, 1, Language::English, "1 error, 1 warning"},
        {2, 3, Language::English, "2 errors, 3 warnings"},
        {0, 0, Language::Russian, "0 ошибок, 0 предупреждений"},
        {1, 21, Language::Russian, "1 ошибка, 21 предупреждение"},
        {3, 12, Language::Russian, "3 ошибки, 12 предупреждений"},
        {111, 104, Language::Russian, "111 ошибок, 104 предупреждения"},
    };
    for (const auto& [errors, warnings, language, expected] : cases)
        EXPECT_EQ(expected, summary(errors, warnings, language));
}

TEST(Report, TheLanguageIsTheFirstOfLcAllLcMessagesLangThatIsSet) {
    const std::tuple<const char*, const char*, const char*, Language> cases[] = {
        {nullptr, nullptr, nullptr, Language::English},
        {nullptr, nullptr, "ru_RU.UTF-8", Language::Russian},
        {"", "ru_RU.UTF-8", "C", Language::Russian},
        {"C", "ru_RU.UTF-8", "ru_RU.UTF-8", Language::English},
        {nullptr, nullptr, "ru", Language::Russian},
        {nullptr, nullptr, "rue_XX", Language::English},
        {nullptr, "en_GB.UTF-8", "ru_RU.UTF-8", Language::English},
    };
    for (const auto& [lcall, lcmessages, lang, expected] : cases)
        EXPECT_EQ(expected, languagefrom(lcall, lcmessages, lang)) << (lang ? lang : "-");
}

// What the standard library says in English, as "filesystem error: cannot copy file:
// Permission denied [...]", said in the user's language.
TEST(Report, FailuresInTheCheckersOwnWords) {
    const auto code = [](std::errc error) { return std::make_error_code(error); };
    const std::filesystem::filesystem_error denied("cannot copy file", "a", "b",
                                                   code(std::errc::permission_denied));
    const std::system_error full(code(std::errc::no_space_on_device));
    const std::system_error readonly(code(std::errc::read_only_file_system));
    const std::system_error other(code(std::errc::io_error));
    const std::bad_alloc memory;
    const std::runtime_error odd("odd");
    const std::tuple<const std::exception&, Language, std::string> cases[] = {
        {denied, Language::Russian, "нет прав"},
        {denied, Language::English, "permission denied"},
        {full, Language::Russian, "диск заполнен"},
        {readonly, Language::Russian, "диск только для чтения"},
        {other, Language::Russian,
         "ошибка системы " + std::to_string(code(std::errc::io_error).value())},
        {memory, Language::Russian, "не хватило памяти"},
        {odd, Language::Russian, "непредвиденный сбой: «odd»"},
    };
    for (const auto& [error, language, expected] : cases)
        EXPECT_EQ(expected, failurewords(error, language));
}

}  // namespace
