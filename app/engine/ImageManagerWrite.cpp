#include "ImageManager.h"

#include <QFileInfo>
#include <QSaveFile>

#include "ColorProfiles.h"
#include "FormatsEnum.h"
#include "Trace.h"

namespace {

const QString WriteTag = QStringLiteral("CImageManager::Write");
const QString WriteMultipageTag = QStringLiteral("CImageManager::WriteMultipage");

// The text after the last "." of the file name, upper-cased; empty when there is none.
QString OutputExtension(const QString &outputPath)
{
    return QFileInfo(outputPath).suffix().toUpper();
}

// Whether an output extension is one of the format's own (JPE a JPG, TIFF a TIF).
bool IsFormat(const CFormatsEnum *formats, const QString &extension, const char *coder)
{
    return formats->FindByExtension(extension).coder == QLatin1String(coder);
}

bool HasEncoder(const QString &name, bool *adjoin = nullptr)
{
    MagickCore::ExceptionInfo *exception = MagickCore::AcquireExceptionInfo();
    const MagickCore::MagickInfo *info
        = MagickCore::GetMagickInfo(name.toLatin1().constData(), exception);
    MagickCore::DestroyExceptionInfo(exception);
    if (!info || !MagickCore::GetImageEncoder(info))
        return false;
    if (adjoin)
        *adjoin = MagickCore::GetMagickAdjoin(info) != MagickCore::MagickFalse;
    return true;
}

// ImageMagick 6 keeps a failed write's error on the image itself, and the next write
// reports it again even when that write succeeds.
void ClearStaleException(Magick::Image &page)
{
    page.modifyImage();
    MagickCore::ClearMagickException(&page.image()->exception);
}

// "photo.tif" -> "photo-2.tif", as ImageMagick numbers the files of a list written apart.
QString NumberedPath(const QString &outputPath, qsizetype index)
{
    const int slash = outputPath.lastIndexOf(QLatin1Char('/'));
    const int dot = outputPath.lastIndexOf(QLatin1Char('.'));
    const QString number = QLatin1Char('-') + QString::number(index);
    if (dot <= slash)
        return outputPath + number;
    return outputPath.left(dot) + number + outputPath.mid(dot);
}

} // namespace

QString CImageManager::WriteCoder(const QString &extension) const
{
    if (extension.isEmpty())
        return QString();
    // Only formats the catalogue offers for writing: ImageMagick itself would fall back to
    // the input's format for a name it does not know.
    const SFormatRecord row = formats->FindByExtension(extension);
    if (row.coder.isEmpty() || !row.canWrite)
        return QString();
    const QString renamed = row.coder == QLatin1String("HEIF") ? QStringLiteral("HEIC") : row.coder;
    for (const QString &candidate : { extension, row.coder.toUpper(), renamed }) {
        if (HasEncoder(candidate))
            return candidate;
    }
    return QString();
}

void CImageManager::SetCompression(Magick::Image &target, const QString &extension)
{
    if (extension == QLatin1String("PDF")) {
        switch (options.PdfAlg) {
        case PdfCompression::Jpeg:
            target.compressType(Magick::JPEGCompression);
            break;
        case PdfCompression::Lzw:
            target.compressType(Magick::LZWCompression);
            break;
        case PdfCompression::Rle:
            target.compressType(Magick::RLECompression);
            break;
        case PdfCompression::Zip:
            target.compressType(Magick::ZipCompression);
            break;
        default:
            break;
        }
    } else if (IsFormat(formats, extension, "TIF")) {
        switch (options.TiffAlg) {
        case TiffCompression::Lzw:
            target.compressType(Magick::LZWCompression);
            break;
        case TiffCompression::Rle:
            target.compressType(Magick::RLECompression);
            break;
        case TiffCompression::Zip:
            target.compressType(Magick::ZipCompression);
            break;
        case TiffCompression::Jpeg:
            target.compressType(Magick::JPEGCompression);
            break;
        case TiffCompression::Fax3:
            target.compressType(Magick::FaxCompression);
            break;
        case TiffCompression::Fax4:
            target.compressType(Magick::Group4Compression);
            break;
        case TiffCompression::Uncompressed:
            target.compressType(Magick::NoCompression);
            break;
        default:
            break;
        }
    }
}

