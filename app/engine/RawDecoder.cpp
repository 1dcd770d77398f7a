#include "RawDecoder.h"
#include "OptionChoices.h"

#include <QFile>
#include <QFileInfo>

#include <libraw/libraw.h>

#include "Trace.h"

#include <cstring>
#include <ctime>
#include <new>

namespace {

const QString TraceTag = QStringLiteral("CRawDecoder::Decode");

// LibRaw's fixed-size text fields need not be terminated in a damaged file.
template<size_t N> QString FieldText(const char (&field)[N])
{
    return QString::fromUtf8(field, qsizetype(strnlen(field, N))).trimmed();
}

// LibRaw turns the file's date into local time with mktime; localtime_r turns it back into
// the fields as stored, without touching the process's time zone.
QString DateText(time_t timestamp)
{
    if (timestamp <= 0)
        return QString();
    struct tm fields = {};
    if (!localtime_r(&timestamp, &fields))
        return QString();
    const int year = fields.tm_year + 1900;
    if (year < 1 || year > 9999)
        return QString();
    return QString::asprintf("%04d:%02d:%02d %02d:%02d:%02d", year, fields.tm_mon + 1,
        fields.tm_mday, fields.tm_hour, fields.tm_min, fields.tm_sec);
}

} // namespace

// LibRaw calls back through plain function pointers with the decoder as context.
struct SRawDecoderHooks
{
    static int Progress(void *context, enum LibRaw_progress stage, int, int)
    {
        // Demosaicing is done once LibRaw reports any later stage: that is the 70 % mark.
        if (stage <= LIBRAW_PROGRESS_INTERPOLATE || stage >= LIBRAW_PROGRESS_THUMB_LOAD)
            return 0;
        auto *decoder = static_cast<CRawDecoder *>(context);
        if (decoder->m_reportedProcessing.exchange(true))
            return 0;
        return decoder->Report(70) ? 0 : 1; // non-zero makes LibRaw stop
    }

    static void DataError(void *context, const char *, const int offset)
    {
        auto *decoder = static_cast<CRawDecoder *>(context);
        int expected = CRawDecoder::NoDataError;
        decoder->m_dataErrorOffset.compare_exchange_strong(expected, offset < 0 ? -1 : offset);
    }
};

CRawDecoder::CRawDecoder() = default;

CRawDecoder::~CRawDecoder() = default;

void CRawDecoder::SetProgressCallback(RawProgressCallback callback)
{
    m_progress = callback;
}

QString CRawDecoder::ErrorText() const
{
    return m_errorText;
}

int CRawDecoder::Decode(SRawDecodeOptions &options)
{
    m_options = &options;
    m_errorText.clear();
    m_cancelled = false;
    m_reportedProcessing = false;
    m_dataErrorOffset = NoDataError;

    options.pixels.clear();
    options.rawWidth = options.rawHeight = 0;
    options.dateText.clear();
    options.make.clear();
    options.model.clear();
    options.outputWidth = options.outputHeight = 0;
    options.colors = 0;

    int result = ResultFailure;
    try {
        result = Run();
    } catch (const std::bad_alloc &) {
        result = Fail(QStringLiteral("out of memory"));
    } catch (...) {
        result = Fail(QStringLiteral("unexpected failure inside the RAW decoder"));
    }
    // Closes the input file and frees every buffer of the core.
    m_core.reset();
    m_options = nullptr;
    return result;
}

int CRawDecoder::Run()
{
    SRawDecodeOptions &options = *m_options;
    if (options.path.isEmpty())
        return Fail(QStringLiteral("no file given"));
    const QFileInfo info(options.path);
    if (!info.exists())
        return Fail(QStringLiteral("the file does not exist"));
    if (!info.isFile() || !info.isReadable())
        return Fail(QStringLiteral("not a readable file"));
    if (info.size() == 0)
        return Fail(QStringLiteral("the file is empty"));

    // LibRaw's default error handlers print to standard error; ours remembers the damage.
    m_core = std::make_unique<LibRaw>(
        LIBRAW_OPIONS_NO_MEMERR_CALLBACK | LIBRAW_OPIONS_NO_DATAERR_CALLBACK);
    m_core->set_dataerror_handler(&SRawDecoderHooks::DataError, this);
    libraw_output_params_t &params = m_core->imgdata.params;
    params.max_raw_memory_mb = MaxRawMemoryMb;
    params.output_bps = 8;
    params.output_color = 1; // sRGB
    params.use_camera_matrix = 1;
    params.no_auto_bright = 0;
    params.half_size = 0;

    if (!options.identifyOnly) {
        switch (options.whiteBalance) {
        case RawWhiteBalance::Automatic:
            params.use_auto_wb = 1;
            break;
        case RawWhiteBalance::Unbalanced:
            for (float &multiplier : params.user_mul)
                multiplier = 1.0f;
            break;
        default:
            params.use_camera_wb = 1;
            break;
        }
        const qint32 highlight = options.highlightMode;
        params.highlight = highlight >= 0 && highlight <= 9 ? highlight : 0;
        // LibRaw's quality: -1 lets it pick AHD, or PPG for Fuji SuperCCD sensors.
        const qint32 demosaic = options.demosaic;
        params.user_qual = (demosaic >= 1 && demosaic <= 4 ? demosaic : 0) - 1;
    }

    int status = m_core->open_file(QFile::encodeName(options.path).constData());
    if (status != LIBRAW_SUCCESS)
        return Fail(DescribeCoreFailure(status));

    const libraw_data_t &data = m_core->imgdata;
    options.rawWidth = data.sizes.raw_width;
    options.rawHeight = data.sizes.raw_height;
    options.dateText = DateText(data.other.timestamp);
    options.make = FieldText(data.idata.make);
    options.model = FieldText(data.idata.model);

    if (options.identifyOnly) {
        // The size a full decode would give, rotation included; reads no pixel data.
        if (m_core->adjust_sizes_info_only() == LIBRAW_SUCCESS) {
            options.outputWidth = data.sizes.iwidth;
            options.outputHeight = data.sizes.iheight;
            options.colors = 3;
        }
        return ResultSuccess;
    }

    if (!Report(30))
        return Cancel();
    m_core->set_progress_handler(&SRawDecoderHooks::Progress, this);

    status = m_core->unpack();
    if (status == LIBRAW_SUCCESS)
        status = m_core->dcraw_process();
    if (m_cancelled)
        return Cancel();
    if (status != LIBRAW_SUCCESS)
        return Fail(DescribeCoreFailure(status));
    // LibRaw goes on past damaged data and returns success; the picture would be garbage.
    if (m_dataErrorOffset != NoDataError || m_core->error_count() > 0)
        return Fail(DescribeCoreFailure(LIBRAW_DATA_ERROR));

    if (!m_reportedProcessing.exchange(true) && !Report(70))
        return Cancel();
    if (!Report(95))
        return Cancel();
    if (!WriteToMemory())
        return ResultFailure;
    return ResultSuccess;
}

