#include "ImageManager.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutexLocker>

#include "ColorProfiles.h"
#include "FormatsEnum.h"
#include "ImageEngineSetup.h"
#include "RawDecoder.h"
#include "Trace.h"

#include <algorithm>
#include <memory>

namespace {

std::atomic<CImageProgressReceiver *> previewReceiver { nullptr };

// Held while decoded RAW pixels become an ImageMagick image.
QMutex rawImportLock;

// Files read through memory (names ImageMagick would interpret) are read whole; anything
// beyond this is no photo this program can hold anyway.
constexpr qint64 MaximumMemoryReadSize = qint64(2) * 1024 * 1024 * 1024;

// "%" numbers frames, "[...]" selects frames or sizes, a leading "@" reads a list of files
// and a leading "~" means the home folder: such names go to ImageMagick as bytes, never as
// names.
bool NeedsMemoryRoad(const QString &path)
{
    for (const QChar character : path) {
        if (character == QLatin1Char('%') || character == QLatin1Char('[')
            || character == QLatin1Char(']') || character == QLatin1Char('@'))
            return true;
    }
    // A leading "|" would open a pipe to a command (a relative name from a hand-made script).
    return path.startsWith(QLatin1Char('~')) || path.startsWith(QLatin1Char('|'));
}

QString ExceptionText(const MagickCore::ExceptionInfo *exception)
{
    QString text = QString::fromLocal8Bit(exception->reason ? exception->reason : "");
    const QString description
        = QString::fromLocal8Bit(exception->description ? exception->description : "");
    if (!description.isEmpty())
        text += QStringLiteral(" (") + description + QLatin1Char(')');
    return text.isEmpty() ? QStringLiteral("unknown ImageMagick error") : text;
}

// The worst of the exceptions a read left: ImageMagick's decoders record their warnings on
// each image's own exception record, not on the one handed to the reader.
void CollectExceptions(const MagickCore::ExceptionInfo *exception, MagickCore::Image *list,
    QString &warning, QString &error)
{
    MagickCore::ExceptionType worst = exception->severity;
    QString worstText = worst != MagickCore::UndefinedException ? ExceptionText(exception) : "";
    for (MagickCore::Image *frame = list; frame; frame = frame->next) {
        if (frame->exception.severity > worst) {
            worst = frame->exception.severity;
            worstText = ExceptionText(&frame->exception);
        }
    }
    if (worst >= MagickCore::ErrorException)
        error = worstText;
    else if (worst != MagickCore::UndefinedException)
        warning = worstText;
}

// Owns a MagickCore image list until it is handed on.
class CImageList
{
public:
    explicit CImageList(MagickCore::Image *list)
        : m_list(list)
    {
    }
    ~CImageList()
    {
        if (m_list)
            MagickCore::DestroyImageList(m_list);
    }
    CImageList(const CImageList &) = delete;
    CImageList &operator=(const CImageList &) = delete;
    MagickCore::Image *get() const { return m_list; }
    // The frames as Magick++ images, which then own them.
    QList<Magick::Image> Release()
    {
        QList<Magick::Image> frames;
        while (m_list) {
            MagickCore::Image *frame = MagickCore::RemoveFirstImageFromList(&m_list);
            // Images inherit the read's progress monitor, whose context may not outlive it.
            MagickCore::SetImageProgressMonitor(frame, nullptr, nullptr);
            // The decoder's warnings stay on the image and Magick++ would raise them again
            // at the next write; they have been reported already.
            MagickCore::ClearMagickException(&frame->exception);
            frames.append(Magick::Image(frame));
        }
        return frames;
    }

private:
    MagickCore::Image *m_list;
};

// One call into ImageMagick's readers with the coder fixed, so the file's bytes cannot pick
// another decoder. `jpegSize`, when not empty, is the "jpeg:size" define of a reduced-scale
// JPEG decode.
MagickCore::Image *RunReader(const QByteArray &coder, const QString &path, const QByteArray &data,
    bool fromMemory, bool ping, bool allFrames, void *progressContext, QString &warning,
    QString &error, const QByteArray &jpegSize = QByteArray())
{
    MagickCore::ImageInfo *info = MagickCore::AcquireImageInfo();
    MagickCore::ExceptionInfo *exception = MagickCore::AcquireExceptionInfo();
    if (!jpegSize.isEmpty())
        MagickCore::SetImageOption(info, "jpeg:size", jpegSize.constData());
    if (!allFrames) {
        info->scene = 0;
        info->number_scenes = 1;
        MagickCore::CloneString(&info->scenes, "0");
    }
    if (progressContext)
        MagickCore::SetImageInfoProgressMonitor(
            info, &CImageManager::ProgressMonitor, progressContext);

    MagickCore::Image *list = nullptr;
    if (fromMemory) {
        MagickCore::CopyMagickString(info->magick, coder.constData(), MagickPathExtent);
        list = ping
            ? MagickCore::PingBlob(info, data.constData(), size_t(data.size()), exception)
            : MagickCore::BlobToImage(info, data.constData(), size_t(data.size()), exception);
    } else {
        const QByteArray name = coder + ':' + QFile::encodeName(path);
        if (name.size() >= MagickPathExtent - 1) {
            error = QStringLiteral("The path is too long");
        } else {
            MagickCore::CopyMagickString(info->filename, name.constData(), MagickPathExtent);
            list = ping ? MagickCore::PingImage(info, exception)
                        : MagickCore::ReadImage(info, exception);
        }
    }
    if (error.isEmpty())
        CollectExceptions(exception, list, warning, error);
    MagickCore::DestroyExceptionInfo(exception);
    MagickCore::DestroyImageInfo(info);
    return list;
}

// Whether ImageMagick has a decoder (or encoder) registered under this name.
bool HasCoder(const QString &name, bool encoder)
{
    MagickCore::ExceptionInfo *exception = MagickCore::AcquireExceptionInfo();
    const MagickCore::MagickInfo *info
        = MagickCore::GetMagickInfo(name.toLatin1().constData(), exception);
    MagickCore::DestroyExceptionInfo(exception);
    if (!info)
        return false;
    return encoder ? MagickCore::GetImageEncoder(info) != nullptr
                   : MagickCore::GetImageDecoder(info) != nullptr;
}

// Whether this coder name belongs to ImageMagick's JPEG module (JPEG, JPG, JPE, ...).
bool IsJpegCoder(const QByteArray &name)
{
    MagickCore::ExceptionInfo *exception = MagickCore::AcquireExceptionInfo();
    const MagickCore::MagickInfo *info = MagickCore::GetMagickInfo(name.constData(), exception);
    MagickCore::DestroyExceptionInfo(exception);
    return info && info->magick_module && qstrcmp(info->magick_module, "JPEG") == 0;
}

// The "jpeg:size" define for a frame of columns x rows shrunk into `box`, or empty when the
// decode would gain nothing. ImageMagick 6's JPEG reader asks libjpeg for 1/floor(min(columns /
// width, rows / height)) (libjpeg rounds up to eighths, so the decode still covers the box) and,
// when the box is larger than the photo (a factor below 1), for a 2x enlarged decode: only
// factors of 2 and more are handed on.
QByteArray JpegSizeDefine(const QSize &box, size_t columns, size_t rows)
{
    if (box.width() < 1 || box.height() < 1)
        return QByteArray();
    const double factor
        = std::min(double(columns) / double(box.width()), double(rows) / double(box.height()));
    if (factor < 2.0)
        return QByteArray();
    return QByteArray::number(box.width()) + 'x' + QByteArray::number(box.height());
}

// Whether this coder name belongs to ImageMagick's PostScript module (PS, EPS, EPSF, EPSI, EPI).
bool IsPostScriptCoder(const QByteArray &name)
{
    MagickCore::ExceptionInfo *exception = MagickCore::AcquireExceptionInfo();
    const MagickCore::MagickInfo *info = MagickCore::GetMagickInfo(name.constData(), exception);
    MagickCore::DestroyExceptionInfo(exception);
    return info && info->magick_module && qstrcmp(info->magick_module, "PS") == 0;
}

// ImageMagick 6.9's PostScript reader takes the line break that ends a "%!PS-Adobe-..." line
// as part of the version it reads there, so a comment on the very next line, usually the
// bounding box, goes unseen and the document is drawn on a letter page. A second line break
// there lets it see the comment and changes nothing Ghostscript draws. The position of the
// line break to double, or -1 when the document's start needs no help.
qsizetype HeaderLineBreakToDouble(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray start = file.read(1024);
    if (!start.startsWith("%!PS-"))
        return -1;
    const auto lineEnd = std::find_if(start.cbegin(), start.cend(),
        [](char character) { return character == '\n' || character == '\r'; });
    const qsizetype end = lineEnd - start.cbegin();
    // After "\r\n" the "\n" starts the next line: nothing to mend.
    if (end + 1 >= start.size() || start.at(end + 1) != '%')
        return -1;
    return end;
}

// Files whose helper (Ghostscript) ran out of time, with the size and time they had then:
// another read of the unchanged file fails at once instead of taking the time again.
struct STimedOutFile
{
    qint64 size = -1;
    QDateTime modified;
};
QMutex timedOutLock;
QHash<QString, STimedOutFile> timedOutFiles; // guarded by timedOutLock

bool TimedOutBefore(const QFileInfo &info)
{
    QMutexLocker lock(&timedOutLock);
    const auto found = timedOutFiles.constFind(info.absoluteFilePath());
    return found != timedOutFiles.cend() && found->size == info.size()
        && found->modified == info.lastModified();
}

void RememberTimeOut(const QFileInfo &info)
{
    QMutexLocker lock(&timedOutLock);
    timedOutFiles.insert(info.absoluteFilePath(), { info.size(), info.lastModified() });
}

QString TookTooLongText()
{
    return QStringLiteral("took longer than %1 s").arg(ImageHelperTimeLimit());
}

// ImageMagick 6 names some formats of the catalogue differently.
QString ImageMagickName(const QString &coder)
{
    if (coder == QLatin1String("HEIF"))
        return QStringLiteral("HEIC");
    return coder;
}

// The progress callbacks: stop when the state's abort flag is set, else store the percent
// (rounded half up; a report without a total counts as done) and hand the state on.
bool ReportProgress(void *context, quint64 position, quint64 total)
{
    if (!context)
        return true;
    auto *state = static_cast<SProgressState *>(context);
    if (state->abort)
        return false;
    state->percent
        = total > 0 ? int(qMin<quint64>(100, (position * 200 + total) / (2 * total))) : 100;
    if (CImageProgressReceiver *receiver = previewReceiver.load())
        receiver->OnImageProgress(*state);
    return true;
}

const QString ReadTag = QStringLiteral("CImageManager::Read");
const QString ReadMagickTag = QStringLiteral("CImageManager::ReadMagick");
const QString ReadRawTag = QStringLiteral("CImageManager::ReadRAW");
const QString ReadMultipageTag = QStringLiteral("CImageManager::ReadMultipage");
const QString PingTag = QStringLiteral("CImageManager::Ping");

} // namespace

