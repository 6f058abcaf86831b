// How a diagnostic is printed: the file's line in UTF-8 and a caret under its column.
#include "check/report.h"

#include <gtest/gtest.h>

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
        {"\x98x", "?x"},  // the one byte the code page lacks
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

TEST(Report, Summary) {
    EXPECT_EQ("0 errors, 0 warnings", summary(0, 0));
    EXPECT_EQ("1 error, 1 warning", summary(1, 1));
    EXPECT_EQ("2 errors, 3 warnings", summary(2, 3));
}

}  // namespace
