#include "checker.h"

#include <algorithm>
#include <optional>

#include "bytescan.h"
#include "catalogue/readers.h"
#include "causes.h"
#include "encoding.h"
#include "entrychecks.h"
#include "lineindex.h"
#include "pick/picklines.h"
#include "terminaltext.h"

namespace {

// Lines and columns of the file for offsets into its stored bytes or into the bytes the
// reader was given, which lack the stored ones' loose CRs, if it had any.
class Positions {
public:
    Positions(std::string_view stored, std::string_view read)
        : stored_(stored), storedlines_(stored) {
        if (read.size() != stored.size()) readlines_.emplace(read);
    }

    Diagnostic atstored(std::size_t offset) const {
        Diagnostic d;
        d.offset = offset;
        d.line = storedlines_.lineof(offset);
        d.column = offset - storedlines_.start(d.line) + 1;
        return d;
    }

    Diagnostic atread(std::size_t offset) const {
        if (!readlines_) return atstored(offset);
        const std::size_t line = readlines_->lineof(offset);
        // The same line of the stored bytes, as many bytes in when its CRs are skipped; the
        // end of a line is at its CR LF.
        std::size_t at = storedlines_.start(line);
        for (std::size_t left = offset - readlines_->start(line); at < stored_.size(); ++at) {
            if (stored_[at] == '\r' && (left > 0 || !endsline(at))) continue;
            if (left == 0) break;
            --left;
        }
        return atstored(at);
    }

private:
    // Whether the CRs from `at` on are followed by an LF or the end.
    bool endsline(std::size_t at) const {
        const std::size_t next = stored_.find_first_not_of('\r', at);
        return next == std::string_view::npos || stored_[next] == '\n';
    }

