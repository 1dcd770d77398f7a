#pragma once

#include <QString>

namespace Magick {
class Image;
}
struct SRawDecodeOptions;

// The metadata of one photo: size, resolution, orientation and the camera and GPS details
// the program shows or stamps. Travels by value; a new record has empty texts and zeros.
struct SImageProperties
{
    QString Artist; // "exif:Artist" as stored
    QString Copyright; // "exif:Copyright" as stored
    QString DateTimeOriginal; // "YYYY:MM:DD HH:MM:SS" as stored; empty when absent
    quint64 Width = 0; // pixels
    quint64 Height = 0;
    bool Alpha = false; // set by the preview cache
    qint32 ColorSpace = 0; // 0 no "exif:ColorSpace", 1 sRGB ("1"), 2 anything else
    double XResolution = 0.0; // in ResolutionUnit
    double YResolution = 0.0;
    qint32 ResolutionUnit = 0; // 1 pixels per inch, 2 pixels per centimetre
    qint32 Orientation = 0; // EXIF 1 to 8; 0 when absent or not a number
    QString Make;
    QString Model;
    QString Aperture; // "f/2.8"; empty when absent
    QString Exposure; // "1/250 sec", "0.5 sec", "2 sec"; empty when absent
    QString ISO; // "ISO-100"; empty when absent
    QString FocalLength; // "exif:FocalLength" as stored ("50/1")
    QString Flash; // "exif:Flash" as stored
    QString GPSPosition; // latitude, a blank, longitude
    QString GPSLatitude; // 52°31'28.56"N
    QString GPSLongitude; // 13°24'0"E
    QString GPSAltitude; // "-12.5 m"
};

// Fills the record from the attributes of a decoded or pinged image. Never fails: absent or
// malformed attributes give empty texts and zeros. The image is not const because reading
// its EXIF attributes makes ImageMagick parse and cache them.
void ReadImageProperties(Magick::Image &image, SImageProperties &properties);

// Fills size, date, camera and a 72 ppi resolution from a RAW decode or identification;
// every other field keeps its value.
void ReadRawProperties(const SRawDecodeOptions &options, SImageProperties &properties);

// The texts of single EXIF values as people read them; empty for absent or malformed values.
// "28/10" -> "f/2.8", "8/1" -> "f/8".
QString ApertureText(const QString &fNumber);
// "1/250" and "10/2500" -> "1/250 sec", "1/4000" -> "1/4000 sec", "5/10" -> "0.5 sec",
// "2/1" -> "2 sec". Exposures from half a second up are given in seconds.
QString ExposureText(const QString &exposureTime);
// "52/1, 31/1, 2856/100" with "N" -> 52°31'28.56"N; fewer than three values give empty.
QString GPSCoordinateText(const QString &value, const QString &reference);
// "1250/10" with reference "1" -> "-125.0 m"; a value without "/" gives empty.
QString GPSAltitudeText(const QString &altitude, const QString &reference);
