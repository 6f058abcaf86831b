// The committed fuzz corpus replayed through the fuzz targets' property checks, so that every
// input found once keeps being checked in the ordinary suite.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "properties.h"

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FuzzCorpus : public testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzCorpus, EveryInputKeepsEveryProperty) {
    const fs::path dir = fs::path(TALVIRA_FUZZ_CORPUS) / GetParam().name;
    std::size_t inputs = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
        EXPECT_EQ("", GetParam().check(contents(entry.path()))) << entry.path().filename();
        ++inputs;
    }
    EXPECT_GE(inputs, 10u) << dir;
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpus,
                         testing::ValuesIn(fuzztargets().begin(), fuzztargets().end()),
                         [](const testing::TestParamInfo<FuzzTarget>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
