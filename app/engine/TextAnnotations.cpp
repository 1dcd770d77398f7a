#include "TextAnnotations.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QPainterPath>
#include <QStringDecoder>
#include <QStringList>
#include <QSysInfo>
#include <QTime>
#include <QTransform>

#include "ExifDate.h"
#include "FilterSlots.h"
#include "ImageConversion.h"
#include "ImageManager.h"
#include "StoredValues.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <optional>
#include <utility>

namespace {

const QString CommentTag = QStringLiteral("CImageFilters::UpdateComment");
const QString DateTag = QStringLiteral("CImageFilters::UpdateDate");
const QString WatermarkTag = QStringLiteral("CImageFilters::UpdateWatermarkText");

// Beyond this a single line is taller than the largest image ImageMagick accepts here.
constexpr int MaximumPointSize = 12000;

bool Fail(const QString &tag, const QString &reason)
{
    LogMessage(tag, reason);
    return false;
}

// A record value as a whole number (truncated toward zero) when it lies in low..high.
std::optional<int> WholeIn(double value, int low, int high)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double whole = std::trunc(value);
    if (whole < low || whole > high)
        return std::nullopt;
    return int(whole);
}

bool IsOn(double value)
{
    return std::isfinite(value) && value != 0.0;
}

QColor WithAlpha(QRgb rgb, int alpha)
{
    return QColor(qRed(rgb), qGreen(rgb), qBlue(rgb), alpha);
}

// 0 % transparent is opaque, 100 % invisible.
int AlphaOf(int transparency)
{
    return 255 - transparency * 255 / 100;
}

// Truncation that ignores the last bits of floating-point noise: sin(30°) * 10 must give 5,
// not 4.
int SteadyTrunc(double value)
{
    return int(std::trunc(value + (value >= 0.0 ? 1e-9 : -1e-9)));
}

struct STextFont
{
    QFont font;
    int lineHeight = 0;
    int descent = 0;
    double sizeInUse = 0.0; // the record's size times 2.5 plus the hi-DPI growth
    double ratio = 1.0; // the pixel ratio the font was grown for
};

// Fonts are resolved at 96 dpi, the logical resolution Qt gives every screen, so that a batch
// run draws the same sizes whatever display the machine has, or none.
QFont AtLogicalDpi(const QFont &font)
{
    QImage reference(1, 1, QImage::Format_ARGB32_Premultiplied);
    reference.setDotsPerMeterX(3780);
    reference.setDotsPerMeterY(3780);
    return QFont(font, &reference);
}

