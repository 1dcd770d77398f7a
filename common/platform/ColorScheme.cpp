#include "ColorScheme.h"

#include <QGuiApplication>
#include <QPalette>

namespace Platform {

bool DesktopPrefersDark()
{
    // GTK desktops name a dark variant in the theme: "Adwaita:dark" or "Adwaita-dark".
    const QString gtkTheme = qEnvironmentVariable("GTK_THEME").toLower();
    if (gtkTheme.endsWith(QLatin1String(":dark")) || gtkTheme.endsWith(QLatin1String("-dark")))
        return true;
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

} // namespace Platform
