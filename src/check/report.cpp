#include "report.h"

#include <algorithm>

#include "terminaltext.h"

namespace {

// A long line is shown as a piece around the column, cut ends marked with "…".
constexpr std::size_t kShownBefore = 60;
constexpr std::size_t kShownBytes = 120;

void appendexcerpt(std::string_view text, const Diagnostic& d, std::string& out) {
    const std::size_t start = d.offset - (d.column - 1);
    std::size_t end = std::min(text.find('\n', d.offset), text.size());
    if (end > start && text[end - 1] == '\r') --end;
    std::string_view line = text.substr(start, end - start);
    std::size_t caret = d.column - 1;
    std::string shown = " ";
    if (line.size() > kShownBytes) {
        const std::size_t from = caret > kShownBefore ? caret - kShownBefore : 0;
        const bool cutend = from + kShownBytes < line.size();
        line = line.substr(from, kShownBytes);
        caret -= from;
        if (from > 0) {
            shown += "…";
            ++caret;
        }
        shown += terminaltext(line);
        if (cutend) shown += "…";
    } else {
        shown += terminaltext(line);
    }
    out += shown;
    out += '\n';
    out.append(caret + 1, ' ');
    out += "^\n";
}

}  // namespace

std::string severityname(Severity severity, Language language) {
    switch (severity) {
        case Severity::Error:
            return say(language, Text::Error);
        case Severity::Warning:
            return say(language, Text::Warning);
        case Severity::Note:
            break;
    }
    return say(language, Text::Note);
}

void appendreport(std::string_view path, std::string_view text,
                  std::span<const Diagnostic> diagnostics, std::string& out, Language language) {
    for (const Diagnostic& d : diagnostics) {
        out += path;
        out += ':' + std::to_string(d.line) + ':' + std::to_string(d.column) + ": ";
        out += severityname(d.severity, language);
        out += ": ";
        // An error quotes the program's message, which may hold bytes of the file.
        out += d.severity == Severity::Error ? terminaltext(d.message) : d.message;
        if (!d.cause.empty()) out += " (" + d.cause + ")";
        out += '\n';
        // A UTF-16 line read as Windows-1251 is no text to show.
        if (d.severity != Severity::Note && d.problem != Problem::Utf16)
            appendexcerpt(text, d, out);
    }
}
