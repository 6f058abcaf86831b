#include "dialogdriver.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <array>
#include <exception>
#include <stdexcept>

#include "sheet/appstate.h"
#include "typing.h"

namespace {

// At most this many events per opening before the soak cancels it.
constexpr int kMostEvents = 8;

enum class Act {
    ClickLine,
    ListKey,
    TypeValue,
    StepValue,
    Edition,
    DoubleClick,
    DoubleClickEmpty,
    Ok,
    EnterList,
    EnterValue,
    Cancel,
    CloseBox,
    Escape,
};
constexpr std::array<int, 13> kWeights{20, 8, 10, 5, 8, 14, 3, 5, 2, 2, 6, 4, 2};

constexpr QStringView kValueKeys = u"0123456789-+";
// "=" is refused by the prompt; the last character is one Windows-1251 cannot hold.
constexpr QStringView kSpecText = u"ab xyz 19 дом()=\u4e2d";

// Keys go where the focus is; the user first moves it to the control being typed into.
void focus(QWidget* target) {
    if (!target->hasFocus()) target->setFocus(Qt::TabFocusReason);
}

template <typename T>
T* child(const QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) throw std::logic_error(std::string("no control ") + name);
    return found;
}

}  // namespace

DialogDriver::DialogDriver(QDialog& dialog, const AppState& state, SoakRandom& random,
                           EventLog& log, std::function<void(const Expect&)> finish)
    : dialog_(dialog),
      state_(state),
      random_(random),
      log_(log),
      finish_(std::move(finish)),
      list_(child<QListView>(dialog, "ListBox1")),
      value_(child<QSpinBox>(dialog, "SpinEdit1")),
      ok_(child<QAbstractButton>(dialog, "BitBtn1")),
      cancel_(child<QAbstractButton>(dialog, "BitBtn2")) {
    for (QRadioButton* button :
         child<QWidget>(dialog, "RadioGroup1")->findChildren<QRadioButton*>()) {
        editions_.push_back(button);
    }
    qApp->installEventFilter(this);
}

bool DialogDriver::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow() || !window->isModal()) return false;
    // Runs inside the window's own modal loop, once it is up.
    QTimer::singleShot(0, window, [this, window] { onmodal(window); });
    return false;
}

void DialogDriver::onmodal(QWidget* window) {
    if (!window->isVisible()) return;
    try {
        if (qobject_cast<QMessageBox*>(window) != nullptr) {
            closebox(window);
        } else if (const auto* help = window->findChild<QLabel*>("HelpText")) {
            log_.box({QMessageBox::NoIcon, help->text()});
            static_cast<QDialog*>(window)->accept();
        } else if (window == &dialog_) {
            session();
        } else if (window->objectName() == QLatin1String("SpecPrompt")) {
            answerprompt(*static_cast<QDialog*>(window));
        } else {
            log_.fail("an unexpected modal window came up: " + window->windowTitle());
        }
    } catch (const std::exception& error) {
        log_.fail(QStringLiteral("an exception escaped a handler: ") + error.what());
    } catch (...) {
        log_.fail(QStringLiteral("an exception of no known type escaped a handler"));
    }
    if (!window->isVisible()) return;
    // A window left open would hold the run in its loop for good.
    log_.fail("a modal window stayed open: " + window->windowTitle());
    if (auto* modal = qobject_cast<QDialog*>(window)) {
        modal->done(0);
    } else {
        window->close();
    }
}

void DialogDriver::closebox(QWidget* window) {
    auto* box = static_cast<QMessageBox*>(window);
    log_.box({box->icon(), box->text()});
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
    } else {
        box->done(QMessageBox::Ok);
    }
}

void DialogDriver::answerprompt(QDialog& prompt) {
    ++counts_.prompts;
    auto* edit = child<QLineEdit>(prompt, "SpecEdit");
    typetext(edit, random_.text(kSpecText, random_.below(12)));
    switch (random_.below(5)) {
        case 0:
            prompt.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
            break;
        case 1:
            prompt.close();
            break;
        default:
            QTest::keyClick(edit, Qt::Key_Return);
            break;
    }
}

void DialogDriver::session() {
    ++counts_.openings;
    // The user acts once the dialog is up and active, as the window system makes it.
    for (int i = 0; i < 20 && QApplication::activeWindow() != &dialog_; ++i) settle();
    if (QApplication::activeWindow() != &dialog_) log_.fail("the dialog did not become active");
    for (int i = 0; i < kMostEvents && dialog_.isVisible() && !log_.failed(); ++i) act();
    if (dialog_.isVisible()) press(cancel_, QString::fromUtf8("Отмена"));
}

void DialogDriver::act() {
    switch (static_cast<Act>(random_.weighted(kWeights))) {
        case Act::ClickLine:
            return clickline();
        case Act::ListKey:
            return listkey();
        case Act::TypeValue:
            return typevalue();
        case Act::StepValue:
            return stepvalue();
        case Act::Edition:
            return pickedition();
        case Act::DoubleClick:
            return doubleclickline();
        case Act::DoubleClickEmpty:
            return doubleclickempty();
        case Act::Ok:
            return press(ok_, "OK");
        case Act::EnterList:
            return enter(list_, "Enter in the list");
        case Act::EnterValue:
            return enter(value_, "Enter in the value field");
        case Act::Cancel:
            return press(cancel_, QString::fromUtf8("Отмена"));
        case Act::CloseBox:
            return closebutton();
        case Act::Escape:
            return escape();
    }
}

