#include "ImageManager.h"

#include <QFileInfo>
#include <QMutexLocker>

#include "Trace.h"

#include <exception>

namespace {

const QString CheckTag = QStringLiteral("CIMImageCache::CheckAndLoad");
const QString WriteTag = QStringLiteral("CIMImageCache::Write");

bool IsGrey(const Magick::Image &image)
{
    const Magick::ColorspaceType space = image.colorSpace();
    return space == Magick::GRAYColorspace || space == Magick::Rec601LumaColorspace
        || space == Magick::Rec709LumaColorspace;
}

} // namespace

CIMImageCache *CIMImageCache::instance()
{
    static CIMImageCache *const cache = new CIMImageCache();
    return cache;
}

void CIMImageCache::Clear()
{
    QMutexLocker locker(&m_lock);
    m_pixels.clear();
    m_path.clear();
    m_size = -1;
    m_modified = QDateTime();
}

bool CIMImageCache::CheckAndLoad(
    const QString &path, Magick::Image &target, SImageProperties &properties)
{
    LogMessage(CheckTag);
    const QFileInfo file(path);
    QMutexLocker locker(&m_lock);
    if (m_path.isEmpty() || path != m_path || file.size() != m_size
        || file.lastModified() != m_modified)
        return false;

    LogMessage(CheckTag,
        QString::asprintf("properties.width x height: %d x %d", int(m_properties.Width),
            int(m_properties.Height)));
    const int channels = m_properties.Alpha ? 4 : 3;
    try {
        Magick::Image rebuilt;
        rebuilt.read(size_t(m_properties.Width), size_t(m_properties.Height),
            m_properties.Alpha ? "RGBA" : "RGB", Magick::CharPixel, m_pixels.constData());
        LogMessage(
            CheckTag, QString::asprintf("Size: %d / channels: %d", int(m_pixels.size()), channels));
        rebuilt.matte(m_properties.Alpha);
        rebuilt.attribute("EXIF:DateTimeOriginal", m_properties.DateTimeOriginal.toStdString());
        rebuilt.attribute("EXIF:Make", m_properties.Make.toStdString());
        rebuilt.attribute("EXIF:Model", m_properties.Model.toStdString());
        // Magick++ 6 sets the density only through a whole-number geometry.
        rebuilt.modifyImage();
        rebuilt.image()->x_resolution = qMax(0.0, m_properties.XResolution);
        rebuilt.image()->y_resolution = qMax(0.0, m_properties.YResolution);
        rebuilt.resolutionUnits(m_properties.ResolutionUnit == 1
                ? Magick::PixelsPerInchResolution
                : Magick::PixelsPerCentimeterResolution);
        if (m_properties.Orientation >= 1 && m_properties.Orientation <= 8)
            rebuilt.orientation(Magick::OrientationType(m_properties.Orientation));
        target = rebuilt;
        properties = m_properties;
    } catch (const std::exception &exception) {
        // Counts as a miss: the caller decodes the file.
        LogMessage(CheckTag, exception.what());
        return false;
    }
    return true;
}

bool CIMImageCache::Write(const QString &path, qint64 size, const QDateTime &modified,
    const Magick::Image &image, const SImageProperties &properties)
{
    LogMessage(WriteTag);
    QMutexLocker locker(&m_lock);
    if (!m_path.isEmpty() && path == m_path && size == m_size && modified == m_modified)
        return false;

    m_pixels.clear();
    m_path = path;
    m_size = size;
    m_modified = modified;
    m_properties = properties;
    try {
        Magick::Image copy = image;
        m_properties.Width = copy.columns();
        m_properties.Height = copy.rows();
        m_properties.Alpha = copy.matte();
        m_properties.DateTimeOriginal
            = QString::fromStdString(copy.attribute("EXIF:DateTimeOriginal"));
        m_properties.Make = QString::fromStdString(copy.attribute("EXIF:Make"));
        m_properties.Model = QString::fromStdString(copy.attribute("EXIF:Model"));
        m_properties.XResolution = copy.xResolution();
        m_properties.YResolution = copy.yResolution();
        m_properties.ResolutionUnit
            = copy.resolutionUnits() == Magick::PixelsPerCentimeterResolution ? 2 : 1;
        const int orientation = int(copy.orientation());
        m_properties.Orientation = orientation >= 2 && orientation <= 8 ? orientation : 1;

        if (IsGrey(copy)) {
            LogMessage(WriteTag,
                QStringLiteral("Image has less than 3 channels and we will not cache it!"));
            m_path.clear();
            return false;
        }
        const int channels = m_properties.Alpha ? 4 : 3;
        const qint64 bytes = qint64(copy.columns()) * qint64(copy.rows()) * channels;
        m_pixels.resize(bytes);
        copy.write(0, 0, copy.columns(), copy.rows(), m_properties.Alpha ? "RGBA" : "RGB",
            Magick::CharPixel, m_pixels.data());
        LogMessage(WriteTag, QString::asprintf("Size: %d / channels: %d", int(bytes), channels));
    } catch (const std::exception &exception) {
        LogMessage(WriteTag, exception.what());
        m_pixels.clear();
        m_path.clear();
        return false;
    }
    return true;
}
