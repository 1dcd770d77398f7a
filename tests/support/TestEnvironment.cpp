#include "TestEnvironment.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdlib>
#include <unistd.h>

TestEnvironment::TestEnvironment()
{
    // mkdtemp under the real temporary folder; everything else then lives inside it.
    QByteArray base = qgetenv("TMPDIR");
    if (base.isEmpty())
        base = "/tmp";
    QByteArray pattern = base + "/quendrasil-test-XXXXXX";
    if (!mkdtemp(pattern.data()))
        qFatal("Cannot create the test's private folder under %s", base.constData());
    m_root = QString::fromLocal8Bit(pattern);

    const auto setFolder = [this](const char *variable, const QString &sub) {
        const QString path = m_root + QLatin1Char('/') + sub;
        QDir().mkpath(path);
        qputenv(variable, QFile::encodeName(path));
    };
    setFolder("HOME", QStringLiteral("home"));
    setFolder("XDG_CONFIG_HOME", QStringLiteral("home/.config"));
    setFolder("XDG_DATA_HOME", QStringLiteral("home/.local/share"));
    setFolder("XDG_CACHE_HOME", QStringLiteral("home/.cache"));
    setFolder("XDG_RUNTIME_DIR", QStringLiteral("runtime"));
    setFolder("TMPDIR", QStringLiteral("tmp"));
    QFile::setPermissions(m_root + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner
                              | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

TestEnvironment::~TestEnvironment()
{
    QDir(m_root).removeRecursively();
}
