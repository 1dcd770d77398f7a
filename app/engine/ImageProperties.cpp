#include "ImageProperties.h"

#include <QStringList>

#include <Magick++.h>

#include "RawDecoder.h"

#include <cmath>
#include <exception>

namespace {

// A number as text with at most `decimals` decimals and no trailing zeros: 28.56, 28, 0.5.
QString TrimmedNumber(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

// "a/b" as a number; a piece that is not a number reads as 0, and so does a zero denominator.
double RationalValue(const QString &text)
{
    const QStringList pieces = text.split(QLatin1Char('/'));
    const double numerator = pieces.value(0).trimmed().toDouble();
    if (pieces.size() < 2)
        return numerator;
    const double denominator = pieces.value(1).trimmed().toDouble();
    return denominator != 0.0 ? numerator / denominator : 0.0;
}

QString Attribute(Magick::Image &image, const char *name)
{
    try {
        return QString::fromStdString(image.attribute(name)).trimmed();
    } catch (const std::exception &) {
        return QString();
    }
}

} // namespace

QString ApertureText(const QString &fNumber)
{
    const QStringList pieces = fNumber.split(QLatin1Char('/'));
    if (pieces.size() < 2)
        return QString();
    const double numerator = pieces[0].trimmed().toDouble();
    const double denominator = pieces[1].trimmed().toDouble();
    if (denominator <= 0.0 || numerator <= 0.0)
        return QString();
    const double value = std::round(numerator / denominator * 10.0) / 10.0;
    return QStringLiteral("f/%1").arg(value, 0, 'g');
}

QString ExposureText(const QString &exposureTime)
{
    const QStringList pieces = exposureTime.split(QLatin1Char('/'));
    if (pieces.size() < 2)
        return QString();
    const double numerator = pieces[0].trimmed().toDouble();
    const double denominator = pieces[1].trimmed().toDouble();
    if (numerator <= 0.0 || denominator <= 0.0)
        return QString();
    const double seconds = numerator / denominator;
    if (seconds >= 0.5)
        return QStringLiteral("%1 sec").arg(TrimmedNumber(seconds, 1));
    const double reciprocal = denominator / numerator;
    return QStringLiteral("1/%1 sec").arg(TrimmedNumber(reciprocal, reciprocal < 10.0 ? 1 : 0));
}

QString GPSCoordinateText(const QString &value, const QString &reference)
{
    QString compact = value;
    compact.remove(QLatin1Char(' '));
    const QStringList pieces = compact.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (pieces.size() < 3)
        return QString();
    return TrimmedNumber(RationalValue(pieces[0]), 4) + QChar(0x00B0)
        + TrimmedNumber(RationalValue(pieces[1]), 4) + QLatin1Char('\'')
        + TrimmedNumber(RationalValue(pieces[2]), 2) + QLatin1Char('"') + reference;
}

QString GPSAltitudeText(const QString &altitude, const QString &reference)
{
    const QStringList pieces = altitude.split(QLatin1Char('/'));
    if (pieces.size() < 2)
        return QString();
    const double numerator = pieces[0].trimmed().toFloat();
    const double denominator = pieces[1].trimmed().toFloat();
    const double value = denominator > 0.0 ? numerator / denominator : numerator;
    const QString sign = reference == QLatin1String("1") ? QStringLiteral("-") : QString();
    return sign + QString::asprintf("%.1f m", value);
}

void ReadImageProperties(Magick::Image &image, SImageProperties &properties)
{
    properties.Make.clear();
    properties.Model.clear();
    properties.Width = image.columns();
    properties.Height = image.rows();

    properties.DateTimeOriginal = Attribute(image, "EXIF:DateTimeOriginal");
    properties.Make = Attribute(image, "EXIF:Make");
    properties.Model = Attribute(image, "EXIF:Model");

    properties.GPSPosition.clear();
    properties.GPSLatitude.clear();
    properties.GPSLongitude.clear();
    const QString latitude = GPSCoordinateText(
        Attribute(image, "EXIF:GPSLatitude"), Attribute(image, "EXIF:GPSLatitudeRef"));
    const QString longitude = GPSCoordinateText(
        Attribute(image, "EXIF:GPSLongitude"), Attribute(image, "EXIF:GPSLongitudeRef"));
    if (!latitude.isEmpty() && !longitude.isEmpty()) {
        properties.GPSLatitude = latitude;
        properties.GPSLongitude = longitude;
        properties.GPSPosition = latitude + QLatin1Char(' ') + longitude;
    }

    const QString orientation = Attribute(image, "EXIF:Orientation");
    bool number = false;
    const int orientationValue = orientation.toInt(&number);
    properties.Orientation = number ? orientationValue : 0;

    properties.GPSAltitude = GPSAltitudeText(
        Attribute(image, "EXIF:GPSAltitude"), Attribute(image, "EXIF:GPSAltitudeRef"));
    properties.Aperture = ApertureText(Attribute(image, "exif:FNumber"));
    properties.Exposure = ExposureText(Attribute(image, "exif:ExposureTime"));
    // ImageMagick 6.9 knows tag 0x8827 by its EXIF 2.3 name.
    QString iso = Attribute(image, "exif:ISOSpeedRatings");
    if (iso.isEmpty())
        iso = Attribute(image, "exif:PhotographicSensitivity");
    properties.ISO = iso.isEmpty() ? QString() : QStringLiteral("ISO-") + iso;
    properties.FocalLength = Attribute(image, "exif:FocalLength");
    properties.Flash = Attribute(image, "exif:Flash");

    const QString colorSpace = Attribute(image, "exif:ColorSpace");
    properties.ColorSpace = colorSpace.isEmpty() ? 0 : (colorSpace == QLatin1String("1") ? 1 : 2);

    properties.XResolution = image.xResolution();
    properties.YResolution = image.yResolution();
    properties.ResolutionUnit
        = image.resolutionUnits() == Magick::PixelsPerCentimeterResolution ? 2 : 1;

    properties.Artist = Attribute(image, "exif:Artist");
    properties.Copyright = Attribute(image, "exif:Copyright");
}

void ReadRawProperties(const SRawDecodeOptions &options, SImageProperties &properties)
{
    properties.Width = quint64(qMax(0, options.rawWidth));
    properties.Height = quint64(qMax(0, options.rawHeight));
    properties.DateTimeOriginal = options.dateText;
    properties.Make = options.make;
    properties.Model = options.model;
    properties.XResolution = 72.0;
    properties.YResolution = 72.0;
    properties.ResolutionUnit = 1;
}
