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
#include "spinfield.h"
#include "ui/encoding.h"
#include "ui/errorbox.h"
#include "ui/fonts.h"
#include "ui/onscreen.h"
#include "ui/pickdialog.h"
#include "valuelisteditor.h"

namespace {

constexpr QSize kOuterSize(937, 458);
constexpr int kSheetFont = 11;
constexpr int kCaptionFont = 16;
constexpr int kSpinFont = 19;
constexpr int kFeatureTable = 7;

struct CaptionSpec {
    const char* text;
    int left;
    int top;
    int tag;
};

constexpr CaptionSpec kCaptions[] = {
    {"Сила", 16, 16, 1},         {"Выносливость", 200, 16, 2}, {"Ловкость", 384, 16, 3},
    {"Образование", 568, 16, 4}, {"Мышление", 16, 168, 5},     {"Уверенность", 200, 168, 6},
    {"Удача", 384, 168, 7},      {"Особенности", 568, 168, 0}, {"Требуется плюшек: 0", 16, 360, 0},
};

constexpr QPoint kSpinPlaces[] = {{128, 8},   {312, 8},   {496, 8},  {680, 8},
                                  {128, 160}, {312, 160}, {496, 160}};
constexpr QSize kSpinSize(57, 34);

struct TableSpec {
    QRect place;
    int keywidth = 0;
    const char* keytitle = "";
    const char* valuetitle = "";
};

constexpr TableSpec kTables[] = {
    {{16, 40, 169, 113}, 80, "Навык", "Уровень"},
    {{200, 40, 169, 113}, 80, "Навык", "Уровень"},
    {{384, 40, 169, 113}, 80, "Навык", "Уровень"},
    {{568, 40, 169, 113}, 82, "Навык", "Уровень"},
    {{16, 200, 169, 113}, 80, "Навык", "Уровень"},
    {{200, 200, 169, 113}, 80, "Навык", "Уровень"},
    {{384, 200, 169, 113}, 80, "Навык", "Уровень"},
    {{568, 200, 185, 113}, 100, "Особенность", "Цена"},
};

QString numbered(const char* stem, int number) {
    return QString::fromLatin1(stem) + QString::number(number);
}

// What a screen reader says of a control, after the caption of its block.
QString blockname(std::size_t block) { return QString::fromUtf8(kCaptions[block].text); }

QString spinname(std::size_t block) {
    return blockname(block) + QString::fromUtf8(": значение атрибута");
}

QString tablename(std::size_t block) {
    if (block == kFeatureTable) return blockname(block);
    return blockname(block) + QString::fromUtf8(": навыки");
}

// What a caption's click and a table's Insert open.
QString choicename(std::size_t block) {
    return QString::fromUtf8(block == kFeatureTable ? "выбор особенности" : "выбор навыка");
}

QString captiondescription(std::size_t caption) {
    return QString::fromUtf8("Щелчок открывает ") + choicename(caption);
}

QString tabledescription(std::size_t block) {
    return QString::fromUtf8("Insert открывает ") + choicename(block);
}

// The outer size counts the window manager's frame; the layout runs for what is left.
QRect centred(const QRect& /*client*/, const QRect& area, const QMargins& frame) {
    return centredin(kOuterSize, area).marginsRemoved(frame);
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
    setWindowTitle(QString::fromUtf8("Создание персонажа в системе \"Тальвира\" ver. 1.0"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    setFont(pixelfont(kSheetFont));
    setCentralWidget(sheet_);
    createcaptions();
    createspinfields();
    createtables();
    settaborder();
    createmenu();
    explainrows();
    FormCreate(catalogues);
    placewindow();
    sheet_->onresize(guard([this] { FormResize(); }));
    spins_[0]->setFocus(Qt::OtherFocusReason);
}

void TForm1::createcaptions() {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const CaptionSpec& spec = kCaptions[i];
        auto* label = new CaptionLabel(QString::fromUtf8(spec.text), spec.tag, sheet_);
        label->setObjectName(numbered("Label", static_cast<int>(i) + 1));
        label->setFont(pixelfont(kCaptionFont));
        // The name stays unset, so it is the text: the total line reads with its number,
        // and its description with the sums it adds up (writetotal).
        if (i <= kFeatureTable) label->setAccessibleDescription(captiondescription(i));
        label->move(spec.left, spec.top);
        label->adjustSize();
        labels_[i] = label;
    }
    for (int i = 0; i < 7; ++i) {
        connect(labels_[i], &CaptionLabel::clicked, this,
                guard([this, i] { attrclick(*labels_[i]); }));
    }
    connect(labels_[7], &CaptionLabel::clicked, this, guard([this] { Label8Click(); }));
}

void TForm1::createspinfields() {
    for (std::size_t i = 0; i < spins_.size(); ++i) {
        auto* spin = new SpinField(sheet_);
        spin->setObjectName(numbered("SpinEdit", static_cast<int>(i) + 1));
        spin->setFont(pixelfont(kSpinFont));
        spin->setAccessibleName(spinname(i));
        spin->setGeometry(QRect(kSpinPlaces[i], kSpinSize));
        connect(spin, &SpinField::changed, this, guard([this] { countpoints(); }));
        connect(spin, &SpinField::clicked, this, guard([this] { countpoints(); }));
        spins_[i] = spin;
    }
}

void TForm1::createtables() {
    for (std::size_t i = 0; i < tables_.size(); ++i) {
        const TableSpec& spec = kTables[i];
        auto* table = new ValueListEditor(QString::fromUtf8(spec.keytitle),
                                          QString::fromUtf8(spec.valuetitle), sheet_);
        table->setObjectName(numbered("ValueListEditor", static_cast<int>(i) + 1));
        table->setGeometry(spec.place);
        table->setkeywidth(spec.keywidth);
        table->setname(tablename(i), tabledescription(i));
        // Insert is a click on the table's caption.
        connect(table, &ValueListEditor::insertpressed, labels_[i], &CaptionLabel::clicked);
        tables_[i] = table;
    }
    for (std::size_t i = 0; i < kFeatureTable; ++i) {
        ValueListEditor* table = tables_[i];
        connect(table, &ValueListEditor::exited, this,
                guard([this, table] { ValueListEditorExit(*table); }));
    }
    connect(tables_[kFeatureTable], &ValueListEditor::exited, this,
            guard([this] { ValueListEditor8Exit(); }));
}

void TForm1::explainrows() {
    // A skill row is priced by the menu's rule, so the menu comes first.
    for (std::size_t i = 0; i < kFeatureTable; ++i) {
        tables_[i]->setexplain([this](std::string_view line) {
            return skillrowtip(takenindex(), line, menu_.pricerules().skill);
        });
    }
    tables_[kFeatureTable]->setexplain(featrowtip);
}

void TForm1::settaborder() {
    std::vector<QWidget*> order(spins_.begin(), spins_.end());
    order.insert(order.end(), tables_.begin(), tables_.end());
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void TForm1::createmenu() {
    menu_.build(menuBar());
    returnfocusfrommenu(menuBar());
    menu_.onruleclick(this, guard([this] { ruleclick(); }));
    connect(menu_.item("N7"), &QAction::triggered, this, guard([this] { N7Click(); }));
    connect(menu_.item("N5"), &QAction::triggered, this, guard([this] { N5Click(); }));
    connect(menu_.item("N6"), &QAction::triggered, this, guard([this] { N6Click(); }));
    // The menu bar reports itself built once, before the catalogues are read.
    guarded([this] { MainMenu1Change(); });
}

void TForm1::placewindow() {
    setGeometry(centred(QRect(), availablearea(this), QMargins()));
    keeponscreen(this, centred);
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
    const SheetLayout layout = sheetlayout(sheet_->width(), sheet_->height(), spins_[0]->width());
    for (std::size_t c = 0; c < 4; ++c) {
        for (ValueListEditor* table : {tables_[c], tables_[c + 4]}) {
            table->move(layout.columnleft[c], table->y());
            table->resize(layout.tablewidth, table->height());
        }
        labels_[c]->move(layout.columnleft[c], labels_[c]->y());
        spins_[c]->move(layout.spinleft[c], spins_[c]->y());
    }
    for (std::size_t c = 0; c < 4; ++c) {
        labels_[c + 4]->move(labels_[c]->x(), labels_[c + 4]->y());
        if (c < 3) spins_[c + 4]->move(spins_[c]->x(), spins_[c + 4]->y());
    }
    for (ValueListEditor* table : tables_) table->setkeywidth(layout.keywidth);
    for (ValueListEditor* table : tables_) table->resize(table->width(), layout.tableheight);
    for (std::size_t c = 4; c < 8; ++c) tables_[c]->move(tables_[c]->x(), layout.lowertabletop);
    for (std::size_t c = 4; c < 7; ++c) spins_[c]->move(spins_[c]->x(), layout.lowerspintop);
    for (std::size_t c = 4; c < 8; ++c) labels_[c]->move(labels_[c]->x(), layout.lowerlabeltop);
    labels_[8]->move(labels_[8]->x(), layout.totaltop);
}

void TForm1::countpoints() {
    std::vector<std::string> texts;
    texts.reserve(spins_.size());
    for (const SpinField* spin : spins_) texts.push_back(tocp1251(spin->text()));
    const AttrRule rule = menu_.pricerules().attr;
    for (std::size_t i = 0; i < spins_.size(); ++i) {
        explain(spins_[i], attrtip(blockname(i), texts[i], rule));
    }
    if (::countpoints(state_, texts, rule)) writetotal();
}

void TForm1::skillcount() {
    // The rows explain themselves by the rule and the taken skills that this count reads.
    for (ValueListEditor* table : tables_) table->explainagain();
    std::array<const Lines*, kFeatureTable> tables{};
    for (std::size_t i = 0; i < tables.size(); ++i) tables[i] = &tables_[i]->lines();
    ::skillcount(state_, tables, menu_.pricerules().skill);
    writetotal();
}

void TForm1::ValueListEditorExit(ValueListEditor& table) {
    table.editlines([](Lines& lines) { cleanlevels(lines); });
    skillcount();
}

void TForm1::ValueListEditor8Exit() {
    const bool summed =
        tables_[kFeatureTable]->editlines([this](Lines& lines) { return featexit(state_, lines); });
    if (summed) writetotal();
}

void TForm1::attrclick(const CaptionLabel& caption) {
    if (pickdialog_ == nullptr) return;
    state_.picksource = caption.objectName().toStdString();
    // A result of 1 promises a new entry; an empty list would be the dialog's fault.
    if (pickdialog_->pick() == PickResult::Taken && !state_.takenskills.empty()) {
        const auto table = sheet_->findChild<ValueListEditor*>(
            numbered("ValueListEditor", caption.tag()), Qt::FindDirectChildrenOnly);
        if (table != nullptr) {
            const auto [key, value] = takenskillrow(state_);
            table->insertrow(key, value);
        }
    }
    skillcount();
}

void TForm1::Label8Click() {
    if (pickdialog_ == nullptr) return;
    state_.picksource = labels_[7]->objectName().toStdString();
    if (pickdialog_->pick() != PickResult::Taken || state_.takenfeats.empty()) return;
    tables_[kFeatureTable]->appendline(takenfeatline(state_));
    // The new price enters the total at once, counted as leaving the table counts it.
    ValueListEditor8Exit();
}

void TForm1::ruleclick() {
    countpoints();
    skillcount();
}

void TForm1::N7Click() {
    // An edit in progress counts first, so that the copy, the tooltips and the total agree.
    commitfocus(this);
    ShownSheet sheet;
    sheet.rules = menu_.rulepaths();
    sheet.prices = menu_.pricerules();
    for (std::size_t i = 0; i < sheet.attributes.size(); ++i) {
        sheet.attributes[i] = {blockname(i), tocp1251(spins_[i]->text()), &tables_[i]->lines()};
    }
    sheet.featurescaption = blockname(kFeatureTable);
    sheet.features = &tables_[kFeatureTable]->lines();
    sheet.total = labels_[8]->text();
    QGuiApplication::clipboard()->setMimeData(sheetcopy(sheet, takenindex()).release());
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
    labels_[8]->settext(fromcp1251(totaltext(state_)));
    explain(labels_[8], sumstip(state_));
}
