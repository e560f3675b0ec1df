#pragma once
// For the start-up benchmark: the program ends as soon as its main window has been painted once,
// so the time from launch to exit is the time to a window on screen.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace orvane::bench {

class QuitAfterFirstPaint : public QObject {
public:
    QuitAfterFirstPaint(QWidget& window, QObject* parent) : QObject(parent), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!quitting_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_) {
            quitting_ = true;
            // Quit once the whole window has been painted, not after its first widget.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    QWidget& window_;
    bool quitting_ = false;
};

inline void quitWhenShown(QWidget& window) { qApp->installEventFilter(new QuitAfterFirstPaint(window, qApp)); }

} // namespace orvane::bench
