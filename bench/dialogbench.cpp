#include "dialogbench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/readers.h"
#include "cataloguegen.h"
#include "linekeeper.h"
#include "pick/casefold.h"
#include "pick/linesearch.h"
#include "pick/picklines.h"
#include "pick/picklogic.h"
#include "sheet/w1251.h"
#include "timing.h"
#include "ui/addskill/addskill.h"
#include "ui/addskill/linelist.h"
#include "ui/encoding.h"

namespace {

constexpr std::size_t kEntries = 200'000;
constexpr std::size_t kTaken = 20'000;
constexpr std::uint64_t kRngState = 200'020;
constexpr int kSkillAttr = 3;

struct Mode {
    const char* name;
    PickSource picksource;
};

constexpr Mode kModes[] = {{"feats", PickSource::features()},
                           {"skills", PickSource::skills(kSkillAttr)}};

// The first `lines` lines the generator makes: it stops at a size in bytes, not in lines.
std::string generatedlines(std::string (*generate)(const GenOptions&), std::size_t lines) {
    GenOptions options;
    options.rngstate = kRngState;
    options.bytes = lines * 48;
    for (;;) {
        std::string bytes = generate(options);
        std::size_t end = 0;
        std::size_t counted = 0;
        for (; counted < lines; ++counted) {
            end = bytes.find('\n', end);
            if (end == std::string::npos) break;
            ++end;
        }
        if (counted == lines) {
            bytes.resize(end);
            return bytes;
        }
        options.bytes *= 2;
    }
}

// Three in four taken names are catalogue names, so that their entries hide; the others
// are new names, which the catalogue may hold as well. One in three has a spec.
template <typename Rec>
std::string takenname(Rng& rng, const std::vector<Rec>& list) {
    if (rng.below(4) < 3) return std::string(list[rng.below(list.size())].name);
    return makename(rng);
}

std::string takenspec(Rng& rng) { return rng.chance(3) ? makename(rng) : std::string(); }

std::unique_ptr<AppState> makestate(std::size_t scale) {
    auto state = std::make_unique<AppState>();
    Catalogue& catalogue = state->catalogue;
    const std::size_t entries = kEntries * scale;
    readskills(catalogue, generatedlines(skillsbytes, entries));
    readfeats(catalogue, generatedlines(featsbytes, entries));
    if (catalogue.skilllist.size() != entries || catalogue.featlist.size() != entries)
        throw std::runtime_error("the generated catalogues read as other entry counts");
    Rng rng(kRngState + scale);
    for (std::size_t i = 0; i < kTaken * scale; ++i) {
        state->takenskills.push_back({1, 1, takenname(rng, catalogue.skilllist), takenspec(rng)});
        state->takenfeats.push_back({takenname(rng, catalogue.featlist), takenspec(rng), 0});
    }
    return state;
}

// Generated once per scale for all benchmarks and repetitions.
AppState& scene(std::size_t scale) {
    static std::map<std::size_t, std::unique_ptr<AppState>> scenes;
    std::unique_ptr<AppState>& state = scenes[scale];
    if (!state) state = makestate(scale);
    return *state;
}

template <typename Taken>
std::set<std::string, std::less<>> takennames(const std::vector<Taken>& taken) {
    std::set<std::string, std::less<>> names;
    for (const Taken& entry : taken) names.insert(entry.name);
    return names;
}

// The catalogue positions an opening lists, found another way than the dialog finds them.
struct Listing {
    bool feats = false;
    std::size_t catalogue = 0;  // entries the opening goes through
    std::vector<std::size_t> entries;
};

Listing listing(const AppState& state, const Mode& mode) {
    Listing out;
    out.feats = mode.picksource.isfeatures();
    if (out.feats) {
        const auto& feats = state.catalogue.featlist;
        const auto taken = takennames(state.takenfeats);
        out.catalogue = feats.size();
        for (std::size_t i = 0; i < feats.size(); ++i) {
            if (feats[i].branched != 0 || !taken.contains(feats[i].name)) out.entries.push_back(i);
        }
        return out;
    }
    const auto& skills = state.catalogue.skilllist;
    const auto taken = takennames(state.takenskills);
    out.catalogue = skills.size();
    for (std::size_t i = 0; i < skills.size(); ++i) {
        const TSkillRec& skill = skills[i];
        if (skill.attr == kSkillAttr && (skill.branched == 1 || !taken.contains(skill.name)))
            out.entries.push_back(i);
    }
    return out;
}

// The baseline: the lines of the listed entries, built by the dialog's own line functions.
std::vector<std::string> buildlines(const AppState& state, const Listing& listing) {
    std::vector<std::string> lines;
    lines.reserve(listing.entries.size());
    if (listing.feats) {
        for (const std::size_t i : listing.entries)
            lines.push_back(featline(state.catalogue.featlist[i]));
    } else {
        for (const std::size_t i : listing.entries)
            lines.push_back(skillline(state.catalogue.skilllist[i]));
    }
    return lines;
}

class LogicOpening {
public:
    explicit LogicOpening(AppState& state) : logic_(state, view_, {}) {}
    void open() { logic_.FormShow(); }
    std::vector<std::string> shown() const { return view_.lines; }

private:
    LineKeeper view_;
    PickLogic logic_;
};

// The real dialog, never shown: FormShow puts the lines into its list's model.
class DialogOpening {
public:
    explicit DialogOpening(AppState& state) : dialog_(needsapplication(state), {}) {}
    void open() { dialog_.FormShow(); }
    std::vector<std::string> shown() const {
        const auto* list = dialog_.findChild<LineList*>("ListBox1");
        if (list == nullptr) throw std::runtime_error("the dialog has no ListBox1");
        std::vector<std::string> lines;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            lines.push_back(list->linetext(row));
        return lines;
    }

private:
    static AppState& needsapplication(AppState& state) {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
            throw std::runtime_error("the dialog benchmarks need a QApplication");
        return state;
    }

