#include "specprompt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "pick/pickview.h"
#include "pick/pickwords.h"
#include "ui/encoding.h"
#include "ui/onscreen.h"

namespace {

// A question wider than the screen leaves room for the box's margins and frame: it wraps
// instead of pushing the box past the screen's edges. Elsewhere it stays on one line.
void fitquestion(QLabel* question, const QLayout* layout, const QWidget* parent) {
    if (parent == nullptr) return;
    const QMargins inner = layout->contentsMargins();
    const QMargins frame = framemargins(parent);
    const int room =
        availablearea(parent).width() - inner.left() - inner.right() - frame.left() - frame.right();
    if (question->sizeHint().width() <= room) return;
    question->setWordWrap(true);
    question->setFixedWidth(room);
}

}  // namespace

SpecPrompt::SpecPrompt(const QString& caption, const QString& prompt, QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(this)), hint_(new QLabel(this)) {
    setObjectName("SpecPrompt");
    setWindowTitle(caption);
    edit_->setObjectName("SpecEdit");
    edit_->setMaxLength(kSpecLimit);
    edit_->setValidator(new QRegularExpressionValidator(QRegularExpression("[^=]*"), edit_));
    hint_->setObjectName("SpecHint");
    hint_->setMinimumHeight(hint_->fontMetrics().height());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // Qt's own button texts are English; the rest of the program speaks Russian.
    buttons->button(QDialogButtonBox::Cancel)->setText(fromcp1251(pickwords::kCancel));
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(prompt, this);
    // The field reads as the question it answers.
    question->setBuddy(edit_);
    layout->addWidget(question);
    layout->addWidget(edit_);
    layout->addWidget(hint_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    edit_->setMinimumWidth(320);
    fitquestion(question, layout, parent);

    keeponscreen(this);

    connect(edit_, &QLineEdit::inputRejected, this, &SpecPrompt::refused);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString SpecPrompt::ask(QWidget* parent, const QString& caption, const QString& prompt) {
    SpecPrompt box(caption, prompt, parent);
    if (box.exec() != QDialog::Accepted) return {};
    return box.edit_->text();
}

void SpecPrompt::refused() {
    QApplication::beep();
    hint_->setText(edit_->text().size() >= kSpecLimit
                       ? fromcp1251(pickwords::kSpecTooLong) + QString::number(kSpecLimit) +
                             fromcp1251(pickwords::kSpecTooLongEnd)
                       : fromcp1251(pickwords::kSpecNoEquals));
}
