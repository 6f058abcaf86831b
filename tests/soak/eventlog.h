#pragma once

#include <QMessageBox>
#include <QString>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// A message box as it was seen before the soak closed it.
struct SeenBox {
    QMessageBox::Icon icon;
    QString text;
};

enum class SeenBoxKind { Integer, Index, Help, Other };
SeenBoxKind boxkind(const SeenBox& box);

// Numbers the events, nests those sent while a modal window runs inside the event that
// opened it, hands each box to the innermost open event and keeps the first failure with
// what is needed to repeat the run.
class EventLog {
public:
    explicit EventLog(std::uint64_t start) : start_(start) {}

    void begin(const QString& what);
    // Closes the innermost event; the boxes that came up while it was innermost.
    std::vector<SeenBox> end();
    void box(SeenBox seen);

    void fail(const QString& what);
    bool failed() const { return !failure_.empty(); }
    const std::string& failure() const { return failure_; }
    int events() const { return index_; }

private:
    struct Open {
        int index;
        std::vector<SeenBox> boxes;
    };

    std::uint64_t start_;
    int index_ = 0;
    std::vector<Open> open_;
    std::deque<QString> history_;
    std::string failure_;
};