CImageManager::CImageManager()
    : formats(&CFormatsEnum::Catalogue())
    , cache(CIMImageCache::instance())
    , colorProfiles(CIMColorProfiles::instance())
{
}

int CImageManager::GetReaderType(const QString &sourcePath) const
{
    const int dot = sourcePath.lastIndexOf(QLatin1Char('.'));
    const QString extension = (dot < 0 ? sourcePath : sourcePath.mid(dot + 1)).toUpper();
    for (const QString &raw : formats->RawExtensions()) {
        if (raw.toUpper() == extension)
            return ReaderRaw;
    }
    return ReaderMagick;
}

QString CImageManager::ReadCoder(const QString &extension) const
{
    if (extension.isEmpty())
        return QString();
    const SFormatRecord row = formats->FindByExtension(extension);
    if (row.coder.isEmpty() || !row.canRead || row.cameraRaw)
        return QString();
    for (const QString &candidate :
        { extension, row.coder.toUpper(), ImageMagickName(row.coder) }) {
        if (HasCoder(candidate, false))
            return candidate;
    }
    return QString();
}

CImageManager::SDecodeResult CImageManager::Decode(const QString &sourcePath, EDecode mode)
{
    SDecodeResult result;
    const QFileInfo info(sourcePath);
    if (sourcePath.isEmpty()) {
        result.error = QStringLiteral("No file was named");
        return result;
    }
    if (!info.exists()) {
        result.error = QStringLiteral("The file does not exist");
        return result;
    }
    // A FIFO or device would block or never end; only plain files are photos.
    if (!info.isFile()) {
        result.error = QStringLiteral("Not a regular file");
        return result;
    }
    if (info.size() == 0) {
        result.error = QStringLiteral("The file is empty");
        return result;
    }
    const QString extension = info.suffix().toUpper();
    const QString coder = ReadCoder(extension);
    if (coder.isEmpty()) {
        const SFormatRecord row = formats->FindByExtension(extension);
        result.error = row.coder.isEmpty() || !row.canRead
            ? QStringLiteral("Unknown photo file type \"%1\"").arg(info.suffix())
            : QStringLiteral("%1 files cannot be read with this ImageMagick").arg(row.coder);
        return result;
    }

    const QByteArray coderName = coder.toLatin1();
    // Reads that run an external helper are timed: the helper ends after the time limit.
    const bool helperRead
        = ImageHelpersGuarded() && formats->FindByExtension(extension).needsGhostscript;
    if (helperRead && TimedOutBefore(info)) {
        result.error = TookTooLongText();
        return result;
    }
    const bool postScript = IsPostScriptCoder(coderName);
    const qsizetype headerLineBreak = postScript ? HeaderLineBreakToDouble(sourcePath) : -1;

    // ImageMagick keeps file names in 4096-byte buffers; longer ones go through memory too.
    const bool fromMemory = NeedsMemoryRoad(sourcePath)
        || QFile::encodeName(sourcePath).size() + coder.size() + 2 >= MagickPathExtent
        || headerLineBreak >= 0;
    QByteArray data;
    if (fromMemory) {
        QFile file(sourcePath);
        if (info.size() > MaximumMemoryReadSize) {
            result.error = QStringLiteral("The file is too large");
            return result;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            result.error = file.errorString();
            return result;
        }
        data = file.readAll();
        if (data.isEmpty()) {
            result.error = file.errorString();
            return result;
        }
    }

    if (headerLineBreak >= 0)
        data.insert(headerLineBreak, data.at(headerLineBreak));

    const bool allFrames = mode == EDecode::AllFrames || mode == EDecode::PingAllFrames;
    const bool pingOnly = mode == EDecode::PingFirstFrame || mode == EDecode::PingAllFrames;
    QElapsedTimer clock;
    // A helper that was ended for taking too long leaves a read without an image (and
    // mostly without a reason): the time tells.
    const auto timedOut = [&]() {
        if (!helperRead || clock.elapsed() < qint64(ImageHelperTimeLimit()) * 1000 - 100)
            return false;
        RememberTimeOut(info);
        result.error = TookTooLongText();
        return true;
    };

    // Whether the frames stay within the ceilings; the reason goes into the result.
    const auto withinCeilings = [&result](MagickCore::Image *list) {
        const size_t frameCount = MagickCore::GetImageListLength(list);
        if (frameCount > size_t(MaximumFrameCount)) {
            result.error = QStringLiteral("The file holds %1 frames, more than the %2 allowed")
                               .arg(frameCount)
                               .arg(MaximumFrameCount);
            return false;
        }
        quint64 totalPixels = 0;
        for (MagickCore::Image *frame = list; frame; frame = frame->next) {
            const quint64 pixels = quint64(frame->columns) * quint64(frame->rows);
            if (pixels > MaximumFramePixels) {
                result.error
                    = QStringLiteral("The photo is too large to open safely (%1 x %2 pixels)")
                          .arg(frame->columns)
                          .arg(frame->rows);
                return false;
            }
            totalPixels += pixels;
        }
        if (totalPixels > MaximumTotalPixels) {
            result.error = QStringLiteral("The file holds too many pixels to open safely");
            return false;
        }
        return true;
    };

    // The ping reads headers only; it must pass the ceilings before any pixels are decoded.
    // ImageMagick 6.9 pings PostScript by drawing it all the same, at 2 dpi on a page sized
    // for 72 dpi, and then states 36 times the size: PostScript is drawn right away instead,
    // bounded by the resource policy and the time limit, and the ceilings follow the drawing.
    QString warning;
    const auto ping = [&]() {
        clock.start();
        return RunReader(coderName, sourcePath, data, fromMemory, true, allFrames, nullptr, warning,
            result.error);
    };
    CImageList pinged(postScript ? nullptr : ping());
    if (!postScript) {
        if ((!result.error.isEmpty() || !pinged.get()) && timedOut())
            return result;
        if (!result.error.isEmpty())
            return result;
        if (!pinged.get()) {
            result.error = QStringLiteral("No image in the file");
            return result;
        }
        if (!withinCeilings(pinged.get()))
            return result;
        if (pingOnly) {
            result.warning = warning;
            result.frames = pinged.Release();
            return result;
        }
    }

    // A reduced decode only for one JPEG frame outside the preview (whose cache keeps
    // full-size photos).
    QByteArray jpegSize;
    if (mode == EDecode::FirstFrame && !previewMode && decodeSizeHint.isValid() && pinged.get()
        && IsJpegCoder(coderName)) {
        jpegSize = JpegSizeDefine(decodeSizeHint, pinged.get()->columns, pinged.get()->rows);
        if (!jpegSize.isEmpty())
            result.fullSize = QSize(int(pinged.get()->columns), int(pinged.get()->rows));
    }
    clock.start();
    CImageList decoded(RunReader(coderName, sourcePath, data, fromMemory, false, allFrames,
        previewMode ? &progress : nullptr, result.warning, result.error, jpegSize));
    if ((!result.error.isEmpty() || !decoded.get()) && timedOut())
        return result;
    // A decoder stopped by the abort flag may hand back what it had without any error.
    if (previewMode && progress.abort) {
        result.error = QStringLiteral("The read was cancelled");
        return result;
    }
    if (!result.error.isEmpty())
        return result;
    // libjpeg only warns when the data stop early and fills the rest with grey; that is a
    // file cut short (or still being copied), not a photo.
    if (result.warning.contains(QLatin1String("Premature end of"))) {
        result.error = QStringLiteral("The file is truncated: %1").arg(result.warning);
        return result;
    }
    if (!decoded.get()) {
        result.error = QStringLiteral("No image in the file");
        return result;
    }
    if (postScript && !withinCeilings(decoded.get()))
        return result;
    result.frames = decoded.Release();
    return result;
}