    TForm2 dialog_;
};

struct Rounds {
    std::vector<double> open;
    std::vector<double> lines;
    std::vector<double> ratio;
};

// Each opening beside the baseline, alternating which goes first. Both replace what the
// round before left: the dialog its previous lines, the baseline its previous vector.
template <typename Opening>
void openbenchmark(benchmark::State& bstate, const Mode& mode) {
    try {
        AppState& state = scene(static_cast<std::size_t>(bstate.range(0)));
        state.picksource = mode.picksource;
        const Listing listed = listing(state, mode);
        Opening opening(state);
        opening.open();
        std::vector<std::string> built = buildlines(state, listed);
        if (opening.shown() != built)
            throw std::runtime_error("the opening lists other lines than the baseline builds");
        Rounds rounds;
        for (auto _ : bstate) {
            double open = 0;
            double lines = 0;
            const auto timeopen = [&] { open = timed([&] { opening.open(); }); };
            // The old lines go first, as the opening drops its list before it fills it: freed
            // after, they would wait in the allocator's free lists, and the next large
            // allocation, the opening's, would pay for merging them.
            const auto timelines = [&] {
                lines = timed([&] {
                    built = {};
                    built = buildlines(state, listed);
                });
            };
            if (rounds.open.size() % 2 == 0) {
                timeopen();
                timelines();
            } else {
                timelines();
                timeopen();
            }
            rounds.open.push_back(open);
            rounds.lines.push_back(lines);
            rounds.ratio.push_back(open / lines);
            bstate.SetIterationTime(open);
        }
        const auto entries = static_cast<double>(listed.catalogue);
        bstate.SetComplexityN(static_cast<std::int64_t>(listed.catalogue));
        bstate.counters["x_lines"] = median(rounds.ratio);
        bstate.counters["open_ms"] = median(rounds.open) * 1e3;
        bstate.counters["lines_ms"] = median(rounds.lines) * 1e3;
        bstate.counters["ns_per_entry"] = median(rounds.open) / entries * 1e9;
        bstate.counters["entries"] = entries;
        bstate.counters["listed"] = static_cast<double>(listed.entries.size());
        bstate.counters["taken"] =
            static_cast<double>(listed.feats ? state.takenfeats.size() : state.takenskills.size());
    } catch (const std::exception& error) {
        bstate.SkipWithError(error.what());
    }
}

template <typename Opening>
void registerfamily(const std::string& view) {
    for (const Mode& mode : kModes) {
        benchmark::RegisterBenchmark(
            ("OpenDialog/" + view + "/" + mode.name).c_str(),
            [&mode](benchmark::State& state) { openbenchmark<Opening>(state, mode); })
            ->ArgName("scale")
            ->Arg(1)
            ->Arg(4)
            ->Arg(16)
            ->UseManualTime()
            ->Complexity(benchmark::oN)
            ->Unit(benchmark::kMillisecond);
    }
}

// Typing into the search field over 200,000 feature lines, nothing taken: one keystroke at a
// time "о", "р", "у", "ж", then Escape, which shows every line again. Each keystroke is set
// against a plain scan of the same lines for the text the field then holds.
constexpr std::size_t kFilterLines = 200'000;
constexpr auto kTyped = w1251("оруж");

AppState& filterscene() {
    static const std::unique_ptr<AppState> state = [] {
        auto made = std::make_unique<AppState>();
        readfeats(made->catalogue, generatedlines(featsbytes, kFilterLines));
        made->picksource = PickSource::features();
        return made;
    }();
    return *state;
}

// The baseline: each line folded into a buffer, then searched for the folded text.
std::vector<int> scan(const std::vector<std::string>& lines, std::string_view typed) {
    const auto& fold = cp1251fold();
    const std::string needle = foldcase(typed);
    std::vector<int> found;
    std::string folded;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        folded.resize(line.size());
        for (std::size_t b = 0; b < line.size(); ++b)
            folded[b] = static_cast<char>(fold[static_cast<unsigned char>(line[b])]);
        if (folded.find(needle) != std::string::npos) found.push_back(static_cast<int>(i));
    }
    return found;
}

