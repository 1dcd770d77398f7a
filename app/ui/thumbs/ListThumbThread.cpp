#include "ListThumbThread.h"

#include "ImageConversion.h"
#include "Trace.h"

#include <QFile>

#include <Magick++.h>
#include <libexif/exif-data.h>
#include <libexif/exif-loader.h>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

constexpr int ThumbnailSize = 128;
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

void CListThumbThread::LoadThumbnails()
{
    loadRequested = true;
}

void CListThumbThread::run()
{
    while (!stop) {
        msleep(50);
        if (!loadRequested.exchange(false))
            continue;
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

bool CListThumbThread::MakeThumbnail(int r)
{
    if ((*records)[r].done)
        return false;
    const QString path = (*records)[r].path;

    // The decode runs without the lock, so the GUI never waits for it.
    mutex->unlock();
    const QImage picture = MakeThumbnailImage(path, pixelRatio);
    const QString toolTip = PhotoInfoText(path);
    if (picture.isNull())
        LogMessage(QStringLiteral("CListThumbThread::MakeThumbnail"),
            QStringLiteral("No thumbnail: ") + path);
    mutex->lock();

    // The record may have moved or gone meanwhile: find it again by its path.
    int index = -1;
    if (r < records->size() && (*records)[r].path == path && !(*records)[r].done) {
        index = r;
    } else {
        for (int i = 0; i < records->size(); ++i) {
            if ((*records)[i].path == path && !(*records)[i].done) {
                index = i;
                break;
            }
        }
    }
    if (index < 0)
        return false;

    SThumbRecord record = (*records)[index];
    record.done = true;
    record.toolTip = toolTip;
    if (picture.isNull()) {
        record.ownsIcon = false;
        (*records)[index] = record;
        return false;
    }
    record.ownsIcon = true;
    record.iconIndex = int(icons->size());
    record.thumbnailPending = true;
    record.thumbnail = std::make_shared<QImage>(picture);
    (*records)[index] = record;
    icons->append(QIcon()); // filled by the list's SetItemIcon in the GUI thread
    if (loadedIcons)
        ++*loadedIcons;
    return true;
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
