#include "ui/GameFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QWidget>

namespace orvane::ui {
namespace {

const QString Terminal = QStringLiteral("Terminal");

// Asked once. A family that is not installed (or an alias such as "monospace") sends the font
// database to fontconfig for a substitute for every font made from it; an installed family is found
// at once.
QString installedFamily()
{
    if (QFontDatabase::families().contains(Terminal)) return Terminal;
    return QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
}

} // namespace

QFont gameFont()
{
    static const QString family = installedFamily();
    if (family == Terminal) {
        QFont terminal(Terminal);
        terminal.setStyleHint(QFont::TypeWriter);
        return terminal;
    }
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setFamily(family);
    return fixed;
}

void useGameFont(QWidget* widget)
{
    widget->setFont(gameFont());
}

} // namespace orvane::ui
