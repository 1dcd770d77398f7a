#include "ListThumbThread.h"

#include "ImageConversion.h"
#include "ImageManager.h"
#include "Trace.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <Magick++.h>
#include <libexif/exif-data.h>
#include <libexif/exif-loader.h>

#include <cmath>
#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

constexpr int ThumbnailSize = 128;

const char *const OrientationNames[] = { QT_TRANSLATE_NOOP("CListThumb", "Top-Left"),
    QT_TRANSLATE_NOOP("CListThumb", "Top-Right"), QT_TRANSLATE_NOOP("CListThumb", "Bottom-Right"),
    QT_TRANSLATE_NOOP("CListThumb", "Bottom-Left"), QT_TRANSLATE_NOOP("CListThumb", "Left-Top"),
    QT_TRANSLATE_NOOP("CListThumb", "Right-Top"), QT_TRANSLATE_NOOP("CListThumb", "Right-Bottom"),
    QT_TRANSLATE_NOOP("CListThumb", "Left-Bottom") };
constexpr qint64 ReadChunk = 4096;

QByteArray NativePath(const QString &path)
{
    return QFile::encodeName(path);
}

} // namespace

CExifThumbnail::~CExifThumbnail()
{
    Discard();
}

bool CExifThumbnail::Read(QSize &size, const QString &path)
{
    Discard();
    size = QSize(0, 0);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "can't open '%s'\n", NativePath(path).constData());
        return false;
    }
    const QByteArray start = file.read(2);
    if (start.size() < 2 || uchar(start[0]) != 0xFF || uchar(start[1]) != 0xD8) {
        std::fprintf(stderr, "Not JPEG: %s\n", NativePath(path).constData());
        return false;
    }

    // The loader stops asking for bytes once it has the EXIF section.
    ExifLoader *loader = exif_loader_new();
    bool more = exif_loader_write(
        loader, reinterpret_cast<unsigned char *>(const_cast<char *>(start.constData())), 2);
    while (more) {
        QByteArray chunk = file.read(ReadChunk);
        if (chunk.isEmpty())
            break;
        more = exif_loader_write(loader, reinterpret_cast<unsigned char *>(chunk.data()),
            static_cast<unsigned int>(chunk.size()));
    }
    data = exif_loader_get_data(loader);
    exif_loader_unref(loader);
    if (!data || !data->data || data->size < 1)
        return false;

    thumbnailSize = int(data->size);
    try {
        decoded.quiet(true);
        decoded.read(Magick::Blob(data->data, data->size));
        if (decoded.columns() < 1 || decoded.rows() < 1)
            throw std::runtime_error("empty thumbnail");
        size = QSize(int(decoded.columns()), int(decoded.rows()));
    } catch (const std::exception &) {
        thumbnailSize = 0;
        size = QSize(0, 0);
    }
    return thumbnailSize > 0;
}

const unsigned char *CExifThumbnail::Data() const
{
    return thumbnailSize < 1 || !data ? nullptr : data->data;
}

int CExifThumbnail::Size() const
{
    return thumbnailSize;
}

void CExifThumbnail::Discard()
{
    if (data)
        exif_data_unref(data);
    data = nullptr;
    thumbnailSize = 0;
    decoded = Magick::Image();
}

void CListThumbThread::Run()
{
    while (!stop) {
        if (!loadRequested.exchange(false)) {
            // Idle: one photo's details at a time, so that a request is taken up at once.
            if (ReadNextDetails())
                continue;
            if (detailsRead) {
                detailsRead = false;
                emit DetailsComplete();
            }
            msleep(50);
            continue;
        }
        const int first = firstRow;
        const int last = lastRow;
        currentFirst = first;
        int handled = first - 1;
        for (int i = first; i <= last && firstRow == currentFirst && !stop; ++i) {
            QMutexLocker locker(mutex);
            // The GUI may have removed rows since it asked.
            if (i < 0 || i >= order->size())
                break;
            const int r = order->at(i);
            if (r >= 0 && r < records->size())
                MakeThumbnail(r);
            handled = i;
        }
        emit OnThreadLoadComplete(first, handled);
    }
}

int CListThumbThread::FindRecord(int hint, const QString &path) const
{
    if (hint >= 0 && hint < records->size() && records->at(hint).path == path)
        return hint;
    for (int i = 0; i < records->size(); ++i) {
        if (records->at(i).path == path)
            return i;
    }
    return -1;
}

bool CListThumbThread::MakeThumbnail(int r)
{
    if ((*records)[r].done)
        return false;
    SThumbRecord read = (*records)[r];

    // The photo is read without the lock, so the GUI never waits for it.
    mutex->unlock();
    const QImage picture = MakeThumbnailImage(read.path, pixelRatio);
    if (!read.detailsRead)
        ReadPhotoDetails(read);
    if (picture.isNull())
        LogMessage(QStringLiteral("CListThumbThread::MakeThumbnail"),
            QStringLiteral("No thumbnail: ") + read.path);
    mutex->lock();

    const int index = FindRecord(r, read.path);
    if (index < 0 || (*records)[index].done)
        return false;
    SThumbRecord &record = (*records)[index];
    if (!record.detailsRead) {
        const int iconIndex = record.iconIndex;
        const bool ownsIcon = record.ownsIcon;
        record = read;
        record.iconIndex = iconIndex;
        record.ownsIcon = ownsIcon;
    }
    record.done = true;
    if (picture.isNull()) {
        record.ownsIcon = false;
        return false;
    }
    record.ownsIcon = true;
    record.iconIndex = int(icons->size());
    record.thumbnailPending = true;
    record.thumbnail = std::make_shared<QImage>(picture);
    icons->append(QIcon()); // filled by the list's SetItemIcon in the GUI thread
    if (loadedIcons)
        ++*loadedIcons;
    return true;
}

