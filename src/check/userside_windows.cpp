#include <windows.h>

#include "messages.h"

Language userlanguage() {
    return PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_RUSSIAN ? Language::Russian
                                                                       : Language::English;
}

Text utf8advice() { return Text::AdviceWindows; }

Text utf16advice() { return Text::AdviceWindows; }
