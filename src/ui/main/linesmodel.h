#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "sheet/kvline.h"

// Two columns, key and value, over "key=value" lines. A table without lines still shows
// one empty row, so there is always at least one row.
class LinesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    LinesModel(QString keytitle, QString valuetitle, QObject* parent = nullptr);

    Lines& lines() { return lines_; }
    const Lines& lines() const { return lines_; }
    // Tells the views that the lines were changed directly.
    void refresh();

    // What a line's tooltip and accessible description say, asked whenever they are shown.
    using Explain = std::function<QString(std::string_view line)>;
    void setexplain(Explain explain) { explain_ = std::move(explain); }

    QString title(int column) const { return titles_.at(column); }
    // A key or value; empty past the last line.
    std::string cell(int column, int line) const;
    // Past the last line this appends one new line.
    void setcell(int column, int line, std::string_view text);
    void setline(int line, std::string text);
    // Before `line`; into a table without lines it becomes its first line.
    void insertline(int line, std::string text);
    void appendline(std::string text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int rowsfor(std::size_t lines) const;
    void linechanged(int line);

    Lines lines_;
    std::array<QString, 2> titles_;
    Explain explain_;
    int shownrows_ = 1;
};