bool CRawDecoder::WriteToMemory()
{
    SRawDecodeOptions &options = *m_options;
    int width = 0;
    int height = 0;
    int colors = 0;
    int bitsPerSample = 0;
    m_core->get_mem_image_format(&width, &height, &colors, &bitsPerSample);
    if (width <= 0 || height <= 0 || colors <= 0 || colors > 4 || bitsPerSample != 8) {
        Fail(QStringLiteral("the decoder produced no usable image"));
        return false;
    }

    // LibRaw applies the white point, the gamma curve and the orientation while it copies.
    constexpr int OutputColors = 3;
    const qsizetype pixelCount = qsizetype(width) * height;
    QByteArray pixels(pixelCount * OutputColors, Qt::Uninitialized);
    if (colors == OutputColors) {
        if (m_core->copy_mem_image(pixels.data(), width * colors, 0) != LIBRAW_SUCCESS) {
            Fail(QStringLiteral("the decoded image could not be copied"));
            return false;
        }
    } else {
        // Monochrome (and the odd four-value) output: widen or cut to red, green and blue so
        // that readers never step outside the buffer.
        QByteArray source(pixelCount * colors, Qt::Uninitialized);
        if (m_core->copy_mem_image(source.data(), width * colors, 0) != LIBRAW_SUCCESS) {
            Fail(QStringLiteral("the decoded image could not be copied"));
            return false;
        }
        const uchar *from = reinterpret_cast<const uchar *>(source.constData());
        uchar *to = reinterpret_cast<uchar *>(pixels.data());
        for (qsizetype pixel = 0; pixel < pixelCount; ++pixel, from += colors) {
            for (int channel = 0; channel < OutputColors; ++channel)
                *to++ = from[colors == 1 ? 0 : qMin(channel, colors - 1)];
        }
    }

    options.outputWidth = width;
    options.outputHeight = height;
    options.colors = OutputColors;
    options.pixels = std::move(pixels);
    return true;
}

bool CRawDecoder::Report(int position)
{
    if (!m_progress)
        return true;
    if (m_progress(position, 100, m_options->progressContext))
        return true;
    m_cancelled = true;
    return false;
}

int CRawDecoder::Fail(const QString &reason)
{
    m_errorText = reason;
    if (m_options) {
        m_options->pixels.clear();
        LogMessage(TraceTag, QStringLiteral("- %1: %2").arg(m_options->path, reason));
    }
    return ResultFailure;
}

int CRawDecoder::Cancel()
{
    m_errorText = QStringLiteral("cancelled");
    m_options->pixels.clear();
    LogMessage(TraceTag, QStringLiteral("- %1: cancelled").arg(m_options->path));
    return ResultCancelled;
}

QString CRawDecoder::DescribeCoreFailure(int status) const
{
    const int offset = m_dataErrorOffset;
    if (offset == -1 || status == LIBRAW_IO_ERROR)
        return offset == -1 ? QStringLiteral("the file is truncated (unexpected end of file)")
                            : QStringLiteral("read error or truncated file");
    switch (status) {
    case LIBRAW_FILE_UNSUPPORTED:
        return QStringLiteral("not a camera RAW file, or a camera the decoder does not know");
    case LIBRAW_DATA_ERROR:
        return offset >= 0 ? QStringLiteral("corrupt image data near byte %1").arg(offset)
                           : QStringLiteral("corrupt image data");
    case LIBRAW_UNSUFFICIENT_MEMORY:
        return QStringLiteral("out of memory");
    case LIBRAW_TOO_BIG:
        return QStringLiteral("the image needs more than %1 MB of raw data").arg(MaxRawMemoryMb);
    default:
        break;
    }
    if (status > 0)
        return QStringLiteral("cannot read the file: %1").arg(qt_error_string(status));
    return QString::fromLatin1(LibRaw::strerror(status));
}
