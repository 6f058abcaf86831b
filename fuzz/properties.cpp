#include "properties.h"

#include <cstdio>
#include <exception>

#include "catalogue/apperror.h"
#include "catalogue/catalogue.h"
#include "catalogue/intsyntax.h"
#include "catalogue/readers.h"
#include "reference.h"

namespace {

// Bytes shown with C escapes, since inputs and names may hold anything; long ones cut.
std::string printable(std::string_view bytes) {
    constexpr std::size_t kShown = 256;
    std::string text = "\"";
    for (const char c : bytes.substr(0, kShown)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            text += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            text += escape;
        }
    }
    text += '"';
    if (bytes.size() > kShown) text += "... (" + std::to_string(bytes.size()) + " bytes)";
    return text;
}

std::string describe(const std::optional<std::string>& failure) {
    return failure ? printable(*failure) : "no failure";
}

std::string describe(std::optional<std::int32_t> value) {
    return value ? std::to_string(*value) : "not an integer";
}

// A failure of the skill reader names the one code character it could not convert.
bool isskillmessage(std::string_view message) {
    const std::string empty = intmessage("");
    return (message.size() == empty.size() || message.size() == empty.size() + 1) &&
           message.starts_with('\'') && message.ends_with(std::string_view(empty).substr(1));
}

std::optional<std::string> expectedfailure(const std::string& message) {
    if (message.empty()) return std::nullopt;
    return message;
}

std::string compare(const TSkillRec& actual, const RefSkill& expected) {
    if (actual.name != expected.name) {
        return "name " + printable(actual.name) + ", expected " + printable(expected.name);
    }
    const int actualcodes[] = {actual.attr, actual.price, actual.branched, actual.special};
    const int expectedcodes[] = {expected.attr, expected.price, expected.branched,
                                 expected.special};
    for (std::size_t i = 0; i < std::size(actualcodes); ++i) {
        if (actualcodes[i] != expectedcodes[i]) {
            return "code character " + std::to_string(i + 1) + " reads " +
                   std::to_string(actualcodes[i]) + ", expected " +
                   std::to_string(expectedcodes[i]);
        }
    }
    return "";
}

std::string compare(const TFeatRec& actual, const RefFeat& expected) {
    if (actual.name != expected.name) {
        return "name " + printable(actual.name) + ", expected " + printable(expected.name);
    }
    for (std::size_t i = 0; i < actual.cost.size(); ++i) {
        if (actual.cost[i] != expected.cost[i]) {
            return "cost " + std::to_string(i + 1) + " reads " + std::to_string(actual.cost[i]) +
                   ", expected " + std::to_string(expected.cost[i]);
        }
    }
    if (actual.branched != expected.branched) return "branched flag differs";
    return "";
}

// Loaded entries and message against the reference reader's.
template <class Record, class Entry>
std::string compareloaded(std::string_view bytes, std::span<const Record> loaded,
                          const std::optional<std::string>& failure,
                          const RefCatalogue<Entry>& expected) {
    const auto expectedmessage = expectedfailure(expected.message);
    if (failure != expectedmessage) {
        return "failure " + describe(failure) + ", expected " + describe(expectedmessage) + " on " +
               printable(bytes);
    }
    if (loaded.size() != expected.entries.size()) {
        return std::to_string(loaded.size()) + " entries loaded, expected " +
               std::to_string(expected.entries.size()) + " on " + printable(bytes);
    }
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        const std::string difference = compare(loaded[i], expected.entries[i]);
        if (!difference.empty()) {
            return "entry " + std::to_string(i) + ": " + difference + " on " + printable(bytes);
        }
    }
    return "";
}

// Runs `read` and returns its failure message; any other exception is a violation itself.
template <class Read>
std::optional<std::string> failureof(Read read, std::string& violation) {
    try {
        read();
    } catch (const AppError& error) {
        return error.message();
    } catch (const std::exception& error) {
        violation = std::string("unexpected exception: ") + error.what();
    }
    return std::nullopt;
}

std::string checkconversions(std::string_view text, std::optional<std::int32_t> value) {
    if (isinteger(text) != value.has_value()) return "isinteger disagrees with parseint";
    std::string violation;
    std::optional<std::int32_t> converted;
    const auto failure = failureof([&] { converted = strtoint(text); }, violation);
    if (!violation.empty()) return violation;
    if (failure && *failure != intmessage(text)) return "strtoint fails with " + describe(failure);
    if (converted != value) return "strtoint gives " + describe(converted);
    return "";
}

std::string checkwriteback(std::int32_t value) {
    const std::string written = inttostr(value);
    if (written != refdecimal(value)) return "inttostr writes " + printable(written);
    if (parseint(written) != value)
        return "parseint(inttostr) gives " + describe(parseint(written));
    char hex[2][16];
    std::snprintf(hex[0], sizeof hex[0], "$%08X", static_cast<unsigned>(value));
    std::snprintf(hex[1], sizeof hex[1], "0x%x", static_cast<unsigned>(value));
    for (const char* text : hex) {
        if (parseint(text) != value)
            return std::string(text) + " reads " + describe(parseint(text));
    }
    return "";
}

constexpr FuzzTarget kTargets[] = {
    {"skillreader", checkskillreader},
    {"featreader", checkfeatreader},
    {"intsyntax", checkintsyntax},
    {"sheetparser", checksheetparser},
};

}  // namespace

std::string checkskills(std::string_view bytes, std::span<const TSkillRec> loaded,
                        const std::optional<std::string>& failure) {
    if (failure && !isskillmessage(*failure)) return "undefined message " + describe(failure);
    return compareloaded(bytes, loaded, failure, refskills(bytes));
}

std::string checkfeats(std::string_view bytes, std::span<const TFeatRec> loaded,
                       const std::optional<std::string>& failure) {
    if (failure && *failure != "Invalid numeric input") {
        return "undefined message " + describe(failure);
    }
    return compareloaded(bytes, loaded, failure, reffeats(bytes));
}

std::string checkskillreader(std::string_view bytes) {
    Catalogue catalogue;
    std::string violation;
    const auto failure = failureof([&] { readskills(catalogue, bytes); }, violation);
    if (!violation.empty()) return violation;
    return checkskills(bytes, catalogue.skilllist, failure);
}

std::string checkfeatreader(std::string_view bytes) {
    Catalogue catalogue;
    std::string violation;
    const auto failure = failureof([&] { readfeats(catalogue, bytes); }, violation);
    if (!violation.empty()) return violation;
    return checkfeats(bytes, catalogue.featlist, failure);
}

std::string checkintsyntax(std::string_view bytes) {
    const auto value = parseint(bytes);
    const auto expected = refparseint(bytes);
    std::string violation;
    if (value != expected) {
        violation = "reads " + describe(value) + ", expected " + describe(expected);
    } else {
        violation = checkconversions(bytes, value);
    }
    if (violation.empty() && value) violation = checkwriteback(*value);
    return violation.empty() ? violation : violation + " on " + printable(bytes);
}

std::span<const FuzzTarget> fuzztargets() { return kTargets; }
