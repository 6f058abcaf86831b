#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <vector>

// Closes every modal message box, the help box among them, that opens while it lives and
// remembers what each showed. `whileopen` runs once per box before it is closed, and may
// close it itself.
class BoxWatch {
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        int buttons;
    };

    explicit BoxWatch(std::function<void(QDialog*)> whileopen = {})
        : whileopen_(std::move(whileopen)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(10);
    }

    std::vector<Seen> seen;

private:
    void poll() {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        if (auto* message = qobject_cast<QMessageBox*>(box)) {
            seen.push_back({box->windowTitle(), message->text(), message->icon(),
                            static_cast<int>(message->buttons().size())});
        } else if (const auto* help = box->findChild<QLabel*>("HelpText")) {
            seen.push_back({box->windowTitle(), help->text(), QMessageBox::NoIcon,
                            static_cast<int>(box->findChildren<QAbstractButton*>().size())});
        } else {
            return;
        }
        // `whileopen` may wait, and the same box must not count twice meanwhile.
        timer_.stop();
        if (whileopen_) whileopen_(box);
        if (box->isVisible()) box->done(QMessageBox::Ok);
        timer_.start();
    }

    std::function<void(QDialog*)> whileopen_;
    QTimer timer_;
};