bool CImageManager::Fail(const QString &tag, const QString &path, const QString &reason)
{
    errorText = reason;
    LogMessage(tag, QStringLiteral("Failed: %1: %2").arg(path, reason));
    return false;
}

void CImageManager::PrepareSource(Magick::Image &decoded)
{
    bool cmyk = false;
    Magick::Blob profileData;
    if (!colorProfiles->ConvertSourceToSRGB(decoded, cmyk, profileData)
        && CIMColorProfiles::IsCmykImage(decoded)) {
        // Without the profiles the numbers are still usable: convert them plainly, drop the
        // CMYK profile (it no longer describes the pixels) and treat the photo as sRGB.
        LogMessage(ReadMagickTag, QStringLiteral("CMYK photo converted without colour profiles"));
        decoded.colorSpace(Magick::sRGBColorspace);
        decoded.profile("ICC", Magick::Blob());
        cmyk = false;
        profileData = Magick::Blob();
    }
    cmykSource = cmyk;
    embeddedProfile = profileData;

    // Filters and conversions work on sRGB (or grey) pixels; some decoders hand over other
    // spaces (the HEIC and AVIF reader gives YCbCr).
    const Magick::ColorspaceType space = decoded.colorSpace();
    if (space != Magick::sRGBColorspace && space != Magick::GRAYColorspace
        && space != Magick::CMYKColorspace && space != Magick::UndefinedColorspace
        && space != Magick::TransparentColorspace)
        decoded.colorSpace(Magick::sRGBColorspace);
    // Palette images keep their colours in a map that pixel writes in ImageMagick 6 do not
    // update; every filter gets plain pixels instead.
    if (decoded.classType() == Magick::PseudoClass)
        decoded.classType(Magick::DirectClass);
}