bool CListThumbThread::ReadNextDetails()
{
    SThumbRecord read;
    int hint = -1;
    {
        QMutexLocker locker(mutex);
        const int rows = int(order->size());
        for (int step = 0; step < rows && hint < 0; ++step) {
            if (detailsRow >= rows)
                detailsRow = 0;
            const int r = order->at(detailsRow);
            if (r >= 0 && r < records->size() && !records->at(r).detailsRead
                && !records->at(r).done) {
                hint = r;
                read = records->at(r);
            } else {
                ++detailsRow;
            }
        }
    }
    if (hint < 0)
        return false;
    ReadPhotoDetails(read);
    QMutexLocker locker(mutex);
    const int index = FindRecord(hint, read.path);
    if (index >= 0 && !(*records)[index].detailsRead) {
        SThumbRecord &record = (*records)[index];
        record.dimensions = read.dimensions;
        record.dateTaken = read.dateTaken;
        record.camera = read.camera;
        record.coordinates = read.coordinates;
        record.altitude = read.altitude;
        record.fNumber = read.fNumber;
        record.exposure = read.exposure;
        record.iso = read.iso;
        record.orientation = read.orientation;
        record.resolution = read.resolution;
        record.colorSpace = read.colorSpace;
        record.toolTip = read.toolTip;
        record.detailsRead = true;
    }
    detailsRead = true;
    return true;
}

void CListThumbThread::ReadPhotoDetails(SThumbRecord &record)
{
    record.detailsRead = true;
    if (record.path.isEmpty())
        return;
    CImageManager manager;
    if (!manager.Ping(record.path)) {
        record.toolTip = PhotoInfoText(record.path, nullptr);
        return;
    }
    const SImageProperties properties = manager.GetImageProperties();
    record.toolTip = PhotoInfoText(record.path, &properties);
    record.dimensions = QStringLiteral("%1 x %2").arg(properties.Width).arg(properties.Height);

    const QString &date = properties.DateTimeOriginal;
    if (date.isEmpty()) {
        record.dateTaken
            = QFileInfo(record.path).lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    } else {
        record.dateTaken = QString::asprintf("%04d-%02d-%02d %02d:%02d", date.mid(0, 4).toInt(),
            date.mid(5, 2).toInt(), date.mid(8, 2).toInt(), date.mid(11, 2).toInt(),
            date.mid(14, 2).toInt());
    }
    if (!properties.Make.isEmpty() || !properties.Model.isEmpty())
        record.camera = CameraText(properties.Make, properties.Model);

    record.coordinates = properties.GPSPosition;
    record.altitude = properties.GPSAltitude;
    record.fNumber = properties.Aperture;
    record.exposure = properties.Exposure;
    record.iso = properties.ISO;
    record.orientation = properties.Orientation >= 1 && properties.Orientation <= 8
        ? QCoreApplication::translate("CListThumb", OrientationNames[properties.Orientation - 1])
        : QString();

    // Dots per inch: a resolution given per centimetre is 2.54 times as many per inch.
    const double factor = properties.ResolutionUnit == 2 ? 2.54 : 1.0;
    record.resolution = QStringLiteral("%1 x %2")
                            .arg(qint64(std::floor(properties.XResolution * factor + 0.5)))
                            .arg(qint64(std::floor(properties.YResolution * factor + 0.5)));
    record.colorSpace = properties.ColorSpace == 1 ? QStringLiteral("sRGB")
        : properties.ColorSpace == 2
        ? QCoreApplication::translate("CListThumb", "Uncalibrated")
        : QString();
}

QImage CListThumbThread::MakeThumbnailImage(const QString &path, int pixelRatio)
{
    CExifThumbnail reader;
    QSize size;
    if (!reader.Read(size, path) || !reader.Data())
        return QImage();
    const int side = ThumbnailSize * qMax(1, pixelRatio);
    const std::string geometry = QStringLiteral("%1x%2").arg(side).arg(side).toStdString();
    try {
        Magick::Image image = reader.Image();
        image.scale(Magick::Geometry(geometry));
        AddShadow(image);
        image.scale(Magick::Geometry(geometry));
        Magick::Image canvas(Magick::Geometry(side, side), Magick::Color("transparent"));
        canvas.composite(image, Magick::CenterGravity, Magick::OverCompositeOp);
        return MagickToQImage(canvas);
    } catch (const std::exception &) {
        return QImage();
    }
}

void CListThumbThread::AddShadow(Magick::Image &image)
{
    try {
        const Magick::Color transparent("transparent");
        image.backgroundColor(transparent);
        Magick::Image shadow = image;
        shadow.shadow(50, 3, 0, 0);
        shadow.composite(image, 0, 0, Magick::OverCompositeOp);
        Magick::Image canvas(Magick::Geometry(shadow.columns(), shadow.rows()), transparent);
        canvas.composite(shadow, 0, 0, Magick::OverCompositeOp);
        image = canvas;
    } catch (const Magick::Exception &) {
        // The image stays as far as it got.
    }
}
