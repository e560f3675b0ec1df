#pragma once
// The font of every control that shows the game's text: "Terminal", or the system's fixed-pitch font.
#include <QFont>

class QWidget;

namespace orvane::ui {

QFont gameFont();
void useGameFont(QWidget* widget);

} // namespace orvane::ui
