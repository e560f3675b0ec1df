#include "ui/PngIcon.h"

#include <QFile>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <optional>

namespace orvane::ui {
namespace {

QIcon readPngs(const QStringList& files)
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

class PngIconEngine : public QIconEngine {
public:
    explicit PngIconEngine(QStringList files) : files_(std::move(files)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override
    {
        return std::none_of(files_.begin(), files_.end(), [](const QString& file) { return QFile::exists(file); });
    }
    QIconEngine* clone() const override { return new PngIconEngine(files_); }

private:
    const QIcon& icon()
    {
        if (!icon_) icon_ = readPngs(files_);
        return *icon_;
    }

    QStringList files_;
    std::optional<QIcon> icon_;
};

} // namespace

QIcon pngIcon(const QStringList& files) { return QIcon(new PngIconEngine(files)); }

} // namespace orvane::ui
