#include "LoginStart.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace Platform {
namespace {

QString AutostartFolder()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // A relative XDG_CONFIG_HOME is not to be used: fall back to ~/.config.
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart");
}

// Exec= takes a quoted argument with these four characters escaped.
QString QuoteExec(const QString &path)
{
    QString quoted = path;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""))
        .replace(QLatin1Char('`'), QStringLiteral("\\`"))
        .replace(QLatin1Char('$'), QStringLiteral("\\$"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString LoginStartEntryPath(const QString &entryName)
{
    return AutostartFolder() + QLatin1Char('/') + entryName + QStringLiteral(".desktop");
}

bool HasLoginStartEntry(const QString &entryName)
{
    return QFile::exists(LoginStartEntryPath(entryName));
}

bool AddLoginStartEntry(
    const QString &entryName, const QString &displayName, const QString &programPath)
{
    if (!QDir().mkpath(AutostartFolder()))
        return false;
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=%1\n"
                                        "Exec=%2\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(displayName, QuoteExec(programPath));
    QSaveFile file(LoginStartEntryPath(entryName));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

bool RemoveLoginStartEntry(const QString &entryName)
{
    const QString path = LoginStartEntryPath(entryName);
    return !QFile::exists(path) || QFile::remove(path);
}

} // namespace Platform
