#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Paths as the checker's command line and output hold them: UTF-8 text. A path is wide on
// Windows, so it goes through UTF-8 rather than through the system's narrow code page.
inline std::string pathtext(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

inline std::filesystem::path utf8path(std::string_view text) {
    return std::u8string(text.begin(), text.end());
}
