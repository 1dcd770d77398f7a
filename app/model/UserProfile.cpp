#include "UserProfile.h"

#include "FormatsEnum.h"
#include "Settings.h"
#include "Trace.h"
#include "platform/ColorScheme.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QMutexLocker>

#include <cstring>

CUserProfile *CUserProfile::m_instance = nullptr;

CUserProfile *CUserProfile::instance()
{
    if (!m_instance)
        m_instance = new CUserProfile();
    return m_instance;
}

void CUserProfile::DeleteInstance()
{
    delete m_instance;
    m_instance = nullptr;
}

CUserProfile::CUserProfile() = default;

CUserProfile::~CUserProfile()
{
    // Without a load the fields hold defaults, not the user's choices: writing them back
    // would wipe the stored settings.
    if (m_settingsLoaded)
        SaveSettings();
}

CUserProfile::SSettingField CUserProfile::FieldOf(const char *key)
{
    const struct
    {
        const char *key;
        SSettingField field;
    } fields[] = {
        { SettingsKey::LanguageId, { &LanguageId, nullptr } },
        { SettingsKey::UseMulticore, { nullptr, &UseMulticore } },
        { SettingsKey::ContextualMenu, { nullptr, &ContextualMenu } },
        { SettingsKey::ShowProfiles, { nullptr, &ShowProfiles } },
        { SettingsKey::ShowStartupWizard, { nullptr, &ShowStartupWizard } },
        { SettingsKey::CheckNewAutoCheck, { nullptr, &AutoCheck } },
        { SettingsKey::CheckNewInterval, { &CheckNewInterval, nullptr } },
        { SettingsKey::WriteBatchLog, { nullptr, &QdvLog } },
        { SettingsKey::MonitorLaunch, { nullptr, &MonitorLaunch } },
        { SettingsKey::ThemeId, { &ThemeId, nullptr } },
        { SettingsKey::MultipageWrite, { &MultipageWrite, nullptr } },
        { SettingsKey::RawWhiteBalance, { &RawWhiteBalance, nullptr } },
        { SettingsKey::RawHighlight, { &RawHighlight, nullptr } },
        { SettingsKey::RawDemosaic, { &RawDemosaic, nullptr } },
    };
    for (const auto &entry : fields) {
        if (std::strcmp(entry.key, key) == 0)
            return entry.field;
    }
    return {};
}

void CUserProfile::LoadSettings()
{
    LogMessage(QStringLiteral("CUserProfile::LoadSettings"));
    for (const SProgramSetting &setting : ProgramSettings) {
        const int value = ReadSettingInt(QLatin1String(setting.key), setting.defaultValue);
        const SSettingField field = FieldOf(setting.key);
        if (field.flag)
            *field.flag = value != 0;
        else if (field.number)
            *field.number = value;
    }

    CFormatsEnum *formats = CFormatsEnum::instance();
    formats->GenerateList();

    FormatExtensions.clear();
    const QList<SFormatRecord> &rows = formats->Formats();
    for (const SFormatRecord &format : rows) {
        if (!CFormatsEnum::OffersExtensionChoice(format))
            continue;
        const QString coder = format.coder.toUpper();
        QString extension = ReadFileExtension(format.coder);
        // Only one of the format's own extensions may name its files; anything else (an
        // empty text, a path) would give outputs a wrong or unsafe name.
        if (!format.extensions.toUpper().split(QLatin1Char('/')).contains(extension)
            || extension.isEmpty()) {
            LogMessage(QStringLiteral("CUserProfile::LoadSettings"),
                QStringLiteral("Ignored extension \"%1\" for %2").arg(extension, coder));
            extension = coder;
        }
        FormatExtensions.insert(coder, extension);
    }
    m_settingsLoaded = true;
}

void CUserProfile::SaveSettings()
{
    LogMessage(QStringLiteral("CUserProfile::SaveSettings"));
    for (const SProgramSetting &setting : ProgramSettings) {
        const SSettingField field = FieldOf(setting.key);
        if (field.flag)
            WriteSettingInt(QLatin1String(setting.key), *field.flag ? 1 : 0);
        else if (field.number)
            WriteSettingInt(QLatin1String(setting.key), *field.number);
    }

    const QList<SFormatRecord> &rows = CFormatsEnum::instance()->Formats();
    for (const SFormatRecord &format : rows) {
        if (CFormatsEnum::OffersExtensionChoice(format))
            WriteSettingString(FileExtensionKey(format.coder), FormatExtension(format.coder));
    }
}

bool CUserProfile::IsDarkTheme() const
{
    if (ThemeId == ThemeChoice::Dark)
        return true;
    if (ThemeId == ThemeChoice::Light)
        return false;
    return Platform::DesktopPrefersDark();
}

void CUserProfile::ResetColorProfile()
{
    CustomProfile = DefaultColorProfile();
}

QString CUserProfile::DefaultColorProfile()
{
    return Platform::ProgramDataFolder() + QStringLiteral("/sRGB.icm");
}

void CUserProfile::ClearScriptState()
{
    SilentScript = false;
    MonitorScript = false;
    MonitorId.clear();
    MonitorName.clear();
    MonitorFolder.clear();
    CreateLog = true;
    Overwrite = false;
    SilentMode = false;
    PicCount = 0;
    MonitorHost.clear();
    MonitorType = MonitorJobType::Folder;
}

QString CUserProfile::KeepOriginalFormatText()
{
    return QCoreApplication::translate("QObject", "Keep original image format (if possible)");
}

void CUserProfile::SetStatusText(const QString &text)
{
    {
        QMutexLocker lock(&StatusTextLock);
        StatusText = text;
    }
    emit UpdateStatusBar();
}

QString CUserProfile::GetStatusText() const
{
    QMutexLocker lock(&StatusTextLock);
    return StatusText;
}

QString CUserProfile::FormatExtension(const QString &format) const
{
    const QString key = format.toUpper();
    return FormatExtensions.value(key, key);
}

void CUserProfile::UpdateOutputExtension()
{
    // The extension of a kept format is the photo's own; until a photo gives one, the preview
    // shows the sentence of the choice.
    const QString format = OutputOptions.KeepsOriginalFormat() ? KeepOriginalFormatText()
                                                               : OutputOptions.OutputFormat;
    RenameSettings.OutputExtension = FormatExtension(format).toLower();
}

void CUserProfile::RebuildRenameSettings()
{
    RenameSettings.ApplyOptions(RenameOptions);
}

bool CUserProfile::TakeGhostscriptNotice(const QString &format)
{
    const QString name = format.toUpper();
    for (size_t index = 0; index < GhostscriptFormats.size(); ++index) {
        if (name != QLatin1String(GhostscriptFormats.at(index)))
            continue;
        const bool due = GhostscriptNotice.at(index);
        GhostscriptNotice.at(index) = false;
        return due;
    }
    return false;
}
