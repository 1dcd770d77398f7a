#include "CurlSetup.h"

#include "Trace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <mutex>

namespace {

// Guards the two flags below; held while libcurl's global state is set up or torn down.
std::mutex globalStateLock;
bool globalStateReady = false;
bool globalStateCleanedUp = false;

// With the lock held. False once the state has been torn down.
bool InitializeLocked()
{
    if (globalStateCleanedUp)
        return false;
    if (!globalStateReady) {
        const CURLcode result = curl_global_init(CURL_GLOBAL_DEFAULT);
        if (result != CURLE_OK)
            LogMessage(
                QStringLiteral("InitializeCurl"), QString::fromUtf8(curl_easy_strerror(result)));
        globalStateReady = true; // a failed set-up is not retried: it reports once
    }
    return true;
}

// Trust on first use: without a check any machine that answers for the host name would get
// the user's password and photos. This libcurl remembers keys by host name, whatever the port.
int CheckHostKey(CURL *, const curl_khkey *, const curl_khkey *, curl_khmatch match, void *)
{
    switch (match) {
    case CURLKHMATCH_OK:
        return CURLKHSTAT_FINE;
    case CURLKHMATCH_MISSING:
        return CURLKHSTAT_FINE_ADD_TO_FILE;
    default:
        LogMessage(QStringLiteral("CheckHostKey"),
            QStringLiteral("The server's key differs from the one remembered in ")
                + KnownHostsPath());
        return CURLKHSTAT_REJECT;
    }
}

} // namespace

void InitializeCurl()
{
    std::lock_guard<std::mutex> lock(globalStateLock);
    InitializeLocked();
}

void CleanupCurl()
{
    std::lock_guard<std::mutex> lock(globalStateLock);
    if (globalStateReady)
        curl_global_cleanup();
    globalStateReady = false;
    globalStateCleanedUp = true;
}

QString KnownHostsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
        + QStringLiteral("/known_hosts");
}

CURL *NewCurlHandle()
{
    CURL *handle = nullptr;
    {
        // curl_easy_init would set the global state up again by itself after a clean-up.
        std::lock_guard<std::mutex> lock(globalStateLock);
        if (InitializeLocked())
            handle = curl_easy_init();
    }
    if (!handle)
        return handle;
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    static const QByteArray knownHosts = [] {
        const QString path = KnownHostsPath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        return QFile::encodeName(path);
    }();
    curl_easy_setopt(handle, CURLOPT_SSH_KNOWNHOSTS, knownHosts.constData());
    curl_easy_setopt(handle, CURLOPT_SSH_KEYFUNCTION, &CheckHostKey);
    return handle;
}

QString PercentEncodedPath(const QString &path)
{
    QStringList segments = path.split(QLatin1Char('/'));
    for (QString &segment : segments)
        segment = QString::fromLatin1(QUrl::toPercentEncoding(segment));
    return segments.join(QLatin1Char('/'));
}
