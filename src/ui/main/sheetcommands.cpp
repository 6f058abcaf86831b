// The commands of the "Файл" menu that work on the sheet as a whole: copy it as text, paste
// a copied text back, start a new sheet.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <array>
#include <string>
#include <vector>

#include "captionlabel.h"
#include "copysheet.h"
#include "mainwindow.h"
#include "sheet/sheet.h"
#include "sheetboxes.h"
#include "spinfield.h"
#include "ui/encoding.h"
#include "valuelisteditor.h"

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

void TForm1::N7Click() {
    // An edit in progress counts first, so that the copy, the tooltips and the total agree.
    commitedit();
    SheetShown sheet;
    const std::array<QStringList, 2> rules = menu_.rulepaths();
    for (std::size_t i = 0; i < rules.size(); ++i) sheet.rulepaths[i] = tocp1251(rules[i]);
    sheet.prices = menu_.pricerules();
    for (std::size_t i = 0; i < sheet.captions.size(); ++i) {
        const Block& block = blocks_[i];
        sheet.captions[i] = tocp1251(u(block.spec->caption));
        sheet.attrtexts[i] = tocp1251(block.field->text());
        sheet.skills[i] = &block.table->lines();
    }
    sheet.featurescaption = tocp1251(u(features().spec->caption));
    sheet.features = &features().table->lines();
    sheet.total = tocp1251(total_->text());
    QGuiApplication::clipboard()->setMimeData(sheetcopy(sheet, takenindex()).release());
}

void TForm1::N8Click() {
    commitedit();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QString text = data != nullptr && data->hasText() ? data->text() : QString();
    const SheetParse parsed = parsesheet(tocp1251(text), state_.catalogue, words());
    if (!parsed.sheet) {
        showpasteproblems(this, parsed.problems);
        return;
    }
    if (!atstart() && !askreplace(this, u("Заменить текущий лист?"))) return;
    setsheet(snapshot(*parsed.sheet));
    if (total(state_) != parsed.sheet->total) showtotals(this, parsed.sheet->total, total(state_));
}

void TForm1::N9Click() {
    if (!atstart() && !askreplace(this, u("Начать новый лист? Текущий лист пропадёт."))) return;
    SheetSnapshot start;
    start.prices = menu_.pricerules();
    start.attrtexts.fill(std::to_string(SpinField::kMinimum));
    setsheet(std::move(start));
}

bool TForm1::atstart() const {
    const QString minimum = QString::number(SpinField::kMinimum);
    for (const Block& block : blocks_) {
        if (block.field != nullptr && block.field->text() != minimum) return false;
        if (!block.table->lines().empty()) return false;
    }
    return state_.takenskills.empty() && state_.takenfeats.empty();
}

void TForm1::setsheet(SheetSnapshot snapshot) {
    menu_.setrules(snapshot.prices);
    // The taken lists begin anew: what the sheet no longer shows may be taken again.
    state_.takenskills = std::move(snapshot.takenskills);
    state_.takenfeats = std::move(snapshot.takenfeats);
    state_.lastpick.reset();
    takenindex_.reset();
    state_.attrpoints = state_.skillpoints = state_.featpoints = 0;
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
        const Block& block = blocks_[i];
        if (block.field != nullptr) block.field->setText(fromcp1251(snapshot.attrtexts[i]));
        block.table->replacelines(std::move(snapshot.tables[i]));
    }
    // The features first: a skill level that is no number stops the skill count with its box.
    ValueListEditor8Exit();
    countpoints();
    writetotal();
    skillcount();
}

SheetWords TForm1::words() const {
    SheetWords words;
    for (std::size_t i = 0; i < words.attributes.size(); ++i) {
        words.attributes[i] = tocp1251(u(blocks_[i].spec->caption));
    }
    words.features = tocp1251(u(features().spec->caption));
    for (const auto& [rule, path] : menu_.attrrulepaths())
        words.attrrules.emplace_back(rule, tocp1251(path));
    for (const auto& [rule, path] : menu_.skillrulepaths())
        words.skillrules.emplace_back(rule, tocp1251(path));
    return words;
}

void TForm1::commitedit() {
    const QWidget* focus = focusWidget();
    if (focus == nullptr) return;
    for (const Block& block : blocks_) {
        if (block.field == focus) block.field->commit();
        if (block.table == focus || block.table->isAncestorOf(focus)) block.table->commit();
    }
}
