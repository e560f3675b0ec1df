#include "ui/ProgramStyle.h"

#include <QGuiApplication>
#include <QWidget>
#include <initializer_list>

#include "ui/PngIcon.h"

namespace orvane::ui {
namespace {

const QString QtImages = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

// Qt's own files of an arrow, one per size.
QStringList arrowFiles(const QString& name, std::initializer_list<int> sizes)
{
    QStringList files;
    for (const int size : sizes) files << QtImages + name + QString::number(size) + QStringLiteral(".png");
    return files;
}

QIcon overflowArrow(QStyle::StandardPixmap standardIcon, const QWidget* widget)
{
    if (standardIcon == QStyle::SP_ToolBarVerticalExtensionButton)
        return pngIcon(arrowFiles(QStringLiteral("toolbar-ext-v-"), {5, 10, 20}));
    const bool rightToLeft =
        (widget != nullptr ? widget->layoutDirection() : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
    return pngIcon(arrowFiles(rightToLeft ? QStringLiteral("toolbar-ext-h-rtl-") : QStringLiteral("toolbar-ext-h-"),
                              {8, 16, 32}));
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
