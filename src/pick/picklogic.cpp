#include "picklogic.h"

#include <algorithm>
#include <utility>

#include "picklines.h"
#include "sheet/nameset.h"
#include "sheet/w1251.h"

namespace {

constexpr auto kSkillCaption = w1251("Выберите навык");
constexpr auto kFeatCaption = w1251("Выберите особенность");
constexpr auto kSkillHint = w1251(
    "Щелкните на нужный навык и укажите желаемый уровень. После этого дважды щелкните по "
    "названию навыка");
constexpr auto kFeatHint = w1251(
    "Щелкните на нужную особенность и укажите ее цену в плюшках. После этого дважды щелкните "
    "по названию особенности");
constexpr auto kLevel = w1251("Уровень");
constexpr auto kPrice = w1251("Цена");
constexpr auto kOfSkill = w1251("навыка");
constexpr auto kOfFeat = w1251("особенности");

struct ModeTexts {
    std::string_view caption;
    std::string_view hint;
    std::string_view label1;
    std::string_view label2;
    int lower;
    int upper;
    bool editions;
};

constexpr ModeTexts kSkillMode{kSkillCaption, kSkillHint, kLevel, kOfSkill, 1, 5, false};
constexpr ModeTexts kFeatMode{kFeatCaption, kFeatHint, kPrice, kOfFeat, -70, 70, true};

}  // namespace

std::string cleanspec(std::string spec) {
    std::erase(spec, '=');
    if (spec.size() > std::size_t{kSpecLimit}) spec.resize(kSpecLimit);
    return spec;
}

PickLogic::PickLogic(AppState& state, PickView& view, std::function<void()> countpoints)
    : state_(state), view_(view), countpoints_(std::move(countpoints)) {}

void PickLogic::FormShow() {
    result_ = PickResult::Open;
    hidden_ = false;
    asking_ = std::monostate{};
    entries_.clear();
    view_.clearsearch();
    view_.setlines({});
    source_ = state_.picksource;
    const ModeTexts& mode = source_.isfeatures() ? kFeatMode : kSkillMode;
    view_.setcaption(std::string(mode.caption));
    view_.setlisthint(std::string(mode.hint));
    view_.setlabel1(std::string(mode.label1));
    view_.setlabel2(std::string(mode.label2));
    view_.setbounds(mode.lower, mode.upper);
    view_.showeditions(mode.editions);
    if (source_.isfeatures()) {
        fillfeatures();
    } else {
        fillskills(source_.attribute());
    }
}

void PickLogic::fillskills(int attr) {
    const auto& skills = state_.catalogue.skilllist;
    const NameSet taken(state_.takenskills);
    for (std::size_t i = 0; i < skills.size(); ++i) {
        const TSkillRec& skill = skills[i];
        if (skill.attr == attr && (skill.branched == 1 || !taken.contains(skill.name)))
            entries_.push_back(i);
    }
    std::vector<std::string> lines;
    lines.reserve(entries_.size());
    for (const std::size_t i : entries_) lines.push_back(skillline(skills[i]));
    showfilled(std::move(lines));
}

void PickLogic::fillfeatures() {
    const auto& feats = state_.catalogue.featlist;
    const NameSet taken(state_.takenfeats);
    entries_.reserve(feats.size());
    for (std::size_t i = 0; i < feats.size(); ++i) {
        if (feats[i].branched != 0 || !taken.contains(feats[i].name)) entries_.push_back(i);
    }
    std::vector<std::string> lines;
    lines.reserve(entries_.size());
    for (const std::size_t i : entries_) lines.push_back(featline(feats[i]));
    showfilled(std::move(lines));
}

void PickLogic::showfilled(std::vector<std::string> lines) {
    search_.assign(lines);
    view_.setlines(std::move(lines));
}

void PickLogic::Edit1Change() { view_.showlines(search_.find(view_.searchtext())); }

void PickLogic::ListBox1Click() {
    if (featuremode()) prefill(false);
}

void PickLogic::RadioGroup1Click() {
    // The group is shown in feature mode only; the lines of a skill opening are no features.
    if (featuremode()) prefill(true);
}