    std::string_view stored_;
    LineIndex storedlines_;
    std::optional<LineIndex> readlines_;
};

Diagnostic resolve(const Finding& finding, Diagnostic at) {
    at.problem = finding.problem;
    at.severity = finding.problem == Problem::Failure ? Severity::Error : Severity::Warning;
    at.message = finding.message;
    return at;
}

std::string repeatmessage(CatalogueKind kind, std::size_t firstline, Language language) {
    return say(language, kind == CatalogueKind::Skills ? Text::SameSkill : Text::SameFeat,
               {std::to_string(firstline)});
}

// Both readers keep the failing line's entry, made of what they read on the line: the note
// tells the dialog's line for it. A skill without its attribute is offered nowhere.
std::string keptnote(CatalogueKind kind, const Catalogue& catalogue, std::size_t failed,
                     Language language) {
    if (kind == CatalogueKind::Feats) {
        if (failed >= catalogue.featlist.size()) return {};
        return say(language, Text::FeatKept, {terminaltext(featline(catalogue.featlist[failed]))});
    }
    if (failed >= catalogue.skilllist.size()) return {};
    const TSkillRec& skill = catalogue.skilllist[failed];
    if (skill.attr < 1 || skill.attr > 7) return {};
    const std::string attr(1, static_cast<char>('0' + skill.attr));
    const std::string line = skillline(skill);
    if (line.empty()) return say(language, Text::SkillKeptBlank, {attr});
    return say(language, Text::SkillKept, {attr, terminaltext(line)});
}

std::string stopnote(CatalogueKind kind, const Catalogue& catalogue,
                     std::optional<std::size_t> failed, Language language) {
    std::string note =
        say(language, kind == CatalogueKind::Skills ? Text::SkillStop : Text::FeatStop);
    if (failed) note += keptnote(kind, catalogue, *failed, language);
    return note;
}

// In file order, an error before the warnings at its byte; one diagnostic per line and
// kind, no short-line warning on a line that fails, and the note after the first error.
std::vector<Diagnostic> arrange(std::vector<Diagnostic> all, const std::string& stop) {
    std::ranges::stable_sort(all, {},
                             [](const Diagnostic& d) { return std::pair(d.offset, d.severity); });
    std::vector<Diagnostic> out;
    out.reserve(all.size() + 1);
    bool noted = false;
    for (auto group = all.begin(); group != all.end();) {
        const auto next = std::find_if(group, all.end(),
                                       [&](const Diagnostic& d) { return d.line != group->line; });
        const bool failed = std::any_of(
            group, next, [](const Diagnostic& d) { return d.severity == Severity::Error; });
        unsigned seen = 0;
        for (auto d = group; d != next; ++d) {
            const unsigned bit = 1u << static_cast<unsigned>(d->problem);
            if ((seen & bit) != 0 || (failed && d->problem == Problem::ShortLine)) continue;
            seen |= bit;
            out.push_back(std::move(*d));
            if (out.back().severity != Severity::Error || noted) continue;
            noted = true;
            Diagnostic note = out.back();
            note.severity = Severity::Note;
            note.problem = Problem::StopsHere;
            note.message = stop;
            note.cause.clear();
            out.push_back(std::move(note));
        }
        group = next;
    }
    return out;
}

// Reads the catalogue with the program's reader, watched by `entries`.
void readentries(CatalogueKind kind, FileBytes bytes, EntryChecks& entries, Catalogue& catalogue) {
    if (kind == CatalogueKind::Skills) {
        scanskills(catalogue, std::move(bytes), entries);
    } else {
        scanfeats(catalogue, std::move(bytes), entries);
    }
    entries.findrepeatednames([&catalogue, kind](std::size_t index) {
        return kind == CatalogueKind::Skills ? catalogue.skilllist[index].name
                                             : catalogue.featlist[index].name;
    });
}

// A UTF-16 file fails at its first byte, which is no digit: that error, and why, is all
// there is to say; the rest is its bytes read as Windows-1251.
Diagnostic utf16diagnostic(const std::vector<Finding>& findings, const Positions& place,
                           Language language) {
    const std::string why = say(language, Text::Utf16, {say(language, utf16advice())});
    const auto failure = std::ranges::find(findings, Problem::Failure, &Finding::problem);
    if (failure == findings.end()) return resolve({0, Problem::Utf16, why}, place.atstored(0));
    Diagnostic d = resolve(*failure, place.atread(failure->at));
    d.problem = Problem::Utf16;
    d.cause = why;
    return d;
}

void check(CatalogueKind kind, FileBytes bytes, Language language, CheckedFile& out) {
    const std::string_view read(bytes.data.get(), bytes.size);
    EntryChecks entries(read, bytes.lines + 1, language);
    readentries(kind, std::move(bytes), entries, out.catalogue);
    // Listing the lines costs a pass over the file: only done once something is found.
    std::optional<Positions> positions;
    const auto place = [&]() -> const Positions& {
        if (!positions) positions.emplace(out.text, read);
        return *positions;
    };
    const Encoding encoding = encodingof(out.text);
    if (encoding.utf16()) {
        out.diagnostics = {utf16diagnostic(entries.findings(), place(), language)};
        return;
    }
    // The byte checks stop where the reader stopped.
    const bool whole = entries.end() == read.size();
    const std::size_t stop = whole ? out.text.size() : place().atread(entries.end()).offset;
    const std::string_view text = out.text.substr(0, stop);
    std::vector<Finding> stored;
    findutf8(text, encoding, language, stored);
    if (read.size() != out.text.size()) findlonecrs(text, language, stored);
    if (stored.empty() && entries.findings().empty()) return;

    std::vector<Diagnostic> all;
    all.reserve(stored.size() + entries.findings().size());
    for (const Finding& f : stored) all.push_back(resolve(f, place().atstored(f.at)));
    for (const Finding& f : entries.findings()) {
        Diagnostic d = resolve(f, place().atread(f.at));
        // A non-breaking space is a byte of Windows-1251; in UTF-8 that byte is part of a letter.
        if (f.problem == Problem::Nbsp && encoding.onutf8line(out.text, d.offset)) continue;
        if (f.problem == Problem::Failure) d.cause = likelycause(kind, read, f.at, language);
        if (f.problem == Problem::SameName)
            d.message = repeatmessage(kind, place().atread(f.first).line, language);
        all.push_back(std::move(d));
    }
    out.diagnostics =
        arrange(std::move(all), stopnote(kind, out.catalogue, entries.firstfailed(), language));
}

std::size_t count(const std::vector<Diagnostic>& diagnostics, Severity severity) {
    return static_cast<std::size_t>(
        std::ranges::count(diagnostics, severity, &Diagnostic::severity));
}

}  // namespace

CheckedFile checkfile(CatalogueKind kind, const std::filesystem::path& path, Language language) {
    CheckedFile out;
    StoredBytes stored = readstored(path);
    out.text = std::string_view(stored.bytes.data.get(), stored.bytes.size);
    if (stored.loosecrs == 0) {
        check(kind, std::move(stored.bytes), language, out);
    } else {
        out.stored = std::move(stored.bytes.data);
        check(kind, copybytes(out.text), language, out);
    }
    return out;
}

CheckedFile checkbytes(CatalogueKind kind, std::string_view bytes, Language language) {
    CheckedFile out;
    out.stored = std::make_unique_for_overwrite<char[]>(bytes.size());
    std::ranges::copy(bytes, out.stored.get());
    out.text = std::string_view(out.stored.get(), bytes.size());
    check(kind, copybytes(out.text), language, out);
    return out;
}

std::size_t errorcount(const std::vector<Diagnostic>& diagnostics) {
    return count(diagnostics, Severity::Error);
}

std::size_t warningcount(const std::vector<Diagnostic>& diagnostics) {
    return count(diagnostics, Severity::Warning);
}