class LogicFilter {
public:
    explicit LogicFilter(AppState& state) : logic_(state, view_, {}) { logic_.FormShow(); }
    const std::vector<std::string>& lines() const { return view_.lines; }
    void type(std::size_t typed) {
        view_.search.assign(std::string_view(kTyped).substr(0, typed));
        logic_.Edit1Change();
    }
    void escape() {
        view_.search.clear();
        logic_.Edit1Change();
    }
    std::vector<std::string> shown() const {
        std::vector<std::string> out;
        for (const int position : view_.shown) out.push_back(view_.lines[position]);
        return out;
    }

private:
    LineKeeper view_;
    PickLogic logic_;
};

// The real dialog, shown offscreen: a keystroke is a key event to the search field, then the
// events it leaves (the list's layout and painting) run.
class DialogFilter {
public:
    explicit DialogFilter(AppState& state) : dialog_(state, {}) {
        dialog_.FormShow();
        dialog_.show();
        QCoreApplication::processEvents();
        list_ = dialog_.findChild<LineList*>("ListBox1");
        field_ = dialog_.findChild<QLineEdit*>("Edit1");
        if (list_ == nullptr || field_ == nullptr) throw std::runtime_error("no ListBox1 or Edit1");
        for (int row = 0; row < list_->model()->rowCount(); ++row)
            lines_.push_back(list_->linetext(row));
    }
    const std::vector<std::string>& lines() const { return lines_; }
    void type(std::size_t typed) {
        const QChar c = fromcp1251(std::string_view(kTyped).substr(typed - 1, 1))[0];
        key(static_cast<Qt::Key>(c.toUpper().unicode()), QString(c));
    }
    void escape() { key(Qt::Key_Escape, {}); }
    std::vector<std::string> shown() const {
        std::vector<std::string> out;
        for (int row = 0; row < list_->model()->rowCount(); ++row)
            out.push_back(tocp1251(list_->model()->index(row, 0).data().toString()));
        return out;
    }

private:
    void key(Qt::Key key, const QString& text) {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier, text);
            QCoreApplication::sendEvent(field_, &event);
        }
        QCoreApplication::processEvents();
    }

    TForm2 dialog_;
    LineList* list_ = nullptr;
    QLineEdit* field_ = nullptr;
    std::vector<std::string> lines_;
};

