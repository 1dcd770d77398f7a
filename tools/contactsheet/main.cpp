// Renders one photo through every filter, Polaroid included, each with the values its settings
// page starts with, into one contact-sheet PNG for people to look at.
//
//   contactsheet [-o sheet.png] [photo]
//
// Without a photo it takes Data/Sample.png beside the program, or a photo it makes itself. The
// logo and the masks of the watermark filters are made in a temporary folder.

#include "FiltersEnum.h"
#include "ImageEngineSetup.h"
#include "ImageFilters.h"
#include "../SidePictures.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include <Magick++.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

constexpr int Columns = 6;
constexpr int PictureWidth = 240;
constexpr int PictureHeight = 180;
constexpr int LabelHeight = 40;
constexpr int Gap = 10;
constexpr int HeaderHeight = 36;
constexpr int TileWidth = PictureWidth;
constexpr int TileHeight = PictureHeight + LabelHeight;

// The larger side a photo is brought down to first, so that the sheet is made in seconds.
constexpr size_t WorkingSide = 800;

// A landscape: sky and field gradients, a sun, a house, a pole and sensor noise, so that
// colour, tone, geometry and detail all show what a filter did.
Magick::Image MakeSyntheticPhoto()
{
    constexpr int Width = 600;
    constexpr int Height = 400;
    QImage picture(Width, Height, QImage::Format_RGB888);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, Height * 0.55);
    sky.setColorAt(0.0, QColor(60, 110, 215));
    sky.setColorAt(1.0, QColor(190, 210, 235));
    painter.fillRect(0, 0, Width, Height, sky);
    QLinearGradient field(0, Height * 0.55, Width, Height);
    field.setColorAt(0.0, QColor(80, 150, 60));
    field.setColorAt(1.0, QColor(170, 120, 50));
    painter.setPen(Qt::NoPen);
    painter.setBrush(field);
    painter.drawPolygon(QPolygonF({ QPointF(0, Height * 0.58), QPointF(Width, Height * 0.5),
        QPointF(Width, Height), QPointF(0, Height) }));
    painter.setBrush(QColor(250, 220, 120));
    painter.drawEllipse(QPointF(Width * 0.8, Height * 0.2), 36, 36);
    painter.setBrush(QColor(180, 60, 50));
    painter.drawRect(QRectF(Width * 0.12, Height * 0.42, Width * 0.26, Height * 0.38));
    painter.setBrush(QColor(90, 50, 40));
    painter.drawPolygon(QPolygonF({ QPointF(Width * 0.09, Height * 0.42),
        QPointF(Width * 0.25, Height * 0.26), QPointF(Width * 0.41, Height * 0.42) }));
    painter.setBrush(QColor(30, 30, 40));
    painter.drawRect(QRectF(Width * 0.2, Height * 0.5, Width * 0.07, Height * 0.1));
    painter.setPen(QPen(QColor(35, 30, 25), 3));
    painter.drawLine(QPointF(Width * 0.55, Height * 0.3), QPointF(Width * 0.6, Height * 0.95));
    painter.end();

    QRandomGenerator noise(11);
    for (int y = 0; y < Height; ++y) {
        uchar *line = picture.scanLine(y);
        for (int x = 0; x < Width * 3; ++x)
            line[x] = uchar(std::clamp(int(line[x]) + noise.bounded(-8, 9), 0, 255));
    }

    std::vector<uchar> rgb(size_t(Width) * Height * 3);
    for (int y = 0; y < Height; ++y)
        std::copy_n(picture.constScanLine(y), Width * 3, rgb.begin() + ptrdiff_t(y) * Width * 3);
    Magick::Image image;
    image.read(Width, Height, "RGB", Magick::CharPixel, rgb.data());
    image.resolutionUnits(Magick::PixelsPerInchResolution);
    image.density(Magick::Geometry(72, 72));
    return image;
}

// Half up, as the pages hold whole numbers.
double Whole(double value)
{
    return std::floor(value + 0.5);
}

double TwoDecimals(double value)
{
    return std::floor(value * 100.0 + 0.5) / 100.0;
}

