#pragma once

// The parsing of "feats.res", shared by the program's loading (featreader.cpp) and the
// checker's reading (featscan.cpp) and included only by them. Each compiles it with its own
// sink in a unit of its own, so that the loading is compiled exactly as if it were the only
// reader: the helpers stay inlined into it.

#include <cstdint>
#include <string_view>

#include "catalogue.h"
#include "fastpaths.h"
#include "filebytes.h"
#include "readobserver.h"

// Internal linkage, as in a source file: see above.
namespace {

enum class Token { Read, Bad, None, End };

class FeatParser {
public:
    FeatParser(const char* begin, const char* end) : begin_(begin), p_(begin), end_(end) {}

    bool atentry() const { return p_ < end_ && *p_ != kCtrlZ; }

    // Where reading stands: after the last token read, or at the start of a line.
    const char* position() const { return p_; }
    // Where the last token read or failed began.
    const char* tokenstart() const { return start_; }
    // The Ctrl-Z that ended the catalogue, or the end of the bytes.
    const char* stop() const { return p_ < end_ ? p_ : stop_; }

    // Skips bytes up to 0x20 and takes the integer token after them. A Ctrl-Z stops the
    // skipping (None, value 0); reaching the end of the file or a Ctrl-Z that starts a line
    // gives End, value 0.
    Token readnumber(std::int32_t& value) {
        value = 0;
        while (p_ < end_ && !istokenbyte(*p_) && *p_ != kCtrlZ) ++p_;
        if (p_ == end_) return Token::End;
        if (*p_ == kCtrlZ) {
            if (p_ != begin_ && p_[-1] != '\n') return Token::None;
            stop_ = p_;
            p_ = end_;
            return Token::End;
        }
        start_ = p_;
        const IntToken token = taketoken(p_, end_);
        p_ = token.end;
        if (!token.valid) return Token::Bad;
        value = token.value;
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
        const Line line = cutline(p_ + 1, end_);
        p_ = line.next;
        return line.text;
    }

private:
    const char* begin_;
    const char* p_;
    const char* end_;
    const char* start_ = nullptr;
    const char* stop_ = end_;
};

template <typename Sink>
void parsefeats(Catalogue& catalogue, FileBytes bytes, Sink& sink) {
    FeatParser parser(bytes.data.get(), bytes.data.get() + bytes.size);
    catalogue.text.push_back(std::move(bytes.data));
    auto& list = catalogue.featlist;
    // An entry ends with its line, so there are at most as many as lines.
    reservemapped(list, bytes.lines + 1, bytes.size);
    while (parser.atentry()) {
        TFeatRec& feat = list.emplace_back();
        FeatPlaces places;
        places.entry = parser.position();
        const char* bad = nullptr;
        for (std::size_t i = 0; i < feat.cost.size(); ++i) {
            std::int32_t value = 0;
            const Token token = parser.readnumber(value);
            // Only blanks up to the end: no further feature, not an empty one.
            if (i == 0 && token == Token::End) {
                list.pop_back();
                sink.ended(parser.stop());
                return;
            }
            if (token == Token::Bad && bad == nullptr) bad = parser.tokenstart();
            if (token == Token::Read) places.cost[i] = parser.tokenstart();
            if (bad == nullptr) feat.cost[i] = value;
        }
        places.namefield = parser.position();
        std::string_view name = parser.readnamefield();
        if (name.starts_with('*')) {
            feat.branched = 1;
            name.remove_prefix(1);
        }
        feat.name = name;
        if (bad != nullptr) {
            sink.failed(bad, "Invalid numeric input");
        } else {
            sink.feat(feat, places);
        }
    }
    sink.ended(parser.stop());
}

}  // namespace