bool CImageManager::Read(const QString &sourcePath)
{
    LogMessage(ReadTag);
    image = Magick::Image();
    reducedSourceSize = QSize();
    multipage = false;
    path = sourcePath;
    errorText.clear();

    if (previewMode) {
        Magick::Image cached;
        SImageProperties cachedProperties;
        if (cache->CheckAndLoad(sourcePath, cached, cachedProperties)) {
            LogMessage(ReadTag, QStringLiteral("- Cache hit"));
            image = cached;
            properties = cachedProperties;
            cmykSource = false;
            embeddedProfile = Magick::Blob();
            return true;
        }
    }

    // The cache entry belongs to the file as it was before decoding began.
    const QFileInfo before(sourcePath);
    const qint64 size = before.size();
    const QDateTime modified = before.lastModified();

    bool result;
    if (GetReaderType(sourcePath) == ReaderRaw) {
        LogMessage(ReadTag, QStringLiteral("- Read with DCRaw"));
        result = ReadRAW(sourcePath);
    } else {
        LogMessage(ReadTag, QStringLiteral("- Read with ImageMagick"));
        result = ReadMagick(sourcePath);
    }
    if (result && previewMode) {
        LogMessage(ReadTag,
            QString::asprintf(
                "imageMagick.width x height: %d x %d", int(image.columns()), int(image.rows())));
        cache->Write(sourcePath, size, modified, image, properties);
    }
    return result;
}

