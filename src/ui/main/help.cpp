#include "help.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/encoding.h"
#include "ui/errorbox.h"
#include "ui/onscreen.h"

namespace {

// The help text over one OK button, centred on the screen. The text wraps at half the
// screen's width; where it is taller than the screen's available area, it scrolls and OK
// stays in sight below it.
class HelpBox : public QDialog {
public:
    HelpBox(QWidget* parent, const QString& text)
        : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
          text_(new QLabel(this)),
          scroll_(new QScrollArea(this)) {
        setObjectName("HelpBox");
        setWindowTitle(apptitle());
        text_->setObjectName("HelpText");
        text_->setTextFormat(Qt::PlainText);
        text_->setWordWrap(true);
        text_->setText(text);
        scroll_->setFrameShape(QFrame::NoFrame);
        scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll_->setWidgetResizable(true);
        scroll_->setWidget(text_);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
        buttons->setCenterButtons(true);
        QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
        ok->setDefault(true);
        // Enter, Space and Escape close the box, as any message box.
        ok->setFocus(Qt::OtherFocusReason);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        auto* column = new QVBoxLayout(this);
        column->addWidget(scroll_);
        column->addWidget(buttons);
        keeponscreen(
            this, Fit::Centred, [this](const QMargins& frame) { return intended(frame); },
            [this](const QRect& client) {
                setFixedSize(client.size());
                if (client != geometry()) setGeometry(client);
            },
            When::Before);
    }

private:
    // The whole text at the width it wraps to, with a scroll bar's width more where the
    // screen is too low for it.
    QRect intended(const QMargins& frame) {
        const QRect area = availablearea(this);
        const int wrap = std::min(widestline(), area.width() / 2);
        const QMargins margins = layout()->contentsMargins();
        const int buttons = layout()->itemAt(1)->sizeHint().height() + layout()->spacing();
        QSize size(wrap, text_->heightForWidth(wrap) + buttons);
        size = size.grownBy(margins);
        if (size.height() + frame.top() + frame.bottom() > area.height()) {
            size.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        }
        return QRect(geometry().topLeft(), size);
    }

    int widestline() const {
        const QFontMetrics metrics(text_->font());
        int widest = 0;
        for (const QString& line : text_->text().split(QLatin1Char('\n'))) {
            widest = std::max(widest, metrics.horizontalAdvance(line.trimmed()));
        }
        // A pixel more, so that a line that fits exactly is not wrapped by rounding.
        return widest + 1;
    }

    QLabel* text_;
    QScrollArea* scroll_;
};

}  // namespace

void showhelp(QWidget* parent, const QString& text) {
    HelpBox box(parent, text);
    box.exec();
}