// The photo's resolution in dots per inch as the pages read it; 72 when it has none.
QPointF Resolution(const Magick::Image &photo)
{
    double x = photo.xResolution();
    double y = photo.yResolution();
    if (photo.resolutionUnits() == Magick::PixelsPerCentimeterResolution) {
        x *= 2.54;
        y *= 2.54;
    }
    return QPointF(x > 0.0 ? x : 72.0, y > 0.0 ? y : 72.0);
}

// The numbers a filter's settings page saves right after it opens on this photo; nothing for a
// filter without a page of its own.
std::optional<QList<double>> PageDefaults(int id, const Magick::Image &photo)
{
    const double width = double(photo.columns());
    const double height = double(photo.rows());
    switch (id) {
    case 1000: // Comment: bottom centre, 10 % up, size 48, 15 % transparent, centred lines
        return QList<double> { 7, 0, 10, 48, 4290493439.0, 15, 1, 0, 0, 0, 0 };
    case 1010: // Date: original date and time at the bottom right, stroked, no shadow or box
        return QList<double> { 0, 0, 8, 36, 4290493439.0, 15, 0, 10, 10, 0, 0, 0, 0, 0, 4, 0, 0, 1,
            4278190080.0, 10, 1, 0, 4278190080.0, 50, 15, 315, 5, 0, 4278190080.0, 50, 10 };
    case 1100: // Watermark-Text: bottom centre, 50 px up, size 48, white, half transparent
        return QList<double> { 7, 0, 50, 48, 4294967295.0, 50, 0, 0, 0, 0, 0, 0 };
    case 1110: // Watermark-Logo: bottom right, 50 px in, full size, 15 % transparent
        return QList<double> { 8, 50, 50, 100, 0, 15 };
    case 1120: // Watermark-Mask: the mask turned for portraits, opaque
        return QList<double> { 1, 0 };
    case 2001: // Shape Frame: rectangle, white, sharp edges
        return QList<double> { 0, 4294967295.0, 0, 0, 0 };
    case 2002: // Grunge Frame
    case 2003: // Picture Frame
    case 2004: // Vintage Frame: the first frame on white
        return QList<double> { 0, 4294967295.0, 0, 0 };
    case 2005: // Polaroid: a 25 % strip, upright, white, cut to a square
        return QList<double> { 25, 0, 4294967295.0, 0 };
    case 2010: // Raise
        return QList<double> { 20, 1 };
    case 2020: // Shadow: half transparent, 50 px blur, black, over nothing
        return QList<double> { 50, 50, 4278190080.0, 0 };
    case 2030: // Simple Border: 100 px of rgb(187, 187, 255) on every side
        return QList<double> { 100, 100, 100, 100, 0, 4290493439.0, 1 };
    case 3000: // Blur
        return QList<double> { 0 };
    case 3020: // Charcoal
    case 3040: // Emboss
        return QList<double> { 20, 8 };
    case 3030: // Edge
        return QList<double> { 1 };
    case 3050: // Gaussian Blur
        return QList<double> { 0, 0 };
    case 3070: // Implode
        return QList<double> { 42 };
    case 3090: // Noise: Poisson
        return QList<double> { 4 };
    case 3100: // Oil Paint
        return QList<double> { 0 };
    case 3120: // Sepia
        return QList<double> { 50, 50 };
    case 3130: // Solarize
        return QList<double> { 50 };
    case 3140: // Shade, greyscale shading
        return QList<double> { 36, 36, 1 };
    case 3150: // Spread
        return QList<double> { 8 };
    case 3160: // Swirl
        return QList<double> { 30 };
    case 3170: // Wave
        return QList<double> { 15, 25 };
    case 4010: // Brightness
    case 4020: // Contrast
        return QList<double> { 0, 0 };
    case 4030: // Color Balance
    case 4050: // Hue/Saturation
    case 4090: // Sharpen Advanced
        return QList<double> { 0, 0, 0 };
    case 4060: // Levels: black, middle, white, all channels
        return QList<double> { 0, 40, 0, 0 };
    case 4070: // Reduce Noise: enhance
        return QList<double> { 0 };
    case 4080: // Sharpen
        return QList<double> { 20 };
    case 5002: // Auto Crop: 16:9, turned for portraits, centred
        return QList<double> { 0, 1, 0, 0, 1 };
    case 5010: // Color Replace: rgb(187, 187, 255) for itself, no tolerance
        return QList<double> { 0, 4290493439.0, 4290493439.0, 0, 0 };
    case 5020: // Crop: the centred 70 %, in pixels
        return QList<double> { Whole(width * 0.15), Whole(height * 0.15), Whole(width * 0.7),
            Whole(height * 0.7), 0 };
    case 5030: // Flip: neither box checked
        return QList<double> { 0, 0 };
    case 5040: // Resize: 70 % in pixels, proportions kept
        return QList<double> { Whole(width * 0.7), Whole(height * 0.7), 1, 0, 0, 0 };
    case 5050: { // Resize Advanced: the photo's own size and resolution, both locks on
        const QPointF dpi = Resolution(photo);
        return QList<double> { width, height, TwoDecimals(width / dpi.x()),
            TwoDecimals(height / dpi.y()), Whole(dpi.x()), Whole(dpi.y()), 1, 1 };
    }
    case 5060: // Roll: nothing, in pixels
        return QList<double> { 0, 0, 0 };
    case 5070: // Rotate: 0 degrees, all photos
        return QList<double> { 0, 0 };
    case 5080: // Thumbnail: 120 x 120, resized to fit
        return QList<double> { 120, 120, 0 };
    case 4000: // Auto Contrast
    case 4003: // Auto Gamma
    case 4006: // Auto Levels
    case 4040: // Equalize
    case 5000: // Auto Rotate
    case 3060: // Black & White
    case 3080: // Negate
        return QList<double> {};
    default:
        return std::nullopt;
    }
}

