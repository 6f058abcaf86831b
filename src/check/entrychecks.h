#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/readobserver.h"
#include "diagnostic.h"
#include "messages.h"
#include "repeats.h"

// Watches a reader go through a catalogue: keeps its failures and finds the entries that
// load but are surely mistakes. Findings are at offsets into the reader's bytes.
class EntryChecks : public ReadObserver {
public:
    // `bytes` are those given to the reader; `entries` at most as many as it can read.
    EntryChecks(std::string_view bytes, std::size_t entries, Language language);

    void failed(const char* at, std::string message) override;
    void skill(const TSkillRec& skill, std::string_view line) override;
    void feat(const TFeatRec& feat, const FeatPlaces& places) override;
    void ended(const char* at) override;

    // Adds a finding for each name that came before in its group, with the first one's
    // offset; its message is left to the caller, who knows that one's line. `nameof` gives
    // the name of the entry with an index in the reader's list.
    void findrepeatednames(const std::function<std::string_view(std::size_t)>& nameof);

    const std::vector<Finding>& findings() const { return findings_; }
    // Where reading ended: the end of the bytes, or the Ctrl-Z that ended the catalogue.
    std::size_t end() const { return end_; }
    // The index in the reader's list of the first entry that failed, which the program keeps.
    std::optional<std::size_t> firstfailed() const { return firstfailed_; }

private:
    void add(const char* at, Problem problem, std::string message);
    void checkname(std::string_view name, const char* at, Text ifempty);
    void checkblanks(std::string_view name);
    void checkshortlines(const FeatPlaces& places);

    std::string_view bytes_;
    Language language_;
    RepeatFinder names_;
    std::vector<Finding> findings_;
    std::size_t end_;
    std::size_t entries_ = 0;  // told so far, each as read or as failed
    std::optional<std::size_t> firstfailed_;
};