bool CImageManager::SetColorProfile(Magick::Image &target, const QString &extension)
{
    return colorProfiles->SetOutputProfile(target, extension, options, cmykSource, embeddedProfile);
}

bool CImageManager::SetColorType(Magick::Image &target, const QString &extension)
{
    if (IsFormat(formats, extension, "JPG")) {
        if (!SetColorProfile(target, extension))
            return false;
        switch (options.JpegType) {
        case JpegColors::Grey:
            target.type(Magick::GrayscaleType);
            break;
        case JpegColors::Rgb:
            target.type(Magick::TrueColorType);
            break;
        case JpegColors::Cmyk:
            target.type(Magick::ColorSeparationType);
            break;
        default:
            break; // custom: the type the profile gave
        }
    } else if (IsFormat(formats, extension, "TIF")) {
        if (!SetColorProfile(target, extension))
            return false;
        switch (options.TiffType) {
        case TiffColors::Mono:
            target.type(Magick::BilevelType);
            break;
        case TiffColors::Palette:
            target.type(Magick::PaletteType);
            break;
        case TiffColors::Rgb:
            target.type(Magick::TrueColorType);
            break;
        case TiffColors::Rgba:
            target.type(Magick::TrueColorMatteType);
            break;
        case TiffColors::Cmyk:
            target.type(Magick::ColorSeparationType);
            break;
        default:
            break;
        }
    }
    return true;
}

bool CImageManager::Write(const QString &outputPath)
{
    errorText.clear();
    const QString extension = OutputExtension(outputPath);
    const QString coder = WriteCoder(extension);
    if (coder.isEmpty()) {
        return Fail(WriteTag, outputPath,
            QStringLiteral("no writable format has the extension \"%1\"")
                .arg(QFileInfo(outputPath).suffix()));
    }
    if (!image.isValid())
        return Fail(WriteTag, outputPath, QStringLiteral("there is no image to write"));

    try {
        image.quality(size_t(qMax(
            0, extension == QLatin1String("PNG") ? options.PNGComp * 100 : options.Quality)));
        const SFormatRecord format = formats->FindByExtension(extension);
        if (options.Lossless && format.losslessChoice)
            image.quality(100);
        if (extension == QLatin1String("WEBP"))
            image.defineValue("WEBP", "lossless", options.Lossless ? "true" : "false");
        SetCompression(image, extension);
        if (!SetColorType(image, extension)) {
            return Fail(
                WriteTag, outputPath, QStringLiteral("the colour profile could not be applied"));
        }
        image.attribute("exif:Software", "Quendrasil");
        switch (options.Interlaced) {
        case Interlace::NoInterlace:
            image.interlaceType(Magick::NoInterlace);
            break;
        case Interlace::Line:
            image.interlaceType(Magick::LineInterlace);
            break;
        case Interlace::Plane:
            image.interlaceType(Magick::PlaneInterlace);
            break;
        case Interlace::Partition:
            image.interlaceType(Magick::PartitionInterlace);
            break;
        default:
            break;
        }
        if (options.FixedSize && IsFormat(formats, extension, "JPG"))
            image.defineValue(
                "jpeg", "extent", QStringLiteral("%1kb").arg(options.FileSize).toStdString());
    } catch (const std::exception &exception) {
        return Fail(WriteTag, outputPath, exception.what());
    }
    return EncodeAndSave(image, coder, outputPath);
}

