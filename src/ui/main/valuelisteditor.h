#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "sheet/kvline.h"

class LinesModel;
class QLineEdit;

// A key/value table over "key=value" lines. Rows count as the user sees them: row 0 is the
// title row, row r >= 1 shows line r - 1, and a table without lines shows one empty row.
// Only value cells can be selected, and an editor is always open on the selected one;
// each keystroke is written into the line at once.
class ValueListEditor : public QTableView {
    Q_OBJECT

public:
    ValueListEditor(const QString& keytitle, const QString& valuetitle, QWidget* parent = nullptr);

    const Lines& lines() const;

    // Changes the lines through `change(Lines&)` and shows the result, also when it throws;
    // returns what `change` returns.
    template <typename Change>
    decltype(auto) editlines(Change&& change) {
        const Refresh refresh{*this};
        return std::forward<Change>(change)(editablelines());
    }

    // Lines + 1, never below 2.
    int rowcount() const;
    int currentrow() const;
    void setcurrentrow(int row);

    // What leaving the table does, the focus staying: the exit event, and Escape goes back to
    // the text as it is now.
    void commit();

    // Fills the current row when its key and value are both empty, else inserts a new line
    // before it; the current row number stays, so the new line is the current one.
    void insertrow(std::string_view key, std::string_view value);
    void appendline(std::string line);
    // Puts `lines` in place of every line; the first row is the current one.
    void replacelines(Lines lines);

    // The value column then takes the rest of the inner width.
    void setkeywidth(int width);

    // The table's accessible name and description; its cell editor, where the focus sits,
    // is named after the row's key and described by the table's name, what its row's
    // explanation says and the table's description.
    void setname(const QString& name, const QString& description);
    // Rows explain themselves by `explain`, as tooltips and to assistive tools.
    void setexplain(std::function<QString(std::string_view line)> explain);
    // Describes the cell editor afresh, after something outside the lines changed what its
    // row's explanation says.
    void explainagain() { nameeditor(); }
    QLineEdit* editor() const { return editor_; }

signals:
    // The focus left the table for another control of the window, or the edit in it was
    // committed where it is (commit).
    void exited();
    // Insert was pressed in the table or its cell editor.
    void insertpressed();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateEditorGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Refresh {
        ValueListEditor& table;
        ~Refresh() { table.lineschanged(); }
    };
    Lines& editablelines();
    void lineschanged();

    // Keeps the focus in the table itself while the editor that has it goes.
    void holdfocus();
    void placeeditor(const QModelIndex& index);
    void nameeditor();
    bool focusinside() const;
    bool onvaluecell(const QPoint& position) const;
    bool editorkey(const QKeyEvent& key);
    void fitvaluecolumn();

    LinesModel* model_;
    QPointer<QLineEdit> editor_;
    QPersistentModelIndex editorindex_;
    // The cell's text when the edit began; Escape puts it back.
    QString original_;
};
