#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string_view>

// A whole file's bytes as both catalogue formats see them: a CR is never part of a line.
// Every CR is removed, except that when each CR directly precedes an LF (a CR LF file) they
// all stay, which spares a pass over the bytes; readers take CR LF as a line end. `data`
// holds `size` bytes, `lines` of them LF.
struct FileBytes {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
    std::size_t lines = 0;
};

// Reads `path` completely; throws AppError with the message of the failure ("File not
// found", "File access denied", "Invalid filename", "Too many open files", "I/O error N").
FileBytes readfile(const std::filesystem::path& path);

// A file's bytes as stored, every CR kept, for a tool that points into the file as its
// author sees it. `loosecrs` counts the CRs not directly before an LF: when there are
// none, the bytes are already as readfile() gives them; else copybytes() makes them so.
struct StoredBytes {
    FileBytes bytes;
    std::size_t loosecrs = 0;
};

// Reads like readfile(), with the same failures, and keeps every CR.
StoredBytes readstored(const std::filesystem::path& path);

// The same for bytes already in memory, in a buffer of exactly the resulting size.
FileBytes copybytes(std::string_view bytes);
