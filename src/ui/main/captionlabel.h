#pragma once

#include <QLabel>

// A clickable caption with an integer tag, sized to its text; it never takes the focus.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    CaptionLabel(const QString& text, int tag, QWidget* parent = nullptr);

    int tag() const { return tag_; }
    // Sets the text and resizes to fit it.
    void settext(const QString& text);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int tag_;
};
