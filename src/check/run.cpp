#include "run.h"

#include <algorithm>
#include <string>

#include "catalogue/apperror.h"
#include "checker.h"
#include "consoleout.h"
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
    bool unreadable = false;
};

void unreadable(const std::filesystem::path& path, const std::string& message, Totals& totals,
                std::FILE* out, std::FILE* err) {
    std::fflush(out);
    writeutf8(err, "talvira-check: " + pathtext(path) + ": " + message + "\n");
    // Before what follows on the standard output, where both go to one pipe: the C library
    // of Windows buffers the standard error there.
    std::fflush(err);
    totals.unreadable = true;
}

void checkone(CatalogueKind kind, const std::filesystem::path& path, Totals& totals, std::FILE* out,
              std::FILE* err) {
    try {
        const CheckedFile checked = checkfile(kind, path);
        const std::span<const Diagnostic> all = checked.diagnostics;
        for (std::size_t i = 0; i < all.size(); i += kBatch) {
            std::string text;
            appendreport(pathtext(path), checked.text,
                         all.subspan(i, std::min(kBatch, all.size() - i)), text);
            writeutf8(out, text);
        }
        totals.errors += errorcount(checked.diagnostics);
        totals.warnings += warningcount(checked.diagnostics);
    } catch (const AppError& error) {
        unreadable(path, terminaltext(error.message()), totals, out, err);
    } catch (const std::exception& error) {
        // Out of memory on a huge file, say: said, not a crash.
        unreadable(path, error.what(), totals, out, err);
    }
}

}  // namespace

int runcheck(std::span<const std::string_view> args, std::FILE* out, std::FILE* err) {
    const Options options = parseoptions(args);
    switch (options.action) {
        case Options::Action::Help:
            writeutf8(out, helptext());
            return kClean;
        case Options::Action::Version:
            writeutf8(out, "talvira-check " TALVIRA_VERSION "\n");
            return kClean;
        case Options::Action::Wrong:
            writeutf8(err, "talvira-check: " + options.wrong +
                               "\nTry 'talvira-check --help' for more information.\n");
            return kTrouble;
        case Options::Action::Check:
            break;
    }
    Totals totals;
    if (options.skills) checkone(CatalogueKind::Skills, *options.skills, totals, out, err);
    if (options.feats) checkone(CatalogueKind::Feats, *options.feats, totals, out, err);
    writeutf8(out, summary(totals.errors, totals.warnings) + "\n");
    if (totals.unreadable) return kTrouble;
    return totals.errors > 0 ? kErrors : kClean;
}
