#include "featreader.h"

#include <cstring>

#include "apperror.h"
#include "filebytes.h"
#include "intsyntax.h"

namespace {

constexpr char kCtrlZ = '\x1A';
constexpr std::size_t kMaxToken = 32;

enum class Token { Read, Bad, None, End };

class FeatParser {
public:
    FeatParser(const char* begin, const char* end) : begin_(begin), p_(begin), end_(end) {}

    bool atentry() const { return p_ < end_ && *p_ != kCtrlZ; }

    // Skips bytes up to 0x20 and reads a run of at most 32 bytes above it. A Ctrl-Z stops
    // the skipping (None, value 0); reaching the end of the file or a Ctrl-Z that starts a
    // line gives End, value 0.
    Token readnumber(std::int32_t& value) {
        value = 0;
        while (p_ < end_ && static_cast<unsigned char>(*p_) <= 0x20 && *p_ != kCtrlZ) ++p_;
        if (p_ == end_) return Token::End;
        if (*p_ == kCtrlZ) {
            if (p_ != begin_ && p_[-1] != '\n') return Token::None;
            p_ = end_;
            return Token::End;
        }
        const char* const start = p_;
        while (p_<end_&& static_cast<unsigned char>(*p_)> 0x20 &&
               static_cast<std::size_t>(p_ - start) < kMaxToken)
            ++p_;
        const auto parsed = parseint(std::string_view(start, p_ - start));
        if (!parsed) return Token::Bad;
        value = *parsed;
        return Token::Read;
    }

    // The rest of the line from the byte that ended the last token, which is dropped as
    // the separator; a line that ends right after its numbers has an empty name field.
    std::string_view readnamefield() {
        if (p_ == end_) return {};
        if (*p_ == '\n') {
            ++p_;
            return {};
        }
        const char* lf = static_cast<const char*>(std::memchr(p_, '\n', end_ - p_));
        const char* const lineend = lf != nullptr ? lf : end_;
        const std::string_view field(p_ + 1, lineend - p_ - 1);
        p_ = lf != nullptr ? lf + 1 : end_;
        return field;
    }

private:
    const char* begin_;
    const char* p_;
    const char* end_;
};

void parsefeats(Catalogue& catalogue, FileBytes bytes) {
    FeatParser parser(bytes.data.get(), bytes.data.get() + bytes.size);
    catalogue.text.push_back(std::move(bytes.data));
    auto& list = catalogue.featlist;
    while (parser.atentry()) {
        TFeatRec& feat = list.emplace_back();
        bool bad = false;
        for (std::size_t i = 0; i < feat.cost.size(); ++i) {
            std::int32_t value = 0;
            const Token token = parser.readnumber(value);
            // Only blanks up to the end: no further feature, not an empty one.
            if (i == 0 && token == Token::End) {
                list.pop_back();
                return;
            }
            if (token == Token::Bad) bad = true;
            if (!bad) feat.cost[i] = value;
        }
        std::string_view name = parser.readnamefield();
        if (name.starts_with('*')) {
            feat.branched = 1;
            name.remove_prefix(1);
        }
        feat.name = name;
        if (bad) throw AppError("Invalid numeric input");
    }
}

}  // namespace

void loadfeats(Catalogue& catalogue, const std::filesystem::path& path) {
    parsefeats(catalogue, readfile(path));
}

void readfeats(Catalogue& catalogue, std::string_view bytes) {
    parsefeats(catalogue, copybytes(bytes));
}
