#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-8, the checker's output and the form of a catalogue saved by today's Notepad, to and
// from the UTF-16 of the Windows-1251 codec.

void appendutf8(std::u16string_view text, std::string& out);

// Nothing when `bytes` are not valid UTF-8.
std::optional<std::u16string> utf16of(std::string_view bytes);

// Valid UTF-8: no overlong form, no surrogate, nothing beyond U+10FFFF.
bool validutf8(std::string_view bytes);
