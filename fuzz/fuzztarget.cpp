// A libFuzzer target over one property check, chosen by TALVIRA_FUZZ_TARGET when built.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "properties.h"

namespace {

auto findcheck(std::string_view name) {
    for (const FuzzTarget& target : fuzztargets()) {
        if (target.name == name) return target.check;
    }
    std::fprintf(stderr, "no fuzz target %.*s\n", static_cast<int>(name.size()), name.data());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto check = findcheck(TALVIRA_FUZZ_TARGET);
    const std::string violation =
        check(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!violation.empty()) {
        std::fprintf(stderr, "property violated: %s\n", violation.c_str());
        std::abort();
    }
    return 0;
}
