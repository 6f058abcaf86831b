#pragma once

#include <QLineEdit>

class QToolButton;

// An attribute field: an edit with up and down buttons over the range 1..5. Reading never
// clamps (a typed 7 reads 7 while the field has the focus); writing and leaving the field do,
// and leaving writes a text that is no number as the 1 it reads as.
class SpinField : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int kMinimum = 1;
    static constexpr int kMaximum = 5;

    explicit SpinField(QWidget* parent = nullptr);

    // The text as an integer; a text that is not an integer reads as the minimum.
    int value() const;
    // Clamps into the range and writes the decimal text.
    void setvalue(int value);
    void stepby(int step);
    // What leaving the field does, the focus staying: a value read outside the range is
    // written clamped.
    void commit();

signals:
    // After every change of the text: typed, stepped or written.
    void changed();
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
    // The value read, clamped, over a text that is not that value.
    void writewhatitreads();

    QToolButton* up_;
    QToolButton* down_;
};
