#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// The per-user settings store, shared by both programs. Each call opens the store, touches
// one key and closes it, so a value written is seen by the next read in either program.
// Keys are "Group/Area.Item"; yes/no values are stored as 0 and 1.
int ReadSettingInt(const QString &key, int defaultValue);
QString ReadSettingString(const QString &key, const QString &defaultValue);
QByteArray ReadSettingBytes(const QString &key, const QByteArray &defaultValue);
void WriteSettingInt(const QString &key, int value);
void WriteSettingString(const QString &key, const QString &value);
// Makes the settings file readable and writable by its owner only (it may hold a password).
void RestrictSettingsToOwner();
void WriteSettingBytes(const QString &key, const QByteArray &value);

namespace SettingsKey {
inline constexpr char LanguageId[] = "Settings/Settings.LanguageId";
inline constexpr char UseMulticore[] = "Settings/Settings.UseMulticore";
inline constexpr char ContextualMenu[] = "Settings/Settings.ContextualMenu";
inline constexpr char ShowProfiles[] = "Settings/Settings.ShowProfiles";
inline constexpr char ShowStartupWizard[] = "Settings/Settings.ShowStartupWizard";
inline constexpr char CheckNewAutoCheck[] = "Settings/CheckNew.AutoCheck";
inline constexpr char CheckNewInterval[] = "Settings/CheckNew.Interval";
inline constexpr char WriteBatchLog[] = "Settings/ProcessEnv.QdvLog";
inline constexpr char MonitorLaunch[] = "Settings/MonitorLaunch";
inline constexpr char ThemeId[] = "Settings/Settings.ThemeId";
inline constexpr char MultipageWrite[] = "Settings/Settings.MultipageWrite";
inline constexpr char RawWhiteBalance[] = "Settings/Settings.RawWhiteBalance";
inline constexpr char RawHighlight[] = "Settings/Settings.RawHighlight";
inline constexpr char RawDemosaic[] = "Settings/Settings.RawDemosaic";
inline constexpr char InstallerPathName[] = "Settings/InstallerPathName";
// Seconds an external helper (Ghostscript) may take for one read; read once at start.
inline constexpr char HelperTimeLimit[] = "Settings/Settings.HelperTimeLimit";
inline constexpr char FileExtensionPrefix[] = "Settings/FileExtension.";
} // namespace SettingsKey

// A whole-number program setting with its default, in the order the program reads and
// writes them at start and at exit.
struct SProgramSetting
{
    const char *key;
    int defaultValue;
    bool yesNo; // stored as 0 or 1; any other non-zero value reads as yes
};

inline constexpr std::array<SProgramSetting, 14> ProgramSettings = { {
    { SettingsKey::LanguageId, 1033, false },
    { SettingsKey::UseMulticore, 1, true },
    { SettingsKey::ContextualMenu, 1, true },
    { SettingsKey::ShowProfiles, 0, true },
    { SettingsKey::ShowStartupWizard, 1, true },
    { SettingsKey::CheckNewAutoCheck, 1, true },
    { SettingsKey::CheckNewInterval, 1, false },
    { SettingsKey::WriteBatchLog, 1, true },
    { SettingsKey::MonitorLaunch, 1, true },
    { SettingsKey::ThemeId, 0, false },
    { SettingsKey::MultipageWrite, 0, false },
    { SettingsKey::RawWhiteBalance, 0, false },
    { SettingsKey::RawHighlight, 0, false },
    { SettingsKey::RawDemosaic, 0, false },
} };

// "Settings/FileExtension." + the coder as the format catalogue spells it.
QString FileExtensionKey(const QString &coder);
// The chosen output extension of a format: the stored value upper-cased, or the coder name.
QString ReadFileExtension(const QString &coder);

// "s=<tag>&" for links to the maker's site when the installer's file name carries a tag
// after a "-", else empty.
QString InstallerSourceQuery();
