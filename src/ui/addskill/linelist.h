#pragma once

#include <QListView>
#include <string>
#include <vector>

class LineModel;

// The dialog's single-selection list over a vector of Windows-1251 lines: model/view, so
// a catalogue of 100,000 entries opens without one widget item per line, and showing only
// some of the lines changes which rows the model maps to them, nothing else.
class LineList : public QListView {
    Q_OBJECT
public:
    explicit LineList(QWidget* parent = nullptr);

    // Replaces every line; afterwards no line is selected and every line shows. Positions
    // count these lines, whichever of them show.
    void setlines(std::vector<std::string> lines);
    // Shows only the lines at `positions`, in list order; the selected line stays selected
    // if it is among them.
    void showlines(std::vector<int> positions);
    // Selects the first line shown and takes the focus; false when no line shows.
    bool selectfirst();
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
