#include "dialogbench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/readers.h"
#include "cataloguegen.h"
#include "timing.h"
#include "ui/addskill/addskill.h"
#include "ui/addskill/linelist.h"
#include "ui/addskill/picklines.h"
#include "ui/addskill/picklogic.h"

namespace {

constexpr std::size_t kEntries = 200'000;
constexpr std::size_t kTaken = 20'000;
constexpr std::uint64_t kRngState = 200'020;
constexpr int kSkillAttr = 3;

struct Mode {
    const char* name;
    const char* picksource;
};

constexpr Mode kModes[] = {{"feats", "Label8"}, {"skills", "Label3"}};

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
    out.feats = std::string_view(mode.picksource) == "Label8";
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

// A window that only keeps the lines it is given.
class LineKeeper : public PickView {
public:
    std::vector<std::string> lines;

    void setlines(std::vector<std::string> newlines) override { lines = std::move(newlines); }
    void showlines(std::vector<int>) override {}
    int selected() const override { return -1; }
    std::string linetext(int position) const override { throw listindexerror(position); }
    void setbounds(int, int) override {}
    int value() const override { return 1; }
    void setvalue(int) override {}
    int edition() const override { return 0; }
    void showeditions(bool) override {}
    void setcaption(const std::string& text) override { caption_ = text; }
    std::string caption() const override { return caption_; }
    void setlabel1(const std::string& text) override { label1_ = text; }
    std::string label1() const override { return label1_; }
    void setlabel2(const std::string&) override {}
    std::string label2() const override { return {}; }
    void setlisthint(const std::string&) override {}
    std::string searchtext() const override { return {}; }
    void clearsearch() override {}
    std::string promptspec(const std::string&, const std::string&) override { return {}; }
    void hidedialog() override {}

private:
    std::string caption_;
    std::string label1_;
};

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
            const auto timelines = [&] {
                lines = timed([&] { built = buildlines(state, listed); });
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

}  // namespace

void registerdialogbenchmarks() {
    registerfamily<LogicOpening>("logic");
    registerfamily<DialogOpening>("qt");
}
