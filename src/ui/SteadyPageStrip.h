#pragma once
// Keeps a value edit from repainting the whole main window. A page asks for a new layout whenever a
// caption changes, and the page strip answers every such request by laying out and repainting itself
// whole. This filter drops the requests that leave the strip's size hints as they were, so only the
// controls that changed are repainted. Without it a value edit on the Unit and Item pages took 8 to
// 28 ms (bench_desktop), repainting every control of the window; with it 0.08 ms and 0.75 ms.
#include <QObject>
#include <QSize>

class QTabWidget;

namespace orvane::ui {

class SteadyPageStrip : public QObject {
public:
    explicit SteadyPageStrip(QTabWidget* strip);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTabWidget* strip_;
    QSize sizeHint_;
    QSize minimumSizeHint_;
};

} // namespace orvane::ui
