#include "sheetlink.h"

#include <array>
#include <cstdint>

namespace {

constexpr std::string_view kPrefix = "sheet=";
constexpr std::string_view kDigits =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr int kNone = -1;

constexpr std::array<int, 256> digitvalues() {
    std::array<int, 256> values{};
    values.fill(kNone);
    for (std::size_t i = 0; i < kDigits.size(); ++i)
        values[static_cast<unsigned char>(kDigits[i])] = static_cast<int>(i);
    return values;
}

constexpr std::array<int, 256> kValues = digitvalues();

}  // namespace

std::string sheetfragment(std::string_view text) {
    std::string fragment(kPrefix);
    fragment.reserve(kPrefix.size() + (text.size() * 4 + 2) / 3);
    std::uint32_t bits = 0;
    int held = 0;
    for (const char c : text) {
        bits = bits << 8 | static_cast<unsigned char>(c);
        held += 8;
        while (held >= 6) {
            held -= 6;
            fragment += kDigits[bits >> held & 0x3F];
        }
    }
    if (held > 0) fragment += kDigits[bits << (6 - held) & 0x3F];
    return fragment;
}

bool issheetfragment(std::string_view fragment) { return fragment.starts_with(kPrefix); }

std::optional<std::string> fragmentsheet(std::string_view fragment) {
    if (!issheetfragment(fragment)) return std::nullopt;
    fragment.remove_prefix(kPrefix.size());
    // Padding, which some tools add, says nothing the length does not.
    while (fragment.ends_with('=')) fragment.remove_suffix(1);
    if (fragment.size() % 4 == 1) return std::nullopt;
    std::string text;
    text.reserve(fragment.size() * 3 / 4);
    std::uint32_t bits = 0;
    int held = 0;
    for (const char c : fragment) {
        const int value = kValues[static_cast<unsigned char>(c)];
        if (value == kNone) return std::nullopt;
        bits = bits << 6 | static_cast<std::uint32_t>(value);
        held += 6;
        if (held >= 8) {
            held -= 8;
            text += static_cast<char>(bits >> held & 0xFF);
        }
    }
    return text;
}