bool CImageManager::ReadMagick(const QString &sourcePath)
{
    LogMessage(ReadMagickTag);
    errorText.clear();
    reducedSourceSize = QSize();
    if (sourcePath.isEmpty()) {
        LogMessage(ReadMagickTag, QStringLiteral("- pathName is empty, abort!"));
        errorText = QStringLiteral("No file was named");
        return false;
    }
    SDecodeResult decoded = Decode(sourcePath, EDecode::FirstFrame);
    if (!decoded.error.isEmpty())
        return Fail(ReadMagickTag, sourcePath, decoded.error);
    if (!decoded.warning.isEmpty()) {
        // A warning never skips what follows: metadata and colour are always settled.
        LogMessage(ReadMagickTag, QStringLiteral("Warning: %1").arg(decoded.warning));
        errorText = decoded.warning;
    }
    try {
        image = decoded.frames.first();
        if (decoded.fullSize.isValid() && image.columns() < size_t(decoded.fullSize.width()))
            reducedSourceSize = decoded.fullSize;
        ReadExif(SourceImage);
        PrepareSource(image);
    } catch (const Magick::Warning &warning) {
        LogMessage(ReadMagickTag, QStringLiteral("Warning: %1").arg(warning.what()));
    } catch (const std::exception &exception) {
        image = Magick::Image();
        return Fail(ReadMagickTag, sourcePath,
            QStringLiteral("An unknown error occured while loading the image. %1")
                .arg(exception.what()));
    }
    return true;
}