int DialogDriver::lines() const { return list_->model()->rowCount(); }

QPoint DialogDriver::linepoint(int line) const {
    const QModelIndex index = list_->model()->index(line, 0);
    list_->scrollTo(index);
    return list_->visualRect(index).center();
}

std::size_t DialogDriver::taken() const {
    return state_.takenskills.size() + state_.takenfeats.size();
}

void DialogDriver::clickline() {
    if (lines() == 0) return escape();
    const int line = random_.below(lines());
    log_.begin(QStringLiteral("dialog: click line %1").arg(line));
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, linepoint(line));
    finish_({});
}

void DialogDriver::listkey() {
    struct Key {
        Qt::Key key = Qt::Key_unknown;
        const char* name = "";
    };
    constexpr std::array<Key, 4> keys{
        {{Qt::Key_Down, "Down"}, {Qt::Key_Up, "Up"}, {Qt::Key_Home, "Home"}, {Qt::Key_End, "End"}}};
    const Key& key = random_.pick(keys);
    log_.begin(QStringLiteral("dialog: %1 in the list").arg(key.name));
    focus(list_);
    QTest::keyClick(list_, key.key);
    finish_({});
}

void DialogDriver::typevalue() {
    const QString text = random_.text(kValueKeys, random_.between(1, 3));
    log_.begin("dialog: type \"" + text + "\" over the value");
    focus(value_);
    QTest::keyClick(value_, Qt::Key_A, Qt::ControlModifier);
    typetext(value_, text);
    finish_({});
}

void DialogDriver::stepvalue() {
    const bool up = random_.percent(50);
    log_.begin(up ? "dialog: Up in the value field" : "dialog: Down in the value field");
    focus(value_);
    QTest::keyClick(value_, up ? Qt::Key_Up : Qt::Key_Down);
    finish_({});
}

void DialogDriver::pickedition() {
    if (editions_.empty() || !editions_.front()->isVisible()) return clickline();
    const int edition = random_.below(static_cast<int>(editions_.size()));
    log_.begin(QStringLiteral("dialog: pick edition %1").arg(edition));
    QTest::mouseClick(editions_[static_cast<std::size_t>(edition)], Qt::LeftButton);
    finish_({});
}

void DialogDriver::doubleclickline() {
    if (lines() == 0) return doubleclickempty();
    const int line = random_.below(lines());
    const QString what = QStringLiteral("dialog: double-click line %1").arg(line);
    log_.begin(what);
    const std::size_t before = taken();
    const QPoint at = linepoint(line);
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list_->viewport(), Qt::LeftButton, {}, at);
    ended(before, true, what);
    finish_({});
}

void DialogDriver::doubleclickempty() {
    const int count = lines();
    const int below =
        count == 0 ? 0 : list_->visualRect(list_->model()->index(count - 1, 0)).bottom() + 2;
    if (below >= list_->viewport()->height()) return doubleclickline();
    // A click beside the lines leaves the selection as it was: a selected line is taken,
    // and with none the list reports its index error and the dialog stays.
    const bool selected = list_->selectionModel()->hasSelection();
    const QString what = QStringLiteral("dialog: double-click below the lines");
    log_.begin(what);
    const std::size_t before = taken();
    QTest::mouseDClick(list_->viewport(), Qt::LeftButton, {},
                       {list_->viewport()->width() / 2, below});
    Expect expect;
    if (selected) {
        ended(before, true, what);
    } else {
        expect.indexbox = true;
        if (taken() != before || !dialog_.isVisible()) log_.fail(what + " took an entry or closed");
    }
    finish_(expect);
}

void DialogDriver::press(QAbstractButton* button, const QString& what) {
    const bool selected = list_->selectionModel()->hasSelection();
    log_.begin("dialog: " + what);
    const std::size_t before = taken();
    QTest::mouseClick(button, Qt::LeftButton);
    ended(before, button == ok_ && selected, "dialog: " + what);
    finish_({});
}

void DialogDriver::enter(QWidget* target, const QString& what) {
    log_.begin("dialog: " + what);
    focus(target);
    const bool selected = list_->selectionModel()->hasSelection();
    const std::size_t before = taken();
    QTest::keyClick(target, Qt::Key_Return);
    ended(before, selected, "dialog: " + what);
    finish_({});
}

void DialogDriver::closebutton() {
    log_.begin("dialog: close box");
    const std::size_t before = taken();
    dialog_.close();
    ended(before, false, "dialog: close box");
    finish_({});
}

void DialogDriver::escape() {
    log_.begin("dialog: Escape");
    QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : list_,
                    Qt::Key_Escape);
    if (!dialog_.isVisible()) log_.fail("Escape closed the dialog");
    finish_({});
}

void DialogDriver::ended(std::size_t before, bool take, const QString& what) {
    const std::size_t now = taken();
    if (now > before) ++counts_.takes;
    if (now == before + (take ? 1 : 0) && !dialog_.isVisible()) return;
    log_.fail(QStringLiteral("%1: %2 entries taken, the dialog %3")
                  .arg(what)
                  .arg(now - before)
                  .arg(dialog_.isVisible() ? "still open" : "closed"));
}
