#include "captionlabel.h"

#include <QMouseEvent>

CaptionLabel::CaptionLabel(const QString& text, int tag, QWidget* parent)
    : QLabel(text, parent), tag_(tag) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
}

void CaptionLabel::settext(const QString& text) {
    setText(text);
    adjustSize();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}
