#include "ui/GameFont.h"

#include <QFontDatabase>
#include <QWidget>

namespace orvane::ui {

QFont gameFont()
{
    if (QFontDatabase::hasFamily(QStringLiteral("Terminal"))) {
        QFont terminal(QStringLiteral("Terminal"));
        terminal.setStyleHint(QFont::TypeWriter);
        return terminal;
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

void useGameFont(QWidget* widget)
{
    widget->setFont(gameFont());
}

} // namespace orvane::ui
