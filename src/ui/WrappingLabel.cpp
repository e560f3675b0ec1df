#include "ui/WrappingLabel.h"

#include <QEvent>

namespace orvane::ui {

WrappingLabel::WrappingLabel(const QString& text, QWidget* parent) : QLabel(text, parent) { setWordWrap(true); }

int WrappingLabel::heightForWidth(int width) const
{
    if (text() != measuredText_) {
        heights_.clear();
        measuredText_ = text();
    }
    const auto known = heights_.constFind(width);
    if (known != heights_.cend()) return *known;
    const int height = QLabel::heightForWidth(width);
    heights_.insert(width, height);
    return height;
}

void WrappingLabel::changeEvent(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::FontChange || type == QEvent::StyleChange || type == QEvent::ContentsRectChange)
        heights_.clear();
    QLabel::changeEvent(event);
}

} // namespace orvane::ui
