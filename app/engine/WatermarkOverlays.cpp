#include "WatermarkOverlays.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTransform>

#include "FilterSlots.h"
#include "StoredValues.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QString LoadTag = QStringLiteral("CImageFilters::LoadImage");

// No preview draws a logo this many pixels on a side; larger requests (a big logo at 1000 %
// on a high-density screen) would overflow the integer sizes below.
constexpr double MaximumPreviewSide = 32767.0;

// A choice saved as a whole number 0 .. count - 1, possibly with a fraction that truncation
// drops.
bool IsChoice(double value, int count)
{
    return std::isfinite(value) && value >= 0.0 && value < double(count);
}

// The integer part toward zero, plus one when the remaining fraction is at least one half.
double RoundPosition(double value)
{
    const double whole = std::trunc(value);
    return value - whole >= 0.5 ? whole + 1.0 : whole;
}

// ImageMagick reads "%d" in a name as a frame number, "[...]" as a frame or size selection,
// "coder:" as a coder, a leading "@" or "~" as a list or home folder, a leading "|" as a
// command to run and "-" as the standard input: such names go through memory, where the
// file's bytes name the format.
bool NameIsInterpreted(const QString &path)
{
    for (const QChar character : { u'%', u'[', u']', u':' }) {
        if (path.contains(character))
            return true;
    }
    return path.startsWith(QLatin1Char('@')) || path.startsWith(QLatin1Char('~'))
        || path.startsWith(QLatin1Char('|')) || path == QLatin1String("-");
}

