#include "ui/ProgramStyle.h"

#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QWidget>
#include <initializer_list>

#include "ui/PngIcon.h"

namespace orvane::ui {
namespace {

// More rectangles than this, and the frame is drawn at once.
constexpr int MostFramePieces = 8;

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
    return pngIcon(
        arrowFiles(rightToLeft ? QStringLiteral("toolbar-ext-h-rtl-") : QStringLiteral("toolbar-ext-h-"), {8, 16, 32}));
}

// The area a widget's paint event paints, in the painter's coordinates; empty when the painter is not
// painting a widget on screen, or scales.
QRegion areaBeingPainted(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    const QTransform toDevice = painter.deviceTransform();
    if (engine == nullptr || toDevice.isScaling() || toDevice.isRotating()) return {};
    return toDevice.inverted().map(engine->systemClip());
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

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    const QRegion painted = element == PE_FrameTabWidget ? areaBeingPainted(*painter) : QRegion();
    if (painted.rectCount() < 2 || painted.rectCount() > MostFramePieces) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Each pixel lies in one piece, and is drawn there as the whole frame would draw it.
    for (const QRect& piece : painted) {
        painter->save();
        painter->setClipRect(piece, Qt::IntersectClip);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        painter->restore();
    }
}

} // namespace orvane::ui
