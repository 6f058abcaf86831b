#include "cataloguegen.h"

#include <array>
#include <fstream>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "catalogue/intsyntax.h"
#include "sheet/w1251.h"

namespace {

constexpr auto kWords = w1251(
    "владение оружием верховая езда метание ножей топора копья кузнечное дело плавание бег "
    "лазание по стенам скрытность внимательность торговля алхимия травничество лечение ран "
    "знание истории географии языков письмо счёт риторика убеждение запугивание обман этикет "
    "геральдика навигация мореходство охота рыбалка выживание в лесу горах пустыне "
    "следопытство стрельба из лука арбалета фехтование рукопашный бой борьба акробатика танцы "
    "игра на лютне пение живопись резьба дереву гончарное ремесло ткачество шитьё выделка кожи "
    "готовка пивоварение картография астрономия богословие магия огня воды земли воздуха "
    "ритуалы заклинания призыв духов древние руны тайные знаки чтение следов верность долг "
    "честь острое зрение слух чутьё ночное быстрая реакция крепкое здоровье знатное "
    "происхождение друг покровитель враг богатство бедность удача неуклюжесть хромота шрам "
    "старая рана дурная слава тёмное прошлое клятва мести обет молчания дар предвидения "
    "сопротивление ядам холоду жаре усталости боли страху");

constexpr std::size_t kChunk = 1 << 20;
constexpr std::size_t kLongLineOneIn = 40'000;
constexpr std::size_t kFirstLongLine = 100;
constexpr std::array<char, 3> kPrices{'1', '2', '4'};
constexpr std::size_t kSkillCombinations = 7 * 3 * 2 * 2;
constexpr std::size_t kFeatCombinations = 3 * 3 * 3 * 2;

const std::vector<std::string_view>& words() {
    static const std::vector<std::string_view> list = [] {
        std::vector<std::string_view> out;
        const std::string_view all = kWords;
        std::size_t start = 0;
        while (start < all.size()) {
            const std::size_t blank = std::min(all.find(' ', start), all.size());
            out.push_back(all.substr(start, blank - start));
            start = blank + 1;
        }
        return out;
    }();
    return list;
}

std::string_view anyword(Rng& rng) { return words()[rng.below(words().size())]; }

// Windows-1251: "а".."я" are 0xE0..0xFF, their capitals 0x20 lower; "ё" 0xB8, "Ё" 0xA8.
void capitalise(std::string& name) {
    const auto c = static_cast<unsigned char>(name[0]);
    if (c >= 0xE0) name[0] = static_cast<char>(c - 0x20);
    if (c == 0xB8) name[0] = static_cast<char>(0xA8);
}

bool islongline(Rng& rng, std::size_t index) {
    return index == kFirstLongLine || rng.chance(kLongLineOneIn);
}

std::string randomname(Rng& rng, std::size_t index, GenResult& result) {
    if (!islongline(rng, index)) return makename(rng);
    ++result.longlines;
    return makelongname(rng, static_cast<std::size_t>(rng.between(256, 16 * 1024)));
}

// A word of its own for each line: the line's index in base 32, written with "а" to "я".
std::string serialword(std::size_t index) {
    std::string word;
    do {
        word.insert(word.begin(), static_cast<char>(0xE0 + index % 32));
        index /= 32;
    } while (index != 0);
    return word;
}

// The serial word adds no draw from the rng, so that the rest of the bytes stay the same.
std::string linename(Rng& rng, std::size_t index, GenResult& result, bool unique) {
    std::string name = randomname(rng, index, result);
    if (unique) name.append(" ").append(serialword(index));
    return name;
}

void skillline(Rng& rng, std::size_t index, bool unique, std::string& out, GenResult& result) {
    const std::size_t combination =
        index < kSkillCombinations ? index : rng.below(kSkillCombinations);
    out += static_cast<char>('1' + combination / 12);
    out += kPrices[combination / 4 % 3];
    out += static_cast<char>('0' + combination / 2 % 2);  // branched
    out += static_cast<char>('0' + combination % 2);      // special
    out += linename(rng, index, result, unique);
    out += "\r\n";
}

std::string hextext(Rng& rng, std::int32_t value) {
    static constexpr std::array<std::string_view, 5> kPrefixes{"$", "0x", "0X", "x", "X"};
    const char* const digits = rng.chance(2) ? "0123456789abcdef" : "0123456789ABCDEF";
    std::string text(kPrefixes[rng.below(kPrefixes.size())]);
    auto bits = static_cast<std::uint32_t>(value);
    std::string hex;
    do {
        hex.insert(hex.begin(), digits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    return text + hex;
}

// Plain decimal mostly; now and then "+", leading zeros or one of the hexadecimal forms.
std::string costtext(Rng& rng, std::int32_t value) {
    if (rng.chance(16)) return hextext(rng, value);
    std::string text;
    if (value > 0 && rng.chance(8)) {
        text = "+";
    } else if (value >= 0 && rng.chance(32)) {
        text = "00";
    }
    return text.append(inttostr(value));
}

std::int32_t costofsign(Rng& rng, std::size_t sign) {
    if (sign == 0) return static_cast<std::int32_t>(rng.between(-70, -1));
    if (sign == 1) return 0;
    return static_cast<std::int32_t>(rng.between(1, 70));
}

std::string_view blanks(Rng& rng) {
    if (rng.chance(16)) return "\t";
    if (rng.chance(32)) return "  ";
    return " ";
}

void featline(Rng& rng, std::size_t index, bool unique, std::string& out, GenResult& result) {
    const std::size_t combination =
        index < kFeatCombinations ? index : rng.below(kFeatCombinations);
    if (rng.chance(64)) out += ' ';
    std::size_t signs = combination / 2;
    for (int i = 0; i < 3; ++i, signs /= 3) {
        if (i > 0) out += blanks(rng);
        out += costtext(rng, costofsign(rng, signs % 3));
    }
    out += rng.chance(16) ? '\t' : ' ';
    if (combination % 2 == 1) out += '*';
    // A second blank stays in the name, which is valid and read as such.
    if (rng.chance(64)) out += ' ';
    out += linename(rng, index, result, unique);
    out += "\r\n";
}

using LineMaker = void (*)(Rng&, std::size_t, bool, std::string&, GenResult&);

GenResult generate(const GenOptions& options, LineMaker makeline, std::string& out,
                   std::ofstream* file) {
    Rng rng(options.rngstate);
    GenResult result;
    while (result.bytes < options.bytes) {
        const std::size_t before = out.size();
        makeline(rng, result.lines, options.uniquenames, out, result);
        result.bytes += out.size() - before;
        ++result.lines;
        if (file != nullptr && out.size() >= kChunk) {
            file->write(out.data(), static_cast<std::streamsize>(out.size()));
            out.clear();
        }
    }
    if (file != nullptr) {
        file->write(out.data(), static_cast<std::streamsize>(out.size()));
        out.clear();
    }
    return result;
}

GenResult writefile(const std::filesystem::path& path, const GenOptions& options,
                    LineMaker makeline) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) throw std::runtime_error("cannot create " + path.string());
    std::string buffer;
    buffer.reserve(2 * kChunk);
    const GenResult result = generate(options, makeline, buffer, &file);
    file.close();
    if (!file) throw std::runtime_error("cannot write " + path.string());
    return result;
}

std::string inmemory(const GenOptions& options, LineMaker makeline) {
    std::string out;
    out.reserve(options.bytes + kChunk);
    generate(options, makeline, out, nullptr);
    return out;
}

// The feature file draws other names than the skill file from the same rng state.
GenOptions featoptions(GenOptions options) {
    options.rngstate ^= 0x5DEECE66Dull;
    return options;
}

}  // namespace

