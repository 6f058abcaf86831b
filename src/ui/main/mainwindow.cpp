#include "mainwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <string>
#include <vector>

#include "captionlabel.h"
#include "catalogue/catalogue.h"
#include "focusleave.h"
#include "help.h"
#include "layout.h"
#include "sheet/sheetwords.h"
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

QString numbered(const char* stem, int number) {
    return QString::fromLatin1(stem) + QString::number(number);
}

QString caption(const SheetBlock& block) { return fromcp1251(block.caption); }

// What a caption's click and a table's Insert open.
QString choicename(const SheetBlock& block) {
    return fromcp1251(block.isfeatures() ? std::string_view(words::kFeatureChoice)
                                         : std::string_view(words::kSkillChoice));
}

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
    : QMainWindow(parent), logic_(state, *this), state_(state), sheet_(new SheetArea(this)) {
    setObjectName("Form1");
    setWindowTitle(fromcp1251(words::kWindowTitle));
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
    // The catalogues are read once the menu bar has reported itself built.
    guarded([this, &catalogues] { loadcatalogues(state_.catalogue, catalogues); });
    placewindow();
    sheet_->onresize(guard([this] { layoutsheet(); }));
    blocks_.front().field->setFocus(Qt::OtherFocusReason);
}

// The captions first, then the total line, the fields and the tables: the order of the
// window's children, which assistive tools walk.
void TForm1::createcaptions() {
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
        const SheetBlock& spec = kSheetBlocks[i];
        auto* label = new CaptionLabel(caption(spec), spec.tag(), sheet_);
        label->setObjectName(numbered("Label", spec.number));
        label->setFont(pixelfont(kCaptionFont));
        label->setAccessibleDescription(fromcp1251(words::kClickOpens) + choicename(spec));
        label->adjustSize();
        blocks_[i] = {&spec, label, nullptr, nullptr};
    }
}

void TForm1::createfields() {
    for (Block& block : blocks_) {
        if (!block.spec->hasfield()) continue;
        auto* field = new SpinField(sheet_);
        field->setObjectName(numbered("SpinEdit", block.spec->number));
        field->setFont(pixelfont(kSpinFont));
        field->setAccessibleName(caption(*block.spec) + fromcp1251(words::kFieldName));
        field->resize(kSpinSize);
        block.field = field;
    }
}

void TForm1::createtables() {
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
        Block& block = blocks_[i];
        const SheetBlock& spec = *block.spec;
        auto* table =
            new ValueListEditor(fromcp1251(spec.keytitle), fromcp1251(spec.valuetitle), sheet_);
        table->setObjectName(numbered("ValueListEditor", spec.number));
        const QString name =
            spec.isfeatures() ? caption(spec) : caption(spec) + fromcp1251(words::kSkillsName);
        table->setname(name, fromcp1251(words::kInsertOpens) + choicename(spec));
        table->setsource(&logic_.model().tables[i], [this, i](int line, const std::string& value) {
            guarded([&] { logic_.editcell(i, static_cast<std::size_t>(line), value); });
        });
        table->setexplain(
            [this, i](std::string_view line) { return fromcp1251(logic_.rowtip(i, line)); });
        block.table = table;
    }
}

void TForm1::createtotal() {
    total_ = new CaptionLabel(QString(), 0, sheet_);
    total_->setObjectName(numbered("Label", kSheetBlocks.size() + 1));
    total_->setFont(pixelfont(kCaptionFont));
    // The name stays unset, so it is the text: the total line reads with its number, and its
    // description with the sums it adds up.
}

void TForm1::connectblocks() {
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
        const Block& block = blocks_[i];
        connect(block.caption, &CaptionLabel::clicked, this, [this, i] { choosecaption(i); });
        // Insert is a click on the table's caption.
        connect(block.table, &ValueListEditor::insertpressed, this,
                [this, i] { choosecaption(i); });
        connect(block.table, &ValueListEditor::exited, this,
                guard([this, i] { logic_.leavetable(i); }));
        if (block.field == nullptr) continue;
        connect(block.field, &SpinField::edited, this, [this, i](const QString& text) {
            guarded([&] { logic_.editattribute(i, tocp1251(text)); });
        });
        connect(block.field, &SpinField::stepped, this,
                [this, i](int step) { guarded([&] { logic_.stepattribute(i, step); }); });
        connect(block.field, &SpinField::left, this,
                guard([this, i] { logic_.leaveattribute(i); }));
        connect(block.field, &SpinField::clicked, this,
                guard([this, i] { logic_.clickattribute(i); }));
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
    menu_.build(menuBar());
    returnfocusfrommenu(menuBar());
    for (const MenuItem& item : menu_.items()) {
        connect(item.action, &QAction::triggered, this,
                [this, does = item.does] { guarded([&] { choose(does); }); });
    }
    // The menu bar reports itself built once, before the catalogues are read.
    guarded([this] { logic_.start(); });
}

