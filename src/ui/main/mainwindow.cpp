#include "mainwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <string>
#include <vector>

#include "captionlabel.h"
#include "catalogue/catalogue.h"
#include "copysheet.h"
#include "explain.h"
#include "focusleave.h"
#include "help.h"
#include "layout.h"
#include "sheet/sheet.h"
#include "sheet/taking.h"
#include "sheetarea.h"
#include "sheetboxes.h"
#include "spinfield.h"
#include "ui/encoding.h"
#include "ui/errorbox.h"
#include "ui/fonts.h"
#include "ui/onscreen.h"
#include "ui/pickdialog.h"
#include "ui/windowsizes.h"
#include "valuelisteditor.h"

namespace {

constexpr QSize kOuterSize(kMainOuterWidth, kMainOuterHeight);
constexpr int kSheetFont = 11;
constexpr int kCaptionFont = 16;
constexpr int kSpinFont = 19;
constexpr QSize kSpinSize(57, 34);
constexpr int kTableHeight = 113;
constexpr QPoint kTotalPlace(16, 360);

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

QString numbered(const char* stem, int number) {
    return QString::fromLatin1(stem) + QString::number(number);
}

// What a screen reader says of a control, after the caption of its block.
QString spinname(const SheetBlock& block) { return u(block.caption) + u(": значение атрибута"); }

QString tablename(const SheetBlock& block) {
    if (block.isfeatures()) return u(block.caption);
    return u(block.caption) + u(": навыки");
}

// What a caption's click and a table's Insert open.
QString choicename(const SheetBlock& block) {
    return u(block.isfeatures() ? "выбор особенности" : "выбор навыка");
}

int columnleft(const SheetBlock& block, int first) { return first + block.column * kColumnStep; }

// The outer size counts the window manager's frame; the layout runs for what is left.
QRect intendedplace(const QMargins& frame) {
    return QRect(QPoint(), kOuterSize).marginsRemoved(frame);
}

// A tooltip that assistive tools read too; they hear of it only when it changes.
void explain(QWidget* widget, const QString& text) {
    if (widget->toolTip() != text) widget->setToolTip(text);
    if (widget->accessibleDescription() != text) widget->setAccessibleDescription(text);
}

}  // namespace

