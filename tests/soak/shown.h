#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <array>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMainWindow;
class QTableView;

// The sheet as the main window shows it at one moment, read from its widgets only.
struct ShownRow {
    QString key;
    QString value;
};

struct Shown {
    std::array<QString, 7> attrs;
    // Tables 1 to 7 hold skills, index 7 is the feature table; a table without lines shows
    // its one empty row.
    std::array<std::vector<ShownRow>, 8> tables;
    // The names of the checked menu items.
    QSet<QString> marks;
    QString total;
    // The attribute field that is the window's focus widget, 0 to 6, or -1.
    int focusedattr = -1;
};

// Finds the controls by their names once; read() then takes a snapshot.
class WindowReader {
public:
    explicit WindowReader(const QMainWindow& form);
    Shown read() const;

private:
    const QMainWindow& form_;
    std::array<const QLineEdit*, 7> attrs_{};
    std::array<const QTableView*, 8> tables_{};
    QList<const QAction*> marks_;
    const QLabel* total_ = nullptr;
};
