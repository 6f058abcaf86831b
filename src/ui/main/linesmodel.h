#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "sheet/kvline.h"

// Two columns, key and value, over "key=value" lines that someone else keeps. A table
// without lines still shows one empty row, so there is always at least one row.
class LinesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // What an edited value cell asks of the lines' keeper: the value of `line` (from 0; past
    // the last line, a new one) is now `value`.
    using Edit = std::function<void(int line, std::string value)>;

    LinesModel(QString keytitle, QString valuetitle, QObject* parent = nullptr);

    // Shows `lines`, which outlive the model; edits go to `edit`.
    void setsource(const Lines* lines, Edit edit);
    const Lines& lines() const { return *lines_; }
    // The lines changed: rows come or go at the end, and every row shows its texts anew.
    void refresh();

    // What a line's tooltip and accessible description say, asked whenever they are shown.
    using Explain = std::function<QString(std::string_view line)>;
    void setexplain(Explain explain) { explain_ = std::move(explain); }

    QString title(int column) const { return titles_.at(column); }
    // A key or value; empty past the last line.
    std::string cell(int column, int line) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int rowsfor(std::size_t lines) const;

    const Lines* lines_;
    Edit edit_;
    std::array<QString, 2> titles_;
    Explain explain_;
    int shownrows_ = 1;
};
