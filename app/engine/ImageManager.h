#pragma once

#include "ImageFilters.h"
#include "ImageProperties.h"
#include "JobSnapshot.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

#include <Magick++.h>

#include <atomic>

class CFormatsEnum;
class CIMColorProfiles;
struct SRawDecodeOptions;

// A bool that one thread sets while another reads it (the preview's abort flag), and that
// still copies like a plain value with the record that holds it.
struct SAtomicFlag
{
    SAtomicFlag(bool value = false)
        : flag(value)
    {
    }
    SAtomicFlag(const SAtomicFlag &other)
        : flag(other.flag.load())
    {
    }
    SAtomicFlag &operator=(const SAtomicFlag &other)
    {
        flag.store(other.flag.load());
        return *this;
    }
    SAtomicFlag &operator=(bool value)
    {
        flag.store(value);
        return *this;
    }
    operator bool() const { return flag.load(); }

    std::atomic_bool flag;
};

// What the progress callbacks of a preview's reads, filters and scaling hand on.
struct SProgressState
{
    QString statusText; // set by the preview thread before each stage
    bool hide = false; // the status text is not shown
    bool readResult = false; // kept there by the preview thread
    SAtomicFlag abort; // set from another thread: the running operation stops at its next report
    int percent = 0; // 0 to 100
};

// The receiver of the preview's progress reports (the preview render thread). It is called
// on the thread that runs the operation.
class CImageProgressReceiver
{
public:
    virtual ~CImageProgressReceiver() = default;
    virtual void OnImageProgress(SProgressState &state) = 0;
};

// The one-entry cache of the last photo decoded for a preview: its 8-bit pixels and
// properties, so that asking again for the same unchanged file skips the decoder. An entry
// belongs to a path together with the file's size and modification time, so a photo edited
// on disk is decoded afresh. Shared by every preview thread; m_lock guards every field.
class CIMImageCache
{
public:
    static CIMImageCache *instance(); // created on first use, never freed

    // Rebuilds the cached image into target when the entry is for this path and the file on
    // disk is still the one cached; false (a miss) otherwise.
    bool CheckAndLoad(const QString &path, Magick::Image &target, SImageProperties &properties);
    // Stores a decoded image for path. `size` and `modified` are the file's as they were
    // before the decode. False when nothing was stored: the entry is already this file, the
    // image is grey (fewer than three channels) or copying it failed.
    bool Write(const QString &path, qint64 size, const QDateTime &modified,
        const Magick::Image &image, const SImageProperties &properties);
    // Drops the entry.
    void Clear();

private:
    CIMImageCache() = default;
    CIMImageCache(const CIMImageCache &) = delete;
    CIMImageCache &operator=(const CIMImageCache &) = delete;

    QMutex m_lock;
    QByteArray m_pixels; // RGB or RGBA bytes, rows top to bottom
    QString m_path; // empty when nothing is cached
    qint64 m_size = -1;
    QDateTime m_modified;
    SImageProperties m_properties;
};

// The working record of one photo: the decoded image, the pages of a multi-page source or of
// a multi-page output document, the photo's metadata and the colour facts of its source.
// One thread uses a manager at a time; copies share image data until one side changes it.
//
// Every read refuses files whose extension names no readable format of the catalogue, and
// decodes with the coder that format names (a PNG named .jpg does not load), so the bytes of a
// file never choose the decoder. A ping precedes every decode and refuses decompression bombs
// (MaximumFramePixels, MaximumFrameCount, MaximumTotalPixels). Names ImageMagick would
// interpret ("%", "[", "]", "@", a leading "~") are read through memory. ImageMagick warnings
// never cut a read short (metadata and colour are always settled), except a JPEG whose data
// end early, which is a truncated file and fails. Decoded images are sRGB (or grey) with plain
// pixels. Writes go to a temporary file in the target folder that replaces the target only
// after a complete, non-empty write.
class CImageManager
{
public:
    // Decompression-bomb ceilings, checked by a ping before any pixels are decoded.
    static constexpr quint64 MaximumFramePixels = 250'000'000; // one frame
    static constexpr int MaximumFrameCount = 1000; // frames of one file
    static constexpr quint64 MaximumTotalPixels = 1'000'000'000; // all frames of one read

    static constexpr int ReaderMagick = 1;
    static constexpr int ReaderRaw = 2;
    static constexpr int SourceImage = 1; // ReadExif: the current image
    static constexpr int SourceRaw = 2; // ReadExif: a RAW decode

    CImageManager();

    // 1 ImageMagick, 2 the RAW decoder, by the path's extension (any letter case).
    int GetReaderType(const QString &path) const;

    // One image (the first frame of a multi-frame file) into the current image.
    bool Read(const QString &path);
    bool ReadMagick(const QString &path);
    bool ReadRAW(const QString &path);
    // Every frame into the page list; with the layer setting 1 the flattened layers also
    // become the current image.
    bool ReadMultipage(const QString &path);
    // Reads one image and appends it to the page list (one page of an output document); the
    // current image is empty afterwards.
    bool ReadAppendPage(const QString &path);
    // Size and metadata into the properties without decoding pixels; the current image is
    // left as it was.
    bool Ping(const QString &path);
    // Frames in the file; 0 when it cannot be read.
    int GetPageCount(const QString &path);
    // Fills the properties from the current image (SourceImage) or a RAW decode (SourceRaw).
    void ReadExif(int source, const SRawDecodeOptions *rawOptions = nullptr);

