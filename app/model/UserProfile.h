#pragma once

#include "OptionChoices.h"
#include "OutputOptions.h"
#include "RenameSettings.h"

#include <QMap>
#include <QMutex>
#include <QObject>
#include <QString>

#include <array>

// The program settings and everything of the current job other than its photos and filters.
// It belongs to the GUI thread: batch runs and previews read copies of the job (SJobSnapshot,
// SImageOptions) made there, never this object. Only the status text is guarded
// (StatusTextLock).
class CUserProfile : public QObject
{
    Q_OBJECT

public:
    static CUserProfile *instance(); // created on first use, in the GUI thread
    static void DeleteInstance(); // saves the program settings when they were loaded

    // Reads the program settings, builds the format catalogue and fills FormatExtensions.
    void LoadSettings();
    // Writes the program settings and the extension of every common format with a choice.
    void SaveSettings();
    bool IsDarkTheme() const;
    void ResetColorProfile();
    // Forgets what the last script said about itself (silent run, Monitor block and its
    // fields), so that a project or script loaded next, or a new job, does not inherit it.
    void ClearScriptState();
    // Stores the text under StatusTextLock, then emits UpdateStatusBar(). Any thread.
    void SetStatusText(const QString &text);
    QString GetStatusText() const;

    // The job's extension for a format: its FormatExtensions entry, else the name upper-cased.
    // (The batch worker calls this rule MapExtension.)
    QString FormatExtension(const QString &format) const;
    // The working rename settings take the extension of the chosen output format, lower-cased.
    void UpdateOutputExtension();
    // The working rename settings take the saved rename options.
    void RebuildRenameSettings();

    static QString DefaultColorProfile();
    // The translated sentence shown for the output format that keeps each photo's own format
    // (SOutputOptions::KeepOriginalFormat()).
    static QString KeepOriginalFormatText();

    // Formats whose reading needs Ghostscript, in the order of GhostscriptNotice.
    static constexpr std::array<const char *, 11> GhostscriptFormats
        = { "PDF", "EPS", "EPS2", "EPS3", "EPSF", "EPSI", "EPI", "EPT", "PS", "PS2", "PS3" };

    // The job.
    SRenameSettings RenameSettings; // working set
    bool Step1Preview = true;
    bool Step2Preview = true;
    SRenameOptions RenameOptions; // as documents save it
    SOutputOptions OutputOptions;

    // The Monitor block of a script.
    QString MonitorId;
    QString MonitorName;
    QString MonitorFolder;
    bool CreateLog = true;
    bool Overwrite = false;
    bool SilentMode = false;
    qint32 PicCount = 0; // photos the Monitor job processed before this script
    QString MonitorHost; // property "Host"
    int MonitorType = MonitorJobType::Folder; // property "Type"

    // A notice is due while its flag is set; cleared once shown, never saved.
    // True, and that format's notice spent, when `format` (any case) needs Ghostscript and its
    // notice has not been given yet: each notice comes once while the program runs.
    bool TakeGhostscriptNotice(const QString &format);
    std::array<bool, 11> GhostscriptNotice { true, true, true, true, true, true, true, true, true,
        true, true };

    // Format options.
    qint32 Quality = 88;
    bool Lossless = false; // AVIF, HEIF and WEBP; saved nowhere
    qint32 FileSize = 100; // kilobytes, when FixedSize is set
    bool FixedSize = false;
    qint32 PNGComp = 1;
    qint32 Interlaced = Interlace::NoInterlace;
    QMap<QString, QString> FormatExtensions; // coder upper-cased -> extension upper-cased
    qint32 JpegType = JpegColors::Rgb;
    qint32 TiffType = TiffColors::Rgb;
    qint32 TiffAlg = TiffCompression::Lzw;
    qint32 PdfAlg = PdfCompression::Jpeg;
    QString CustomProfile = DefaultColorProfile();
    QString DefaultFormat = QStringLiteral("JPG");

    // Program settings, with the defaults of an empty settings store.
    qint32 LanguageId = 1033;
    qint32 ThemeId = ThemeChoice::FollowDesktop;
    bool UseMulticore = true;
    bool ContextualMenu = true;
    bool ShowProfiles = false;
    bool ShowStartupWizard = true;
    bool MonitorLaunch = true;
    bool AutoCheck = true;
    bool QdvLog = true; // write the batch log file
    qint32 RawDemosaic = 0;
    qint32 RawWhiteBalance = RawWhiteBalance::Camera;
    qint32 RawHighlight = 0;
    qint32 CheckNewInterval = UpdateInterval::Weekly;
    qint32 MultipageWrite = LayerSetting::EachLayer;

    QString StatusText;
    mutable QMutex StatusTextLock;

    // Run state of the window, not saved with the job.
    qint32 DetailsSortColumn = -1; // -1: unsorted
    qint32 DetailsSortOrder = 0;
    qint32 LaunchCounter = 0;
    QString CurrentPhotoPath; // the photo the step previews show, also the Step 2 sample
    qint32 CurrentPhotoIndex = 0;
    bool BuiltInProfileLoaded = false; // the save-as-only flag: saving in place becomes Save As
    bool ScriptRun = false; // a start-up script runs the batch unattended
    bool SilentScript = false; // the loaded script's Mode is "Silent"
    bool MonitorScript = false; // the loaded document carries a Monitor block
    qint32 BatchRunCount = 0;

signals:
    void UpdateStatusBar();

private:
    CUserProfile();
    ~CUserProfile() override;
    CUserProfile(const CUserProfile &) = delete;
    CUserProfile &operator=(const CUserProfile &) = delete;

    struct SSettingField
    {
        qint32 *number = nullptr;
        bool *flag = nullptr;
    };
    SSettingField FieldOf(const char *key);

    bool m_settingsLoaded = false;

    static CUserProfile *m_instance;
};
