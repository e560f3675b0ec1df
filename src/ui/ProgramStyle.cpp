#include "ui/ProgramStyle.h"

#include <QGuiApplication>
#include <QWidget>

#include "ui/PngIcon.h"

namespace orvane::ui {
namespace {

const QString QtImages = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

QIcon overflowArrow(QStyle::StandardPixmap standardIcon, const QWidget* widget)
{
    if (standardIcon == QStyle::SP_ToolBarVerticalExtensionButton) {
        return pngIcon({QtImages + QStringLiteral("toolbar-ext-v-5.png"), QtImages + QStringLiteral("toolbar-ext-v-10.png"),
                        QtImages + QStringLiteral("toolbar-ext-v-20.png")});
    }
    const bool rightToLeft =
        (widget != nullptr ? widget->layoutDirection() : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
    const QString name = QtImages + (rightToLeft ? QStringLiteral("toolbar-ext-h-rtl-") : QStringLiteral("toolbar-ext-h-"));
    return pngIcon({name + QStringLiteral("8.png"), name + QStringLiteral("16.png"), name + QStringLiteral("32.png")});
}

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton || standardIcon == SP_ToolBarVerticalExtensionButton) {
        // Should a later Qt not have these files, the style's own icon is used.
        if (QIcon arrow = overflowArrow(standardIcon, widget); !arrow.isNull()) return arrow;
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace orvane::ui
