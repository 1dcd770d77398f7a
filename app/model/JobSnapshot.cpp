#include "JobSnapshot.h"

#include "ListFilters.h"
#include "ListImages.h"
#include "UserProfile.h"

#include <algorithm>

SImageOptions SImageOptions::FromProfile(const CUserProfile &profile)
{
    SImageOptions options;
    options.Quality = profile.Quality;
    options.Lossless = profile.Lossless;
    options.FileSize = profile.FileSize;
    options.FixedSize = profile.FixedSize;
    options.PNGComp = profile.PNGComp;
    options.Interlaced = profile.Interlaced;
    options.JpegType = profile.JpegType;
    options.TiffType = profile.TiffType;
    options.TiffAlg = profile.TiffAlg;
    options.PdfAlg = profile.PdfAlg;
    options.CustomProfile = profile.CustomProfile;
    options.MultipageWrite = profile.MultipageWrite;
    options.RawDemosaic = profile.RawDemosaic;
    options.RawWhiteBalance = profile.RawWhiteBalance;
    options.RawHighlight = profile.RawHighlight;
    return options;
}

std::shared_ptr<const SJobSnapshot> SJobSnapshot::Capture()
{
    const CListImages *photos = CListImages::instance();
    return FromJob(*CUserProfile::instance(), CListFilters::instance()->Filters(),
        photos->Images(), photos->SkippedNames());
}

std::shared_ptr<SJobSnapshot> SJobSnapshot::FromJob(const CUserProfile &profile,
    const QList<SFilterRecord> &filters, const QList<SImageRecord> &photos,
    const QStringList &skippedNames)
{
    auto job = std::make_shared<SJobSnapshot>();
    job->RenameSettings = profile.RenameSettings;
    job->CounterReset = profile.RenameOptions.CounterReset;
    job->OutputOptions = profile.OutputOptions;
    job->Image = SImageOptions::FromProfile(profile);
    job->DefaultFormat = profile.DefaultFormat;
    job->FormatExtensions = profile.FormatExtensions;
    job->KeepOriginalText = CUserProfile::KeepOriginalFormatText();
    job->UseMulticore = profile.UseMulticore;
    job->WriteProgramLog = profile.QdvLog;
    job->SilentScript = profile.SilentScript;
    job->MonitorScript = profile.MonitorScript;
    job->SilentMode = profile.SilentMode;
    job->Overwrite = profile.Overwrite;
    job->CreateLog = profile.CreateLog;
    job->PicCount = profile.PicCount;
    job->MonitorId = profile.MonitorId;
    job->MonitorFolder = profile.MonitorFolder;
    job->Filters = filters;
    job->Photos = photos;
    job->SkippedNames = skippedNames;
    return job;
}

QString SJobSnapshot::FormatExtension(const QString &format) const
{
    const QString key = format.toUpper();
    return FormatExtensions.value(key, key);
}

int SJobSnapshot::ActiveFilterCount() const
{
    return int(std::count_if(Filters.cbegin(), Filters.cend(),
        [](const SFilterRecord &record) { return record.active; }));
}

bool SJobSnapshot::KeepsOriginalFormat() const
{
    return OutputOptions.KeepsOriginalFormat();
}
