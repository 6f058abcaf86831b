#include "fix.h"

#include <cstdio>
#include <optional>
#include <system_error>

#include "catalogue/apperror.h"
#include "catalogue/filebytes.h"
#include "codec/cp1251.h"
#include "codec/surrogates.h"
#include "encoding.h"
#include "pathtext.h"
#include "replacefile.h"
#include "report.h"
#include "utf8text.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
// Lines named in the message, at most; an ellipsis stands for the rest.
constexpr std::size_t kNamedLines = 10;

// "U+1F600" for the character at `at` of `text`.
std::string codepoint(std::u16string_view text, std::size_t at) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codepointat(text, at)));
    return name;
}

// The codec writes one byte per character, "?" for one it cannot: a character whose byte
// does not read back as itself has no Windows-1251 form. `text` begins on line `line`.
std::optional<Conversion> refusal(std::u16string_view text, const std::string& bytes,
                                  std::size_t line) {
    const std::u16string back = cp1251toutf16(bytes);
    std::size_t column = 1;
    for (std::size_t at = 0, byte = 0; at < text.size(); ++byte) {
        const std::size_t units = pairat(text, at) ? 2 : 1;
        if (units == 2 || back[byte] != text[at]) {
            Conversion out;
            out.result = Conversion::Result::Refused;
            appendutf8(text.substr(at, units), out.character);
            out.code = codepoint(text, at);
            out.line = line;
            out.column = column;
            return out;
        }
        ++column;
        if (text[at] == u'\n') {
            ++line;
            column = 1;
        }
        at += units;
    }
    return std::nullopt;
}

// UTF-16 in the byte order of its mark; an odd last byte, which no editor writes, as U+FFFD,
// which has no Windows-1251 form.
std::u16string utf16text(std::string_view bytes, bool bigendian) {
    std::u16string text;
    text.reserve(bytes.size() / 2 + 1);
    for (std::size_t at = 2; at + 1 < bytes.size(); at += 2) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        text += static_cast<char16_t>(bigendian ? (first << 8 | second) : (second << 8 | first));
    }
    if (bytes.size() % 2 != 0) text += u'\uFFFD';
    return text;
}

Conversion fromutf16(std::string_view bytes, bool bigendian) {
    const std::u16string text = utf16text(bytes, bigendian);
    Conversion out;
    out.bytes = utf16tocp1251(text);
    if (auto refused = refusal(text, out.bytes, 1)) return *std::move(refused);
    out.result = Conversion::Result::Converted;
    out.from = Conversion::From::Utf16;
    return out;
}

// Each UTF-8 line converted, every other line kept as it is; the byte-order mark dropped.
Conversion fromutf8(std::string_view bytes, const Encoding& encoding) {
    Conversion out;
    out.result = Conversion::Result::Converted;
    out.from = encoding.kind == Encoding::Kind::Mixed ? Conversion::From::Utf8Lines
                                                      : Conversion::From::Utf8;
    out.bytes.reserve(bytes.size());
    auto next = encoding.utf8lines.begin();
    std::size_t line = 1;
    for (std::size_t start = 0; start < bytes.size(); ++line) {
        const std::size_t lf = bytes.find('\n', start);
        const std::size_t end = lf == std::string_view::npos ? bytes.size() : lf + 1;
        std::string_view text = bytes.substr(start, end - start);
        if (start == 0 && encoding.bom) text.remove_prefix(kBom.size());
        if (next == encoding.utf8lines.end() || *next != start) {
            out.bytes += text;
        } else {
            ++next;
            const std::u16string wide = utf16of(text).value_or(u"");
            const std::string converted = utf16tocp1251(wide);
            if (auto refused = refusal(wide, converted, line)) return *std::move(refused);
            out.bytes += converted;
            out.lines.push_back(line);
        }
        start = end;
    }
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

// "4, 25, 59", and "…" after the first few of many.
std::string linelist(const std::vector<std::size_t>& lines) {
    std::string list;
    for (std::size_t i = 0; i < lines.size() && i < kNamedLines; ++i)
        list += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
    if (lines.size() > kNamedLines) list += ", …";
    return list;
}

std::string convertedline(const fs::path& path, const fs::path& backup, const Conversion& c,
                          Language language) {
    const std::string kept = pathtext(backup.filename());
    switch (c.from) {
        case Conversion::From::Utf8Lines:
            return say(language, Text::ConvertedLines, {pathtext(path), linelist(c.lines), kept});
        case Conversion::From::Utf16:
            return say(language, Text::Converted, {pathtext(path), "UTF-16", kept});
        case Conversion::From::Utf8:
            break;
    }
    return say(language, Text::Converted, {pathtext(path), "UTF-8", kept});
}

}  // namespace

Conversion convertcatalogue(std::string_view bytes) {
    const Encoding encoding = encodingof(bytes);
    switch (encoding.kind) {
        case Encoding::Kind::Utf16Le:
        case Encoding::Kind::Utf16Be:
            return fromutf16(bytes, encoding.kind == Encoding::Kind::Utf16Be);
        case Encoding::Kind::Utf8:
        case Encoding::Kind::Mixed:
            return fromutf8(bytes, encoding);
        case Encoding::Kind::Windows1251:
            break;
    }
    return {};
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
    const Conversion c = convertcatalogue(stored);
    switch (c.result) {
        case Conversion::Result::Nothing:
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
    return {convertedline(path, backup, c, language), false};
}
