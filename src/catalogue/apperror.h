#pragma once

#include <stdexcept>
#include <string>

// The one error type of the program: a failed read or conversion. The message is
// Windows-1251 bytes and is shown to the user as it stands (plus the final ".").
class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string& message) : std::runtime_error(message) {}
};