bool CImageManager::WriteMultipage(const QString &outputPath, bool adjoin)
{
    errorText.clear();
    const QString extension = OutputExtension(outputPath);
    const auto withOptions = [this, &extension](Magick::Image &page) {
        SetCompression(page, extension);
        if (!SetColorType(page, extension))
            return false;
        page.quality(size_t(qMax(0, options.Quality)));
        return true;
    };

    QList<Magick::Image> prepared;
    try {
        // One document of a whole batch (adjoin) holds one photo per page whatever the layer
        // setting says: flattening or keeping the first page would drop the other photos.
        const int layers = adjoin ? LayerSetting::EachLayer : options.MultipageWrite;
        switch (layers) {
        case LayerSetting::EachLayer:
            prepared = pages;
            for (Magick::Image &page : prepared) {
                if (!withOptions(page))
                    return Fail(WriteMultipageTag, outputPath,
                        QStringLiteral("the colour profile could not be applied"));
            }
            break;
        case LayerSetting::Flatten:
            if (image.isValid())
                prepared.append(image);
            break;
        case LayerSetting::FirstLayer:
            if (!pages.isEmpty()) {
                prepared.append(pages.first());
                if (!withOptions(prepared.first()))
                    return Fail(WriteMultipageTag, outputPath,
                        QStringLiteral("the colour profile could not be applied"));
            }
            break;
        default:
            return Fail(WriteMultipageTag, outputPath,
                QStringLiteral("Unknown layer setting %1").arg(options.MultipageWrite));
        }
    } catch (const std::exception &exception) {
        return Fail(WriteMultipageTag, outputPath, exception.what());
    }
    if (prepared.isEmpty())
        return Fail(WriteMultipageTag, outputPath, QStringLiteral("there are no pages to write"));
    if (!WritePages(prepared, outputPath, adjoin))
        return false;
    ClearPages();
    return true;
}

bool CImageManager::WritePages(QList<Magick::Image> &list, const QString &outputPath, bool adjoin)
{
    const QString coder = WriteCoder(OutputExtension(outputPath));
    bool canAdjoin = false;
    if (coder.isEmpty() || !HasEncoder(coder, &canAdjoin)) {
        return Fail(WriteMultipageTag, outputPath,
            QStringLiteral("no writable format has the extension \"%1\"")
                .arg(QFileInfo(outputPath).suffix()));
    }
    if (list.size() == 1)
        return EncodeAndSave(list.first(), coder, outputPath);
    if (!adjoin || !canAdjoin) {
        for (qsizetype index = 0; index < list.size(); ++index) {
            if (!EncodeAndSave(list[index], coder, NumberedPath(outputPath, index)))
                return false;
        }
        return true;
    }

    Magick::Blob blob;
    try {
        for (Magick::Image &page : list)
            ClearStaleException(page);
        list.first().magick(coder.toStdString());
        Magick::writeImages(list.begin(), list.end(), &blob, true);
    } catch (const Magick::Warning &warning) {
        LogMessage(WriteMultipageTag, QStringLiteral("Warning: %1").arg(warning.what()));
    } catch (const std::exception &exception) {
        return Fail(WriteMultipageTag, outputPath, exception.what());
    }
    return SaveBlob(blob, outputPath);
}

bool CImageManager::EncodeAndSave(
    Magick::Image &page, const QString &coder, const QString &outputPath)
{
    Magick::Blob blob;
    try {
        ClearStaleException(page);
        // Encoded in memory and with the coder named: the output name is never interpreted
        // by ImageMagick ("%d", "[...]") and never chooses the format.
        page.write(&blob, coder.toStdString());
    } catch (const Magick::Warning &warning) {
        // The data are complete when a warning is all there is; the size check below decides.
        LogMessage(WriteTag, QStringLiteral("Warning: %1").arg(warning.what()));
    } catch (const std::exception &exception) {
        return Fail(WriteTag, outputPath, exception.what());
    }
    return SaveBlob(blob, outputPath);
}

bool CImageManager::SaveBlob(const Magick::Blob &blob, const QString &outputPath)
{
    if (blob.length() == 0)
        return Fail(WriteTag, outputPath, QStringLiteral("ImageMagick produced no data"));
    // QSaveFile writes a temporary file beside the target and renames it over the target
    // only on commit, so a failed write never leaves a partial or empty file in its place.
    QSaveFile file(outputPath);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(WriteTag, outputPath, file.errorString());
    const qint64 length = qint64(blob.length());
    if (file.write(static_cast<const char *>(blob.data()), length) != length) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        return Fail(WriteTag, outputPath, reason);
    }
    if (!file.commit())
        return Fail(WriteTag, outputPath, file.errorString());
    const QFileInfo written(outputPath);
    if (!written.exists() || written.size() != length)
        return Fail(WriteTag, outputPath, QStringLiteral("the written file is incomplete"));
    return true;
}