bool CImageManager::ReadRAW(const QString &sourcePath)
{
    LogMessage(ReadRawTag);
    errorText.clear();
    reducedSourceSize = QSize();
    SRawDecodeOptions raw;
    raw.path = sourcePath;
    raw.identifyOnly = false;
    raw.demosaic = options.RawDemosaic;
    raw.whiteBalance = options.RawWhiteBalance;
    raw.highlightMode = options.RawHighlight;

    auto decoder = std::make_unique<CRawDecoder>();
    if (previewMode) {
        raw.progressContext = &progress;
        decoder->SetProgressCallback(&CImageManager::RawProgressMonitor);
    }
    const int result = decoder->Decode(raw);
    if (result != CRawDecoder::ResultSuccess) {
        const QString reason = result == CRawDecoder::ResultCancelled
            ? QStringLiteral("The RAW decode was cancelled")
            : decoder->ErrorText();
        return Fail(ReadRawTag, sourcePath, reason);
    }
    decoder.reset();
    LogMessage(ReadRawTag,
        QStringLiteral("RawData.width x height: %1 x %2")
            .arg(raw.outputWidth)
            .arg(raw.outputHeight));

    const qint64 expected
        = qint64(raw.outputWidth) * qint64(raw.outputHeight) * qint64(raw.colors);
    if (raw.outputWidth <= 0 || raw.outputHeight <= 0 || raw.colors < 3
        || raw.pixels.size() < expected)
        return Fail(ReadRawTag, sourcePath, QStringLiteral("the decoder gave no usable image"));

    try {
        Magick::Image decoded;
        {
            QMutexLocker locker(&rawImportLock);
            // Three values per pixel; a wider buffer is narrowed to its first three.
            QByteArray rgb;
            const char *source = raw.pixels.constData();
            if (raw.colors != 3) {
                const qint64 pixelCount = qint64(raw.outputWidth) * raw.outputHeight;
                rgb.resize(pixelCount * 3);
                for (qint64 index = 0; index < pixelCount; ++index) {
                    for (int channel = 0; channel < 3; ++channel)
                        rgb[index * 3 + channel] = source[index * raw.colors + channel];
                }
                source = rgb.constData();
            }
            decoded.read(size_t(raw.outputWidth), size_t(raw.outputHeight), "RGB",
                Magick::CharPixel, source);
        }
        raw.pixels.clear();
        LogMessage(ReadRawTag,
            QString::asprintf("imageMagick.width x height: %d x %d", int(decoded.columns()),
                int(decoded.rows())));
        image = decoded;
        cmykSource = false;
        embeddedProfile = Magick::Blob();
        ReadExif(SourceRaw, &raw);
        image.attribute("EXIF:DateTimeOriginal", properties.DateTimeOriginal.toStdString());
        image.attribute("EXIF:Make", properties.Make.toStdString());
        image.attribute("EXIF:Model", properties.Model.toStdString());
    } catch (const std::exception &exception) {
        image = Magick::Image();
        return Fail(ReadRawTag, sourcePath, exception.what());
    }
    return true;
}

