#include "ui/ApplicationSetup.h"

#include <QApplication>

#include "ui/PngIcon.h"
#include "ui/ProgramStyle.h"

// The icon is compiled into this library; a static library's resources are registered by hand.
static void registerIcon() { Q_INIT_RESOURCE(icons); }

namespace orvane::ui {

void setUpApplication(QApplication& app)
{
    registerIcon();
    app.setApplicationName(QStringLiteral("orvane-editor"));
    app.setDesktopFileName(QStringLiteral("org.orvane.Editor"));
    app.setWindowIcon(pngIcon({QStringLiteral(":/icons/org.orvane.Editor.png")}));
    app.setStyle(new ProgramStyle);
}

} // namespace orvane::ui