// Throws what ImageMagick throws, and Magick::ErrorFileOpen when the file cannot be opened.
void ReadPicture(Magick::Image &picture, const QString &path)
{
    if (!NameIsInterpreted(path)) {
        picture.read(path.toUtf8().toStdString());
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Magick::ErrorFileOpen(file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    picture.read(Magick::Blob(bytes.constData(), size_t(bytes.size())));
}

void LowerAlpha(Magick::Image &image, int lowering)
{
    const size_t width = image.columns();
    const size_t height = image.rows();
    std::vector<unsigned char> pixels(width * height * 4);
    image.write(0, 0, width, height, "RGBA", Magick::CharPixel, pixels.data());
    for (size_t alpha = 3; alpha < pixels.size(); alpha += 4)
        pixels[alpha] = static_cast<unsigned char>(std::max(0, int(pixels[alpha]) - lowering));
    image.read(width, height, "RGBA", Magick::CharPixel, pixels.data());
}

} // namespace

bool ReadWatermarkLogoSettings(const SFilterRecord &record, SWatermarkLogoSettings &settings)
{
    const auto &numbers = record.numbers;
    if (!InRange(numbers[WatermarkLogoSlot::DeltaX], -30000.0, 30000.0)
        || !InRange(numbers[WatermarkLogoSlot::DeltaY], -30000.0, 30000.0)
        || !InRange(numbers[WatermarkLogoSlot::Scale], 0.0, 1000.0)
        || !IsChoice(numbers[WatermarkLogoSlot::Rotation], 360)
        || !InRange(numbers[WatermarkLogoSlot::Transparency], 0.0, 100.0))
        return false;

    settings.anchor = ChoiceOf(record, WatermarkLogoSlot::PlacementChoice);
    settings.marginX = numbers[WatermarkLogoSlot::DeltaX];
    settings.marginY = numbers[WatermarkLogoSlot::DeltaY];
    settings.scale = numbers[WatermarkLogoSlot::Scale];
    settings.rotation = int(numbers[WatermarkLogoSlot::Rotation]);
    settings.transparency = numbers[WatermarkLogoSlot::Transparency];
    settings.path = record.texts[WatermarkLogoSlot::LogoPath];
    return true;
}

bool ReadWatermarkMaskSettings(const SFilterRecord &record, SWatermarkMaskSettings &settings)
{
    const auto &numbers = record.numbers;
    if (!InRange(numbers[WatermarkMaskSlot::Transparency], 0.0, 100.0))
        return false;

    settings.rotateForPortrait
        = ChoiceAs<WatermarkMaskSlot::EPortrait>(record, WatermarkMaskSlot::PortraitChoice)
        == WatermarkMaskSlot::EPortrait::RotateMask;
    settings.transparency = numbers[WatermarkMaskSlot::Transparency];
    settings.landscapePath = record.texts[WatermarkMaskSlot::MaskPath];
    settings.portraitPath = record.texts[WatermarkMaskSlot::PortraitMaskPath];
    return true;
}

QPoint WatermarkLogoPosition(int anchor, double photoWidth, double photoHeight, double logoWidth,
    double logoHeight, double marginX, double marginY)
{
    anchor = ChoiceOf(anchor, WatermarkLogoSlot::PlacementChoice.count,
        WatermarkLogoSlot::PlacementChoice.fallback);
    const double freeWidth = photoWidth - logoWidth;
    const double freeHeight = photoHeight - logoHeight;

    double x = marginX;
    if (anchor % 3 == 1)
        x = marginX + freeWidth / 2.0;
    else if (anchor % 3 == 2)
        x = freeWidth - marginX;

    double y = marginY;
    if (anchor / 3 == 1)
        y = marginY + freeHeight / 2.0;
    else if (anchor / 3 == 2)
        y = freeHeight - marginY;

    return QPoint(int(RoundPosition(x)), int(RoundPosition(y)));
}

bool LoadImage(CSideImageCache &cache, Magick::Image &target, const QString &path,
    bool applyTransparency, double transparency)
{
    const SSideImageKey key { ESideImageReader::Overlay, path };
    if (!cache.Find(key, target)) {
        if (path.isEmpty() || !QFileInfo::exists(path))
            return false;
        Magick::Image picture;
        CountSideImageDecode();
        try {
            ReadPicture(picture, path);
        } catch (const Magick::Warning &warning) {
            LogMessage(
                LoadTag, QStringLiteral("Warning: ") + QString::fromStdString(warning.what()));
        } catch (...) {
            LogMessage(LoadTag,
                QStringLiteral("An unknown error occured while loading the watermark image."));
            return false;
        }
        // A warning may come without any picture.
        if (!picture.isValid() || picture.columns() == 0 || picture.rows() == 0) {
            LogMessage(LoadTag,
                QStringLiteral("An unknown error occured while loading the watermark image."));
            return false;
        }
        // The decoder's warning stays on the image, and its copies would raise it again.
        MagickCore::ClearMagickException(&picture.image()->exception);
        cache.Keep(key, picture);
        target = picture;
    }

    // The photos are sRGB; a colour-separation logo would composite its ink values as colours.
    if (target.colorSpace() == Magick::CMYKColorspace)
        target.colorSpace(Magick::sRGBColorspace);
    target.matte(true);
    // 50 x 2.55 is just below 127.5 in doubles, so 50 % lowers alpha by 127.
    const int lowering = int(transparency * 2.55);
    if (applyTransparency && lowering > 0)
        LowerAlpha(target, lowering);
    return true;
}

bool UpdateWatermarkLogo(QImage &logo, QRect &rectangle, const SFilterRecord &record,
    int photoWidth, int photoHeight, double scale, double pixelRatio)
{
    logo = QImage();
    rectangle = QRect();
    SWatermarkLogoSettings settings;
    if (!ReadWatermarkLogoSettings(record, settings) || !std::isfinite(scale) || scale <= 0.0)
        return false;

    QImage picture(settings.path);
    if (picture.isNull())
        return false;
    if (settings.rotation != 0) {
        picture
            = picture.transformed(QTransform().rotate(settings.rotation), Qt::SmoothTransformation);
    }

    const double ratio = std::isfinite(pixelRatio) && pixelRatio > 1.0 ? pixelRatio : 1.0;
    const double factor = settings.scale / 100.0 * ratio;
    const double width = std::trunc(double(picture.width()) * scale * factor);
    const double height = std::trunc(double(picture.height()) * scale * factor);
    if (width > MaximumPreviewSide || height > MaximumPreviewSide)
        return false;

    if (width >= 1.0 && height >= 1.0) {
        const QImage scaled = picture.scaled(
            int(width), int(height), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        logo = QImage(scaled.size(), QImage::Format_ARGB32_Premultiplied);
        if (logo.isNull())
            return false;
        logo.fill(Qt::transparent);
        QPainter painter(&logo);
        painter.setOpacity(1.0 - settings.transparency / 100.0);
        painter.drawImage(0, 0, scaled);
        painter.end();
        logo.setDevicePixelRatio(ratio);
    }

    const int boxWidth = int(double(logo.width()) / ratio);
    const int boxHeight = int(double(logo.height()) / ratio);
    const QPoint position = WatermarkLogoPosition(settings.anchor, photoWidth, photoHeight,
        boxWidth, boxHeight, settings.marginX * scale, settings.marginY * scale);
    rectangle = QRect(position.x(), position.y(), boxWidth, boxHeight);
    return true;
}
