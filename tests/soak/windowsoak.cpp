#include "windowsoak.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <exception>
#include <stdexcept>
#include <utility>

#include "replaynote.h"
#include "sheet/appstate.h"
#include "typing.h"
#include "ui/main/captionlabel.h"
#include "ui/main/mainmenu.h"
#include "ui/main/spinfield.h"
#include "ui/main/valuelisteditor.h"

namespace {

// Cheap events are common so that the run reaches its count in time; an opening of the
// dialog brings a few events of its own.
enum class Act {
    Repair,
    Type,
    Retype,
    EditKey,
    UpDown,
    ClickSpin,
    SpinButton,
    ClickCell,
    Tab,
    Caption,
    Menu,
    Resize
};
constexpr std::array<int, 12> kActWeights{2, 16, 16, 10, 8, 6, 6, 12, 8, 6, 9, 4};

// Digits most of all, then signs, blanks, the decimal separators, letters that start or
// continue a hex number, Cyrillic and a character Windows-1251 cannot hold.
constexpr QStringView kTyped = u"0123456789012345678901234567890123456789+- .,xXaF$жЯ\u4e2d";

struct Item {
    const char* name;
    int weight;
    bool rule;
};
constexpr std::array<Item, 9> kItems{{{"N11", 3, true},
                                      {"N12", 3, true},
                                      {"N21", 3, true},
                                      {"N13", 3, true},
                                      {"N14", 3, true},
                                      {"N121", 3, true},
                                      {"N111", 1, false},
                                      {"N221", 1, false},
                                      {"N6", 1, false}}};

constexpr int kSampleEvery = 500;

template <typename T>
T* child(const QWidget& parent, const QString& name) {
    T* found = parent.findChild<T*>(name);
    if (found == nullptr) throw std::logic_error("no control " + name.toStdString());
    return found;
}

long vmrss() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return 0;
}

// The control a widget belongs to, by the first named ancestor.
QString describe(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty()) return widget->objectName();
    }
    return QStringLiteral("nothing");
}

}  // namespace

WindowSoak::WindowSoak(QMainWindow& form, QDialog& dialog, const AppState& state,
                       std::uint64_t start)
    : form_(form),
      state_(state),
      random_(start),
      log_(start),
      reader_(form),
      names_(state.catalogue.skilllist),
      model_(names_),
      checks_(names_, state, log_),
      dialog_(dialog, state, random_, log_, [this](const Expect& expect) {
          settle();
          finish(reader_.read(), expect);
      }) {
    for (std::size_t i = 0; i < spins_.size(); ++i) {
        spins_[i] = child<SpinField>(form, QStringLiteral("SpinEdit%1").arg(i + 1));
    }
    for (std::size_t i = 0; i < tables_.size(); ++i) {
        tables_[i] = child<ValueListEditor>(form, QStringLiteral("ValueListEditor%1").arg(i + 1));
    }
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = child<CaptionLabel>(form, QStringLiteral("Label%1").arg(i + 1));
    }
}

SoakReport WindowSoak::run(int events) {
    installreplaynote();
    SoakReport report;
    QElapsedTimer clock;
    clock.start();
    const int warmup = events / 10;
    ensureactive();
    while (log_.events() < events && !log_.failed()) {
        step();
        samplememory(report, warmup);
    }
    report.events = log_.events();
    report.seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    report.boxes = checks_.boxes();
    report.dialogs = dialog_.counts();
    report.totalscompared = checks_.totalscompared();
    report.sums = model_.recomputed();
    report.resizes = resizes_;
    report.rssend = vmrss();
    report.failure = log_.failure();
    return report;
}

void WindowSoak::samplememory(SoakReport& report, int warmup) {
    if (log_.events() < nextsample_) return;
    nextsample_ = log_.events() + kSampleEvery;
    const long rss = vmrss();
    if (log_.events() < warmup) return;
    if (report.rsswarm == 0) report.rsswarm = rss;
    report.rssmost = std::max(report.rssmost, rss);
}

void WindowSoak::step() {
    ensureactive();
    const int before = focustable();
    Done done;
    try {
        done = act();
    } catch (const std::exception& error) {
        log_.fail(QStringLiteral("an exception escaped a handler: ") + error.what());
    } catch (...) {
        log_.fail(QStringLiteral("an exception of no known type escaped a handler"));
    }
    settle();
    ensureactive();
    // Everything below reads the window as the event left it: the sums the event recomputed
    // saw these same cells (see oracle::TotalModel).
    const Shown shown = reader_.read();
    const int after = focustable();
    if (before != 0 && after != before && focusinwindow()) left(shown, before, done);
    Expect expect;
    expect.helpbox = done.help;
    if (done.skillcount) expect.integerbox = model_.skillsrecomputed(shown);
    if (done.caption == 8 && state_.takenfeats.size() > done.feats) left(shown, 8, done);
    if (done.caption >= 1 && done.caption <= 8) checktake(done);
    finish(shown, expect);
}

