#include "addskill.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "linelist.h"
#include "pick/pickwords.h"
#include "searchfield.h"
#include "specprompt.h"
#include "ui/encoding.h"
#include "ui/errorbox.h"
#include "ui/fonts.h"
#include "ui/onscreen.h"
#include "ui/windowsizes.h"
#include "valuefield.h"

namespace {

constexpr int kFontHeight = 11;
constexpr QSize kClientSize(513, 296);

// What a screen reader calls the list and the value field in each mode.
struct ModeNames {
    std::string_view list;
    std::string_view value;
};

constexpr ModeNames kSkillNames{pickwords::kSkillList, pickwords::kSkillValue};
constexpr ModeNames kFeatureNames{pickwords::kFeatureList, pickwords::kFeatureValue};

// The labels grow with their text from their left edge, so "особенности" is not cut.
void setlabeltext(QLabel* label, const std::string& text) {
    label->setText(fromcp1251(text));
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

}  // namespace

TForm2::TForm2(AppState& state, std::function<void()> countpoints, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      logic_(state, *this, std::move(countpoints)) {
    setObjectName("TForm2");
    setFont(pixelfont(kFontHeight));
    setFixedSize(kClientSize);
    move(kDialogLeft, kDialogTop);
    // Its size and place where they fit; on a screen too small for it, as large as the area.
    keeponscreen(
        this, Fit::Inside,
        [this](const QMargins&) { return QRect(geometry().topLeft(), kClientSize); },
        [this](const QRect& client) {
            setFixedSize(client.size());
            if (client != geometry()) setGeometry(client);
        });
    createcontrols();
    placecontrols();
    connecthandlers();
    namecontrols();
}

void TForm2::createcontrols() {
    search_ = new SearchField(this);
    list_ = new LineList(this);
    spin_ = new ValueField(this);
    spin_->setRange(1, 5);
    spin_->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    label1_ = new QLabel(this);
    label2_ = new QLabel(this);
    radio_ = new QGroupBox(fromcp1251(pickwords::kEditionGroup), this);
    radio_->setAccessibleDescription(fromcp1251(pickwords::kEditionGroupTip));
    editions_ = new QButtonGroup(radio_);
    auto* column = new QVBoxLayout(radio_);
    for (int id = 0; id < static_cast<int>(std::size(pickwords::kEditions)); ++id) {
        const QString edition = fromcp1251(pickwords::kEditions[id]);
        auto* button = new QRadioButton(edition, radio_);
        button->setAccessibleDescription(fromcp1251(pickwords::kEditionTip) + edition);
        editions_->addButton(button, id);
        column->addWidget(button);
    }
    editions_->button(0)->setChecked(true);
    ok_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                          fromcp1251(pickwords::kOk), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              fromcp1251(pickwords::kCancel), this);
}

void TForm2::placecontrols() {
    struct Place {
        QWidget* widget;
        const char* name;
        QRect rect;
        int fontheight;
    };
    // The search field sits above the list, which gives up the field's height.
    search_->setFont(pixelfont(kFontHeight));
    const int field = search_->sizeHint().height();
    const Place places[] = {
        {search_, "Edit1", {16, 16, 353, field}, kFontHeight},
        {list_, "ListBox1", {16, 16 + field, 353, 273 - field}, kFontHeight},
        {spin_, "SpinEdit1", {376, 192, 65, 34}, 19},
        {label1_, "Label1", {376, 144, 64, 20}, 16},
        {label2_, "Label2", {376, 168, 55, 20}, 16},
        {radio_, "RadioGroup1", {376, 32, 121, 105}, kFontHeight},
        {ok_, "BitBtn1", {376, 232, 129, 25}, kFontHeight},
        {cancel_, "BitBtn2", {376, 264, 129, 25}, kFontHeight},
    };
    for (const Place& place : places) {
        place.widget->setObjectName(place.name);
        place.widget->setGeometry(place.rect);
        place.widget->setFont(pixelfont(place.fontheight));
    }
    QWidget* const order[] = {
        search_, list_,  spin_, editions_->button(0), editions_->button(1), editions_->button(2),
        ok_,     cancel_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void TForm2::connecthandlers() {
    const auto click = guard([this] { logic_.ListBox1Click(); });
    connect(list_, &QAbstractItemView::clicked, this, click);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, click);
    connect(list_, &LineList::doubleclicked, this, guard([this] { logic_.ListBox1DblClick(); }));
    connect(editions_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) guarded([this] { logic_.RadioGroup1Click(); });
    });
    connect(search_, &QLineEdit::textChanged, this, guard([this] { logic_.Edit1Change(); }));
    connect(search_, &SearchField::tolist, list_, &LineList::selectfirst);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, search_,
            [this] { search_->setFocus(Qt::ShortcutFocusReason); });
    connect(ok_, &QPushButton::clicked, this, guard([this] { logic_.BitBtn1Click(); }));
    connect(cancel_, &QPushButton::clicked, this, guard([this] { logic_.BitBtn2Click(); }));
}

