#include "ColorScheme.h"

#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

namespace Platform {

namespace {

std::optional<bool> cachedAnswer;
bool desktopPaletteDark = false; // the desktop's palette, as last seen before our own

bool GtkThemeIsDark()
{
    // "Adwaita:dark" or "Adwaita-dark".
    const QString theme = qEnvironmentVariable("GTK_THEME").toLower();
    return theme.endsWith(QLatin1String(":dark")) || theme.endsWith(QLatin1String("-dark"));
}

bool GnomeSchemeIsDark()
{
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (gsettings.isEmpty())
        return false;
    QProcess process;
    process.start(gsettings, { QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                                 QStringLiteral("color-scheme") });
    if (!process.waitForFinished(1000)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    return process.readAllStandardOutput().contains("prefer-dark");
}

bool KdeSchemeIsDark()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/kdeglobals");
    if (!QFile::exists(path))
        return false;
    const QSettings kde(path, QSettings::IniFormat);
    return kde.value(QStringLiteral("General/ColorScheme")).toString().contains(QLatin1String("dark"), Qt::CaseInsensitive);
}

bool PaletteIsDark()
{
    // Once the program has set its own palette, the desktop's is no longer to be seen.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())
        && !QCoreApplication::testAttribute(Qt::AA_SetPalette)) {
        desktopPaletteDark = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
    }
    return desktopPaletteDark;
}

} // namespace

bool DesktopPrefersDark()
{
    if (!cachedAnswer)
        cachedAnswer = GtkThemeIsDark() || GnomeSchemeIsDark() || KdeSchemeIsDark() || PaletteIsDark();
    return *cachedAnswer;
}

void RefreshDesktopScheme()
{
    cachedAnswer.reset();
}

} // namespace Platform
