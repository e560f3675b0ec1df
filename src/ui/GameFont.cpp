#include "ui/GameFont.h"

#include <QFontDatabase>
#include <QWidget>

namespace orvane::ui {
namespace {

const QString Terminal = QStringLiteral("Terminal");

// The installed family of the system's fixed-pitch font, found once. A family that is not installed
// (an alias such as "monospace") would send the font database to fontconfig for a substitute each
// time a font is made from it; an installed one is found at once. Finding it loads no font file.
QString installedFixedFamily()
{
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontDatabase::families().contains(fixed.family())) return fixed.family();
    fixed.setStyleHint(QFont::TypeWriter);
    return fixed.defaultFamily();
}

} // namespace

QFont gameFont()
{
    static const bool haveTerminal = QFontDatabase::families().contains(Terminal);
    if (haveTerminal) {
        QFont terminal(Terminal);
        terminal.setStyleHint(QFont::TypeWriter);
        return terminal;
    }
    static const QString fixedFamily = installedFixedFamily();
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setFamily(fixedFamily);
    return fixed;
}

void useGameFont(QWidget* widget) { widget->setFont(gameFont()); }

} // namespace orvane::ui
