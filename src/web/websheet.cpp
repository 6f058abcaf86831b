#include "websheet.h"

#include <emscripten/val.h>

#include <algorithm>
#include <exception>
#include <utility>

#include "catalogue/apperror.h"
#include "catalogue/intsyntax.h"
#include "catalogue/readers.h"
#include "sheet/sheetlink.h"
#include "sheet/sheetmenu.h"
#include "sheet/sheettext.h"
#include "sheet/sheetwords.h"
#include "webtext.h"
#include "webwords.h"

using emscripten::val;

struct WebSheet::Session {
    AppState state;
    SheetLogic sheet;
    PickLogic pick;

    Session(SheetView& sheetview, PickView& pickview)
        : sheet(state, sheetview), pick(state, pickview, [this] { sheet.countpoints(); }) {}
};

namespace {

std::optional<Editing> editing(const std::string& where, int index) {
    const auto at = static_cast<std::size_t>(index);
    if (where == "attribute") return Editing{Editing::Kind::Attribute, at};
    if (where == "table") return Editing{Editing::Kind::Table, at};
    return std::nullopt;
}

const MenuEntry* entrynamed(std::string_view name) {
    const auto found = std::find_if(std::begin(kMenu), std::end(kMenu),
                                    [name](const MenuEntry& entry) { return entry.name == name; });
    return found == std::end(kMenu) ? nullptr : found;
}

}  // namespace

WebSheet::WebSheet(val page) : page_(std::move(page)) {}

WebSheet::~WebSheet() = default;

std::unique_ptr<WebSheet::Session> WebSheet::newsession() {
    return std::make_unique<Session>(static_cast<SheetView&>(*this), static_cast<PickView&>(*this));
}

template <typename Action>
void WebSheet::guarded(Action&& action) {
    try {
        std::forward<Action>(action)();
    } catch (const AppError& error) {
        showerror(error.message());
    } catch (const std::exception& error) {
        showerror(error.what());
    }
}

template <typename Action>
void WebSheet::run(Action&& action) {
    guarded(std::forward<Action>(action));
    endpick();
}

void WebSheet::showerror(std::string_view message) {
    page_.call<void>("showerror", utf16(errortext(message)));
}

void WebSheet::start(const std::string& skills, const std::string& feats) {
    session_ = newsession();
    // As the desktop's window: shown and counted once, then the catalogues are read.
    run([this] { session_->sheet.start(); });
    run([&] {
        readskills(session_->state.catalogue, skills);
        readfeats(session_->state.catalogue, feats);
    });
    showcatalogues();
}

void WebSheet::opencatalogues(const std::string& skills, const std::string& feats) {
    run([&] {
        auto fresh = newsession();
        readskills(fresh->state.catalogue, skills);
        readfeats(fresh->state.catalogue, feats);
        fresh->state.sheet.prices = session_->state.sheet.prices;
        waiting_ = std::move(fresh);
        if (session_->sheet.atstart()) {
            answer(true);
            return;
        }
        ask(std::string(words::kStartAnew));
    });
}

void WebSheet::showcatalogues() {
    const Catalogue& catalogue = session_->state.catalogue;
    page_.call<void>("showcatalogues", static_cast<int>(catalogue.skilllist.size()),
                     static_cast<int>(catalogue.featlist.size()));
}

void WebSheet::editattribute(int attribute, const std::u16string& text) {
    run([&] { session_->sheet.editattribute(static_cast<std::size_t>(attribute), cp1251(text)); });
}

void WebSheet::stepattribute(int attribute, int step) {
    run([&] { session_->sheet.stepattribute(static_cast<std::size_t>(attribute), step); });
}

void WebSheet::leaveattribute(int attribute) {
    run([&] { session_->sheet.leaveattribute(static_cast<std::size_t>(attribute)); });
}

void WebSheet::clickattribute(int attribute) {
    run([&] { session_->sheet.clickattribute(static_cast<std::size_t>(attribute)); });
}

void WebSheet::editcell(int table, int line, const std::u16string& value) {
    run([&] {
        session_->sheet.editcell(static_cast<std::size_t>(table), static_cast<std::size_t>(line),
                                 cp1251(value));
    });
}

void WebSheet::leavetable(int table) {
    run([&] { session_->sheet.leavetable(static_cast<std::size_t>(table)); });
}

std::u16string WebSheet::rowtip(int table, int line) {
    std::u16string tip;
    guarded([&] {
        const Lines& lines = session_->sheet.model().tables.at(static_cast<std::size_t>(table));
        if (line < 0 || static_cast<std::size_t>(line) >= lines.size()) return;
        tip = utf16(session_->sheet.rowtip(static_cast<std::size_t>(table),
                                           lines[static_cast<std::size_t>(line)]));
    });
    return tip;
}

