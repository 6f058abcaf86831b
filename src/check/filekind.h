#pragma once

#include <cstdint>
#include <filesystem>

// What a path names, found without reading it: reading a named pipe waits for a writer, and
// reading a device may never end.
enum class FileKind : std::uint8_t {
    File,  // a file on a disk
    Folder,
    Special,  // a named pipe, a device, a socket
    Unknown,  // not there, or not to be looked at: the reader tells why
};

FileKind filekind(const std::filesystem::path& path);
