#include "ui/SteadyPageStrip.h"

#include <QEvent>
#include <QTabWidget>

namespace orvane::ui {

SteadyPageStrip::SteadyPageStrip(QTabWidget* strip) : QObject(strip), strip_(strip) { strip->installEventFilter(this); }

bool SteadyPageStrip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != strip_ || event->type() != QEvent::LayoutRequest) return false;
    const QSize hint = strip_->sizeHint();
    const QSize minimum = strip_->minimumSizeHint();
    if (hint == sizeHint_ && minimum == minimumSizeHint_) return true;
    sizeHint_ = hint;
    minimumSizeHint_ = minimum;
    return false;
}

} // namespace orvane::ui
