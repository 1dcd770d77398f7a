#include "SystemInfo.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QSysInfo>

#include <unistd.h>

namespace Platform {

int ProcessorCount()
{
    const long online = sysconf(_SC_NPROCESSORS_ONLN);
    return online > 0 ? int(qMin(online, 1L << 16)) : 1;
}

QString ProgramArchitecture()
{
    return QLatin1String(QSysInfo::WordSize == 64 ? "x64" : "x86");
}

SScreenFacts PrimaryScreenFacts()
{
    SScreenFacts facts;
    // QCoreApplication alone (or no application yet) has no screens to ask.
    const auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!application)
        return facts;
    facts.devicePixelRatio = application->devicePixelRatio();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return facts;
    const QRect geometry = screen->geometry();
    facts.width = geometry.width();
    facts.height = geometry.height();
    facts.colorDepth = screen->depth();
    facts.refreshRate = screen->refreshRate();
    return facts;
}

bool ReadSystemVersion(SSystemVersion &version)
{
    const QString kernel = QSysInfo::kernelVersion();
    static const QRegularExpression numbers(QStringLiteral("^(\\d+)\\.(\\d+)"));
    const QRegularExpressionMatch match = numbers.match(kernel);
    if (!match.hasMatch())
        return false;
    QString name = QSysInfo::prettyProductName();
    if (name.isEmpty())
        name = QSysInfo::kernelType();
    version.text = name + QStringLiteral(" (Build ") + kernel + QLatin1Char(')');
    version.major = match.captured(1).toInt();
    version.minor = match.captured(2).toInt();
    return true;
}

} // namespace Platform