TForm1::TForm1(AppState& state, const std::filesystem::path& catalogues, QWidget* parent)
    : QMainWindow(parent), state_(state), sheet_(new SheetArea(this)) {
    setObjectName("Form1");
    setWindowTitle(u("Создание персонажа в системе \"Тальвира\" ver. 1.0"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    setFont(pixelfont(kSheetFont));
    setCentralWidget(sheet_);
    createcaptions();
    createtotal();
    createfields();
    createtables();
    connectblocks();
    settaborder();
    createmenu();
    explainrows();
    FormCreate(catalogues);
    placewindow();
    sheet_->onresize(guard([this] { FormResize(); }));
    blocks_.front().field->setFocus(Qt::OtherFocusReason);
}

// The captions first, then the total line, the fields and the tables: the order of the
// window's children, which assistive tools walk.
void TForm1::createcaptions() {
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
        const SheetBlock& spec = kSheetBlocks[i];
        const RowTops& tops = kCreationTops[spec.row];
        auto* caption = new CaptionLabel(u(spec.caption), spec.tag(), sheet_);
        caption->setObjectName(numbered("Label", spec.number));
        caption->setFont(pixelfont(kCaptionFont));
        caption->setAccessibleDescription(u("Щелчок открывает ") + choicename(spec));
        caption->move(columnleft(spec, kCaptionLeft), tops.caption);
        caption->adjustSize();
        blocks_[i] = {&spec, caption, nullptr, nullptr};
    }
}

void TForm1::createfields() {
    for (Block& block : blocks_) {
        if (!block.spec->hasfield()) continue;
        auto* field = new SpinField(sheet_);
        field->setObjectName(numbered("SpinEdit", block.spec->number));
        field->setFont(pixelfont(kSpinFont));
        field->setAccessibleName(spinname(*block.spec));
        field->setGeometry(
            QRect(QPoint(columnleft(*block.spec, kFieldLeft), kCreationTops[block.spec->row].field),
                  kSpinSize));
        block.field = field;
    }
}

void TForm1::createtables() {
    for (Block& block : blocks_) {
        const SheetBlock& spec = *block.spec;
        auto* table = new ValueListEditor(u(spec.keytitle), u(spec.valuetitle), sheet_);
        table->setObjectName(numbered("ValueListEditor", spec.number));
        table->setGeometry(columnleft(spec, kCaptionLeft), kCreationTops[spec.row].table,
                           spec.tablewidth, kTableHeight);
        table->setkeywidth(spec.keywidth);
        table->setname(tablename(spec), u("Insert открывает ") + choicename(spec));
        block.table = table;
    }
}

void TForm1::createtotal() {
    total_ = new CaptionLabel(u("Требуется плюшек: 0"), 0, sheet_);
    total_->setObjectName(numbered("Label", kSheetBlocks.size() + 1));
    total_->setFont(pixelfont(kCaptionFont));
    // The name stays unset, so it is the text: the total line reads with its number, and its
    // description with the sums it adds up (writetotal).
    total_->move(kTotalPlace);
    total_->adjustSize();
}

void TForm1::connectblocks() {
    for (const Block& block : blocks_) {
        if (block.spec->isfeatures()) {
            connect(block.caption, &CaptionLabel::clicked, this, guard([this] { Label8Click(); }));
            connect(block.table, &ValueListEditor::exited, this,
                    guard([this] { ValueListEditor8Exit(); }));
        } else {
            connect(block.caption, &CaptionLabel::clicked, this,
                    guard([this, &block] { attrclick(block); }));
            connect(block.table, &ValueListEditor::exited, this,
                    guard([this, &block] { ValueListEditorExit(*block.table); }));
            connect(block.field, &SpinField::changed, this, guard([this] { countpoints(); }));
            connect(block.field, &SpinField::clicked, this, guard([this] { countpoints(); }));
        }
        // Insert is a click on the table's caption.
        connect(block.table, &ValueListEditor::insertpressed, block.caption,
                &CaptionLabel::clicked);
    }
}

void TForm1::explainrows() {
    // A skill row is priced by the menu's rule, so the menu comes first.
    for (const Block& block : blocks_) {
        if (block.spec->isfeatures()) {
            block.table->setexplain(featrowtip);
        } else {
            block.table->setexplain([this](std::string_view line) {
                return skillrowtip(takenindex(), line, menu_.pricerules().skill);
            });
        }
    }
}

void TForm1::settaborder() {
    std::vector<QWidget*> order;
    for (const Block& block : blocks_) {
        if (block.field != nullptr) order.push_back(block.field);
    }
    for (const Block& block : blocks_) order.push_back(block.table);
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void TForm1::createmenu() {
    const MenuCommands commands = menu_.build(menuBar());
    returnfocusfrommenu(menuBar());
    menu_.onruleclick(this, guard([this] { ruleclick(); }));
    connect(commands.newsheet, &QAction::triggered, this, guard([this] { N9Click(); }));
    connect(commands.copy, &QAction::triggered, this, guard([this] { N7Click(); }));
    connect(commands.paste, &QAction::triggered, this, guard([this] { N8Click(); }));
    connect(commands.exit, &QAction::triggered, this, guard([this] { N5Click(); }));
    connect(commands.help, &QAction::triggered, this, guard([this] { N6Click(); }));
    // The menu bar reports itself built once, before the catalogues are read.
    guarded([this] { MainMenu1Change(); });
}

void TForm1::placewindow() {
    setGeometry(
        placement(availablearea(this), QMargins(), intendedplace(QMargins()), Fit::Centred));
    keeponscreen(this, Fit::Centred, intendedplace);
    // The first layout, before the window is ever shown.
    layout()->activate();
    guarded([this] { FormResize(); });
}

void TForm1::MainMenu1Change() {
    countpoints();
    skillcount();
}

void TForm1::FormCreate(const std::filesystem::path& catalogues) {
    guarded([this, &catalogues] { loadcatalogues(state_.catalogue, catalogues); });
}

void TForm1::FormResize() {
    const SheetLayout layout =
        sheetlayout(sheet_->width(), sheet_->height(), blocks_.front().field->width());
    const RowTops lower{layout.lowerlabeltop, layout.lowerspintop, layout.lowertabletop};
    for (const Block& block : blocks_) {
        const int column = block.spec->column;
        const RowTops& tops = block.spec->row == 0 ? kCreationTops[0] : lower;
        block.table->setGeometry(layout.columnleft[column], tops.table, layout.tablewidth,
                                 layout.tableheight);
        block.table->setkeywidth(layout.keywidth);
        block.caption->move(layout.columnleft[column], tops.caption);
        if (block.field != nullptr) block.field->move(layout.spinleft[column], tops.field);
    }
    total_->move(total_->x(), layout.totaltop);
}

void TForm1::countpoints() {
    std::vector<std::string> texts;
    std::vector<const Block*> fields;
    for (const Block& block : blocks_) {
        if (block.field == nullptr) continue;
        texts.push_back(tocp1251(block.field->text()));
        fields.push_back(&block);
    }
    const AttrRule rule = menu_.pricerules().attr;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        explain(fields[i]->field, attrtip(u(fields[i]->spec->caption), texts[i], rule));
    }
    if (::countpoints(state_, texts, rule)) writetotal();
}

void TForm1::skillcount() {
    // The rows explain themselves by the rule and the taken skills that this count reads.
    std::vector<const Lines*> tables;
    for (const Block& block : blocks_) {
        block.table->explainagain();
        if (!block.spec->isfeatures()) tables.push_back(&block.table->lines());
    }
    ::skillcount(state_, tables, menu_.pricerules().skill);
    writetotal();
}

void TForm1::ValueListEditorExit(ValueListEditor& table) {
    table.editlines([](Lines& lines) { cleanlevels(lines); });
    skillcount();
}

void TForm1::ValueListEditor8Exit() {
    const bool summed =
        features().table->editlines([this](Lines& lines) { return featexit(state_, lines); });
    if (summed) writetotal();
}

void TForm1::attrclick(const Block& block) {
    if (pickdialog_ == nullptr) return;
    state_.picksource = block.spec->source;
    // A result of 1 promises a new entry; an empty list would be the dialog's fault.
    if (pickdialog_->pick() == PickResult::Taken && !state_.takenskills.empty()) {
        const auto [key, value] = takenskillrow(state_);
        block.table->insertrow(key, value);
    }
    skillcount();
}

void TForm1::Label8Click() {
    if (pickdialog_ == nullptr) return;
    state_.picksource = features().spec->source;
    if (pickdialog_->pick() != PickResult::Taken || state_.takenfeats.empty()) return;
    features().table->appendline(takenfeatline(state_));
    // The new price enters the total at once, counted as leaving the table counts it.
    ValueListEditor8Exit();
}

void TForm1::ruleclick() {
    countpoints();
    skillcount();
}

void TForm1::N5Click() { QApplication::quit(); }

void TForm1::N6Click() { showhelp(this); }

const TakenIndex& TForm1::takenindex() {
    // The list only grows, and an entry's name and spec never change: an index built for
    // the same number of entries still finds every one. Tooltips are asked for on every
    // keystroke in a cell, where building it anew for each would cost as much as a recount.
    if (!takenindex_ || indexed_ != state_.takenskills.size()) {
        takenindex_.emplace(state_.takenskills);
        indexed_ = state_.takenskills.size();
    }
    return *takenindex_;
}

void TForm1::writetotal() {
    total_->settext(fromcp1251(totaltext(state_)));
    explain(total_, sumstip(state_));
}
