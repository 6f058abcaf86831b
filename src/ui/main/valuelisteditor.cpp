#include "valuelisteditor.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>

#include "focusleave.h"
#include "linesmodel.h"
#include "menushortcuts.h"
#include "ui/encoding.h"

namespace {

// The focus coming back from another window, a drop-down or the menu bar left with Escape.
bool returning(const QFocusEvent& event) {
    switch (event.reason()) {
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
            return true;
        default:
            return false;
    }
}

constexpr int kKey = 0;
constexpr int kValue = 1;
constexpr int kRowHeight = 18;

// Opens a plain line edit that writes every keystroke into the model. Key handling is
// the table's own (see ValueListEditor::editorkey), not the delegate's commit-on-close.
class ValueDelegate : public QStyledItemDelegate {
public:
    ValueDelegate(QAbstractItemModel* model, QObject* parent)
        : QStyledItemDelegate(parent), model_(model) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        // Tab moves between controls, never into an editor of its own accord.
        editor->setFocusPolicy(Qt::ClickFocus);
        const QPersistentModelIndex cell(index);
        // textChanged, not textEdited: a text set by an assistive tool or dictation counts
        // as typed; our own setEditorData is kept quiet below.
        connect(editor, &QLineEdit::textChanged, editor,
                [model = model_, cell](const QString& text) {
                    model->setData(cell, text, Qt::EditRole);
                });
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = static_cast<QLineEdit*>(editor);
        const QString text = index.data(Qt::EditRole).toString();
        // Our own keystroke coming back: keep the cursor where it is.
        if (line->text() == text) return;
        const QSignalBlocker quiet(line);
        line->setText(text);
    }

    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

    bool eventFilter(QObject*, QEvent*) override { return false; }

private:
    QAbstractItemModel* model_;
};

// Insert alone, also from the keypad; Shift+Insert and Ctrl+Insert stay an editor's paste
// and copy.
bool isinsert(const QKeyEvent& key) {
    return key.key() == Qt::Key_Insert && (key.modifiers() & ~Qt::KeypadModifier) == 0;
}

}  // namespace

ValueListEditor::ValueListEditor(const QString& keytitle, const QString& valuetitle,
                                 QWidget* parent)
    : QTableView(parent), model_(new LinesModel(keytitle, valuetitle, this)) {
    setModel(model_);
    setItemDelegate(new ValueDelegate(model_, this));
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(true);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* title = horizontalHeader();
    title->setMinimumSectionSize(0);
    title->setFixedHeight(kRowHeight);
    title->setSectionsClickable(false);
    title->setHighlightSections(false);
    title->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(title, &QHeaderView::sectionResized, this, [this] { fitvaluecolumn(); });
    viewport()->installEventFilter(this);
    // A new key under the editor renames it.
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] { nameeditor(); });
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this] { nameeditor(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { nameeditor(); });
    onfocusleave(this, [this] { commit(); });
    setcurrentrow(1);
}

void ValueListEditor::setsource(const Lines* lines,
                                std::function<void(int line, std::string value)> edit) {
    model_->setsource(lines, std::move(edit));
    showlines(true);
}

const Lines& ValueListEditor::lines() const { return model_->lines(); }

void ValueListEditor::commit() {
    emit exited();
    settle();
}

void ValueListEditor::settle() {
    // Committed: a later Escape goes back to the text as the exit left it.
    if (editor_) original_ = editor_->text();
}

void ValueListEditor::showlines(bool fromfirst) {
    const int row = fromfirst ? 1 : currentrow();
    const auto shown = static_cast<std::size_t>(model_->rowCount());
    // Rows dropped may take the editor, and the focus with it.
    if (std::max<std::size_t>(lines().size(), 1) < shown && focusinside()) holdfocus();
    model_->refresh();
    setcurrentrow(std::min(row, rowcount() - 1));
    if (fromfirst) settle();
}

int ValueListEditor::rowcount() const { return model_->rowCount() + 1; }

int ValueListEditor::currentrow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void ValueListEditor::setcurrentrow(int row) {
    const QModelIndex target = model_->index(std::clamp(row, 1, rowcount() - 1) - 1, kValue);
    if (target == currentIndex() && editorindex_ == target && editor_) return;
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    if (editorindex_ != target || !editor_) placeeditor(target);
}

void ValueListEditor::setkeywidth(int width) {
    setColumnWidth(kKey, std::max(0, width));
    fitvaluecolumn();
}

void ValueListEditor::setname(const QString& name, const QString& description) {
    setAccessibleName(name);
    setAccessibleDescription(description);
    nameeditor();
}

void ValueListEditor::setexplain(std::function<QString(std::string_view line)> explain) {
    model_->setexplain(std::move(explain));
    nameeditor();
}

void ValueListEditor::nameeditor() {
    if (!editor_ || !editorindex_.isValid()) return;
    const QString key = fromcp1251(model_->cell(kKey, editorindex_.row()));
    const QString value = model_->title(kValue).toLower();
    const QString name = key.isEmpty() ? value : key + QStringLiteral(": ") + value;
    if (editor_->accessibleName() != name) editor_->setAccessibleName(name);
    QStringList description{accessibleName()};
    const QString row = model_->data(editorindex_, Qt::AccessibleDescriptionRole).toString();
    if (!row.isEmpty()) description << row;
    if (!accessibleDescription().isEmpty()) description << accessibleDescription();
    const QString said = description.join(QStringLiteral(". "));
    if (editor_->accessibleDescription() != said) editor_->setAccessibleDescription(said);
}

