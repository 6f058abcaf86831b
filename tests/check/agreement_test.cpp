// The checker reads with the program's own readers, so it cannot disagree with the program:
// its first error is the program's failure, and up to there it loaded the same entries.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>

#include "catalogue/apperror.h"
#include "catalogue/readers.h"
#include "check/checker.h"

namespace fs = std::filesystem;

namespace {

bool same(const TSkillRec& a, const TSkillRec& b) {
    return a.name == b.name && a.attr == b.attr && a.price == b.price && a.special == b.special &&
           a.branched == b.branched;
}

bool same(const TFeatRec& a, const TFeatRec& b) {
    return a.name == b.name && a.cost == b.cost && a.branched == b.branched;
}

template <typename Entry>
void expectprefix(const std::vector<Entry>& program, const std::vector<Entry>& checker,
                  const std::string& what) {
    ASSERT_LE(program.size(), checker.size()) << what;
    for (std::size_t i = 0; i < program.size(); ++i)
        EXPECT_TRUE(same(program[i], checker[i])) << what << " entry " << i;
}

void expectagreement(CatalogueKind kind, std::string_view bytes, const std::string& what) {
    Catalogue program;
    std::optional<std::string> failure;
    try {
        kind == CatalogueKind::Skills ? readskills(program, bytes) : readfeats(program, bytes);
    } catch (const AppError& error) {
        failure = error.message();
    }
    const CheckedFile checked = checkbytes(kind, bytes);
    std::optional<std::string> firsterror;
    std::size_t notes = 0;
    for (const Diagnostic& d : checked.diagnostics) {
        if (d.severity == Severity::Error && !firsterror) firsterror = d.message;
        // A failure is explained once: where loading stops, or that the file is UTF-16.
        notes += d.severity == Severity::Note || d.problem == Problem::Utf16;
        EXPECT_LE(d.offset, checked.text.size()) << what;
    }
    EXPECT_EQ(failure, firsterror) << what;
    EXPECT_EQ(failure ? 1u : 0u, notes) << what;
    expectprefix(program.skilllist, checked.catalogue.skilllist, what);
    expectprefix(program.featlist, checked.catalogue.featlist, what);
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Agreement, OnTheFuzzCorpus) {
    const std::pair<const char*, CatalogueKind> targets[] = {
        {"skillreader", CatalogueKind::Skills},
        {"featreader", CatalogueKind::Feats},
    };
    for (const auto& [name, kind] : targets) {
        for (const auto& entry : fs::directory_iterator(fs::path(TALVIRA_FUZZ_CORPUS) / name)) {
            expectagreement(kind, contents(entry.path()), entry.path().string());
            // Either kind of bytes may be given to either reader.
            expectagreement(
                kind == CatalogueKind::Skills ? CatalogueKind::Feats : CatalogueKind::Skills,
                contents(entry.path()), entry.path().string());
        }
    }
}

TEST(Agreement, OnRandomLines) {
    std::mt19937 rng(29);
    static constexpr std::string_view kPieces[] = {
        "1100",  "4210",    "9", "A",   "=", "\r", "\n",  "\r\n",    "\r\n",     "\x1A",
        " ",     "\t",      "5", "-80", "x", "*",  "$1F", "1 2 3 N", "\xD0\x90", "\xEF\xBB\xBF",
        "12abc", "\xFF\xFE"};
    for (int round = 0; round < 4000; ++round) {
        std::string bytes;
        for (std::size_t n = rng() % 16; n > 0; --n) bytes += kPieces[rng() % std::size(kPieces)];
        const auto kind = round % 2 == 0 ? CatalogueKind::Skills : CatalogueKind::Feats;
        expectagreement(kind, bytes, testing::PrintToString(bytes));
    }
}

}  // namespace
