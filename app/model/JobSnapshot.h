#pragma once

#include "FilterRecord.h"
#include "ListImages.h"
#include "OptionChoices.h"
#include "OutputOptions.h"
#include "RenameSettings.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

class CUserProfile;

// How the image engine decodes and encodes photos for a job. A value: each manager holds its
// own copy, so a decode or an encode never reads the job while the window may change it.
struct SImageOptions
{
    qint32 Quality = 88;
    bool Lossless = false; // AVIF, HEIF and WEBP
    qint32 FileSize = 100; // kilobytes, when FixedSize is set
    bool FixedSize = false;
    qint32 PNGComp = 1;
    qint32 Interlaced = Interlace::NoInterlace;
    qint32 JpegType = JpegColors::Rgb;
    qint32 TiffType = TiffColors::Rgb;
    qint32 TiffAlg = TiffCompression::Lzw;
    qint32 PdfAlg = PdfCompression::Jpeg;
    QString CustomProfile; // empty: the sRGB profile stands in
    qint32 MultipageWrite = LayerSetting::EachLayer;
    qint32 RawDemosaic = 0;
    qint32 RawWhiteBalance = RawWhiteBalance::Camera;
    qint32 RawHighlight = 0;

    bool operator==(const SImageOptions &other) const = default;

    // The options of the current job (GUI thread).
    static SImageOptions FromProfile(const CUserProfile &profile);
};

// Everything one batch run reads of the job, copied on the GUI thread when the run starts and
// shared read-only by its workers and its upload (std::shared_ptr<const SJobSnapshot>). Edits
// of the job made while the run goes on never reach it, and nothing in a run writes into the
// job through it.
struct SJobSnapshot
{
    // Copies the current job: CUserProfile, the filter chain and the photo list (GUI thread).
    static std::shared_ptr<const SJobSnapshot> Capture();
    // The same from a given profile, chain and photos; tests build runs this way too.
    static std::shared_ptr<SJobSnapshot> FromJob(const CUserProfile &profile,
        const QList<SFilterRecord> &filters, const QList<SImageRecord> &photos,
        const QStringList &skippedNames);

    // The job's extension for a format: its entry in FormatExtensions, else the name
    // upper-cased.
    QString FormatExtension(const QString &format) const;
    int ActiveFilterCount() const;
    bool KeepsOriginalFormat() const;

    SRenameSettings RenameSettings; // the working set
    bool CounterReset = false; // of the saved rename options
    SOutputOptions OutputOptions;
    SImageOptions Image;
    QString DefaultFormat = QStringLiteral("JPG");
    QMap<QString, QString> FormatExtensions; // coder upper-cased -> extension upper-cased
    QString KeepOriginalText; // the sentence shown for the keep-original choice, for the log
    bool UseMulticore = true;
    bool WriteProgramLog = true; // the program's batch log file

    // What a script said about itself and its Monitor block.
    bool SilentScript = false;
    bool MonitorScript = false;
    bool SilentMode = false; // a "Silent" Monitor run cannot be cancelled
    bool Overwrite = false;
    bool CreateLog = true;
    qint32 PicCount = 0;
    QString MonitorId;
    QString MonitorFolder;

    QList<SFilterRecord> Filters;
    QList<SImageRecord> Photos;
    QStringList SkippedNames; // files a folder search could not take
};
