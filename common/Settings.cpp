#include "Settings.h"

#include "AppInfo.h"

#include <QFile>
#include <QSettings>

namespace {
QSettings OpenStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, AppInfo::OrganizationName,
        AppInfo::ApplicationName);
}

QVariant ReadValue(const QString &key)
{
    return OpenStore().value(key);
}

void WriteValue(const QString &key, const QVariant &value)
{
    QSettings store = OpenStore();
    store.setValue(key, value);
    store.sync();
}
} // namespace

void RestrictSettingsToOwner()
{
    QSettings store = OpenStore();
    store.sync();
    QFile::setPermissions(store.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

int ReadSettingInt(const QString &key, int defaultValue)
{
    const QVariant value = ReadValue(key);
    return value.isValid() ? value.toInt() : defaultValue; // text that is no number reads as 0
}

QString ReadSettingString(const QString &key, const QString &defaultValue)
{
    const QVariant value = ReadValue(key);
    return value.isValid() ? value.toString() : defaultValue;
}

QByteArray ReadSettingBytes(const QString &key, const QByteArray &defaultValue)
{
    const QVariant value = ReadValue(key);
    return value.isValid() ? value.toByteArray() : defaultValue;
}

void WriteSettingInt(const QString &key, int value)
{
    WriteValue(key, value);
}

void WriteSettingString(const QString &key, const QString &value)
{
    WriteValue(key, value);
}

void WriteSettingBytes(const QString &key, const QByteArray &value)
{
    WriteValue(key, value);
}

QString FileExtensionKey(const QString &coder)
{
    return QLatin1String(SettingsKey::FileExtensionPrefix) + coder;
}

QString ReadFileExtension(const QString &coder)
{
    return ReadSettingString(FileExtensionKey(coder), coder).toUpper();
}

QString InstallerSourceQuery()
{
    const QString stored = ReadSettingString(SettingsKey::InstallerPathName, QString());
    QString name = stored.mid(stored.lastIndexOf(QLatin1Char('\\')) + 1);
    name.chop(4); // ".exe"
    const qsizetype dash = name.indexOf(QLatin1Char('-'));
    if (dash < 0)
        return QString();
    return QStringLiteral("s=") + name.mid(dash + 1) + QLatin1Char('&');
}
