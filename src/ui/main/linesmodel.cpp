#include "linesmodel.h"

#include <algorithm>
#include <utility>

#include "ui/encoding.h"

namespace {

constexpr int kKey = 0;
const Lines kNoLines;

}  // namespace

LinesModel::LinesModel(QString keytitle, QString valuetitle, QObject* parent)
    : QAbstractTableModel(parent),
      lines_(&kNoLines),
      titles_{std::move(keytitle), std::move(valuetitle)} {}

void LinesModel::setsource(const Lines* lines, Edit edit) {
    beginResetModel();
    lines_ = lines;
    edit_ = std::move(edit);
    shownrows_ = rowsfor(lines_->size());
    endResetModel();
}

int LinesModel::rowsfor(std::size_t lines) const {
    return static_cast<int>(std::max<std::size_t>(lines, 1));
}

void LinesModel::refresh() {
    const int rows = rowsfor(lines_->size());
    // Rows added or dropped at the end keep the editor open where it is, which a reset
    // would close.
    if (rows > shownrows_) {
        beginInsertRows({}, shownrows_, rows - 1);
        shownrows_ = rows;
        endInsertRows();
    } else if (rows < shownrows_) {
        beginRemoveRows({}, rows, shownrows_ - 1);
        shownrows_ = rows;
        endRemoveRows();
    }
    emit dataChanged(index(0, 0), index(rows - 1, 1));
}

std::string LinesModel::cell(int column, int line) const {
    if (line < 0 || static_cast<std::size_t>(line) >= lines_->size()) return {};
    const auto [key, value] = splitline((*lines_)[line]);
    return std::string(column == kKey ? key : value);
}

int LinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownrows_;
}

int LinesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant LinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return fromcp1251(cell(index.column(), index.row()));
    }
    if (role != Qt::ToolTipRole && role != Qt::AccessibleDescriptionRole) return {};
    if (!explain_ || static_cast<std::size_t>(index.row()) >= lines_->size()) return {};
    const QString text = explain_((*lines_)[static_cast<std::size_t>(index.row())]);
    return text.isEmpty() ? QVariant() : QVariant(text);
}

bool LinesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() == kKey || !edit_) return false;
    edit_(index.row(), tocp1251(value.toString()));
    refresh();
    return true;
}

QVariant LinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || section > 1) return {};
    return titles_[section];
}

Qt::ItemFlags LinesModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    // Keys are shown only: the user can neither select nor edit them.
    if (index.column() == kKey) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}