bool CImageManager::ReadMultipage(const QString &sourcePath)
{
    LogMessage(ReadMultipageTag);
    multipage = true;
    path = sourcePath;
    errorText.clear();
    reducedSourceSize = QSize();
    ClearPages();
    // The pages are the photo now; an image left from an earlier read must not pass for it.
    image = Magick::Image();

    SDecodeResult decoded = Decode(sourcePath, EDecode::AllFrames);
    if (!decoded.error.isEmpty())
        return Fail(ReadMultipageTag, sourcePath, decoded.error);
    if (!decoded.warning.isEmpty()) {
        LogMessage(ReadMultipageTag, QStringLiteral("Warning: %1").arg(decoded.warning));
        errorText = decoded.warning;
    }
    try {
        QList<Magick::Image> frames = decoded.frames;
        bool firstCmyk = false;
        Magick::Blob firstProfile;
        for (qsizetype index = 0; index < frames.size(); ++index) {
            PrepareSource(frames[index]);
            if (index == 0) {
                firstCmyk = cmykSource;
                firstProfile = embeddedProfile;
            }
        }
        cmykSource = firstCmyk;
        embeddedProfile = firstProfile;
        if (options.MultipageWrite == LayerSetting::Flatten && !frames.isEmpty()) {
            Magick::Image flattened;
            Magick::flattenImages(&flattened, frames.begin(), frames.end());
            image = flattened;
        }
        Magick::Image &described = image.isValid() ? image : frames.first();
        ReadImageProperties(described, properties);
        pages = frames;
    } catch (const Magick::Warning &warning) {
        LogMessage(ReadMultipageTag, QStringLiteral("Warning: %1").arg(warning.what()));
        if (pages.isEmpty())
            pages = decoded.frames;
    } catch (const std::exception &exception) {
        image = Magick::Image();
        ClearPages();
        return Fail(ReadMultipageTag, sourcePath, exception.what());
    }
    return true;
}

bool CImageManager::ReadAppendPage(const QString &sourcePath)
{
    const bool result = Read(sourcePath);
    if (result) {
        pages.append(image);
        ReadExif(SourceImage);
    }
    image = Magick::Image();
    return result;
}

bool CImageManager::Ping(const QString &sourcePath)
{
    errorText.clear();
    if (sourcePath.isEmpty())
        return false;
    if (GetReaderType(sourcePath) == ReaderRaw) {
        SRawDecodeOptions options;
        if (!ReadRawIdentify(sourcePath, options))
            return false;
        ReadExif(SourceRaw, &options);
        return true;
    }
    SDecodeResult pinged = Decode(sourcePath, EDecode::PingFirstFrame);
    if (!pinged.error.isEmpty())
        return Fail(PingTag, sourcePath, pinged.error);
    // The pinged image has no pixels, so it never becomes the current image: a filter or a
    // write would take it for a photo.
    try {
        ReadImageProperties(pinged.frames.first(), properties);
    } catch (const std::exception &exception) {
        LogMessage(PingTag, exception.what());
    }
    return true;
}

bool CImageManager::ReadRawIdentify(const QString &sourcePath, SRawDecodeOptions &options)
{
    options.path = sourcePath;
    options.identifyOnly = true;
    auto decoder = std::make_unique<CRawDecoder>();
    if (decoder->Decode(options) != CRawDecoder::ResultSuccess)
        return Fail(PingTag, sourcePath, decoder->ErrorText());
    return true;
}