template <typename Filter>
std::vector<std::string> linesat(const Filter& filter, const std::vector<int>& positions) {
    std::vector<std::string> out;
    out.reserve(positions.size());
    for (const int position : positions) out.push_back(filter.lines()[position]);
    return out;
}

// Each keystroke beside the scan for the text it leaves, alternating which goes first.
// Counters: the keystroke with the highest median ratio, and the slowest median keystroke.
template <typename Filter>
void filterbenchmark(benchmark::State& bstate) {
    try {
        AppState& state = filterscene();
        Filter filter(state);
        if (filter.lines().size() != kFilterLines)
            throw std::runtime_error("the dialog lists another number of lines");
        const std::size_t keys = std::string_view(kTyped).size() + 1;
        std::vector<std::vector<double>> times(keys), scans(keys), ratios(keys);
        std::size_t matched = 0;
        for (auto _ : bstate) {
            double round = 0;
            for (std::size_t k = 0; k < keys; ++k) {
                const bool escape = k + 1 == keys;
                const std::string_view text =
                    std::string_view(kTyped).substr(0, escape ? 0 : k + 1);
                std::vector<int> found;
                double key = 0;
                double scanned = 0;
                const auto press = [&] {
                    key = timed([&] { escape ? filter.escape() : filter.type(k + 1); });
                };
                const auto lookup = [&] {
                    scanned = timed([&] { found = scan(filter.lines(), text); });
                };
                if (ratios[k].size() % 2 == 0) {
                    press();
                    lookup();
                } else {
                    lookup();
                    press();
                }
                if (filter.shown() != linesat(filter, found))
                    throw std::runtime_error("the dialog shows other lines than the scan finds");
                if (k + 2 == keys) matched = found.size();
                times[k].push_back(key);
                scans[k].push_back(scanned);
                ratios[k].push_back(key / scanned);
                round += key;
            }
            bstate.SetIterationTime(round);
        }
        std::size_t worst = 0;
        double slowest = 0;
        for (std::size_t k = 0; k < keys; ++k) {
            if (median(ratios[k]) > median(ratios[worst])) worst = k;
            slowest = std::max(slowest, median(times[k]));
        }
        for (std::size_t k = 0; k < keys; ++k)
            bstate.counters["key" + std::to_string(k + 1) + "_ms"] = median(times[k]) * 1e3;
        bstate.counters["x_scan"] = median(ratios[worst]);
        bstate.counters["worst_key"] = static_cast<double>(worst + 1);
        bstate.counters["key_ms"] = slowest * 1e3;
        bstate.counters["scan_ms"] = median(scans[worst]) * 1e3;
        bstate.counters["lines"] = static_cast<double>(kFilterLines);
        bstate.counters["matched"] = static_cast<double>(matched);
    } catch (const std::exception& error) {
        bstate.SkipWithError(error.what());
    }
}

}  // namespace

void registerdialogbenchmarks() {
    registerfamily<LogicOpening>("logic");
    registerfamily<DialogOpening>("qt");
    for (const auto& [name, run] : {std::pair{"FilterDialog/logic", &filterbenchmark<LogicFilter>},
                                    std::pair{"FilterDialog/qt", &filterbenchmark<DialogFilter>}}) {
        benchmark::RegisterBenchmark(name, run)->UseManualTime()->Iterations(20)->Unit(
            benchmark::kMillisecond);
    }
}
