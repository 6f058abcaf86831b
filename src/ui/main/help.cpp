#include "help.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>

#include "helptext.h"
#include "ui/encoding.h"
#include "ui/errorbox.h"
#include "ui/onscreen.h"

namespace {

// Centred on the screen, not over the window. Where the text is taller than the screen's
// available area, the text scrolls and OK stays in sight below it.
class HelpBox : public QMessageBox {
public:
    explicit HelpBox(QWidget* parent) : QMessageBox(parent) {
        keeponscreen(this, [this](const QRect&, const QRect& area, const QMargins& frame) {
            const QRect room = area.marginsRemoved(frame);
            if (height() > room.height()) scrolltext(room);
            return centredin(size().grownBy(frame), area).marginsRemoved(frame);
        });
    }

protected:
    bool event(QEvent* event) override {
        // Once its text scrolls, the box keeps the size given here; QMessageBox would size
        // itself to the whole text again on the next layout request.
        // NOLINTNEXTLINE(bugprone-parent-virtual-call): passing over that resize is the point
        if (event->type() == QEvent::LayoutRequest && scrolls()) return QDialog::event(event);
        return QMessageBox::event(event);
    }

private:
    bool scrolls() const { return findChild<QScrollArea*>("HelpScroll") != nullptr; }

    // The text into a scroll area, the box a scroll bar wider and as high as the room.
    void scrolltext(const QRect& room) {
        int width = this->width();
        auto* label = findChild<QLabel*>("qt_msgbox_label");
        if (label != nullptr && !scrolls()) {
            auto* scroll = new QScrollArea(this);
            scroll->setObjectName("HelpScroll");
            scroll->setFrameShape(QFrame::NoFrame);
            scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            scroll->setWidgetResizable(true);
            delete layout()->replaceWidget(label, scroll);
            scroll->setWidget(label);
            // The lines keep their width beside the scroll bar.
            width += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        }
        setFixedSize(std::min(width, room.width()), room.height());
    }
};

}  // namespace

void showhelp(QWidget* parent) {
    HelpBox box(parent);
    box.setWindowTitle(apptitle());
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(fromcp1251(helptext()));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}