void ValueListEditor::fitvaluecolumn() {
    // A Qt cell includes its grid line, so the two columns fill the viewport exactly.
    const int width = std::max(0, viewport()->width() - columnWidth(kKey));
    if (columnWidth(kValue) != width) setColumnWidth(kValue, width);
}

void ValueListEditor::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid() && current != editorindex_) placeeditor(current);
}

void ValueListEditor::holdfocus() {
    // Hiding an editor that has the focus would pass it on to the next control; with no
    // editor, focusInEvent hands it to none.
    editor_ = nullptr;
    setFocus(Qt::OtherFocusReason);
}

void ValueListEditor::placeeditor(const QModelIndex& index) {
    const bool focused = focusinside();
    if (focused) holdfocus();
    if (editorindex_.isValid()) closePersistentEditor(editorindex_);
    editor_ = nullptr;
    editorindex_ = index;
    if (!index.isValid()) return;
    openPersistentEditor(index);
    editor_ = qobject_cast<QLineEdit*>(indexWidget(index));
    if (!editor_) return;
    editor_->installEventFilter(this);
    menushortcutsfirst(editor_);
    original_ = editor_->text();
    nameeditor();
    if (focused) editor_->setFocus(Qt::OtherFocusReason);
}

QModelIndex ValueListEditor::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex moved = QTableView::moveCursor(action, modifiers);
    return moved.isValid() ? model_->index(moved.row(), kValue) : moved;
}

void ValueListEditor::keyPressEvent(QKeyEvent* event) {
    if (isinsert(*event)) {
        emit insertpressed();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool ValueListEditor::focusinside() const {
    // The window's own focus widget, which it keeps while the dialog or a box is active and
    // gives the focus back to afterwards.
    const QWidget* focus = window()->focusWidget();
    return focus != nullptr && (focus == this || isAncestorOf(focus));
}

void ValueListEditor::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    if (!editor_) return;
    editor_->setFocus(event->reason());
    // Qt tells assistive tools of the table's focus only after this handler, when the
    // editor already has it; tell them again where the focus is once that news is out.
    QTimer::singleShot(0, editor_, [editor = editor_] {
        if (!editor->hasFocus()) return;
        QAccessibleEvent focus(editor, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    });
}

bool ValueListEditor::focusNextPrevChild(bool next) {
    // Walk from the table itself: its editor sits elsewhere in the window's focus chain.
    const auto step = [next](QWidget* widget) {
        return next ? widget->nextInFocusChain() : widget->previousInFocusChain();
    };
    for (QWidget* widget = step(this); widget != nullptr && widget != this; widget = step(widget)) {
        if (isAncestorOf(widget) || widget->isWindow() || !widget->isVisible() ||
            !widget->isEnabled() || (widget->focusPolicy() & Qt::TabFocus) != Qt::TabFocus) {
            continue;
        }
        widget->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

bool ValueListEditor::onvaluecell(const QPoint& position) const {
    const QModelIndex index = indexAt(position);
    return index.isValid() && index.column() == kValue;
}

void ValueListEditor::mousePressEvent(QMouseEvent* event) {
    if (onvaluecell(event->position().toPoint())) {
        QTableView::mousePressEvent(event);
        return;
    }
    // A key cell or the empty area: the table takes the focus, the selection stays.
    if (editor_) editor_->setFocus(Qt::MouseFocusReason);
    event->accept();
}

void ValueListEditor::mouseDoubleClickEvent(QMouseEvent* event) {
    if (onvaluecell(event->position().toPoint())) QTableView::mouseDoubleClickEvent(event);
}

void ValueListEditor::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() != Qt::NoButton && !onvaluecell(event->position().toPoint())) return;
    QTableView::mouseMoveEvent(event);
}

void ValueListEditor::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    fitvaluecolumn();
}

void ValueListEditor::updateEditorGeometries() {
    const QRect cell = editor_ ? visualRect(editorindex_) : QRect();
    if (!editor_ || cell.isValid()) {
        QTableView::updateEditorGeometries();
        return;
    }
    // A value cell squeezed to nothing, if only while the layout sets the table's width before
    // its key column, would hide the editor, and a hidden editor hands the focus on to the
    // next control. Kept shown at no size, it keeps the focus: only the user moves it.
    editor_->setGeometry(cell.x(), cell.y(), 0, 0);
}

bool ValueListEditor::editorkey(const QKeyEvent& key) {
    if (isinsert(key)) {
        emit insertpressed();
        return true;
    }
    switch (key.key()) {
        case Qt::Key_Escape:
            // Reported to the model like any other change of the text.
            editor_->setText(original_);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            original_ = editor_->text();
            return true;
        default:
            return false;
    }
}

bool ValueListEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport()) {
        // The vertical scroll bar coming or going changes the inner width.
        if (event->type() == QEvent::Resize) fitvaluecolumn();
        return QTableView::eventFilter(watched, event);
    }
    if (watched == editor_) {
        // Coming back from a dialog, a message box or the menu continues the same edit.
        if (event->type() == QEvent::FocusIn && !returning(*static_cast<QFocusEvent*>(event)))
            original_ = editor_->text();
        if (event->type() == QEvent::KeyPress) return editorkey(*static_cast<QKeyEvent*>(event));
    }
    return QTableView::eventFilter(watched, event);
}
