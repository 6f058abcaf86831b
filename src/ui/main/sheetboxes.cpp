#include "sheetboxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "ui/encoding.h"
#include "ui/errorbox.h"
#include "ui/onscreen.h"

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

int showbox(QMessageBox& box) {
    keeponscreen(&box);
    return box.exec();
}

// A line as the box quotes it: long lines are cut, so that the box stays readable.
QString quoted(const std::string& text) {
    constexpr int kShown = 60;
    const QString line = fromcp1251(text).trimmed();
    return line.size() > kShown ? line.left(kShown) + u("…") : line;
}

}  // namespace

bool askreplace(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, apptitle(), question, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(u("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(u("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    showbox(box);
    return box.clickedButton() == yes;
}

void showpasteproblems(QWidget* parent, std::span<const SheetProblem> problems) {
    QStringList lines{u("Лист не вставлен, на листе ничего не изменилось.")};
    for (const SheetProblem& problem : problems) {
        QString said = fromcp1251(problem.what);
        if (problem.line > 0) {
            said = u("Строка %1 «%2»: ").arg(problem.line).arg(quoted(problem.text)) + said;
        }
        lines << said + '.';
    }
    QMessageBox box(QMessageBox::Warning, apptitle(), lines.join('\n'), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    showbox(box);
}

void showtotals(QWidget* parent, std::int32_t written, std::int32_t counted) {
    const QString text =
        u("Лист вставлен. В тексте итог %1, а по нынешним каталогам и правилам выходит %2.")
            .arg(written)
            .arg(counted);
    QMessageBox box(QMessageBox::Information, apptitle(), text, QMessageBox::Ok, parent);
    showbox(box);
}
