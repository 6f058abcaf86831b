#pragma once

// What the hostile-file tests of every system share: a small pair of catalogues, and a table
// of ways to spoil the folder they are loaded from, each with the outcome it must give.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/apperror.h"
#include "catalogue/catalogue.h"
#include "tempdir.h"

inline constexpr std::string_view kSkills = "1100A\r\n2100B\r\n";
inline constexpr std::string_view kFeats = "1 2 3 F\r\n";

// The message of the failure, if loading from `dir` fails.
inline std::optional<std::string> load(Catalogue& catalogue, const std::filesystem::path& dir) {
    try {
        loadcatalogues(catalogue, dir);
    } catch (const AppError& error) {
        return error.message();
    }
    return std::nullopt;
}

struct Spoilt {
    const char* what;
    // Spoils the folder's files and returns the folder to load from.
    std::function<std::filesystem::path(const std::filesystem::path&)> spoil;
    std::optional<std::string> failure;
    std::size_t skills;
    std::size_t feats;
};

// `make` puts something of its own in the place of the file `name`.
template <typename Make>
auto replacefile(const char* name, Make make) {
    return [name, make](const std::filesystem::path& dir) {
        std::filesystem::remove(dir / name);
        make(dir / name);
        return dir;
    };
}

inline void expectspoilt(std::span<const Spoilt> cases) {
    for (const Spoilt& c : cases) {
        TempDir dir;
        dir.write("skills.res", kSkills);
        dir.write("feats.res", kFeats);
        Catalogue catalogue;
        EXPECT_EQ(c.failure, load(catalogue, c.spoil(dir.path()))) << c.what;
        EXPECT_EQ(c.skills, catalogue.skilllist.size()) << c.what;
        EXPECT_EQ(c.feats, catalogue.featlist.size()) << c.what;
    }
}
