// The error box's text rule and title.
#include "ui/errorbox.h"

#include <gtest/gtest.h>

TEST(ErrorBox, AppendsAFullStopAfterLettersDigitsColonsAndHighBytes) {
    struct Case {
        std::string message;
        QString shown;
    };
    const Case cases[] = {
        {"File not found", "File not found."},
        {"I/O error 5", "I/O error 5."},
        {"'x' is not a valid integer value", "'x' is not a valid integer value."},
        {"ends with:", "ends with:."},
        {"\xE4\xE0", QString::fromUtf8("да.")},
        {"List index out of bounds (-1)", "List index out of bounds (-1)"},
        {"already.", "already."},
        {"dash-", "dash-"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.shown, errorboxtext(c.message)) << c.message;
}

TEST(ErrorBox, TitleIsTheProgramNameBeforeItsFirstDot) {
    // The test program's own name, with every character after the first in lower case.
    const QString title = apptitle();
    ASSERT_FALSE(title.isEmpty());
    EXPECT_EQ(title.mid(1), title.mid(1).toLower());
    EXPECT_FALSE(title.contains('.'));
}
