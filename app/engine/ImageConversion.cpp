#include "ImageConversion.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSysInfo>

#include <Magick++.h>

#include "ImageManager.h"

#include <exception>

namespace {

QString Caption(const char *text)
{
    return QCoreApplication::translate("PhotoInfo", text);
}

QString SizeText(qint64 size)
{
    if (size <= 0)
        return Caption("Size") + QStringLiteral(": N/A");
    if (size >= 1048576) {
        return Caption("Size") + QStringLiteral(": ")
            + QString::number(double(size) / 1048576.0, 'f', 2) + QLatin1Char(' ') + Caption("MB");
    }
    return Caption("Size") + QStringLiteral(": ") + QString::number(double(size) / 1024.0, 'f', 2)
        + QLatin1Char(' ') + Caption("KB");
}

} // namespace

QString CameraText(const QString &make, const QString &model)
{
    const QString makeWord = make.section(QLatin1Char(' '), 0, 0);
    QString shownModel = model;
    const qsizetype blank = model.indexOf(QLatin1Char(' '));
    const QString modelWord = blank < 0 ? model : model.left(blank);
    if (!makeWord.isEmpty() && modelWord == makeWord)
        shownModel = blank < 0 ? QString() : model.mid(blank + 1);
    return (makeWord + QLatin1Char(' ') + shownModel).trimmed();
}


QImage MagickToQImage(Magick::Image image)
{
    try {
        if (!image.isValid())
            return QImage();
        if (image.colorSpace() == Magick::CMYKColorspace)
            image.colorSpace(Magick::sRGBColorspace);
        // Without a matte channel IM6 exports whatever the opacity slots hold (after a scale,
        // leftover memory), so give the copy an opaque one first.
        if (!image.matte())
            image.matte(true);
        QImage result(int(image.columns()), int(image.rows()), QImage::Format_ARGB32);
        if (result.isNull())
            return QImage();
        // ARGB32 pixels are 32-bit words: little-endian memory holds them as B, G, R, A.
        const char *map = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "BGRA" : "ARGB";
        // 32-bit rows have no padding, so the whole image goes in one export.
        image.write(0, 0, image.columns(), image.rows(), map, Magick::CharPixel, result.bits());
        return result;
    } catch (const std::exception &) {
        return QImage();
    }
}

QPixmap PixmapWithOpacity(const QPixmap &pixmap, int opacity)
{
    if (pixmap.isNull())
        return QPixmap();
    QPixmap result(pixmap.size());
    result.setDevicePixelRatio(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
    result.fill(Qt::transparent);
    const QRectF area(QPointF(0, 0), result.deviceIndependentSize());
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(area, pixmap, QRectF(pixmap.rect()));
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.fillRect(area, QColor(0, 0, 0, qBound(0, opacity, 255)));
    painter.end();
    return result;
}

QString PhotoInfoText(const QString &path)
{
    CImageManager manager;
    const bool pinged = QFileInfo::exists(path) && manager.Ping(path);
    const SImageProperties properties = manager.GetImageProperties();
    return PhotoInfoText(path, pinged ? &properties : nullptr);
}

QString PhotoInfoText(const QString &path, const SImageProperties *properties)
{
    const QFileInfo file(path);
    if (!file.exists())
        return Caption("Photo not found");

    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const QString baseName
        = dot > slash ? path.mid(slash + 1, dot - slash - 1) : path.mid(slash + 1);
    const QString type = dot >= 0 ? path.mid(dot + 1).toUpper() : QString();

    QStringList lines;
    lines << Caption("Name") + QStringLiteral(": ") + baseName;
    lines << Caption("Type") + QStringLiteral(": ") + type;
    lines << SizeText(file.size());

    if (properties) {
        lines << Caption("Dimensions")
                + QStringLiteral(": %1x%2").arg(properties->Width).arg(properties->Height);
        const QString &date = properties->DateTimeOriginal;
        if (!date.isEmpty()) {
            lines << Caption("Date") + QStringLiteral(": ")
                    + QString::asprintf("%04d-%02d-%02d %02d:%02d", date.mid(0, 4).toInt(),
                        date.mid(5, 2).toInt(), date.mid(8, 2).toInt(), date.mid(11, 2).toInt(),
                        date.mid(14, 2).toInt());
        }
        if (!properties->Make.isEmpty() || !properties->Model.isEmpty()) {
            lines << Caption("Camera") + QStringLiteral(": ")
                    + CameraText(properties->Make, properties->Model);
        }
    }
    return lines.join(QLatin1Char('\n'));
}
