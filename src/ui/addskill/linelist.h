#pragma once

#include <QListView>
#include <string>
#include <vector>

class LineModel;

// The dialog's single-selection list over a vector of Windows-1251 lines: model/view, so
// a catalogue of 100,000 entries opens without one widget item per line.
class LineList : public QListView {
    Q_OBJECT
public:
    explicit LineList(QWidget* parent = nullptr);

    // Replaces every line; afterwards no line is selected.
    void setlines(std::vector<std::string> lines);
    // The selected position, -1 for none.
    int selected() const;
    // Throws the list's index error for a position that holds no line.
    std::string linetext(int position) const;

signals:
    // Any double-click of the left button, also on no line, as the dialog reports it then.
    void doubleclicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    LineModel* model_;
};