PickResult TForm2::pick() {
    FormShow();
    // Each opening starts in the list, so that the keyboard can choose at once.
    list_->setFocus(Qt::OtherFocusReason);
    QPointer<QWidget> opener = QApplication::activeWindow();
    exec();
    // Windows hands the activation of a hidden window to its owner, or to another program
    // when that is still disabled: the window that opened the dialog takes it back.
    if (opener != nullptr && opener->isVisible()) opener->activateWindow();
    return logic_.result();
}

void TForm2::FormShow() {
    guarded([this] { logic_.FormShow(); });
}

void TForm2::reject() {}

void TForm2::closeEvent(QCloseEvent* event) {
    if (isVisible()) guarded([this] { logic_.FormClose(); });
    event->accept();
}

void TForm2::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    // A window minimised by the window system is still open.
    if (!event->spontaneous()) guarded([this] { logic_.FormHide(); });
}

void TForm2::setlines(std::vector<std::string> lines) { list_->setlines(std::move(lines)); }

void TForm2::showlines(std::vector<int> positions) { list_->showlines(std::move(positions)); }

int TForm2::selected() const { return list_->selected(); }

std::string TForm2::linetext(int position) const { return list_->linetext(position); }

// The value carried over is the one read, as typed, brought within the new bounds.
void TForm2::setbounds(int lower, int upper) {
    const int carried = spin_->typedvalue();
    spin_->setRange(lower, upper);
    spin_->setValue(carried);
}

// Read from the text, which may be mid-edit.
int TForm2::value() const { return spin_->typedvalue(); }

void TForm2::setvalue(int value) { spin_->setValue(value); }

int TForm2::edition() const { return editions_->checkedId(); }

void TForm2::showeditions(bool visible) { radio_->setVisible(visible); }

void TForm2::setcaption(const std::string& text) { setWindowTitle(fromcp1251(text)); }

void TForm2::namecontrols() {
    // An opening sets Label1 after it was told its mode; before the first opening the dialog
    // is in skill mode.
    const ModeNames& names = logic_.featuremode() ? kFeatureNames : kSkillNames;
    list_->setAccessibleName(fromcp1251(names.list));
    spin_->setAccessibleName(fromcp1251(names.value));
}

void TForm2::setlabel1(const std::string& text) {
    setlabeltext(label1_, text);
    namecontrols();
}

void TForm2::setlabel2(const std::string& text) { setlabeltext(label2_, text); }

void TForm2::setlisthint(const std::string& text) { list_->setToolTip(fromcp1251(text)); }

std::string TForm2::searchtext() const { return tocp1251(search_->text()); }

void TForm2::clearsearch() { search_->clear(); }

void TForm2::promptspec(const std::string& caption, const std::string& prompt) {
    logic_.specgiven(tocp1251(SpecPrompt::ask(this, fromcp1251(caption), fromcp1251(prompt))));
}

void TForm2::hidedialog() { done(static_cast<int>(logic_.result())); }
