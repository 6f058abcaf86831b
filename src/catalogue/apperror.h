#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

// The one error type of the program: a failed read or conversion. The message is
// Windows-1251 bytes and is shown to the user as it stands (plus the final ".").
class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string& message)
        : std::runtime_error(message), message_(std::make_shared<const std::string>(message)) {}

    // The whole message. what() ends at the first NUL byte, but a conversion failure quotes
    // the bytes it could not read, and a catalogue may hold any byte.
    const std::string& message() const noexcept { return *message_; }

private:
    // Shared so that copying the exception cannot throw.
    std::shared_ptr<const std::string> message_;
};

// The message as an error box shows it: "." appended when its last byte sorts above ".".
inline std::string errortext(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return text;
}
