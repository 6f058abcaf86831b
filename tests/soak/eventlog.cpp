#include "eventlog.h"

#include <QRegularExpression>

#include "replaynote.h"

namespace {

constexpr std::size_t kHistory = 30;

}  // namespace

SeenBoxKind boxkind(const SeenBox& box) {
    static const QRegularExpression integer("^'.*' is not a valid integer value\\.$",
                                            QRegularExpression::DotMatchesEverythingOption);
    if (box.icon == QMessageBox::NoIcon) return SeenBoxKind::Help;
    if (box.icon != QMessageBox::Critical) return SeenBoxKind::Other;
    if (integer.match(box.text).hasMatch()) return SeenBoxKind::Integer;
    if (box.text == QLatin1String("List index out of bounds (-1)")) return SeenBoxKind::Index;
    return SeenBoxKind::Other;
}

void EventLog::begin(const QString& what) {
    ++index_;
    note(start_, index_);
    history_.push_back(QStringLiteral("%1: %2").arg(index_).arg(what));
    if (history_.size() > kHistory) history_.pop_front();
    open_.push_back({index_, {}});
}

std::vector<SeenBox> EventLog::end() {
    if (open_.empty()) return {};
    std::vector<SeenBox> boxes = std::move(open_.back().boxes);
    open_.pop_back();
    return boxes;
}

void EventLog::box(SeenBox seen) {
    if (open_.empty()) {
        fail("a box came up outside any event: " + seen.text);
        return;
    }
    open_.back().boxes.push_back(std::move(seen));
}

void EventLog::fail(const QString& what) {
    if (failed()) return;
    const int at = open_.empty() ? index_ : open_.back().index;
    QString text = QStringLiteral("random start value %1, event %2: %3\nlast events:\n")
                       .arg(start_)
                       .arg(at)
                       .arg(what);
    for (const QString& line : history_) text += "  " + line + '\n';
    text += QStringLiteral("repeat with: TALVIRA_SOAK_START=%1 ./soak_tests").arg(start_);
    failure_ = text.toStdString();
}
