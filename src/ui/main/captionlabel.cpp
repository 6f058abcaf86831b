#include "captionlabel.h"

#include <QAccessibleWidget>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QTimer>

namespace {

class CaptionAccessible : public QAccessibleWidget {
public:
    explicit CaptionAccessible(CaptionLabel* caption)
        : QAccessibleWidget(caption, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && caption()->accessibleName().isEmpty()) {
            return caption()->text();
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        if (!caption()->pressable()) return {};
        return {pressAction()};
    }

    void doAction(const QString& name) override {
        if (name == pressAction() && caption()->pressable()) caption()->press();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    CaptionLabel* caption() const { return static_cast<CaptionLabel*>(widget()); }
};

QAccessibleInterface* captionaccessible(const QString& classname, QObject* object) {
    auto* caption = qobject_cast<CaptionLabel*>(object);
    if (classname != QLatin1String("CaptionLabel") || caption == nullptr) return nullptr;
    return new CaptionAccessible(caption);
}

}  // namespace

CaptionLabel::CaptionLabel(const QString& text, int tag, QWidget* parent)
    : QLabel(text, parent), tag_(tag) {
    static const bool registered = (QAccessible::installFactory(captionaccessible), true);
    Q_UNUSED(registered);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
}

void CaptionLabel::settext(const QString& text) {
    setText(text);
    adjustSize();
}

bool CaptionLabel::pressable() const {
    return isSignalConnected(QMetaMethod::fromSignal(&CaptionLabel::clicked));
}

void CaptionLabel::press() { QTimer::singleShot(0, this, &CaptionLabel::clicked); }

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}