std::optional<STextFont> MakeFont(const QString &family, double size, bool bold, bool italic,
    bool underline, bool strikeOut, double pixelRatio)
{
    if (!std::isfinite(size))
        return std::nullopt;
    const double pointSize = std::abs(size) * 2.5;
    if (pointSize < 1.0 || pointSize >= MaximumPointSize + 1.0)
        return std::nullopt;
    const int points = int(pointSize);

    QFont font(family);
    font.setPointSize(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    font = AtLogicalDpi(font);

    STextFont result;
    int grown = points;
    if (std::isfinite(pixelRatio) && pixelRatio > 1.0) {
        result.ratio = pixelRatio;
        const double wanted = QFontMetrics(font).height() * pixelRatio;
        // A font that stops growing (a bitmap face) must not keep the loop going.
        const int limit = int(std::min(double(MaximumPointSize), points * pixelRatio * 2.0 + 8));
        while (QFontMetrics(font).height() < wanted && grown < limit)
            font.setPointSize(++grown);
    }
    const QFontMetrics metrics(font);
    result.font = font;
    result.lineHeight = metrics.height();
    result.descent = metrics.descent();
    result.sizeInUse = pointSize + (grown - points);
    return result;
}

// Italic glyphs lean past their advance; the box is widened by 5 % to keep them whole.
int TextWidth(const STextFont &font, const QString &text)
{
    const int width = QFontMetrics(font.font).horizontalAdvance(text);
    return font.font.italic() ? int(width * 0.05 + width) : width;
}

// Comment and Watermark-Text: a solid fill, and from 17 points on a half-transparent outline
// in a colour that contrasts with the fill.
QPen TextPen(const STextFont &font, QRgb colour, int alpha)
{
    if (font.sizeInUse < 17.0)
        return QPen(WithAlpha(colour, alpha), 1);
    const bool dark = qRed(colour) + qGreen(colour) + qBlue(colour) <= 193;
    const QRgb contrast = dark ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    return QPen(WithAlpha(contrast, alpha / 2), 1);
}

QImage TransparentImage(int width, int height)
{
    if (width < 1 || height < 1)
        return QImage();
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (!image.isNull())
        image.fill(Qt::transparent);
    return image;
}

void DrawPath(QImage &image, const QPainterPath &glyphs, const QBrush &brush, const QPen &pen,
    double opacity = 1.0)
{
    QPainterPath path = glyphs;
    path.setFillRule(Qt::WindingFill);
    QPainter painter(&image);
    painter.setRenderHints(
        QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.setOpacity(opacity);
    painter.setBrush(brush);
    painter.setPen(pen);
    painter.drawPath(path.simplified());
}

QImage Scaled(const QImage &image, double scale)
{
    if (scale == 1.0 || image.isNull())
        return image;
    const int width = std::max(1, int(image.width() * scale));
    const int height = std::max(1, int(image.height() * scale));
    return image.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage Rotated(const QImage &image, int degrees)
{
    if (degrees % 360 == 0 || image.isNull())
        return image;
    return image.transformed(QTransform().rotate(degrees), Qt::SmoothTransformation);
}

// Sizes leave the functions in the caller's logical pixels.
int Logical(int pixels, double ratio)
{
    return int(pixels / ratio);
}

bool ValidScale(double scale)
{
    return std::isfinite(scale) && scale > 0.0;
}

// Replaces every keyword in one pass, so a value that itself holds a keyword (a file named
// "[Path].jpg", an EXIF artist text) is stamped as it is and never expanded further.
QString ReplaceKeywords(const QString &text, const QList<std::pair<QString, QString>> &keywords)
{
    QString result;
    result.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        bool replaced = false;
        if (text[at] == QLatin1Char('[')) {
            for (const auto &[keyword, value] : keywords) {
                if (QStringView(text).mid(at).startsWith(keyword)) {
                    result += value;
                    at += keyword.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            result += text[at++];
    }
    return result;
}

QString DotsPerInchText(double resolution, qint32 unit)
{
    return QString::number(unit == 2 ? resolution * 2.54 : resolution, 'g', 6);
}

// The process-wide cache of the last sequential-text file. Every batch worker and preview
// thread reads it; `lock` guards `path` and `lines`.
struct SSequentialTexts
{
    QMutex lock;
    QString path;
    QStringList lines;
};

SSequentialTexts &SequentialTexts()
{
    static SSequentialTexts texts;
    return texts;
}

// Line (number modulo the line count) of the file; false when it cannot be read.
bool SequentialText(const QString &path, int number, QString &text)
{
    SSequentialTexts &cache = SequentialTexts();
    const QMutexLocker locker(&cache.lock);
    if (cache.path != path || cache.lines.isEmpty()) {
        LogMessage(WatermarkTag, QStringLiteral("Load text file with sequential texts"));
        QFile file(path);
        if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
            return false;
        // Text mode drops the CR of CR LF lines; the decoder drops a leading byte-order mark.
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString whole = decoder.decode(file.readAll());
        cache.lines = whole.split(QLatin1Char('\n'));
        cache.path = path;
    }
    const qsizetype count = cache.lines.size();
    qsizetype index = number % count;
    if (index < 0)
        index += count;
    text = cache.lines[index];
    return true;
}

// A moment kept as a wall-clock time: EXIF dates carry no zone, and corrections must move
// the clock by whole hours and days even across a daylight-saving change.
QDateTime WallClock(const QDateTime &local)
{
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

// The EXIF "YYYY:MM:DD HH:MM:SS" text as a moment; invalid when a part is missing or no
// number, out of range, or names no real day (31 February).
QDateTime ExifMoment(const QString &exifDate)
{
    const SExifDate read = ReadExifDate(exifDate);
    if (!read.complete || !read.InRange())
        return QDateTime();
    const QDate date(read.year, read.month, read.day);
    if (!date.isValid())
        return QDateTime();
    return QDateTime(date, QTime(read.hour, read.minute, read.second), Qt::UTC);
}

int OffsetPart(const QString &offset, qsizetype position, qsizetype length)
{
    bool ok = false;
    const int value = offset.mid(position, length).toInt(&ok);
    return ok ? value : 0;
}

QString DatePart(const QDate &date, int layout, int separator)
{
    static const char *const monthNames[]
        = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
    const QString month = layout < 6 ? QString::fromLatin1(monthNames[date.month() - 1])
                                     : QString::asprintf("%02d", date.month());
    const QString day = QString::asprintf("%02d", date.day());
    // Two-digit years are the year within its century, never negative or three digits.
    const QString year = layout % 2 == 1
        ? QString::asprintf("%02d", (date.year() % 100 + 100) % 100)
        : QString::asprintf("%04d", date.year());

    if (separator == 4 && (layout == 0 || layout == 1 || layout == 6 || layout == 7))
        return month + QLatin1Char(' ') + day + QStringLiteral(", ") + year;

    static constexpr char separators[] = { ' ', '-', '/', '.', ',' };
    static_assert(std::size(separators) == size_t(DateSlot::SeparatorChoice.count));
    const QChar c = QLatin1Char(separators[separator]);
    switch (layout % 6) {
    case 0:
    case 1:
        return month + c + day + c + year;
    case 2:
    case 3:
        return day + c + month + c + year;
    default:
        return year + c + month + c + day;
    }
}

QString TimePart(const QTime &time, int layout)
{
    const bool twelveHour = layout == 0 || layout == 1;
    const int hour = twelveHour ? (time.hour() % 12 == 0 ? 12 : time.hour() % 12) : time.hour();
    QString text = QString::asprintf("%02d:%02d", hour, time.minute());
    if (layout == 1 || layout == 3)
        text += QString::asprintf(":%02d", time.second());
    if (twelveHour)
        text += time.hour() < 12 ? QStringLiteral(" AM") : QStringLiteral(" PM");
    return text;
}

// The Date's fill: the texture image (kept in the filters' side-image cache) as a brush
// pattern.
bool TextureBrush(QBrush &brush, const QString &path, CImageFilters &filters)
{
    const SSideImageKey key { ESideImageReader::Texture, path };
    Magick::Image texture;
    if (!filters.sideImages->Find(key, texture)) {
        if (path.isEmpty())
            return Fail(DateTag, QStringLiteral("No texture image was chosen"));
        // The engine's own reader: it refuses unknown formats, decompression bombs and file
        // names that ImageMagick would interpret.
        CImageManager reader;
        CountSideImageDecode();
        if (!reader.Read(path))
            return Fail(DateTag, QStringLiteral("The texture image cannot be read: ") + path);
        filters.sideImages->Keep(key, reader.image);
        texture = reader.image;
    }
    texture.type(Magick::TrueColorMatteType);
    const QImage pattern = MagickToQImage(texture);
    if (pattern.isNull())
        return Fail(DateTag, QStringLiteral("The texture image cannot be converted: ") + path);
    brush = QBrush(pattern);
    return true;
}

} // namespace

void SetSourcePath(CImageFilters &filters, const QString &sourcePath)
{
    filters.sourcePath = sourcePath;
    filters.SplitSourcePath();
}

QString ExpandCommentKeywords(const QString &text, const CImageFilters &filters)
{
    return ReplaceKeywords(text,
        {
            { QStringLiteral("[Filename]"), filters.baseName },
            { QStringLiteral("[Ext]"), filters.extension },
            { QStringLiteral("[Folder]"), filters.folderName },
            { QStringLiteral("[Path]"), QDir::toNativeSeparators(filters.folder) },
        });
}

QString ExpandWatermarkKeywords(const QString &text, const CImageFilters &filters)
{
    const SImageProperties &photo = filters.properties;
    return ReplaceKeywords(text,
        {
            { QStringLiteral("[Copyright]"), QString(QChar(0x00A9)) },
            { QStringLiteral("[Registered]"), QString(QChar(0x00AE)) },
            { QStringLiteral("[Trademark]"), QString(QChar(0x2122)) },
            { QStringLiteral("[Servicemark]"), QString(QChar(0x2120)) },
            { QStringLiteral("[Filename]"), filters.baseName },
            { QStringLiteral("[Ext]"), filters.extension },
            { QStringLiteral("[Folder]"), filters.folderName },
            { QStringLiteral("[Path]"), QDir::toNativeSeparators(filters.sourcePath) },
            { QStringLiteral("[OriginArtist]"), photo.Artist },
            { QStringLiteral("[OriginCopyright]"), photo.Copyright },
            { QStringLiteral("[OriginDate]"), photo.DateTimeOriginal },
            { QStringLiteral("[ImageDimensions]"),
                QString::number(photo.Width) + QStringLiteral(" x ")
                    + QString::number(photo.Height) },
            { QStringLiteral("[ImageResolution]"),
                DotsPerInchText(photo.XResolution, photo.ResolutionUnit) + QStringLiteral(" dpi x ")
                    + DotsPerInchText(photo.YResolution, photo.ResolutionUnit)
                    + QStringLiteral(" dpi") },
            { QStringLiteral("[CameraMaker]"), photo.Make },
            { QStringLiteral("[CameraModel]"), photo.Model },
            { QStringLiteral("[CameraFstop]"), photo.Aperture },
            { QStringLiteral("[CameraExposure]"), photo.Exposure },
            { QStringLiteral("[CameraISO]"), photo.ISO },
            { QStringLiteral("[CameraFocalLength]"), photo.FocalLength },
            { QStringLiteral("[CameraFlash]"), photo.Flash },
            { QStringLiteral("[GPSLatitude]"), photo.GPSLatitude },
            { QStringLiteral("[GPSLongitude]"), photo.GPSLongitude },
            { QStringLiteral("[GPSAltitude]"), photo.GPSAltitude },
        });
}

bool GetAnchorRect(QRect &rect, int anchor, double photoWidth, double photoHeight, double marginX,
    double marginY, double width, double height)
{
    if (anchor < 0 || anchor > 8)
        return false;
    double x = marginX;
    if (anchor % 3 == 1)
        x = (photoWidth - width) * 0.5 + marginX;
    else if (anchor % 3 == 2)
        x = photoWidth - width - marginX;
    double y = marginY;
    if (anchor / 3 == 1)
        y = (photoHeight - height) * 0.5 + marginY;
    else if (anchor / 3 == 2)
        y = photoHeight - height - marginY;
    rect = QRect(int(std::trunc(x)), int(std::trunc(y)), int(width), int(height));
    return true;
}

bool FormatDate(QString &text, const QString &sourcePath, const QString &exifDate, int shown,
    int dateLayout, int timeLayout, int separator, const QString &offset, const QDateTime &now)
{
    text.clear();
    if (shown < 0 || shown > 5 || dateLayout < 0 || dateLayout > 11 || timeLayout < 0
        || timeLayout > 3)
        return false;
    separator
        = ChoiceOf(separator, DateSlot::SeparatorChoice.count, DateSlot::SeparatorChoice.fallback);

    QDateTime moment;
    if (shown <= 2) {
        moment = ExifMoment(exifDate);
        if (!moment.isValid()) {
            const QDateTime modified = QFileInfo(sourcePath).lastModified();
            if (!modified.isValid())
                return false;
            moment = WallClock(modified);
        }
    } else {
        moment = WallClock(now.isValid() ? now : QDateTime::currentDateTime());
    }

    const int hours = OffsetPart(offset, 12, 3);
    const int minutes = OffsetPart(offset, 15, 3);
    const int seconds = OffsetPart(offset, 18, 3);
    moment = moment.addYears(OffsetPart(offset, 0, 5))
                 .addMonths(OffsetPart(offset, 5, 3))
                 .addDays(OffsetPart(offset, 8, 3))
                 .addSecs((qint64(hours) * 60 + minutes) * 60 + seconds);
    if (!moment.isValid() || moment.date().year() < 1)
        return false;

    const QString date = DatePart(moment.date(), dateLayout, separator);
    const QString time = TimePart(moment.time(), timeLayout);
    switch (shown % 3) {
    case 0:
        text = date + QLatin1Char(' ') + time;
        break;
    case 1:
        text = date;
        break;
    default:
        text = time;
        break;
    }
    return true;
}

bool UpdateComment(QImage &image, QRect &rect, const SFilterRecord &record,
    const CImageFilters &filters, int photoWidth, int photoHeight, double scale, int offsetX,
    int offsetY, double pixelRatio)
{
    image = QImage();
    rect = QRect();
    const auto &value = record.numbers;
    const int anchor = ChoiceOf(record, CommentSlot::PlacementChoice);
    if (!InRange(value[CommentSlot::DeltaX], -100.0, 100.0)
        || !InRange(value[CommentSlot::DeltaY], -100.0, 100.0))
        return Fail(CommentTag, QStringLiteral("A margin is outside -100 to 100 percent"));
    // The alpha byte is ignored: the transparency slot says how opaque the text is.
    const QRgb colour = ParameterToColor(value[CommentSlot::TextColor]);
    const std::optional<int> transparency = WholeIn(value[CommentSlot::Transparency], 0, 100);
    if (!transparency)
        return Fail(CommentTag, QStringLiteral("The transparency is outside 0 to 100"));
    if (!ValidScale(scale))
        return Fail(CommentTag, QStringLiteral("The scale is not positive"));
    const std::optional<STextFont> font
        = MakeFont(record.texts[CommentSlot::FontFamily], value[CommentSlot::FontSize],
            IsOn(value[CommentSlot::Bold]), IsOn(value[CommentSlot::Italic]),
            IsOn(value[CommentSlot::Underline]), IsOn(value[CommentSlot::StrikeOut]), pixelRatio);
    if (!font)
        return Fail(CommentTag, QStringLiteral("The font size is outside what can be drawn"));
    using EAlignment = CommentSlot::EAlignment;
    const EAlignment alignment = ChoiceAs<EAlignment>(record, CommentSlot::AlignmentChoice);

    const QStringList lines
        = ExpandCommentKeywords(record.texts[CommentSlot::Text], filters).split(QLatin1Char('\n'));
    QList<int> widths;
    int boxWidth = 0;
    for (const QString &line : lines) {
        widths.append(TextWidth(*font, line));
        boxWidth = std::max(boxWidth, widths.last());
    }
    const int boxHeight = font->lineHeight * int(lines.size());

    const int width = Logical(boxWidth, font->ratio);
    const int height = Logical(boxHeight, font->ratio);
    if (!GetAnchorRect(rect, anchor, photoWidth, photoHeight,
            photoWidth * value[CommentSlot::DeltaX] / 100.0,
            photoHeight * value[CommentSlot::DeltaY] / 100.0, width * scale, height * scale))
        return false;
    rect.translate(offsetX, offsetY);
    if (boxWidth == 0)
        return true; // nothing to draw

    image = TransparentImage(boxWidth, boxHeight);
    if (image.isNull())
        return Fail(CommentTag, QStringLiteral("The text is too large to draw"));
    QPainterPath glyphs;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        int x = 0;
        if (alignment == EAlignment::Centre)
            x = (boxWidth - widths[index]) / 2;
        else if (alignment == EAlignment::Right)
            x = boxWidth - widths[index];
        const int baseLine = int(index + 1) * font->lineHeight - font->descent;
        glyphs.addText(x, baseLine, font->font, lines[index]);
    }
    const int alpha = AlphaOf(*transparency);
    DrawPath(image, glyphs, QBrush(WithAlpha(colour, alpha)), TextPen(*font, colour, alpha));
    image = Scaled(image, scale);
    image.setDevicePixelRatio(font->ratio);
    return true;
}

bool UpdateWatermarkText(QImage &image, QRect &rect, QRect &textRect, int &textWidth,
    int &textHeight, const SFilterRecord &record, int sequenceNumber, const CImageFilters &filters,
    int photoWidth, int photoHeight, double scale, bool rotate, double pixelRatio)
{
    LogMessage(WatermarkTag);
    image = QImage();
    rect = textRect = QRect();
    textWidth = textHeight = 0;
    const auto &value = record.numbers;
    const int anchor = ChoiceOf(record, WatermarkTextSlot::PlacementChoice);
    const std::optional<int> marginX = WholeIn(value[WatermarkTextSlot::DeltaX], -30000, 30000);
    const std::optional<int> marginY = WholeIn(value[WatermarkTextSlot::DeltaY], -30000, 30000);
    if (!marginX || !marginY)
        return Fail(WatermarkTag, QStringLiteral("A margin is outside -30000 to 30000 pixels"));
    const QRgb colour = ParameterToColor(value[WatermarkTextSlot::TextColor]);
    const std::optional<int> transparency = WholeIn(value[WatermarkTextSlot::Transparency], 0, 100);
    if (!transparency)
        return Fail(WatermarkTag, QStringLiteral("The transparency is outside 0 to 100"));
    const std::optional<int> rotation = WholeIn(value[WatermarkTextSlot::Rotation], 0, 359);
    if (!rotation)
        return Fail(WatermarkTag, QStringLiteral("The rotation is outside 0 to 359 degrees"));
    if (!ValidScale(scale))
        return Fail(WatermarkTag, QStringLiteral("The scale is not positive"));
    const std::optional<STextFont> font = MakeFont(record.texts[WatermarkTextSlot::FontFamily],
        value[WatermarkTextSlot::FontSize], IsOn(value[WatermarkTextSlot::Bold]),
        IsOn(value[WatermarkTextSlot::Italic]), IsOn(value[WatermarkTextSlot::Underline]),
        IsOn(value[WatermarkTextSlot::StrikeOut]), pixelRatio);
    if (!font)
        return Fail(WatermarkTag, QStringLiteral("The font size is outside what can be drawn"));

    QString text = record.texts[WatermarkTextSlot::Text];
    if (IsOn(value[WatermarkTextSlot::TextFromFile])
        && !SequentialText(record.texts[WatermarkTextSlot::TextFilePath], sequenceNumber, text)) {
        return Fail(WatermarkTag,
            QStringLiteral("The text file cannot be read: ")
                + record.texts[WatermarkTextSlot::TextFilePath]);
    }
    text = ExpandWatermarkKeywords(text, filters);

    const int boxWidth = TextWidth(*font, text);
    const int boxHeight = font->lineHeight;
    const double width = Logical(boxWidth, font->ratio) * scale;
    const double height = Logical(boxHeight, font->ratio) * scale;
    if (!GetAnchorRect(textRect, anchor, photoWidth, photoHeight, *marginX * scale,
            *marginY * scale, width, height))
        return false;
    textWidth = textRect.width();
    textHeight = textRect.height();
    rect = textRect;
    if (boxWidth == 0)
        return true; // an empty text (an empty line of the text file) draws nothing

    image = TransparentImage(boxWidth, boxHeight);
    if (image.isNull())
        return Fail(WatermarkTag, QStringLiteral("The text is too large to draw"));
    QPainterPath glyphs;
    glyphs.addText(0, font->lineHeight - font->descent, font->font, text);
    const int alpha = AlphaOf(*transparency);
    DrawPath(image, glyphs, QBrush(WithAlpha(colour, alpha)), TextPen(*font, colour, alpha));
    image = Scaled(image, scale);

    if (rotate && *rotation != 0) {
        image = Rotated(image, *rotation);
        if (!GetAnchorRect(rect, anchor, photoWidth, photoHeight, *marginX * scale,
                *marginY * scale, Logical(image.width(), font->ratio),
                Logical(image.height(), font->ratio)))
            return false;
    }
    image.setDevicePixelRatio(font->ratio);
    return true;
}

bool UpdateDate(QImage &image, QRect &rect, const QString &exifDate, const SFilterRecord &record,
    CImageFilters &filters, int photoWidth, int photoHeight, double scale, int offsetX, int offsetY,
    double pixelRatio)
{
    image = QImage();
    rect = QRect();
    const auto &value = record.numbers;
    const int shown = ChoiceOf(record, DateSlot::ShownChoice);
    const int dateLayout = ChoiceOf(record, DateSlot::DateLayoutChoice);
    const int timeLayout = ChoiceOf(record, DateSlot::TimeLayoutChoice);
    const int separator = ChoiceOf(record, DateSlot::SeparatorChoice);
    const int anchor = ChoiceOf(record, DateSlot::PlacementChoice);
    const std::optional<int> transparency = WholeIn(value[DateSlot::Transparency], 0, 100);
    if (!transparency)
        return Fail(DateTag, QStringLiteral("The transparency is outside 0 to 100"));
    if (!InRange(value[DateSlot::DeltaX], -100.0, 100.0)
        || !InRange(value[DateSlot::DeltaY], -100.0, 100.0))
        return Fail(DateTag, QStringLiteral("A margin is outside -100 to 100 percent"));
    const std::optional<int> rotation = WholeIn(value[DateSlot::Rotation], 0, 359);
    if (!rotation)
        return Fail(DateTag, QStringLiteral("The rotation is outside 0 to 359 degrees"));
    const std::optional<int> blur = WholeIn(value[DateSlot::Blur], 0, 10);
    if (!blur)
        return Fail(DateTag, QStringLiteral("The blur is outside 0 to 10"));
    if (!ValidScale(scale))
        return Fail(DateTag, QStringLiteral("The scale is not positive"));

    const bool textured = IsOn(value[DateSlot::UseTexture]);
    const QRgb colour = ParameterToColor(value[DateSlot::TextColor]); // a texture takes its place

    const bool outlined = IsOn(value[DateSlot::UseStroke]);
    const QRgb outlineColour = ParameterToColor(value[DateSlot::StrokeColor]);
    std::optional<int> outlineTransparency = WholeIn(value[DateSlot::StrokeTransparency], 0, 100);
    std::optional<int> outlineWidth = WholeIn(value[DateSlot::StrokeWidth], 0, 30000);
    if (outlined && (!outlineTransparency || !outlineWidth))
        return Fail(DateTag, QStringLiteral("A stroke value is outside what the page offers"));

    const bool shadowed = IsOn(value[DateSlot::UseShadow]);
    const QRgb shadowColour = ParameterToColor(value[DateSlot::ShadowColor]);
    std::optional<int> shadowTransparency = WholeIn(value[DateSlot::ShadowTransparency], 0, 100);
    std::optional<int> shadowDistance = WholeIn(value[DateSlot::ShadowDistance], 0, 99);
    std::optional<int> shadowAngle = WholeIn(value[DateSlot::ShadowAngle], 0, 359);
    std::optional<int> shadowBlur = WholeIn(value[DateSlot::ShadowBlur], 0, 10);
    if (shadowed && (!shadowTransparency || !shadowDistance || !shadowAngle || !shadowBlur))
        return Fail(DateTag, QStringLiteral("A shadow value is outside what the page offers"));

    const bool boxed = IsOn(value[DateSlot::UseBox]);
    const QRgb boxColour = ParameterToColor(value[DateSlot::BoxColor]);
    std::optional<int> boxTransparency = WholeIn(value[DateSlot::BoxTransparency], 0, 100);
    std::optional<int> boxMargin = WholeIn(value[DateSlot::BoxMargin], 0, 500);
    if (boxed && (!boxTransparency || !boxMargin))
        return Fail(DateTag, QStringLiteral("A box value is outside what the page offers"));

    const std::optional<STextFont> font = MakeFont(record.texts[DateSlot::FontFamily],
        value[DateSlot::FontSize], IsOn(value[DateSlot::Bold]), IsOn(value[DateSlot::Italic]),
        IsOn(value[DateSlot::Underline]), IsOn(value[DateSlot::StrikeOut]), pixelRatio);
    if (!font)
        return Fail(DateTag, QStringLiteral("The font size is outside what can be drawn"));

    QString text;
    if (!FormatDate(text, filters.sourcePath, exifDate, shown, dateLayout, timeLayout, separator,
            record.texts[DateSlot::Correction]))
        return Fail(DateTag, QStringLiteral("No date can be formed for ") + filters.sourcePath);

    QBrush brush(WithAlpha(colour, AlphaOf(*transparency)));
    double opacity = 1.0;
    if (textured) {
        if (!TextureBrush(brush, record.texts[DateSlot::TexturePath], filters))
            return false;
        opacity = (100 - *transparency) / 100.0;
    }
    QPen pen(Qt::NoPen);
    if (outlined && *outlineWidth >= 1)
        pen = QPen(WithAlpha(outlineColour, AlphaOf(*outlineTransparency)), *outlineWidth);

    const int textWidth = TextWidth(*font, text);
    const int textHeight = font->lineHeight;
    const int padX = boxed ? textWidth * *boxMargin / 100 : 0;
    const int padY = boxed ? textHeight * *boxMargin / 100 : 0;
    image = TransparentImage(textWidth + padX, textHeight + padY);
    if (image.isNull())
        return Fail(DateTag, QStringLiteral("The text is too large to draw"));
    if (boxed)
        image.fill(WithAlpha(boxColour, AlphaOf(*boxTransparency)));

    QPainterPath glyphs;
    glyphs.addText(
        QPointF(padX * 0.5, padY * 0.5 + font->lineHeight - font->descent), font->font, text);
    DrawPath(image, glyphs, brush, pen, opacity);

    image = Rotated(image, *rotation);
    image = BlurImage(image, int(*blur * 18 / 11.0));
    LogMessage(DateTag,
        QStringLiteral("Param[26]: Shadow Blur = ") + QString::number(value[DateSlot::ShadowBlur]));
    if (shadowed) {
        const int referenceLength = int((image.width() + image.height()) / 10.0);
        image = AddDropShadow(image, true, shadowColour, *shadowTransparency, *shadowDistance / 2,
            referenceLength, *shadowAngle, *shadowBlur);
    }
    image = Scaled(image, scale);

    if (!GetAnchorRect(rect, anchor, photoWidth, photoHeight,
            photoWidth * value[DateSlot::DeltaX] / 100.0,
            photoHeight * value[DateSlot::DeltaY] / 100.0, Logical(image.width(), font->ratio),
            Logical(image.height(), font->ratio)))
        return false;
    rect.translate(offsetX, offsetY);
    image.setDevicePixelRatio(font->ratio);
    return true;
}

Magick::Image PixmapToImage(const QImage &image)
{
    if (image.isNull())
        return Magick::Image();
    const QImage plain = image.convertToFormat(QImage::Format_ARGB32);
    // ARGB32 pixels are 32-bit words: little-endian memory holds them as B, G, R, A. Rows of
    // 32-bit pixels have no padding, so the whole image goes in one import.
    const char *map = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "BGRA" : "ARGB";
    Magick::Image result;
    result.read(
        size_t(plain.width()), size_t(plain.height()), map, Magick::CharPixel, plain.constBits());
    return result;
}

QImage BlurImage(const QImage &image, int radius)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0 || result.isNull())
        return result;
    static const int alphas[] = { 14, 10, 8, 6, 5, 5, 4, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2 };
    const int alpha = radius <= 17 ? alphas[radius - 1] : 1;

    // One pass along `count` pixels from `first`, `step` bytes apart, on all four channels,
    // with 4 bits of fixed-point fraction.
    const auto pass = [alpha](uchar *first, int count, qsizetype step) {
        int accumulator[4];
        for (int channel = 0; channel < 4; ++channel)
            accumulator[channel] = first[channel] * 16;
        for (int index = 1; index < count; ++index) {
            uchar *pixel = first + index * step;
            for (int channel = 0; channel < 4; ++channel) {
                int &sum = accumulator[channel];
                sum += (pixel[channel] * 16 - sum) * alpha / 16;
                pixel[channel] = uchar(sum / 16);
            }
        }
    };
    const int width = result.width();
    const int height = result.height();
    const qsizetype line = result.bytesPerLine();
    uchar *bits = result.bits();
    for (int x = 0; x < width; ++x)
        pass(bits + x * 4, height, line);
    for (int y = 0; y < height; ++y)
        pass(bits + y * line, width, 4);
    for (int x = 0; x < width; ++x)
        pass(bits + (height - 1) * line + x * 4, height, -line);
    for (int y = 0; y < height; ++y)
        pass(bits + y * line + (width - 1) * 4, width, -4);
    return result;
}

QImage AddDropShadow(const QImage &input, bool enabled, QRgb colour, int transparency, int distance,
    int referenceLength, int angle, int blur)
{
    QImage source = input.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (!enabled || source.isNull())
        return source;
    // Painted pixel for pixel: a device pixel ratio would make drawImage shrink it.
    source.setDevicePixelRatio(1.0);

    const double length = std::trunc(double(distance) * referenceLength / 100.0);
    // From cos and sin, so the direction never hangs on the sign of a rounded tangent.
    const double radians = angle * std::numbers::pi / 180.0;
    const int dx = SteadyTrunc(-length * std::sin(radians));
    const int dy = SteadyTrunc(length * std::cos(radians));

    QImage shadow(source.size(), source.format());
    shadow.fill(WithAlpha(colour, 255));
    {
        QPainter painter(&shadow);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.drawImage(0, 0, source);
    }
    shadow = BlurImage(shadow, int(blur * 18 / 11.0));

    QImage result = TransparentImage(source.width() + std::abs(dx), source.height() + std::abs(dy));
    if (result.isNull())
        return source;
    QPainter painter(&result);
    painter.setOpacity((100 - transparency) / 100.0);
    painter.drawImage(std::max(dx, 0), std::max(dy, 0), shadow);
    painter.setOpacity(1.0);
    painter.drawImage(std::max(-dx, 0), std::max(-dy, 0), source);
    return result;
}
