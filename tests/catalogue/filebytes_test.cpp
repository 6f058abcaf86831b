// A file's bytes as the readers see them: no CR but before an LF, and the LFs counted.
#include "catalogue/filebytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

namespace {

std::string withoutcr(std::string_view bytes) {
    std::string out(bytes);
    std::erase(out, '\r');
    return out;
}

// The readers' view: every CR gone, LFs counted; a CR may only remain right before an LF.
void expectsettled(std::string_view source, const FileBytes& bytes, const std::string& what) {
    const std::string_view kept(bytes.data.get(), bytes.size);
    EXPECT_EQ(withoutcr(source), withoutcr(kept)) << what;
    EXPECT_EQ(static_cast<std::size_t>(std::count(source.begin(), source.end(), '\n')), bytes.lines)
        << what;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const bool loose = kept[i] == '\r' && (i + 1 == kept.size() || kept[i + 1] != '\n');
        ASSERT_FALSE(loose) << what << " at " << i;
    }
}

std::string randombytes(std::mt19937& rng, std::size_t size) {
    static constexpr char kBytes[] = {'a', '\r', '\n', '\r', '\n', 'b'};
    std::string bytes(size, ' ');
    for (char& c : bytes) c = kBytes[rng() % sizeof kBytes];
    return bytes;
}

TEST(FileBytes, KeepsCrOnlyBeforeLfAndCountsLfsAcrossCountingBlocks) {
    const std::string cases[] = {
        "",
        "\r",
        "\n",
        "\r\n",
        "a\r",
        "a\rb\r\n",
        "\r\r\n",
        std::string(63, 'a') + "\r\n",  // the CR ends a block, its LF starts the next
        std::string(63, 'a') + "\rb",
        std::string(64, '\n') + "\r",
        std::string(128, 'a') + "\r\n\r\n",
    };
    for (const std::string& bytes : cases) expectsettled(bytes, copybytes(bytes), bytes);

    std::mt19937 rng(42);
    for (int round = 0; round < 500; ++round) {
        const std::string bytes = randombytes(rng, rng() % 300);
        expectsettled(bytes, copybytes(bytes), "random round " + std::to_string(round));
    }
}

TEST(FileBytes, AFileReadInPiecesIsSettledLikeTheSameBytesInMemory) {
    const auto path = std::filesystem::path(testing::TempDir()) / "filebytes_test.res";
    // CR LF and a loose CR at the boundaries of the pieces the file is read in.
    for (const std::size_t boundary : {std::size_t{1} << 18, std::size_t{1} << 19}) {
        for (const char* around : {"\r\n", "\ra", "a\r"}) {
            std::string bytes(boundary - 1, 'x');
            bytes += around;
            bytes += std::string(1000, 'y') + "\r\n";
            std::ofstream(path, std::ios::binary) << bytes;
            expectsettled(bytes, readfile(path), "around " + std::to_string(boundary));
        }
    }
    std::filesystem::remove(path);
}

}  // namespace