void WindowSoak::left(const Shown& shown, int table, Done& done) {
    checks_.cleaned(shown, table);
    if (table == 8) {
        model_.featuresleft(shown);
    } else {
        done.skillcount = true;
    }
}

void WindowSoak::finish(const Shown& shown, const Expect& expect) {
    const std::vector<SeenBox> boxes = log_.end();
    checks_.after(shown, boxes, expect, model_);
}

WindowSoak::Done WindowSoak::act() {
    if (std::exchange(retypenext_, false)) return retype();
    switch (static_cast<Act>(random_.weighted(kActWeights))) {
        case Act::Repair:
            return repaircell();
        case Act::Type:
            return typeinfocus();
        case Act::Retype:
            return retype();
        case Act::EditKey:
            return editkey();
        case Act::UpDown:
            return updown();
        case Act::ClickSpin:
            return clickspin();
        case Act::SpinButton:
            return clickspinbutton();
        case Act::ClickCell:
            return clickcell();
        case Act::Tab:
            return tab();
        case Act::Caption:
            return clickcaption();
        case Act::Menu:
            return chooseitem();
        case Act::Resize:
            return resizewindow();
    }
    return {};
}

WindowSoak::Done WindowSoak::typeinfocus() {
    const int length = random_.percent(85) ? random_.between(1, 3) : random_.between(4, 11);
    const QString text = random_.text(kTyped, length);
    QWidget* target = focustarget();
    log_.begin("type \"" + text + "\" into " + describe(target));
    typetext(target, text);
    return {};
}

WindowSoak::Done WindowSoak::retype() {
    const QString digits = QString::number(random_.below(random_.percent(80) ? 10 : 100));
    QWidget* target = focustarget();
    log_.begin("type \"" + digits + "\" over the text of " + describe(target));
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    typetext(target, digits);
    return {};
}

WindowSoak::Done WindowSoak::editkey() {
    struct Key {
        Qt::Key key = Qt::Key_unknown;
        Qt::KeyboardModifiers modifiers;
        const char* name = "";
        int weight = 0;
    };
    static constexpr std::array<Key, 9> keys{{{Qt::Key_Backspace, {}, "Backspace", 30},
                                              {Qt::Key_Delete, {}, "Delete", 8},
                                              {Qt::Key_Home, {}, "Home", 6},
                                              {Qt::Key_End, {}, "End", 6},
                                              {Qt::Key_Left, {}, "Left", 6},
                                              {Qt::Key_A, Qt::ControlModifier, "Ctrl+A", 20},
                                              {Qt::Key_Escape, {}, "Escape", 6},
                                              {Qt::Key_Return, {}, "Enter", 6},
                                              {Qt::Key_Right, {}, "Right", 6}}};
    std::array<int, keys.size()> weights{};
    for (std::size_t i = 0; i < keys.size(); ++i) weights[i] = keys[i].weight;
    const Key& key = keys[static_cast<std::size_t>(random_.weighted(weights))];
    QWidget* target = focustarget();
    log_.begin(QStringLiteral("%1 in %2").arg(key.name, describe(target)));
    QTest::keyClick(target, key.key, key.modifiers);
    return {};
}

WindowSoak::Done WindowSoak::updown() {
    const bool up = random_.percent(50);
    QWidget* target = focustarget();
    log_.begin(QStringLiteral("%1 in %2").arg(up ? "Up" : "Down", describe(target)));
    QTest::keyClick(target, up ? Qt::Key_Up : Qt::Key_Down);
    return {};
}

WindowSoak::Done WindowSoak::clickspin() {
    SpinField* spin = random_.pick(spins_);
    log_.begin("click into " + spin->objectName());
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(4, spin->height() / 2));
    return {};
}

WindowSoak::Done WindowSoak::clickspinbutton() {
    SpinField* spin = random_.pick(spins_);
    const QList<QToolButton*> buttons = spin->findChildren<QToolButton*>();
    const bool up = random_.percent(50);
    log_.begin(
        QStringLiteral("click the %1 button of %2").arg(up ? "up" : "down", spin->objectName()));
    QTest::mouseClick(buttons.at(up ? 0 : 1), Qt::LeftButton);
    return {};
}

WindowSoak::Done WindowSoak::clickcell() {
    ValueListEditor* table = random_.pick(tables_);
    const int row = random_.below(table->model()->rowCount());
    return clickcell(*table, row, random_.percent(12) ? 0 : 1);
}

WindowSoak::Done WindowSoak::clickcell(ValueListEditor& table, int row, int column) {
    const QModelIndex index = table.model()->index(row, column);
    table.scrollTo(index);
    QWidget* target = table.viewport();
    QPoint at = table.visualRect(index).center();
    if (QWidget* editor = table.indexWidget(index)) {
        target = editor;
        at = editor->rect().center();
    }
    log_.begin(QStringLiteral("click the %1 cell of row %2 in %3")
                   .arg(column == 0 ? "key" : "value")
                   .arg(row + 1)
                   .arg(table.objectName()));
    QTest::mouseClick(target, Qt::LeftButton, {}, at);
    return {};
}

