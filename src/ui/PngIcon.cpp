#include "ui/PngIcon.h"

#include <QImageReader>
#include <QPixmap>

namespace orvane::ui {

QIcon pngIcon(std::initializer_list<QString> files)
{
    QIcon icon;
    for (const QString& file : files) {
        QImageReader reader(file, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace orvane::ui
