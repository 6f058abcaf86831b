#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// The one crossing between Windows-1251 bytes and Unicode text, for the program and the
// checker alike, through the system's codec. One character per byte each way: the byte
// 0x98, which the code page leaves without a character, reads as "?", and a character the
// code page lacks (a surrogate pair, or a lone half of one, counts as one) writes as "?".

// Thrown by the conversions when the system cannot give the codec.
class Cp1251Missing : public std::runtime_error {
public:
    Cp1251Missing() : std::runtime_error("the system has no Windows-1251 codec") {}
};

// Whether the codec can be had; without it every catalogue text would come out blank.
bool cp1251available();

std::u16string cp1251toutf16(std::string_view bytes);
std::string utf16tocp1251(std::u16string_view text);