int CImageManager::GetPageCount(const QString &sourcePath)
{
    errorText.clear();
    if (GetReaderType(sourcePath) == ReaderRaw) {
        // ImageMagick cannot read camera RAW here; the RAW decoder gives one image.
        SRawDecodeOptions options;
        return ReadRawIdentify(sourcePath, options) ? 1 : 0;
    }
    SDecodeResult pinged = Decode(sourcePath, EDecode::PingAllFrames);
    if (!pinged.error.isEmpty()) {
        errorText = pinged.error;
        return 0;
    }
    return int(pinged.frames.size());
}

void CImageManager::ReadExif(int source, const SRawDecodeOptions *rawOptions)
{
    if (source == SourceImage) {
        try {
            if (image.isValid()) {
                ReadImageProperties(image, properties);
                // A reduced decode still reports the photo's own size.
                if (reducedSourceSize.isValid()) {
                    properties.Width = quint64(reducedSourceSize.width());
                    properties.Height = quint64(reducedSourceSize.height());
                }
            }
        } catch (const std::exception &exception) {
            LogMessage(QStringLiteral("CImageManager::ReadExif"), exception.what());
        }
    } else if (source == SourceRaw && rawOptions) {
        ReadRawProperties(*rawOptions, properties);
    }
}

bool CImageManager::ApplyFilter(const SFilterRecord &record)
{
    filters.target = &image;
    filters.sourcePath = path;
    filters.record = record;
    filters.imageIndex = imageIndex;
    filters.properties = properties;
    progress.hide = false;
    progress.abort = false;
    AttachProgress(image);
    const bool result = filters.Apply();
    DetachProgress(image);
    return result;
}

bool CImageManager::ApplyFilterToCurrentPage(const SFilterRecord &record)
{
    LogMessage(QStringLiteral("CImageManager::ApplyFilterToCurrentPage"));
    if (pages.isEmpty())
        return false;
    CImageFilters pageFilters;
    // The pages of a run read their logos and frames once, from this manager's cache.
    pageFilters.sideImages = filters.sideImages;
    pageFilters.target = &pages.last();
    pageFilters.sourcePath = path;
    pageFilters.record = record;
    pageFilters.imageIndex = imageIndex;
    pageFilters.properties = properties;
    return pageFilters.Apply();
}

bool CImageManager::ApplyFilterToMultipage(const SFilterRecord &record)
{
    LogMessage(QStringLiteral("CImageManager::ApplyFilterToMultipage"));
    if (options.MultipageWrite == LayerSetting::Flatten)
        return ApplyFilter(record);
    CImageFilters pageFilters;
    pageFilters.sideImages = filters.sideImages;
    pageFilters.sourcePath = path;
    pageFilters.record = record;
    pageFilters.imageIndex = imageIndex;
    pageFilters.properties = properties;
    bool result = true;
    for (Magick::Image &page : pages) {
        pageFilters.target = &page;
        result = pageFilters.Apply() && result;
        if (options.MultipageWrite == LayerSetting::FirstLayer)
            break;
    }
    return result;
}

void CImageManager::SetImage(const Magick::Image &newImage)
{
    image = newImage;
    reducedSourceSize = QSize();
}

void CImageManager::ClearImage()
{
    image = Magick::Image();
    reducedSourceSize = QSize();
}

void CImageManager::ClearPages()
{
    pages.clear();
}

void CImageManager::SetPreviewThread(CImageProgressReceiver *receiver)
{
    previewReceiver.store(receiver);
}

MagickCore::MagickBooleanType CImageManager::ProgressMonitor(const char *,
    const MagickCore::MagickOffsetType offset, const MagickCore::MagickSizeType extent,
    void *context)
{
    return ReportProgress(
               context, quint64(qMax<MagickCore::MagickOffsetType>(0, offset)), quint64(extent))
        ? MagickCore::MagickTrue
        : MagickCore::MagickFalse;
}

bool CImageManager::RawProgressMonitor(int position, int total, void *context)
{
    return ReportProgress(context, quint64(qMax(0, position)), quint64(qMax(0, total)));
}

void CImageManager::AttachProgress(Magick::Image &target)
{
    if (!previewMode || !target.isValid())
        return;
    // A private copy first: the monitor's context is this manager's state, and an image
    // shared with another manager must not report into it.
    target.modifyImage();
    MagickCore::SetImageProgressMonitor(target.image(), &CImageManager::ProgressMonitor, &progress);
}

void CImageManager::DetachProgress(Magick::Image &target)
{
    if (target.isValid())
        MagickCore::SetImageProgressMonitor(target.image(), nullptr, nullptr);
}
