#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// A file opened by name for reading only, shared with other readers, in binary: the bytes as
// stored, with no translation of line ends or Ctrl-Z on any system. Closed with the object.
class ReadOnlyFile {
public:
    // Throws AppError with the message of the system's reason when the file cannot be opened.
    explicit ReadOnlyFile(const std::filesystem::path& path);
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    ~ReadOnlyFile();

    // The size as the system gives it when the file is opened; a hint, since it may change.
    std::size_t sizehint() const { return sizehint_; }

    // Reads at most `size` bytes into `data` and returns how many; 0 at the end of the file.
    // Throws AppError when the system fails the read.
    std::size_t read(char* data, std::size_t size);

private:
    std::intptr_t handle_;
    std::size_t sizehint_ = 0;
};

// The message for the system's error code `code` (errno, or GetLastError() on Windows):
// "File not found", "Invalid filename", "Too many open files", "File access denied", or
// "I/O error N" with the code.
std::string ioerrormessage(int code);