void WebSheet::choosecaption(int block, int line) {
    run([&] {
        session_->sheet.choosecaption(static_cast<std::size_t>(block),
                                      static_cast<std::size_t>(std::max(line, 0)));
    });
}

void WebSheet::choose(const std::string& name, const std::string& where, int index) {
    run([&] {
        const MenuEntry* entry = entrynamed(name);
        if (entry == nullptr) return;
        if (const auto* rule = std::get_if<AttrRule>(&entry->action)) {
            session_->sheet.chooserule(*rule);
        } else if (const auto* rule = std::get_if<SkillRule>(&entry->action)) {
            session_->sheet.chooserule(*rule);
        } else if (const auto* does = std::get_if<SheetCommand>(&entry->action)) {
            command(*does, editing(where, index));
        }
    });
}

void WebSheet::command(SheetCommand command, std::optional<Editing> editing) {
    switch (command) {
        case SheetCommand::NewSheet:
            session_->sheet.newsheet();
            break;
        case SheetCommand::CopySheet:
            session_->sheet.copysheet(editing);
            break;
        case SheetCommand::Help:
            session_->sheet.help();
            break;
        // The page reads the clipboard itself and pastes through paste(); a page is not
        // ended from within.
        case SheetCommand::PasteSheet:
        case SheetCommand::Exit:
            break;
    }
}

void WebSheet::paste(const std::string& where, int index, const std::u16string& text) {
    run([&] { session_->sheet.pastesheet(editing(where, index), cp1251(text)); });
}

void WebSheet::link(const std::string& where, int index) {
    run([&] {
        linked_.emplace();
        try {
            session_->sheet.copysheet(editing(where, index));
        } catch (...) {
            linked_.reset();
            throw;
        }
        const std::string fragment = sheetfragment(*linked_);
        linked_.reset();
        page_.call<void>("putlink", utf16(fragment));
    });
}

bool WebSheet::openlink(const std::u16string& fragment) {
    const std::string bytes = cp1251(fragment);
    if (!issheetfragment(bytes)) return false;
    run([&] {
        const std::optional<std::string> text = fragmentsheet(bytes);
        if (!text) {
            const SheetProblem broken{0, {}, std::string(webwords::kBrokenLink)};
            tell(BoxKind::Warning, pasteproblemstext({&broken, 1}));
            return;
        }
        session_->sheet.pastesheet(std::nullopt, *text);
    });
    return true;
}

void WebSheet::answer(bool yes) {
    run([&] {
        if (!waiting_) {
            session_->sheet.answer(yes);
            return;
        }
        std::unique_ptr<Session> fresh = std::move(waiting_);
        if (!yes) return;
        session_ = std::move(fresh);
        showcatalogues();
        session_->sheet.start();
    });
}

void WebSheet::pickclick(int position) {
    run([&] {
        list_.select(position);
        session_->pick.ListBox1Click();
    });
}

void WebSheet::pickdoubleclick() {
    run([this] { session_->pick.ListBox1DblClick(); });
}

void WebSheet::picksearch(const std::u16string& text) {
    run([&] {
        search_ = cp1251(text);
        session_->pick.Edit1Change();
    });
}

void WebSheet::pickvalue(const std::u16string& text) { valuetext_ = cp1251(text); }

void WebSheet::pickstep(int step) {
    // The value lies within -70..70, so a step of ten cannot overflow.
    run([&] { setvalue(value() + step); });
}

void WebSheet::pickfixup() { setvalue(value()); }

void WebSheet::pickedition(int edition) {
    run([&] {
        edition_ = edition;
        session_->pick.RadioGroup1Click();
    });
}

void WebSheet::pickok() {
    run([this] { session_->pick.BitBtn1Click(); });
}

void WebSheet::pickcancel() {
    run([this] { session_->pick.BitBtn2Click(); });
}

void WebSheet::pickclose() {
    run([this] { session_->pick.FormClose(); });
}

void WebSheet::specgiven(const std::u16string& spec) {
    run([&] { session_->pick.specgiven(cp1251(spec)); });
}

val WebSheet::picktexts(int from, int to) const {
    val texts = val::array();
    const auto& shown = list_.shown();
    for (int row = std::max(from, 0); row < std::min(to, list_.rows()); ++row)
        texts.call<void>("push", utf16(list_.linetext(shown[static_cast<std::size_t>(row)])));
    return texts;
}

