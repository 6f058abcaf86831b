#include "run.h"

#include <algorithm>
#include <string>

#include "catalogue/apperror.h"
#include "checker.h"
#include "codec/cp1251.h"
#include "consoleout.h"
#include "filekind.h"
#include "fix.h"
#include "options.h"
#include "pathtext.h"
#include "report.h"
#include "terminaltext.h"

namespace {

// Diagnostics are printed in batches, so that a file with a million of them is not held as
// one text.
constexpr std::size_t kBatch = 1024;

enum Status { kClean = 0, kErrors = 1, kTrouble = 2 };

struct Totals {
    std::size_t errors = 0;
    std::size_t warnings = 0;
    bool trouble = false;
    bool checked = false;
    std::string unchecked;  // the files not read, for the summary
};

void complain(const std::string& message, std::FILE* out, std::FILE* err) {
    std::fflush(out);
    writeutf8(err, "talvira-check: " + message + "\n");
    // Before what follows on the standard output, where both go to one pipe: the C library
    // of Windows buffers the standard error there.
    std::fflush(err);
}

void unreadable(const std::filesystem::path& path, const std::string& message, Totals& totals,
                std::FILE* out, std::FILE* err) {
    complain(pathtext(path) + ": " + message, out, err);
    totals.trouble = true;
    if (!totals.unchecked.empty()) totals.unchecked += ", ";
    totals.unchecked += pathtext(path);
}

void fixone(const std::filesystem::path& path, Language language, Totals& totals, std::FILE* out) {
    Fixed fixed;
    try {
        fixed = fixcatalogue(path, language);
    } catch (const std::exception& error) {
        fixed = {say(language, Text::NotWritten, {pathtext(path), failurewords(error, language)}),
                 true};
    }
    if (fixed.said.empty()) return;
    writeutf8(out, fixed.said + "\n");
    if (fixed.failed) ++totals.errors;
}

void checkone(CatalogueKind kind, const std::filesystem::path& path, bool folder, Language language,
              Totals& totals, std::FILE* out, std::FILE* err) {
    try {
        const CheckedFile checked = checkfile(kind, path, language);
        const std::span<const Diagnostic> all = checked.diagnostics;
        for (std::size_t i = 0; i < all.size(); i += kBatch) {
            std::string text;
            appendreport(pathtext(path), checked.text,
                         all.subspan(i, std::min(kBatch, all.size() - i)), text, language);
            writeutf8(out, text);
        }
        totals.checked = true;
        totals.errors += errorcount(checked.diagnostics);
        totals.warnings += warningcount(checked.diagnostics);
    } catch (const AppError& error) {
        // The program's message; a folder it only calls a file it cannot access.
        const std::string why = folder ? " (" + say(language, Text::Folder) + ")" : "";
        unreadable(path, terminaltext(error.message()) + why, totals, out, err);
    } catch (const std::exception& error) {
        // Out of memory on a huge file, say: said, not a crash.
        unreadable(path, failurewords(error, language), totals, out, err);
    }
}

// "N errors, M warnings", and what was not checked; never a count when nothing was.
std::string summaryline(const Totals& totals, Language language) {
    if (!totals.checked) return say(language, Text::NothingChecked);
    std::string counts = summary(totals.errors, totals.warnings, language);
    if (totals.unchecked.empty()) return counts;
    return say(language, Text::NotChecked, {counts, totals.unchecked});
}

int nothingchecked(const std::string& why, Language language, std::FILE* out, std::FILE* err) {
    complain(why, out, err);
    writeutf8(out, say(language, Text::NothingChecked) + "\n");
    return kTrouble;
}

}  // namespace

int runcheck(std::span<const std::string_view> args, Language language, std::FILE* out,
             std::FILE* err) {
    const Options options = parseoptions(args, language);
    switch (options.action) {
        case Options::Action::Help:
            writeutf8(out, say(language, Text::Help));
            return kClean;
        case Options::Action::Version:
            writeutf8(out, "talvira-check " TALVIRA_VERSION "\n");
            return kClean;
        case Options::Action::Wrong:
            writeutf8(err, "talvira-check: " + options.wrong + "\n" + say(language, Text::TryHelp) +
                               "\n");
            return kTrouble;
        case Options::Action::Check:
            break;
    }
    if (!cp1251available()) return nothingchecked(say(language, Text::NoCodec), language, out, err);
    std::error_code error;
    if (options.folder && !std::filesystem::is_directory(*options.folder, error)) {
        return nothingchecked(pathtext(*options.folder) + ": " + say(language, Text::NoFolder),
                              language, out, err);
    }
    Totals totals;
    const std::pair<CatalogueKind, const std::optional<std::filesystem::path>&> files[] = {
        {CatalogueKind::Skills, options.skills}, {CatalogueKind::Feats, options.feats}};
    for (const auto& [kind, path] : files) {
        if (!path) continue;
        const FileKind what = filekind(*path);
        if (what == FileKind::Special) {
            unreadable(*path, say(language, Text::NotAFile), totals, out, err);
            continue;
        }
        if (options.fix) fixone(*path, language, totals, out);
        checkone(kind, *path, what == FileKind::Folder, language, totals, out, err);
    }
    writeutf8(out, summaryline(totals, language) + "\n");
    if (totals.trouble) return kTrouble;
    return totals.errors > 0 ? kErrors : kClean;
}
