#pragma once

#include <array>
#include <string>
#include <string_view>

#include "apperror.h"
#include "records.h"

// Where the parts of a feature line stand in the bytes the reader was given.
struct FeatPlaces {
    const char* entry = nullptr;        // where reading the entry began: a line start
    std::array<const char*, 3> cost{};  // the start of each number read; null for one not read
    const char* namefield = nullptr;    // the separator byte, or the line end after the numbers
};

// What a reader tells a tool that looks at a whole catalogue, the catalogue checker: every
// failure with the byte where it happened, every entry read without one, and where reading
// ended. Each entry appended to the list is told once, in order: as failed or as read. After
// a failure the reader goes on with the next line. Pointers are into the bytes handed to the
// reader, as it sees them (see FileBytes).
class ReadObserver {
public:
    virtual ~ReadObserver() = default;
    // The program would stop loading here with `message` (no full stop).
    virtual void failed(const char* at, std::string message) = 0;
    // `line` is the skill's line without its line end.
    virtual void skill(const TSkillRec& skill, std::string_view line) = 0;
    virtual void feat(const TFeatRec& feat, const FeatPlaces& places) = 0;
    // The end of the bytes, or the Ctrl-Z that ended the catalogue.
    virtual void ended(const char* at) = 0;
};

// The program's loading: the first failure throws and ends it; nothing else is looked at.
// A template argument of the readers, so that the loading pays nothing for the observer.
struct StopAtFirstFailure {
    [[noreturn]] static void failed(const char* /*at*/, const std::string& message) {
        throw AppError(message);
    }
    static void skill(const TSkillRec& /*skill*/, std::string_view /*line*/) {}
    static void feat(const TFeatRec& /*feat*/, const FeatPlaces& /*places*/) {}
    static void ended(const char* /*at*/) {}
};

inline constexpr StopAtFirstFailure kStopAtFirstFailure{};