val WebSheet::pickshown() const {
    const auto& shown = list_.shown();
    return val(emscripten::typed_memory_view(shown.size(), shown.data()));
}

void WebSheet::endpick() {
    if (!hiding_) return;
    hiding_ = false;
    guarded([this] { session_->pick.FormHide(); });
    page_.call<void>("closepick");
    guarded([this] { session_->sheet.picked(session_->pick.result()); });
}

void WebSheet::showattribute(std::size_t attribute, const std::string& text) {
    page_.call<void>("showattribute", static_cast<int>(attribute), utf16(text));
}

void WebSheet::explainattribute(std::size_t attribute, const std::string& tip) {
    page_.call<void>("explainattribute", static_cast<int>(attribute), utf16(tip));
}

void WebSheet::showtable(std::size_t table, const Lines& lines, Cursor cursor) {
    val keys = val::array();
    val values = val::array();
    for (const std::string& line : lines) {
        const auto [key, value] = splitline(line);
        keys.call<void>("push", utf16(key));
        values.call<void>("push", utf16(value));
    }
    page_.call<void>("showtable", static_cast<int>(table), keys, values, cursor == Cursor::First);
}

void WebSheet::explainrows() { page_.call<void>("explainrows"); }

void WebSheet::showrules(PriceRules prices) {
    val checked = val::array();
    for (const MenuEntry& entry : kMenu) {
        if (menuchecked(entry, prices)) checked.call<void>("push", std::string(entry.name));
    }
    page_.call<void>("showmarks", checked);
}

void WebSheet::showtotal(const std::string& text, const std::string& tip) {
    page_.call<void>("showtotal", utf16(text), utf16(tip));
}

void WebSheet::ask(const std::string& question) { page_.call<void>("ask", utf16(question)); }

void WebSheet::tell(BoxKind kind, const std::string& text) {
    page_.call<void>("tell", std::string(kind == BoxKind::Warning ? "warning" : "information"),
                     utf16(text));
}

void WebSheet::openpick() {
    session_->pick.FormShow();
    page_.call<void>("openpick", session_->pick.featuremode());
}

void WebSheet::putclipboard(const std::string& text, const std::string& html) {
    if (linked_) {
        *linked_ = text;
        return;
    }
    page_.call<void>("putclipboard", utf16(text), utf16(html));
}

void WebSheet::showhelp(const std::string& text) { page_.call<void>("showhelp", utf16(text)); }

void WebSheet::quit() {}

void WebSheet::setlines(std::vector<std::string> lines) {
    list_.setlines(std::move(lines));
    showlist();
}

void WebSheet::showlines(std::vector<int> positions) {
    list_.showlines(std::move(positions));
    showlist();
}

void WebSheet::showlist() { page_.call<void>("picklist", list_.rows(), list_.selectedrow()); }

int WebSheet::selected() const { return list_.selected(); }

std::string WebSheet::linetext(int position) const { return list_.linetext(position); }

void WebSheet::setbounds(int lower, int upper) {
    const int carried = value();
    lower_ = lower;
    upper_ = upper;
    setvalue(carried);
}

int WebSheet::value() const {
    const std::optional<std::int32_t> typed = parseint(valuetext_);
    return typed ? std::clamp(*typed, lower_, upper_) : lower_;
}

void WebSheet::setvalue(int value) {
    valuetext_ = inttostr(std::clamp(value, lower_, upper_));
    showvalue();
}

void WebSheet::showvalue() { page_.call<void>("pickvalue", utf16(valuetext_), lower_, upper_); }

int WebSheet::edition() const { return edition_; }

void WebSheet::showeditions(bool visible) { page_.call<void>("showeditions", visible); }

void WebSheet::setcaption(const std::string& text) { page_.call<void>("pickcaption", utf16(text)); }

void WebSheet::setlabel1(const std::string& text) { page_.call<void>("picklabel", 1, utf16(text)); }

void WebSheet::setlabel2(const std::string& text) { page_.call<void>("picklabel", 2, utf16(text)); }

void WebSheet::setlisthint(const std::string& text) { page_.call<void>("pickhint", utf16(text)); }

std::string WebSheet::searchtext() const { return search_; }

void WebSheet::clearsearch() {
    search_.clear();
    page_.call<void>("clearsearch");
}

void WebSheet::promptspec(const std::string& caption, const std::string& prompt) {
    page_.call<void>("promptspec", utf16(caption), utf16(prompt));
}

void WebSheet::hidedialog() { hiding_ = true; }
