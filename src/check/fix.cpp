#include "fix.h"

#include <cstdio>
#include <system_error>

#include "catalogue/apperror.h"
#include "catalogue/filebytes.h"
#include "codec/cp1251.h"
#include "codec/surrogates.h"
#include "pathtext.h"
#include "replacefile.h"
#include "report.h"
#include "utf8text.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// "U+1F600" for the character at `at` of `text`.
std::string codepoint(std::u16string_view text, std::size_t at) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codepointat(text, at)));
    return name;
}

// The codec writes one byte per character, "?" for one it cannot: a character whose byte
// does not read back as itself has no Windows-1251 form.
Conversion refusal(std::u16string_view text, const std::string& bytes) {
    const std::u16string back = cp1251toutf16(bytes);
    Conversion out;
    out.line = 1;
    out.column = 1;
    for (std::size_t at = 0, byte = 0; at < text.size(); ++byte) {
        const std::size_t units = pairat(text, at) ? 2 : 1;
        if (units == 2 || back[byte] != text[at]) {
            out.result = Conversion::Result::Refused;
            appendutf8(text.substr(at, units), out.character);
            out.code = codepoint(text, at);
            return out;
        }
        ++out.column;
        if (text[at] == u'\n') {
            ++out.line;
            out.column = 1;
        }
        at += units;
    }
    out.result = Conversion::Result::Converted;
    return out;
}

fs::path freename(const fs::path& path, std::string_view suffix) {
    for (int n = 1;; ++n) {
        fs::path candidate = path;
        candidate += std::string(suffix) + (n == 1 ? "" : std::to_string(n));
        std::error_code error;
        if (!fs::exists(fs::symlink_status(candidate, error))) return candidate;
    }
}

std::string refusedline(const fs::path& path, const Conversion& c, Language language) {
    return pathtext(path) + ":" + std::to_string(c.line) + ":" + std::to_string(c.column) + ": " +
           severityname(Severity::Error, language) + ": " +
           say(language, Text::NoCp1251Form, {c.character, c.code});
}

}  // namespace

Conversion convertutf8(std::string_view bytes) {
    const bool bom = bytes.starts_with(kBom);
    if (bom) bytes.remove_prefix(kBom.size());
    const std::optional<std::u16string> text = utf16of(bytes);
    const bool ascii = text && text->size() == bytes.size();
    if (!text || (ascii && !bom)) return {};
    Conversion out;
    out.bytes = utf16tocp1251(*text);
    Conversion refused = refusal(*text, out.bytes);
    if (refused.result == Conversion::Result::Refused) return refused;
    out.result = Conversion::Result::Converted;
    return out;
}

Fixed fixcatalogue(const fs::path& path, Language language) {
    std::string stored;
    try {
        const StoredBytes file = readstored(path);
        stored.assign(file.bytes.data.get(), file.bytes.size);
    } catch (const AppError&) {
        // The check that follows tells why the file cannot be read.
        return {};
    }
    const Conversion c = convertutf8(stored);
    switch (c.result) {
        case Conversion::Result::NotUtf8:
            return {say(language, Text::NotUtf8, {pathtext(path)}), false};
        case Conversion::Result::Refused:
            return {refusedline(path, c, language), true};
        case Conversion::Result::Converted:
            break;
    }
    const fs::path backup = freename(path, ".bak");
    try {
        fs::copy_file(path, backup);
    } catch (const std::exception& error) {
        return {say(language, Text::NoBackup,
                    {pathtext(path), pathtext(backup.filename()), failurewords(error, language)}),
                true};
    }
    try {
        replacefile(path, freename(path, ".tmp"), c.bytes);
    } catch (const std::exception& error) {
        std::error_code ignored;
        fs::remove(backup, ignored);
        return {say(language, Text::NotWritten, {pathtext(path), failurewords(error, language)}),
                true};
    }
    return {say(language, Text::Converted, {pathtext(path), pathtext(backup.filename())}), false};
}
