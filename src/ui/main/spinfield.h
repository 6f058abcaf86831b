#pragma once

#include <QLineEdit>

class QToolButton;

// An attribute field: an edit with up and down buttons. It takes only what an attribute
// field may be typed and reports what the player does; what the text reads as, the steps
// and the clamp on leaving are the sheet logic's.
class SpinField : public QLineEdit {
    Q_OBJECT

public:
    explicit SpinField(QWidget* parent = nullptr);

    // Shows a text that was not the player's (a clamp, a paste), without reporting it.
    void showtext(const QString& text);

signals:
    // The text changed other than by showtext(): typed, pasted, erased, or set by an assistive
    // tool.
    void edited(const QString& text);
    // An arrow key or button: +1 up, -1 down; a held button repeats.
    void stepped(int step);
    // The focus moved to another control of the window.
    void left();
    // A mouse click into the text.
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* addbutton(Qt::ArrowType arrow, int step, const char* name);
    void arrowpressed(QToolButton& button, int step);
    void placebuttons();
    bool accepts(const QString& typed) const;

    QToolButton* up_;
    QToolButton* down_;
};
