#pragma once

// Builders of real photo files for the engine tests: JPEGs with EXIF (and an embedded
// thumbnail) made with libexif, CMYK JPEGs, 16-bit PNGs with alpha, multi-page TIFFs and
// PDFs, and the damaged and hostile files a watched folder may receive.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QRandomGenerator>
#include <QString>

#include <Magick++.h>
#include <libexif/exif-data.h>

#include <cstdlib>
#include <cstring>
#include <list>

namespace TestPhotos {

// EXIF facts written into a test JPEG; empty texts and zero numbers are left out.
struct SExifFacts
{
    int orientation = 0;
    QByteArray make;
    QByteArray model;
    QByteArray dateTimeOriginal; // "YYYY:MM:DD HH:MM:SS"
    QByteArray artist;
    QList<QPair<quint32, quint32>> latitude; // degrees, minutes, seconds as rationals
    QByteArray latitudeRef;
    QList<QPair<quint32, quint32>> longitude;
    QByteArray longitudeRef;
    QPair<quint32, quint32> altitude { 0, 0 };
    int altitudeRef = -1; // -1 absent, 0 above, 1 below sea level
    QPair<quint32, quint32> exposureTime { 0, 0 };
    QPair<quint32, quint32> fNumber { 0, 0 };
    int iso = 0;
    bool thumbnail = false;
};

inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray BlobBytes(const Magick::Blob &blob)
{
    return QByteArray(static_cast<const char *>(blob.data()), qsizetype(blob.length()));
}

// A colourful photo: red to blue from left to right, green growing downwards, so that
// resizing, cropping or a lost channel shows in the pixels.
inline Magick::Image MakePhoto(size_t width, size_t height)
{
    QByteArray rgb(qsizetype(width * height * 3), Qt::Uninitialized);
    for (size_t y = 0; y < height; ++y) {
        for (size_t x = 0; x < width; ++x) {
            const size_t at = (y * width + x) * 3;
            rgb[qsizetype(at)] = char(255 - x * 255 / qMax<size_t>(1, width - 1));
            rgb[qsizetype(at + 1)] = char(y * 255 / qMax<size_t>(1, height - 1));
            rgb[qsizetype(at + 2)] = char(x * 255 / qMax<size_t>(1, width - 1));
        }
    }
    Magick::Image image;
    image.read(width, height, "RGB", Magick::CharPixel, rgb.constData());
    return image;
}

// Random pixels: they compress badly, so file sizes react to quality settings.
inline Magick::Image MakeNoisyPhoto(size_t width, size_t height)
{
    QByteArray rgb(qsizetype(width * height * 3), Qt::Uninitialized);
    QRandomGenerator generator(42);
    for (char &value : rgb)
        value = char(generator.bounded(256));
    Magick::Image image;
    image.read(width, height, "RGB", Magick::CharPixel, rgb.constData());
    return image;
}

namespace Detail {

inline ExifEntry *AddEntry(
    ExifData *data, ExifIfd ifd, ExifTag tag, ExifFormat format, unsigned long components)
{
    ExifMem *memory = exif_mem_new_default();
    ExifEntry *entry = exif_entry_new_mem(memory);
    const unsigned int size = exif_format_get_size(format) * components;
    entry->data = static_cast<unsigned char *>(exif_mem_alloc(memory, size));
    std::memset(entry->data, 0, size);
    entry->size = size;
    entry->tag = tag;
    entry->components = components;
    entry->format = format;
    exif_content_add_entry(data->ifd[ifd], entry);
    exif_mem_unref(memory);
    exif_entry_unref(entry);
    return entry;
}

inline void AddText(ExifData *data, ExifIfd ifd, ExifTag tag, const QByteArray &text)
{
    if (text.isEmpty())
        return;
    ExifEntry *entry = AddEntry(data, ifd, tag, EXIF_FORMAT_ASCII, text.size() + 1);
    std::memcpy(entry->data, text.constData(), size_t(text.size()));
}

inline void AddRationals(
    ExifData *data, ExifIfd ifd, ExifTag tag, const QList<QPair<quint32, quint32>> &values)
{
    if (values.isEmpty())
        return;
    ExifEntry *entry = AddEntry(data, ifd, tag, EXIF_FORMAT_RATIONAL, values.size());
    for (qsizetype index = 0; index < values.size(); ++index) {
        exif_set_rational(entry->data + index * 8, EXIF_BYTE_ORDER_INTEL,
            ExifRational { values[index].first, values[index].second });
    }
}

inline void AddShort(ExifData *data, ExifIfd ifd, ExifTag tag, int value)
{
    ExifEntry *entry = AddEntry(data, ifd, tag, EXIF_FORMAT_SHORT, 1);
    exif_set_short(entry->data, EXIF_BYTE_ORDER_INTEL, ExifShort(value));
}

} // namespace Detail

// The EXIF block of a JPEG ("Exif\0\0" and the TIFF structure), as ImageMagick's "EXIF"
// profile holds it.
inline QByteArray MakeExifBlock(const SExifFacts &facts)
{
    using namespace Detail;
    ExifData *data = exif_data_new();
    exif_data_set_byte_order(data, EXIF_BYTE_ORDER_INTEL);
    exif_data_set_data_type(data, EXIF_DATA_TYPE_COMPRESSED);
    exif_data_unset_option(data, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);

    if (facts.orientation > 0)
        AddShort(data, EXIF_IFD_0, EXIF_TAG_ORIENTATION, facts.orientation);
    AddText(data, EXIF_IFD_0, EXIF_TAG_MAKE, facts.make);
    AddText(data, EXIF_IFD_0, EXIF_TAG_MODEL, facts.model);
    AddText(data, EXIF_IFD_0, EXIF_TAG_ARTIST, facts.artist);
    AddText(data, EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL, facts.dateTimeOriginal);
    if (facts.exposureTime.second != 0)
        AddRationals(data, EXIF_IFD_EXIF, EXIF_TAG_EXPOSURE_TIME, { facts.exposureTime });
    if (facts.fNumber.second != 0)
        AddRationals(data, EXIF_IFD_EXIF, EXIF_TAG_FNUMBER, { facts.fNumber });
    if (facts.iso > 0)
        AddShort(data, EXIF_IFD_EXIF, EXIF_TAG_ISO_SPEED_RATINGS, facts.iso);
    AddText(data, EXIF_IFD_GPS, ExifTag(EXIF_TAG_GPS_LATITUDE_REF), facts.latitudeRef);
    AddRationals(data, EXIF_IFD_GPS, ExifTag(EXIF_TAG_GPS_LATITUDE), facts.latitude);
    AddText(data, EXIF_IFD_GPS, ExifTag(EXIF_TAG_GPS_LONGITUDE_REF), facts.longitudeRef);
    AddRationals(data, EXIF_IFD_GPS, ExifTag(EXIF_TAG_GPS_LONGITUDE), facts.longitude);
    if (facts.altitudeRef >= 0) {
        ExifEntry *entry
            = AddEntry(data, EXIF_IFD_GPS, ExifTag(EXIF_TAG_GPS_ALTITUDE_REF), EXIF_FORMAT_BYTE, 1);
        entry->data[0] = static_cast<unsigned char>(facts.altitudeRef);
    }
    if (facts.altitude.second != 0)
        AddRationals(data, EXIF_IFD_GPS, ExifTag(EXIF_TAG_GPS_ALTITUDE), { facts.altitude });

    if (facts.thumbnail) {
        Magick::Image thumbnail = MakePhoto(32, 24);
        thumbnail.quality(80);
        Magick::Blob thumbnailBlob;
        thumbnail.write(&thumbnailBlob, "JPEG");
        // libexif frees the thumbnail with free() together with the data.
        data->size = static_cast<unsigned int>(thumbnailBlob.length());
        data->data = static_cast<unsigned char *>(std::malloc(data->size));
        std::memcpy(data->data, thumbnailBlob.data(), data->size);
    }

    unsigned char *bytes = nullptr;
    unsigned int length = 0;
    exif_data_save_data(data, &bytes, &length);
    QByteArray block(reinterpret_cast<const char *>(bytes), qsizetype(length));
    std::free(bytes);
    exif_data_unref(data);
    return block;
}

// A JPEG carrying the given EXIF facts.
inline void WriteJpegWithExif(
    const QString &path, const SExifFacts &facts, size_t width = 64, size_t height = 48)
{
    Magick::Image image = MakePhoto(width, height);
    const QByteArray exif = MakeExifBlock(facts);
    image.profile("EXIF", Magick::Blob(exif.constData(), size_t(exif.size())));
    // ImageMagick rewrites the Orientation tag from the image's own orientation.
    if (facts.orientation > 0)
        image.orientation(Magick::OrientationType(facts.orientation));
    image.quality(92);
    image.write("JPEG:" + path.toStdString());
}

// A typical camera JPEG: portrait orientation (6), maker, model, date, GPS, exposure.
inline SExifFacts CameraFacts()
{
    SExifFacts facts;
    facts.orientation = 6;
    facts.make = "Canon";
    facts.model = "Canon EOS 5D";
    facts.dateTimeOriginal = "2021:07:14 09:30:15";
    facts.artist = "Ada Example";
    facts.latitude = { { 52, 1 }, { 31, 1 }, { 2856, 100 } };
    facts.latitudeRef = "N";
    facts.longitude = { { 13, 1 }, { 24, 1 }, { 0, 1 } };
    facts.longitudeRef = "E";
    facts.altitude = { 1250, 10 };
    facts.altitudeRef = 1;
    facts.exposureTime = { 1, 4000 };
    facts.fNumber = { 28, 10 };
    facts.iso = 400;
    facts.thumbnail = true;
    return facts;
}

// A CMYK JPEG; with a profile it carries that profile as a prepress program would.
inline void WriteCmykJpeg(const QString &path, const QByteArray &cmykProfile = QByteArray())
{
    Magick::Image image = MakePhoto(48, 32);
    image.quality(95);
    if (cmykProfile.isEmpty())
        image.colorSpace(Magick::CMYKColorspace);
    else
        image.profile("ICC", Magick::Blob(cmykProfile.constData(), size_t(cmykProfile.size())));
    image.write("JPEG:" + path.toStdString());
}

// A 16-bit PNG with alpha: transparent left half, opaque right half, values that need 16 bits.
inline void WriteAlphaPng16(const QString &path, size_t width = 40, size_t height = 30)
{
    QList<quint16> rgba;
    rgba.reserve(qsizetype(width * height * 4));
    for (size_t y = 0; y < height; ++y) {
        for (size_t x = 0; x < width; ++x) {
            rgba << quint16(60000 - x * 1000) << quint16(1000 + y * 1500)
                 << quint16(1001 + x * 1000) << quint16(x < width / 2 ? 0 : 65535);
        }
    }
    Magick::Image image;
    image.read(width, height, "RGBA", Magick::ShortPixel, rgba.constData());
    image.write("PNG:" + path.toStdString());
}

// Pages of different sizes so that each can be told apart.
inline std::list<Magick::Image> MakePages(int count)
{
    std::list<Magick::Image> pages;
    for (int index = 0; index < count; ++index)
        pages.push_back(MakePhoto(size_t(30 + 10 * index), size_t(20 + 5 * index)));
    return pages;
}

inline void WriteMultipageFile(const QString &target, int count)
{
    std::list<Magick::Image> pages = MakePages(count);
    Magick::writeImages(pages.begin(), pages.end(), target.toStdString(), true);
}

// The first `keep` bytes of a file, as a copy interrupted by a full disk leaves it.
inline bool TruncateCopy(const QString &source, const QString &target, qsizetype keep)
{
    return WriteBytes(target, ReadBytes(source).left(keep));
}

inline QByteArray RandomBytes(int count, quint32 seed = 7)
{
    QByteArray bytes(count, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (char &value : bytes)
        value = char(generator.bounded(256));
    return bytes;
}

// Vector files that name another file inside them.
inline QByteArray MvgNaming(const QString &referenced)
{
    return "push graphic-context\nviewbox 0 0 64 64\nimage over 0,0 64,64 '" + referenced.toUtf8()
        + "'\ntext 0,60 '@/etc/passwd'\npop graphic-context\n";
}

inline QByteArray SvgNaming(const QString &referenced)
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"64\" height=\"64\">"
           "<image xlink:href=\""
        + referenced.toUtf8()
        + "\" x=\"0\" y=\"0\" width=\"64\" height=\"64\"/>"
          "<text x=\"0\" y=\"60\">@/etc/passwd</text></svg>";
}

} // namespace TestPhotos
