#include <cstdlib>

#include "messages.h"

Language userlanguage() {
    return languagefrom(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

Text utf8advice() { return Text::AdviceDebian; }

Text utf16advice() { return Text::AdviceDebianUtf16; }
