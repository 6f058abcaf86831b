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

// A key/value table over "key=value" lines that someone else keeps. Rows count as the user
// sees them: row 0 is the title row, row r >= 1 shows line r - 1, and a table without lines
// shows one empty row. Only value cells can be selected, and an editor is always open on the
// selected one; each keystroke goes to the lines' keeper at once.
class ValueListEditor : public QTableView {
    Q_OBJECT

public:
    ValueListEditor(const QString& keytitle, const QString& valuetitle, QWidget* parent = nullptr);

    // Shows `lines`, which outlive the table; a value typed into `line` (from 0; past the
    // last line, a new one) goes to `edit`, which is to change the lines accordingly.
    void setsource(const Lines* lines, std::function<void(int line, std::string value)> edit);
    const Lines& lines() const;
    // The lines changed: the cursor stays on its row number, or goes to the first row, where
    // the edit starts afresh.
    void showlines(bool fromfirst);

    // Lines + 1, never below 2.
    int rowcount() const;
    int currentrow() const;
    void setcurrentrow(int row);

    // What leaving the table does, the focus staying: the exit event, then settle().
    void commit();
    // Escape goes back to the text as it is now.
    void settle();

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