std::string makename(Rng& rng) {
    const auto target = static_cast<std::size_t>(rng.between(kMinNameBytes, kMaxNameBytes));
    std::string name(anyword(rng));
    // A word is added while it brings the name nearer to the target length.
    while (name.size() < target) {
        const std::string_view word = anyword(rng);
        const std::size_t longer = name.size() + 1 + word.size();
        const bool nearer = longer <= target || longer - target < target - name.size();
        if (longer > kMaxNameBytes || !nearer) {
            if (name.size() >= kMinNameBytes) break;
            if (longer > kMaxNameBytes) continue;
        }
        name.append(" ").append(word);
    }
    if (rng.chance(16)) {
        const std::string_view remark = anyword(rng);
        if (name.size() + 3 + remark.size() <= kMaxNameBytes)
            name.append(" (").append(remark).append(")");
    }
    capitalise(name);
    return name;
}

std::string makelongname(Rng& rng, std::size_t bytes) {
    std::string name;
    name.reserve(bytes + kMaxNameBytes);
    while (name.size() < bytes) name.append(anyword(rng)).append(" ");
    name.resize(bytes);
    capitalise(name);
    return name;
}

GenResult writeskills(const std::filesystem::path& path, const GenOptions& options) {
    return writefile(path, options, skillline);
}

GenResult writefeats(const std::filesystem::path& path, const GenOptions& options) {
    return writefile(path, featoptions(options), featline);
}

std::string skillsbytes(const GenOptions& options) { return inmemory(options, skillline); }

std::string featsbytes(const GenOptions& options) {
    return inmemory(featoptions(options), featline);
}
