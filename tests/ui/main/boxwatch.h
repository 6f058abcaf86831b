#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <vector>

// Closes every modal message box that opens while it lives and remembers what each showed.
// `whileopen` runs once per box before it is closed, and may close it itself.
class BoxWatch {
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        int buttons;
    };

    explicit BoxWatch(std::function<void(QMessageBox*)> whileopen = {})
        : whileopen_(std::move(whileopen)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(10);
    }

    std::vector<Seen> seen;

private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        seen.push_back({box->windowTitle(), box->text(), box->icon(),
                        static_cast<int>(box->buttons().size())});
        // `whileopen` may wait, and the same box must not count twice meanwhile.
        timer_.stop();
        if (whileopen_) whileopen_(box);
        if (box->isVisible()) box->done(QMessageBox::Ok);
        timer_.start();
    }

    std::function<void(QMessageBox*)> whileopen_;
    QTimer timer_;
};
