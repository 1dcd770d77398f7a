#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <memory>

class LibRaw;

// Progress report of a running decode: position out of total (30, 70 and 95 of 100) and the
// caller's context. Returning false cancels the decode.
using RawProgressCallback = bool (*)(int position, int total, void *context);

// One decode request and its results. The settings fields take the values of the program
// settings "Settings/Settings.RawWhiteBalance", "Settings/Settings.RawHighlight" and
// "Settings/Settings.RawDemosaic".
struct SRawDecodeOptions
{
    QString path; // in: the RAW file
    // out: outputWidth x outputHeight pixels of `colors` bytes each, rows top to bottom,
    // values interleaved. Empty before a decode, after a failure and for identify only.
    QByteArray pixels;
    qint32 rawWidth = 0; // out: sensor size, margins included, before rotation
    qint32 rawHeight = 0;
    QString dateText; // out: "YYYY:MM:DD HH:MM:SS", empty when the file carries no date
    QString make; // out: camera maker as identified ("Canon")
    QString model; // out: camera model as identified ("EOS 30D")
    void *progressContext = nullptr; // in: handed back to the progress callback
    // out: size of the decoded image in output orientation; after identify only, the size a
    // full decode would give.
    qint32 outputWidth = 0;
    qint32 outputHeight = 0;
    // out: values per pixel in `pixels`; always 3 (monochrome sensors are widened to grey
    // RGB) so that red, green and blue can be read from every pixel.
    quint8 colors = 0;
    bool identifyOnly = false; // in: stop after reading the headers
    qint32 whiteBalance = 0; // in: 0 camera, 1 automatic, 2 none (multipliers 1); else 0
    qint32 highlightMode = 0; // in: 0 clip, 1 unclipped, 2 blend, 3..9 rebuild; else 0
    qint32 demosaic = 0; // in: 0 automatic, 1 bilinear, 2 VNG, 3 PPG, 4 AHD; else 0
};

// Decodes one camera RAW file into 8-bit RGB in memory. One object serves one decode: make
// it, give it its callback, call Decode once, destroy it. Decoders share no state, so
// several threads may each run their own at the same time.
class CRawDecoder
{
public:
    static constexpr int ResultSuccess = 0;
    static constexpr int ResultFailure = 1;
    static constexpr int ResultCancelled = 100;

    // Largest raw data buffer one decode may allocate (LibRaw's own default is 2048). It
    // covers Bayer sensors up to about 500 megapixels and four-value data (linear DNG,
    // reduced-size RAW) up to about 130; a header that claims more is far more likely
    // damaged than real, and several workers decode at once.
    static constexpr unsigned MaxRawMemoryMb = 1024;

    CRawDecoder();
    ~CRawDecoder();
    CRawDecoder(const CRawDecoder &) = delete;
    CRawDecoder &operator=(const CRawDecoder &) = delete;

    // None by default. Called on the decoding thread.
    void SetProgressCallback(RawProgressCallback callback);

    // ResultSuccess (for identify only: the file is a RAW file the decoder knows),
    // ResultFailure (not opened, not RAW, truncated or corrupt data, too large, out of
    // memory) or ResultCancelled (the progress callback returned false). On any result other
    // than success `pixels` is empty. The reason of a failure is in ErrorText() and traced.
    int Decode(SRawDecodeOptions &options);

    // Why the last Decode failed or was cancelled; empty after a success.
    QString ErrorText() const;

private:
    friend struct SRawDecoderHooks; // LibRaw's callbacks, kept out of this header

    int Run();
    bool WriteToMemory();
    bool Report(int position);
    int Fail(const QString &reason);
    int Cancel();
    QString DescribeCoreFailure(int status) const;

    static constexpr int NoDataError = -2;

    SRawDecodeOptions *m_options = nullptr;
    RawProgressCallback m_progress = nullptr;
    std::unique_ptr<LibRaw> m_core; // large: always on the heap, one per decode
    QString m_errorText;
    bool m_cancelled = false;
    std::atomic_bool m_reportedProcessing = false; // LibRaw may report from OpenMP threads
    std::atomic_int m_dataErrorOffset = NoDataError; // first damage LibRaw met; -1 end of file
};
