#include "ImageManager.h"

#include <QImage>

#include <cmath>
#include <exception>

QPixmap CImageManager::GetPixmap(const QRect &rectangle) const
{
    try {
        if (!image.isValid())
            return QPixmap();
        // Only pixels inside the image are ever read.
        const QRect area
            = rectangle.intersected(QRect(0, 0, int(image.columns()), int(image.rows())));
        if (area.isEmpty())
            return QPixmap();
        QImage rgb(area.size(), QImage::Format_RGB888);
        if (rgb.isNull())
            return QPixmap();
        Magick::Image source = image;
        // Row by row: RGB888 rows may be padded to four bytes.
        for (int row = 0; row < area.height(); ++row) {
            source.write(area.left(), area.top() + row, size_t(area.width()), 1, "RGB",
                Magick::CharPixel, rgb.scanLine(row));
        }
        return QPixmap::fromImage(rgb, Qt::ColorOnly);
    } catch (const std::exception &) {
        return QPixmap();
    }
}

bool CImageManager::AddCheckerboardBackground()
{
    try {
        if (!image.isValid())
            return false;
        if (!image.matte())
            return true;
        Magick::Image background;
        background.size(Magick::Geometry(image.columns(), image.rows()));
        background.read("pattern:checkerboard");
        background.composite(image, 0, 0, Magick::AtopCompositeOp);
        image = background;
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool CImageManager::Scale(double percent)
{
    if (!image.isValid() || !(percent > 0.0))
        return false;
    const auto scaled = [percent](size_t length) {
        return size_t(qMax(1.0, std::floor(double(length) * percent / 100.0 + 0.5)));
    };
    Magick::Geometry size(scaled(image.columns()), scaled(image.rows()));
    size.aspect(true);
    bool result = true;
    try {
        AttachProgress(image);
        image.scale(size);
    } catch (const std::exception &) {
        result = false;
    }
    DetachProgress(image);
    return result;
}
