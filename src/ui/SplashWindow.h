#pragma once
// The first window of the program. It goes at the first click on it or on one of its
// labels, or after 3.5 seconds, and then the main window is opened, once.
#include <QWidget>
#include <functional>

class QTimer;

namespace orvane::ui {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(std::function<void()> openMainWindow, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void finish();

    std::function<void()> openMainWindow_;
    QTimer* timer_;
    bool finished_ = false;
};

} // namespace orvane::ui
