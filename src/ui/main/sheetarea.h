#pragma once

#include <QWidget>
#include <functional>
#include <utility>

// The main window's client area below the menu bar. Its controls are laid out in
// proportion to its size, so it tells of every resize.
class SheetArea : public QWidget {
public:
    using QWidget::QWidget;

    void onresize(std::function<void()> handler) { resized_ = std::move(handler); }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (resized_) resized_();
    }

private:
    std::function<void()> resized_;
};
