#include "ImageManager.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <exception>
#include <thread>
#include <vector>

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

size_t CImageManager::ScaledLength(size_t length, double percent)
{
    return size_t(qMax(1.0, std::floor(double(length) * percent / 100.0 + 0.5)));
}

bool CImageManager::Scale(double percent)
{
    if (!image.isValid() || !(percent > 0.0))
        return false;
    Magick::Geometry size(
        ScaledLength(image.columns(), percent), ScaledLength(image.rows(), percent));
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

Magick::Image CImageManager::ShrunkByAverage(
    const Magick::Image &image, size_t columns, size_t rows)
{
    try {
        const size_t width = image.columns();
        const size_t height = image.rows();
        const MagickCore::ColorspaceType space = image.constImage()->colorspace;
        if (!image.isValid() || image.matte() || columns == 0 || rows == 0 || columns > width
            || rows > height
            || (space != MagickCore::sRGBColorspace && space != MagickCore::RGBColorspace
                && space != MagickCore::GRAYColorspace))
            return Magick::Image();
        const MagickCore::PixelPacket *in = image.getConstPixels(0, 0, width, height);
        if (in == nullptr)
            return Magick::Image();
        MagickCore::ExceptionInfo *exception = MagickCore::AcquireExceptionInfo();
        MagickCore::Image *made = MagickCore::CloneImage(
            image.constImage(), columns, rows, MagickCore::MagickTrue, exception);
        MagickCore::DestroyExceptionInfo(exception);
        if (made == nullptr)
            return Magick::Image();
        Magick::Image shrunk(made);
        MagickCore::PixelPacket *out = shrunk.getPixels(0, 0, columns, rows);
        if (out == nullptr)
            return Magick::Image();

        // Source column x lies in output column x * columns / width.
        std::vector<size_t> columnOf(width);
        std::vector<quint64> columnCount(columns, 0);
        for (size_t x = 0; x < width; ++x) {
            columnOf[x] = x * columns / width;
            ++columnCount[columnOf[x]];
        }
        const auto band = [&](size_t first, size_t last) {
            std::vector<quint64> sums(columns * 3);
            for (size_t row = first; row < last; ++row) {
                // The source rows whose y * rows / height is this row.
                const size_t top = (row * height + rows - 1) / rows;
                const size_t bottom = ((row + 1) * height + rows - 1) / rows;
                std::fill(sums.begin(), sums.end(), 0);
                for (size_t y = top; y < bottom; ++y) {
                    const MagickCore::PixelPacket *pixel = in + y * width;
                    for (size_t x = 0; x < width; ++x, ++pixel) {
                        quint64 *sum = &sums[columnOf[x] * 3];
                        sum[0] += pixel->red;
                        sum[1] += pixel->green;
                        sum[2] += pixel->blue;
                    }
                }
                MagickCore::PixelPacket *target = out + row * columns;
                for (size_t x = 0; x < columns; ++x, ++target) {
                    const quint64 count = columnCount[x] * (bottom - top);
                    const quint64 half = count / 2;
                    target->red = MagickCore::Quantum((sums[x * 3] + half) / count);
                    target->green = MagickCore::Quantum((sums[x * 3 + 1] + half) / count);
                    target->blue = MagickCore::Quantum((sums[x * 3 + 2] + half) / count);
                    target->opacity = 0;
                }
            }
        };
        const size_t threads = std::clamp<size_t>(
            size_t(MagickCore::GetMagickResourceLimit(MagickCore::ThreadResource)), 1, rows);
        std::vector<std::thread> workers;
        for (size_t part = 1; part < threads; ++part)
            workers.emplace_back(band, rows * part / threads, rows * (part + 1) / threads);
        band(0, rows / threads);
        for (std::thread &worker : workers)
            worker.join();
        shrunk.syncPixels();
        return shrunk;
    } catch (const std::exception &) {
        return Magick::Image();
    }
}