void PickLogic::prefill(bool editionevent) {
    const int position = view_.selected();
    if (position < 0 || static_cast<std::size_t>(position) >= entries_.size()) return;
    const int edition = view_.edition();
    if (edition < 0 || edition > 2) return;
    // Clicking the entry handled last again keeps a price the player typed meanwhile.
    const std::size_t entry = entries_[position];
    if (entry != state_.lastpick || editionevent) {
        const TFeatRec& feat = state_.catalogue.featlist[entry];
        view_.setvalue(std::clamp(feat.cost[edition], kFeatMode.lower, kFeatMode.upper));
    }
    state_.lastpick = entry;
}

void PickLogic::ListBox1DblClick() {
    if (take() == Take::Taken) finish(PickResult::Taken);
}

PickLogic::Take PickLogic::take() {
    if (!std::holds_alternative<std::monostate>(asking_)) return Take::Asking;
    const bool skills = !featuremode();
    const bool empty =
        skills ? state_.catalogue.skilllist.empty() : state_.catalogue.featlist.empty();
    if (empty) return Take::Nothing;
    const int position = view_.selected();
    view_.linetext(position);  // the list's own index error when no line is selected
    if (position < 0 || static_cast<std::size_t>(position) >= entries_.size()) {
        throw listindexerror(position);
    }
    const std::size_t entry = entries_[position];
    if (skills) {
        if (state_.catalogue.skilllist[entry].name.empty()) return Take::Nothing;
        return takeskill(entry);
    }
    if (state_.catalogue.featlist[entry].name.empty()) return Take::Nothing;
    return takefeat(entry);
}

PickLogic::Take PickLogic::takeskill(std::size_t entry) {
    const TSkillRec& skill = state_.catalogue.skilllist[entry];
    TTakenSkill taken{view_.value(), skill.price, std::string(skill.name), {}};
    if (skill.branched != 1) {
        state_.takenskills.push_back(std::move(taken));
        return Take::Taken;
    }
    asking_ = std::move(taken);
    return askspec(w1251("Уточнение навыка "),
                   w1251("Укажите конкретную область применения навыка "), skill.name);
}

PickLogic::Take PickLogic::takefeat(std::size_t entry) {
    const TFeatRec& feat = state_.catalogue.featlist[entry];
    TTakenFeat taken{std::string(feat.name), {}, view_.value()};
    if (feat.branched == 0) {
        state_.takenfeats.push_back(std::move(taken));
        return Take::Taken;
    }
    asking_ = std::move(taken);
    return askspec(w1251("Уточнение особенности "),
                   w1251("Укажите конкретную область действия особенности "), feat.name);
}

PickLogic::Take PickLogic::askspec(std::string_view caption, std::string_view prompt,
                                   std::string_view name) {
    // The view may answer at once, before this returns: the take is then over.
    view_.promptspec(std::string(caption).append(name), std::string(prompt).append(name));
    return Take::Asking;
}

void PickLogic::specgiven(const std::string& spec) {
    if (auto* skill = std::get_if<TTakenSkill>(&asking_)) {
        skill->spec = cleanspec(spec);
        state_.takenskills.push_back(std::move(*skill));
    } else if (auto* feat = std::get_if<TTakenFeat>(&asking_)) {
        feat->spec = cleanspec(spec);
        state_.takenfeats.push_back(std::move(*feat));
    } else {
        return;
    }
    asking_ = std::monostate{};
    finish(PickResult::Taken);
}

void PickLogic::BitBtn1Click() {
    if (view_.selected() >= 0) {
        const Take took = take();
        if (took == Take::Asking) return;
        if (took == Take::Taken) {
            finish(PickResult::Taken);
            return;
        }
    }
    finish(PickResult::Cancelled);
}

void PickLogic::BitBtn2Click() { finish(PickResult::Cancelled); }

void PickLogic::FormClose() { finish(PickResult::Closed); }

void PickLogic::FormHide() {
    if (hidden_) return;
    hidden_ = true;
    if (countpoints_) countpoints_();
}

void PickLogic::finish(PickResult result) {
    result_ = result;
    view_.hidedialog();
}