    // One filter of the chain on the current image, on the last page (the page just
    // appended to an output document), or on the pages as the layer setting says (all, the
    // flattened image, or the first only). False when the filter failed.
    bool ApplyFilter(const SFilterRecord &record);
    bool ApplyFilterToCurrentPage(const SFilterRecord &record);
    bool ApplyFilterToMultipage(const SFilterRecord &record);

    // The current image as one output file; the format follows from the extension.
    bool Write(const QString &outputPath);
    // The page list as laid out by the layer setting; with adjoin (one document of a whole
    // batch) every page, whatever the setting. With adjoin, one file holding every page when
    // the format can, else one file per page ("name-0.ext", "name-1.ext", ...).
    bool WriteMultipage(const QString &outputPath, bool adjoin);
    void SetCompression(Magick::Image &target, const QString &extension);
    // Runs the colour-profile step first; false when that step failed.
    bool SetColorType(Magick::Image &target, const QString &extension);
    bool SetColorProfile(Magick::Image &target, const QString &extension);

    // Preview helpers. GetPixmap belongs to the GUI thread.
    QPixmap GetPixmap(const QRect &rectangle) const;
    bool AddCheckerboardBackground();
    bool Scale(double percent);
    // A side of the image at `percent`, as Scale makes it: rounded half up, at least 1.
    static size_t ScaledLength(size_t length, double percent);
    // An opaque RGB or grey image shrunk to columns x rows, each pixel the average of the
    // block of pixels it stands for, on every thread ImageMagick may use. Invalid when it
    // cannot be made so (an image with transparency, another colour space, a size not smaller):
    // the caller scales the usual way.
    static Magick::Image ShrunkByAverage(const Magick::Image &image, size_t columns, size_t rows);

    // Lets the next reads decode a JPEG at 1/2, 1/4 or 1/8 scale (libjpeg's DCT scaling, asked
    // for through ImageMagick's "jpeg:size" define) when the caller will shrink the photo into
    // a box of this size first; the decode never comes out smaller than the box. Only the full
    // decode of a single-image read uses it (never a ping, never another format, never a
    // preview, whose cache holds full-size photos); the properties keep the photo's full size.
    // An empty size turns it off.
    void SetDecodeSizeHint(const QSize &size) { decodeSizeHint = size; }
    QSize GetDecodeSizeHint() const { return decodeSizeHint; }

    void SetImage(const Magick::Image &newImage);
    void ClearImage();
    void ClearPages();
    SImageProperties GetImageProperties() const { return properties; }
    // Why the last read or write failed (or what it warned about); empty after a clean one.
    QString GetErrorText() const { return errorText; }

    // The process-wide receiver of progress reports; null stops the reports.
    static void SetPreviewThread(CImageProgressReceiver *receiver);
    static MagickCore::MagickBooleanType ProgressMonitor(const char *text,
        const MagickCore::MagickOffsetType offset, const MagickCore::MagickSizeType extent,
        void *context);
    static bool RawProgressMonitor(int position, int total, void *context);

    // The record itself; owners read and set these directly.
    SImageOptions options; // how to decode RAW photos, lay out pages and encode; a copy
    Magick::Image image; // the current image
    QList<Magick::Image> pages;
    QString path; // source of the last read
    qint32 imageIndex = 0; // the photo's sequence number in the batch
    bool multipage = false; // set by ReadMultipage, cleared by Read
    bool previewMode = false; // cache and progress reports on
    CImageFilters filters; // its side-image cache serves every photo and page of this manager
    SImageProperties properties;
    SProgressState progress;
    bool cmykSource = false; // the source was a colour-separation image
    Magick::Blob embeddedProfile; // the source's own ICC profile; empty when none

private:
    enum class EDecode { FirstFrame, AllFrames, PingFirstFrame, PingAllFrames };

    // What one decode gave: the frames in file order, or the reason it failed.
    struct SDecodeResult
    {
        QList<Magick::Image> frames;
        QString warning; // ImageMagick's warnings; the read still succeeded
        QString error; // empty on success
        QSize fullSize; // the first frame's stored size when it was decoded reduced
    };

    // The safe road into ImageMagick for every read and ping.
    SDecodeResult Decode(const QString &sourcePath, EDecode mode);
    // The ImageMagick coder that reads this extension (upper-case), or empty.
    QString ReadCoder(const QString &extension) const;
    // The ImageMagick coder that writes this extension (upper-case), or empty.
    QString WriteCoder(const QString &extension) const;
    // Colour facts of a fresh source and its conversion to sRGB.
    void PrepareSource(Magick::Image &decoded);
    bool ReadRawIdentify(const QString &sourcePath, SRawDecodeOptions &options);
    // Writes one encoded file through a temporary name in the target folder.
    bool SaveBlob(const Magick::Blob &blob, const QString &outputPath);
    bool EncodeAndSave(Magick::Image &page, const QString &coder, const QString &outputPath);
    bool WritePages(QList<Magick::Image> &list, const QString &outputPath, bool adjoin);
    // Keeps `reason` as the error text (the log names the file itself) and traces both.
    bool Fail(const QString &tag, const QString &path, const QString &reason);
    void AttachProgress(Magick::Image &target);
    void DetachProgress(Magick::Image &target);

    const CFormatsEnum *formats;
    CIMImageCache *cache;
    CIMColorProfiles *colorProfiles;
    QString errorText;
    QSize decodeSizeHint;
    QSize reducedSourceSize; // the current image's full size when it was decoded reduced
};
