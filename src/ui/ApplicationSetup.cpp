#include "ui/ApplicationSetup.h"

#include <QApplication>

#include "ui/AccessibleNames.h"
#include "ui/PngIcon.h"
#include "ui/ProgramStyle.h"

// The icon is compiled into this library; a static library's resources are registered by hand.
static void registerIcon() { Q_INIT_RESOURCE(icons); }

namespace orvane::ui {

void setUpApplication(QApplication& app)
{
    registerIcon();
    QApplication::setApplicationName(QStringLiteral("orvane-editor"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.Editor"));
    QApplication::setWindowIcon(pngIcon({QStringLiteral(":/icons/org.orvane.Editor.png")}));
    QApplication::setStyle(new ProgramStyle);
    nameControlsOfEveryWindow(app);
}

} // namespace orvane::ui
