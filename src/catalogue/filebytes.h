#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string_view>

// A whole file's bytes with every CR removed, which is how both catalogue formats see
// them. `data` holds `size` bytes.
struct FileBytes {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
};

// Reads `path` completely; throws AppError with the message of the failure ("File not
// found", "File access denied", "Invalid filename", "Too many open files", "I/O error N").
FileBytes readfile(const std::filesystem::path& path);

// The same for bytes already in memory, in a buffer of exactly the resulting size.
FileBytes copybytes(std::string_view bytes);

// The message for a failed open or read with the system's error number.
const char* ioerrormessage(int error, char* buffer, std::size_t size);
