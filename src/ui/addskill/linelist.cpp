#include "linelist.h"

#include <QAbstractListModel>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>
#include <numeric>
#include <utility>

#include "pick/pickview.h"
#include "ui/encoding.h"

class LineModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setlines(std::vector<std::string> lines) {
        std::vector<int> all(lines.size());
        std::iota(all.begin(), all.end(), 0);
        beginResetModel();
        lines_ = std::move(lines);
        shown_ = std::move(all);
        endResetModel();
    }
    void showlines(std::vector<int> positions) {
        beginResetModel();
        shown_ = std::move(positions);
        endResetModel();
    }
    const std::vector<std::string>& lines() const { return lines_; }

    int position(int row) const { return shown_[static_cast<std::size_t>(row)]; }
    // The row that shows `position`, -1 where it does not show.
    int row(int position) const {
        const auto found = std::lower_bound(shown_.begin(), shown_.end(), position);
        return found != shown_.end() && *found == position
                   ? static_cast<int>(found - shown_.begin())
                   : -1;
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(shown_.size());
    }

    // Lines are converted only when shown.
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        return fromcp1251(lines_[static_cast<std::size_t>(position(index.row()))]);
    }

private:
    std::vector<std::string> lines_;
    // The positions of the lines shown, row by row.
    std::vector<int> shown_;
};

namespace {

constexpr int kLineHeight = 13;

class LineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kLineHeight};
    }

    // A line cut off by the list's width shows whole as its tooltip; elsewhere the list's own
    // hint shows.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() != QEvent::ToolTip || !index.isValid()) return false;
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        item.rect = option.rect.intersected(view->viewport()->rect());
        const QStyle* style = view->style();
        const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &item, view);
        if (item.fontMetrics.horizontalAdvance(item.text) <= room.width()) return false;
        QToolTip::showText(event->globalPos(), item.text, view->viewport(),
                           view->visualRect(index));
        return true;
    }
};

}  // namespace

LineList::LineList(QWidget* parent) : QListView(parent), model_(new LineModel(this)) {
    setModel(model_);
    setItemDelegate(new LineDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void LineList::setlines(std::vector<std::string> lines) {
    model_->setlines(std::move(lines));
    scrollToTop();
}

void LineList::showlines(std::vector<int> positions) {
    const int kept = selected();
    model_->showlines(std::move(positions));
    const int row = kept < 0 ? -1 : model_->row(kept);
    if (row < 0) {
        scrollToTop();
        return;
    }
    const QModelIndex line = model_->index(row, 0);
    selectionModel()->setCurrentIndex(line, QItemSelectionModel::ClearAndSelect);
    scrollTo(line);
}

bool LineList::selectfirst() {
    if (model_->rowCount() == 0) return false;
    setFocus(Qt::OtherFocusReason);
    selectionModel()->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::ClearAndSelect);
    return true;
}

int LineList::selected() const {
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : model_->position(rows.front().row());
}

std::string LineList::linetext(int position) const {
    const auto& lines = model_->lines();
    if (position < 0 || static_cast<std::size_t>(position) >= lines.size()) {
        throw listindexerror(position);
    }
    return lines[static_cast<std::size_t>(position)];
}

void LineList::keyPressEvent(QKeyEvent* event) {
    // The list shows its cursor on the first line when it takes the focus; while no line is
    // selected, the first arrow key selects the line the cursor is on instead of passing it.
    const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    const QModelIndex current = currentIndex();
    if (arrow && event->modifiers() == Qt::NoModifier && selected() < 0 && current.isValid()) {
        selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
        return;
    }
    QListView::keyPressEvent(event);
}

void LineList::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleclicked();
}