// The files the watermark pages point at, made for this run.
struct SSideFiles
{
    QString logo;
    QString mask;
    QString portraitMask;
};

// The texts a filter's settings page saves right after it opens; none for the others.
QStringList PageTexts(int id, const SSideFiles &files)
{
    switch (id) {
    case 1000: // Comment
        return { QStringLiteral("Your comment"), QStringLiteral("Arial") };
    case 1010: // Date: font, texture, no correction
        return { QStringLiteral("Arial"),
            QCoreApplication::applicationDirPath() + QStringLiteral("/Data/Sample.png"),
            QStringLiteral("+0000+00+00 +00+00+00") };
    case 1100: // Watermark-Text: no text file
        return { QStringLiteral("Copyright [Copyright] Quendrasil"), QStringLiteral("Arial"),
            QString() };
    case 1110: // Watermark-Logo
        return { files.logo };
    case 1120: // Watermark-Mask
        return { files.mask, files.portraitMask };
    default:
        return {};
    }
}

QImage ToQImage(Magick::Image image)
{
    // Without alpha, ImageMagick leaves the opacity samples of a scaled picture undefined, so
    // only a photo that has alpha is read with it.
    const bool alpha = image.matte();
    QImage picture(int(image.columns()), int(image.rows()),
        alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const int stride = picture.width() * (alpha ? 4 : 3);
    std::vector<uchar> samples(size_t(stride) * size_t(picture.height()));
    image.write(0, 0, image.columns(), image.rows(), alpha ? "RGBA" : "RGB", Magick::CharPixel,
        samples.data());
    for (int y = 0; y < picture.height(); ++y)
        std::copy_n(samples.data() + ptrdiff_t(y) * stride, stride, picture.scanLine(y));
    return picture;
}

struct STile
{
    QString name;
    QImage picture; // null when there is nothing to show
    QSize size;
    bool failed = false;
    QString note;
};

// One tile: the picture on grey at the sheet's common scale (smaller when it would not fit),
// the original's outline for comparison, and the label below. A failed step is crossed out.
void DrawTile(
    QPainter &painter, const QPoint &origin, const STile &tile, double scale, const QSize &original)
{
    const QRect area(origin, QSize(PictureWidth, PictureHeight));
    painter.fillRect(area, QColor(128, 128, 128));
    if (!tile.picture.isNull()) {
        QSizeF shown = QSizeF(tile.picture.size()) * scale;
        if (shown.width() > PictureWidth || shown.height() > PictureHeight)
            shown.scale(PictureWidth, PictureHeight, Qt::KeepAspectRatio);
        const QRectF target(area.x() + (PictureWidth - shown.width()) / 2.0,
            area.y() + (PictureHeight - shown.height()) / 2.0, shown.width(), shown.height());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, tile.picture);
    }
    const QSizeF outline = QSizeF(original) * scale;
    painter.setPen(QPen(QColor(255, 255, 255, 140), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area.x() + (PictureWidth - outline.width()) / 2.0,
        area.y() + (PictureHeight - outline.height()) / 2.0, outline.width(), outline.height()));

    const QRect label(origin.x(), area.bottom() + 1, TileWidth, LabelHeight);
    painter.fillRect(label, tile.failed ? QColor(200, 30, 30) : QColor(245, 245, 245));
    QFont font = painter.font();
    font.setPointSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(tile.failed ? Qt::white : Qt::black);
    painter.drawText(
        label.adjusted(6, 2, -6, -LabelHeight / 2), Qt::AlignLeft | Qt::AlignVCenter, tile.name);
    font.setBold(false);
    font.setPointSize(8);
    painter.setFont(font);
    const QString detail = tile.failed
        ? QStringLiteral("FAILED%1")
              .arg(tile.note.isEmpty() ? QString() : QStringLiteral(": ") + tile.note)
        : QStringLiteral("%1 x %2%3")
              .arg(tile.size.width())
              .arg(tile.size.height())
              .arg(tile.note.isEmpty() ? QString() : QStringLiteral("  ") + tile.note);
    painter.drawText(
        label.adjusted(6, LabelHeight / 2, -6, -2), Qt::AlignLeft | Qt::AlignVCenter, detail);

    if (tile.failed) {
        painter.setPen(QPen(QColor(220, 20, 20), 4));
        painter.drawRect(QRect(origin, QSize(TileWidth, TileHeight)).adjusted(2, 2, -2, -2));
        painter.drawLine(area.topLeft(), area.bottomRight());
        painter.drawLine(area.topRight(), area.bottomLeft());
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    InitializeImageEngine(argv[0]);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Renders a photo through every filter and Polaroid, with the values their settings "
        "pages start with, into one contact sheet."));
    parser.addHelpOption();
    const QCommandLineOption outputOption({ QStringLiteral("o"), QStringLiteral("output") },
        QStringLiteral("The contact sheet to write (PNG)."), QStringLiteral("file"),
        QStringLiteral("contactsheet.png"));
    parser.addOption(outputOption);
    parser.addPositionalArgument(QStringLiteral("photo"),
        QStringLiteral("The photo; default Data/Sample.png beside the program, else a made one."));
    parser.process(application);

    QTextStream out(stdout);
    QTextStream err(stderr);

    const QTemporaryDir folder;
    const SSideFiles sideFiles { folder.filePath(QStringLiteral("logo.png")),
        folder.filePath(QStringLiteral("mask.png")),
        folder.filePath(QStringLiteral("mask-portrait.png")) };
    if (!folder.isValid() || !MakeLogo(sideFiles.logo)
        || !MakeMask(sideFiles.mask, QSize(600, 400), QColor(20, 20, 20), QStringLiteral("PROOF"))
        || !MakeMask(sideFiles.portraitMask, QSize(400, 600), QColor(150, 20, 20),
            QStringLiteral("PORTRAIT"))) {
        err << "Cannot make the logo and the masks in a temporary folder.\n";
        return 1;
    }

    QString photoPath;
    if (!parser.positionalArguments().isEmpty()) {
        photoPath = parser.positionalArguments().constFirst();
    } else {
        const QString sample = QCoreApplication::applicationDirPath() + "/Data/Sample.png";
        if (QFile::exists(sample))
            photoPath = sample;
    }

    Magick::Image photo;
    if (photoPath.isEmpty()) {
        photo = MakeSyntheticPhoto();
        // Written out, so that Date finds a file time to stamp.
        photoPath = folder.filePath(QStringLiteral("synthetic.png"));
        photo.write(QFile::encodeName(photoPath).toStdString());
        out << "No sample photo: using a made 600 x 400 landscape.\n";
    } else {
        try {
            photo.read(QFile::encodeName(photoPath).toStdString());
        } catch (const Magick::Warning &warning) {
            err << "Warning reading " << photoPath << ": " << warning.what() << '\n';
        } catch (const Magick::Exception &error) {
            err << "Cannot read " << photoPath << ": " << error.what() << '\n';
            return 1;
        }
    }
    if (std::max(photo.columns(), photo.rows()) > WorkingSide) {
        // Scaling keeps the orientation and resolution; the filters see a smaller photo.
        photo.scale(Magick::Geometry(WorkingSide, WorkingSide));
        out << "Working on the photo at " << photo.columns() << " x " << photo.rows() << ".\n";
    }

    CFiltersEnum *catalogue = CFiltersEnum::instance();
    catalogue->GenerateList();

    // Polaroid has no row in the catalogue; it goes after the other frames.
    QList<SFilterInfo> shown;
    for (const SFilterInfo &info : catalogue->Filters()) {
        shown.append(info);
        if (info.id == 2004)
            shown.append({ 2005, QStringLiteral("Polaroid"), QString(), info.group, 0 });
    }

    QList<STile> tiles;
    tiles.append({ QStringLiteral("Original"), ToQImage(photo),
        QSize(int(photo.columns()), int(photo.rows())), false, QFileInfo(photoPath).fileName() });
    int failures = 0;
    for (const SFilterInfo &info : shown) {
        STile tile;
        tile.name = info.name;
        const std::optional<QList<double>> numbers = PageDefaults(info.id, photo);
        if (!numbers) {
            tile.failed = true;
            tile.note = QStringLiteral("no page defaults known");
        } else {
            SFilterRecord record;
            record.id = info.id;
            record.name = info.name;
            record.description = info.description;
            record.active = true;
            record.numberCount = quint8(numbers->size());
            std::copy(numbers->begin(), numbers->end(), record.numbers.begin());
            const QStringList texts = PageTexts(info.id, sideFiles);
            record.textCount = quint8(texts.size());
            std::copy(texts.begin(), texts.end(), record.texts.begin());

            Magick::Image result = photo;
            CImageFilters filters;
            filters.target = &result;
            filters.record = record;
            filters.sourcePath = QFileInfo(photoPath).absoluteFilePath();
            tile.failed = !filters.Apply();
            if (result.isValid() && result.columns() > 0 && result.rows() > 0) {
                tile.picture = ToQImage(result);
                tile.size = QSize(int(result.columns()), int(result.rows()));
            }
        }
        failures += tile.failed ? 1 : 0;
        out << (tile.failed ? "FAILED " : "ok     ") << info.id << ' ' << info.name << "  "
            << tile.size.width() << " x " << tile.size.height() << '\n';
        tiles.append(tile);
    }

    const int rows = int((tiles.size() + Columns - 1) / Columns);
    QImage sheet(Gap + Columns * (TileWidth + Gap), HeaderHeight + rows * (TileHeight + Gap) + Gap,
        QImage::Format_RGB32);
    sheet.fill(QColor(40, 40, 44));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPointSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(Gap, 0, sheet.width() - 2 * Gap, HeaderHeight),
        Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("%1 (%2 x %3): %4 filters at their page defaults, %5 failed")
            .arg(QFileInfo(photoPath).fileName())
            .arg(photo.columns())
            .arg(photo.rows())
            .arg(tiles.size() - 1)
            .arg(failures));

    const QSize original(int(photo.columns()), int(photo.rows()));
    const double scale = std::min({ 1.0, double(PictureWidth) / original.width(),
        double(PictureHeight) / original.height() });
    for (qsizetype index = 0; index < tiles.size(); ++index) {
        const QPoint origin(Gap + int(index % Columns) * (TileWidth + Gap),
            HeaderHeight + int(index / Columns) * (TileHeight + Gap));
        DrawTile(painter, origin, tiles[index], scale, original);
    }
    painter.end();

    const QString output = parser.value(outputOption);
    if (!sheet.save(output, "PNG")) {
        err << "Cannot write " << output << '\n';
        return 1;
    }
    out << "Wrote " << output << " (" << failures << " failed).\n";
    CFiltersEnum::DeleteInstance();
    return failures == 0 ? 0 : 3;
}
