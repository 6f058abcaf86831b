#pragma once

#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "diagnostic.h"
#include "messages.h"

enum class CatalogueKind { Skills, Feats };

// What the checker found in one catalogue, beside the file's bytes as stored, which the
// diagnostics point into.
struct CheckedFile {
    // In file order; a note on where the program stops loading follows the first error.
    std::vector<Diagnostic> diagnostics;
    std::string_view text;
    // What the reader loaded, and the bytes it was given; these are `text` itself unless
    // the reader's bytes had to lose CRs, and then `stored` holds `text`.
    Catalogue catalogue;
    std::unique_ptr<char[]> stored;
};

// Checks a catalogue file with the program's own reader. Throws AppError with the program's
// message when the file cannot be read.
CheckedFile checkfile(CatalogueKind kind, const std::filesystem::path& path,
                      Language language = Language::English);

// The same for the bytes of a file.
CheckedFile checkbytes(CatalogueKind kind, std::string_view bytes,
                       Language language = Language::English);

std::size_t errorcount(const std::vector<Diagnostic>& diagnostics);
std::size_t warningcount(const std::vector<Diagnostic>& diagnostics);
