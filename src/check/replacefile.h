#pragma once

#include <filesystem>
#include <string_view>

// Gives `target` the contents `bytes` through the new file `temporary` in the same folder and
// a rename over `target`, so that a crash leaves the old file or the new one, each whole.
// Throws std::system_error, with `temporary` removed, when a step fails.
void replacefile(const std::filesystem::path& target, const std::filesystem::path& temporary,
                 std::string_view bytes);
