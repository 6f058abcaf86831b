#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The integer text syntax of catalogues, spin fields and table cells: leading blanks,
// then a signed decimal number or a "$", "x", "X", "0x", "0X" prefixed hex number.

// The value of `text`, or nothing when it is not an integer text.
std::optional<std::int32_t> parseint(std::string_view text) noexcept;

bool isinteger(std::string_view text) noexcept;

// The value of `text`; throws AppError(notintegermessage(text)).
std::int32_t strtoint(std::string_view text);

// "'<text>' is not a valid integer value".
std::string notintegermessage(std::string_view text);

// Plain decimal, "-" before negatives.
std::string inttostr(std::int32_t value);

// The longest text inttostr gives: "-2147483648".
inline constexpr std::size_t kIntTextSize = 11;

// Writes inttostr(value) at `out`, which has room for kIntTextSize bytes; returns its end.
char* inttochars(std::int32_t value, char* out) noexcept;