WindowSoak::Done WindowSoak::repaircell() {
    // A user mending the sheet: once a cell is empty every skill sum fails until someone
    // types a number into it again. The number comes with the next event.
    std::vector<std::pair<ValueListEditor*, int>> broken;
    for (ValueListEditor* table : tables_) {
        const QAbstractItemModel& model = *table->model();
        for (int r = 0; r < model.rowCount(); ++r) {
            if (!oracle::integer(model.index(r, 1).data().toString()))
                broken.emplace_back(table, r);
        }
    }
    if (broken.empty()) return clickcell();
    const auto [table, row] = random_.pick(broken);
    retypenext_ = true;
    return clickcell(*table, row, 1);
}

WindowSoak::Done WindowSoak::tab() {
    const bool back = random_.percent(30);
    QWidget* target = focustarget();
    log_.begin(QStringLiteral("%1 in %2").arg(back ? "Shift+Tab" : "Tab", describe(target)));
    QTest::keyClick(target, back ? Qt::Key_Backtab : Qt::Key_Tab,
                    back ? Qt::ShiftModifier : Qt::NoModifier);
    return {};
}

WindowSoak::Done WindowSoak::clickcaption() {
    // Label9, the total line, has no action; it comes up now and then all the same.
    const int n = random_.percent(4) ? 9 : random_.between(1, 8);
    CaptionLabel* label = labels_[static_cast<std::size_t>(n) - 1];
    Done done;
    done.skillcount = n <= 7;
    done.caption = n;
    done.rows = keyedrows(n);
    done.skills = state_.takenskills.size();
    done.feats = state_.takenfeats.size();
    log_.begin("click " + label->objectName() + " \"" + label->text() + '"');
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    return done;
}

WindowSoak::Done WindowSoak::chooseitem() {
    std::array<int, kItems.size()> weights{};
    for (std::size_t i = 0; i < kItems.size(); ++i) weights[i] = kItems[i].weight;
    const Item& item = kItems[static_cast<std::size_t>(random_.weighted(weights))];
    auto* action = child<QAction>(form_, QString::fromLatin1(item.name));
    log_.begin(QStringLiteral("menu item %1 \"%2\"").arg(item.name, menucaption(*action)));
    action->trigger();
    Done done;
    done.skillcount = item.rule;
    done.help = QLatin1String(item.name) == "N6";
    return done;
}

WindowSoak::Done WindowSoak::resizewindow() {
    // Mostly sizes a user drags to, now and then anything from 1x1 to 3000x2000.
    QSize size(random_.between(300, 1600), random_.between(150, 1000));
    if (random_.percent(30)) size = {random_.between(1, 3000), random_.between(1, 2000)};
    if (random_.percent(10)) size = {random_.between(1, 60), random_.between(1, 60)};
    log_.begin(QStringLiteral("resize to %1x%2").arg(size.width()).arg(size.height()));
    ++resizes_;
    form_.resize(size);
    return {};
}

void WindowSoak::checktake(const Done& done) {
    const bool features = done.caption == 8;
    const std::size_t tookskills = state_.takenskills.size() - done.skills;
    const std::size_t tookfeats = state_.takenfeats.size() - done.feats;
    const std::size_t took = features ? tookfeats : tookskills;
    const std::size_t wrong = features ? tookskills : tookfeats;
    const int grew = keyedrows(done.caption) - done.rows;
    if (took <= 1 && wrong == 0 && grew == static_cast<int>(took)) return;
    log_.fail(QStringLiteral("an opening over Label%1 took %2 entries (%3 of the other kind) "
                             "and its table gained %4 rows")
                  .arg(done.caption)
                  .arg(took)
                  .arg(wrong)
                  .arg(grew));
}

void WindowSoak::ensureactive() {
    // A window manager gives the activation back when a modal window closes; the offscreen
    // platform leaves that to the one who drives it.
    for (int i = 0; i < 20 && QApplication::activeWindow() != &form_; ++i) {
        form_.activateWindow();
        settle();
    }
    if (QApplication::activeWindow() != &form_) log_.fail("the main window stays inactive");
}

QWidget* WindowSoak::focustarget() const {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : &form_;
}

int WindowSoak::focustable() const {
    const QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) return 0;
    for (std::size_t i = 0; i < tables_.size(); ++i) {
        if (tables_[i] == focus || tables_[i]->isAncestorOf(focus)) return static_cast<int>(i) + 1;
    }
    return 0;
}

bool WindowSoak::focusinwindow() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus->window() == &form_ &&
           qobject_cast<const QMenuBar*>(focus) == nullptr &&
           qobject_cast<const QMenu*>(focus) == nullptr;
}

int WindowSoak::keyedrows(int table) const {
    if (table < 1 || table > 8) return 0;
    const QAbstractItemModel& model = *tables_[static_cast<std::size_t>(table) - 1]->model();
    int keyed = 0;
    for (int r = 0; r < model.rowCount(); ++r)
        keyed += !model.index(r, 0).data().toString().isEmpty();
    return keyed;
}