void TForm1::placewindow() {
    setGeometry(
        placement(availablearea(this), QMargins(), intendedplace(QMargins()), Fit::Centred));
    keeponscreen(this, Fit::Centred, intendedplace);
    // The first layout, before the window is ever shown.
    layout()->activate();
    guarded([this] { layoutsheet(); });
}

void TForm1::layoutsheet() {
    const SheetLayout layout =
        sheetlayout(sheet_->width(), sheet_->height(), blocks_.front().field->width());
    for (const Block& block : blocks_) {
        const int column = block.spec->column;
        const bool upper = block.spec->row == 0;
        block.table->setGeometry(layout.columnleft[column],
                                 upper ? layout.uppertabletop : layout.lowertabletop,
                                 layout.tablewidth, layout.tableheight);
        block.table->setkeywidth(layout.keywidth);
        block.caption->move(layout.columnleft[column],
                            upper ? layout.upperlabeltop : layout.lowerlabeltop);
        if (block.field != nullptr) {
            block.field->move(layout.spinleft[column],
                              upper ? layout.upperspintop : layout.lowerspintop);
        }
    }
    total_->move(layout.totalleft, layout.totaltop);
}

void TForm1::countpoints() { logic_.countpoints(); }

void TForm1::choosecaption(std::size_t block) {
    if (pickdialog_ == nullptr) return;
    const int line = blocks_[block].table->currentrow() - 1;
    guarded([&] { logic_.choosecaption(block, static_cast<std::size_t>(line)); });
}

void TForm1::choose(const MenuAction& action) {
    if (const auto* rule = std::get_if<AttrRule>(&action)) {
        logic_.chooserule(*rule);
        return;
    }
    if (const auto* rule = std::get_if<SkillRule>(&action)) {
        logic_.chooserule(*rule);
        return;
    }
    const std::optional<Editing> edit = editing();
    switch (std::get<SheetCommand>(action)) {
        case SheetCommand::NewSheet:
            logic_.newsheet();
            break;
        case SheetCommand::CopySheet:
            logic_.copysheet(edit);
            settle(edit);
            break;
        case SheetCommand::PasteSheet: {
            const QMimeData* data = QGuiApplication::clipboard()->mimeData();
            const QString text = data != nullptr && data->hasText() ? data->text() : QString();
            logic_.pastesheet(edit, tocp1251(text));
            settle(edit);
            break;
        }
        case SheetCommand::Exit:
            logic_.exit();
            break;
        case SheetCommand::Help:
            logic_.help();
            break;
    }
}

std::optional<Editing> TForm1::editing() const {
    const QWidget* focus = focusWidget();
    if (focus == nullptr) return std::nullopt;
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
        const Block& block = blocks_[i];
        if (block.field != nullptr && block.field == focus)
            return Editing{Editing::Kind::Attribute, i};
        if (block.table == focus || block.table->isAncestorOf(focus))
            return Editing{Editing::Kind::Table, i};
    }
    return std::nullopt;
}

void TForm1::settle(std::optional<Editing> edit) {
    // The edit was counted as leaving counts it: a later Escape goes back to its text now.
    if (edit && edit->kind == Editing::Kind::Table) blocks_[edit->index].table->settle();
}

void TForm1::showattribute(std::size_t attribute, const std::string& text) {
    blocks_.at(attribute).field->showtext(fromcp1251(text));
}

void TForm1::explainattribute(std::size_t attribute, const std::string& tip) {
    explain(blocks_.at(attribute).field, fromcp1251(tip));
}

void TForm1::showtable(std::size_t table, const Lines&, Cursor cursor) {
    blocks_.at(table).table->showlines(cursor == Cursor::First);
}

void TForm1::explainrows() {
    for (const Block& block : blocks_) block.table->explainagain();
}

void TForm1::showrules(PriceRules prices) { menu_.showrules(prices); }

void TForm1::showtotal(const std::string& text, const std::string& tip) {
    total_->settext(fromcp1251(text));
    explain(total_, fromcp1251(tip));
}

void TForm1::ask(const std::string& question) {
    logic_.answer(askreplace(this, fromcp1251(question)));
}

void TForm1::tell(BoxKind kind, const std::string& text) { tellbox(this, kind, fromcp1251(text)); }

void TForm1::openpick() { logic_.picked(pickdialog_->pick()); }

void TForm1::putclipboard(const std::string& text, const std::string& html) {
    auto* copy = new QMimeData;
    copy->setText(fromcp1251(text));
    copy->setHtml(fromcp1251(html));
    QGuiApplication::clipboard()->setMimeData(copy);
}

void TForm1::showhelp(const std::string& text) { ::showhelp(this, fromcp1251(text)); }

void TForm1::quit() { QApplication::quit(); }
