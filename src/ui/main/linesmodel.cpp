#include "linesmodel.h"

#include <algorithm>
#include <utility>

#include "ui/encoding.h"

namespace {

constexpr int kKey = 0;

}  // namespace

LinesModel::LinesModel(QString keytitle, QString valuetitle, QObject* parent)
    : QAbstractTableModel(parent), titles_{std::move(keytitle), std::move(valuetitle)} {}

int LinesModel::rowsfor(std::size_t lines) const {
    return static_cast<int>(std::max<std::size_t>(lines, 1));
}

void LinesModel::refresh() {
    const int rows = rowsfor(lines_.size());
    if (rows == shownrows_) {
        emit dataChanged(index(0, 0), index(rows - 1, 1));
        return;
    }
    beginResetModel();
    shownrows_ = rows;
    endResetModel();
}

std::string LinesModel::cell(int column, int line) const {
    if (line < 0 || static_cast<std::size_t>(line) >= lines_.size()) return {};
    const auto [key, value] = splitline(lines_[line]);
    return std::string(column == kKey ? key : value);
}

void LinesModel::setcell(int column, int line, std::string_view text) {
    if (line < 0) return;
    if (static_cast<std::size_t>(line) >= lines_.size()) {
        appendline(column == kKey ? joinline(text, "") : joinline("", text));
        return;
    }
    const auto [key, value] = splitline(lines_[line]);
    setline(line, column == kKey ? joinline(text, value) : joinline(key, text));
}

void LinesModel::setline(int line, std::string text) {
    lines_.at(line) = std::move(text);
    linechanged(line);
}

void LinesModel::insertline(int line, std::string text) {
    if (lines_.empty()) {
        appendline(std::move(text));
        return;
    }
    line = std::clamp(line, 0, static_cast<int>(lines_.size()));
    beginInsertRows({}, line, line);
    lines_.insert(lines_.begin() + line, std::move(text));
    shownrows_ = rowsfor(lines_.size());
    endInsertRows();
}

void LinesModel::appendline(std::string text) {
    if (lines_.empty()) {
        // The empty row becomes the first line: no row is added.
        lines_.push_back(std::move(text));
        linechanged(0);
        return;
    }
    const int line = static_cast<int>(lines_.size());
    beginInsertRows({}, line, line);
    lines_.push_back(std::move(text));
    shownrows_ = rowsfor(lines_.size());
    endInsertRows();
}

void LinesModel::linechanged(int line) { emit dataChanged(index(line, 0), index(line, 1)); }

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
    if (!explain_ || static_cast<std::size_t>(index.row()) >= lines_.size()) return {};
    const QString text = explain_(lines_[static_cast<std::size_t>(index.row())]);
    return text.isEmpty() ? QVariant() : QVariant(text);
}

bool LinesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    setcell(index.column(), index.row(), tocp1251(value.toString()));
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
