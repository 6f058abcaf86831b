#include "shown.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>
#include <stdexcept>

namespace {

template <typename T>
const T* child(const QMainWindow& form, const QString& name) {
    const T* found = form.findChild<const T*>(name);
    if (found == nullptr) throw std::logic_error("no control " + name.toStdString());
    return found;
}

std::vector<ShownRow> readtable(const QTableView& table) {
    const QAbstractItemModel& model = *table.model();
    std::vector<ShownRow> rows;
    rows.reserve(static_cast<std::size_t>(model.rowCount()));
    for (int r = 0; r < model.rowCount(); ++r) {
        rows.push_back({model.index(r, 0).data().toString(), model.index(r, 1).data().toString()});
    }
    return rows;
}

}  // namespace

WindowReader::WindowReader(const QMainWindow& form)
    : form_(form), total_(child<QLabel>(form, QStringLiteral("Label9"))) {
    for (std::size_t i = 0; i < attrs_.size(); ++i) {
        attrs_[i] = child<QLineEdit>(form, QStringLiteral("SpinEdit%1").arg(i + 1));
    }
    for (std::size_t i = 0; i < tables_.size(); ++i) {
        tables_[i] = child<QTableView>(form, QStringLiteral("ValueListEditor%1").arg(i + 1));
    }
    for (const QAction* action : form.findChildren<const QAction*>()) {
        if (action->isCheckable()) marks_ << action;
    }
}

Shown WindowReader::read() const {
    Shown shown;
    const QWidget* focus = form_.focusWidget();
    for (std::size_t i = 0; i < attrs_.size(); ++i) {
        shown.attrs[i] = attrs_[i]->text();
        if (attrs_[i] == focus) shown.focusedattr = static_cast<int>(i);
    }
    for (std::size_t i = 0; i < tables_.size(); ++i) shown.tables[i] = readtable(*tables_[i]);
    for (const QAction* mark : marks_) {
        if (mark->isChecked()) shown.marks.insert(mark->objectName());
    }
    shown.total = total_->text();
    return shown;
}
