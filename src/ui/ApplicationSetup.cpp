#include "ui/ApplicationSetup.h"

#include <QApplication>
#include <QIcon>

#include "ui/AccessibleNames.h"

// The icon is compiled into this library; a static library's resources are registered by hand.
static void registerIcon() { Q_INIT_RESOURCE(icons); }

namespace orvane::ui {

void setUpApplication(QApplication& app)
{
    registerIcon();
    QApplication::setApplicationName(QStringLiteral("orvane-editor"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.Editor"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.orvane.Editor.png")));
    nameControlsOfEveryWindow(app);
}

} // namespace orvane::ui
