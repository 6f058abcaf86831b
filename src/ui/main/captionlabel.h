#pragma once

#include <QLabel>

// A clickable caption with an integer tag, sized to its text; it never takes the focus.
// To assistive tools it reads as its text and, when something listens to its click,
// offers a press action, since a caption cannot be reached with the keyboard.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    CaptionLabel(const QString& text, int tag, QWidget* parent = nullptr);

    int tag() const { return tag_; }
    // Sets the text and resizes to fit it.
    void settext(const QString& text);

    // Something listens to the click.
    bool pressable() const;
    // A click from an assistive tool's press action. It arrives from the event loop, so
    // a modal choice that it opens does not hold up the tool's call.
    void press();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int tag_;
};
