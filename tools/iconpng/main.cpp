// Draws the program's SVG icon into a PNG while building: the windows take the PNG as their icon, which
// Qt reads with no image plugin, so the start loads no SVG support. The SVG stays the installed icon.
// Usage: orvane-icon-png <icon.svg> <icon.png> <size in pixels>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <string>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <icon.svg> <icon.png> <size in pixels>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int size = std::stoi(argv[3]);
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    reader.setScaledSize(QSize(size, size));
    const QImage icon = reader.read();
    if (icon.isNull()) {
        std::fprintf(stderr, "%s: cannot draw %s: %s (Qt's SVG image plugin, package libqt6svg6, draws it)\n", argv[0],
                     argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    if (!icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
