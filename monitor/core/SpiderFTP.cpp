#include "SpiderFTP.h"

#include "CurlSetup.h"
#include "Trace.h"

#include <QDir>
#include <QFile>

namespace {

const QString ScanTag = QStringLiteral("CSpiderFTP::ScanDirectory");
const QString FolderTag = QStringLiteral("CSpiderFTP::ProcessNextFolder");

// A listing is small: a whole-transfer limit keeps a dead server from holding the thread.
constexpr long ListTimeoutSeconds = 10;
// A photo may take long on a slow line; only a connection that stops moving is given up.
constexpr long ConnectTimeoutSeconds = 10;
constexpr long StalledBytesPerSecond = 1;
constexpr long StalledSeconds = 30;

size_t WriteToString(char *data, size_t size, size_t count, void *text)
{
    const size_t bytes = size * count;
    static_cast<QByteArray *>(text)->append(data, static_cast<qsizetype>(bytes));
    return bytes;
}

struct SDownloadTarget
{
    QString Path;
    QFile File;
};

// The file is opened at the first data, so a transfer that fails at once leaves nothing behind.
size_t WriteToFile(char *data, size_t size, size_t count, void *target)
{
    auto *download = static_cast<SDownloadTarget *>(target);
    const size_t bytes = size * count;
    if (!download->File.isOpen()) {
        download->File.setFileName(download->Path);
        if (!download->File.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0; // anything but `bytes` makes libcurl abort the transfer
    }
    const qint64 written = download->File.write(data, static_cast<qint64>(bytes));
    return written == static_cast<qint64>(bytes) ? bytes : 0;
}

QByteArray EncodeUrl(const QString &base, const QString &path)
{
    return base.toUtf8() + PercentEncodedPath(path).toLatin1();
}

// A name that would leave its folder, or that is no name at all, never becomes a local path.
bool IsUsableName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

// Downloads one file to localPath; true when the whole file is there. A failed or stalled
// transfer removes what it wrote, so no partial photo is ever taken for a whole one.
bool DownloadFile(CURL *handle, const QByteArray &url, const QString &localPath)
{
    SDownloadTarget target;
    target.Path = localPath;
    curl_easy_setopt(handle, CURLOPT_URL, url.constData());
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &target);
    LogMessage(FolderTag, QStringLiteral("Downloading ") + QString::fromUtf8(url));
    const CURLcode result = curl_easy_perform(handle);
    const bool opened = target.File.isOpen();
    bool written = true;
    if (opened) {
        written = target.File.flush();
        target.File.close();
        written = written && target.File.error() == QFileDevice::NoError;
    }
    if (result != CURLE_OK || !written) {
        LogMessage(FolderTag,
            QStringLiteral("error: ")
                + (result != CURLE_OK ? QString::fromUtf8(curl_easy_strerror(result))
                                      : target.File.errorString()));
        if (opened)
            QFile::remove(localPath);
        return false;
    }
    if (!opened) {
        // An empty remote file delivers no data: it still has to exist here.
        QFile empty(localPath);
        if (!empty.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            LogMessage(FolderTag, QStringLiteral("error: ") + empty.errorString());
            return false;
        }
    }
    return true;
}

bool IsDigits(const QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (!c.isDigit())
            return false;
    return true;
}

bool HasDigit(const QStringView text)
{
    for (const QChar c : text)
        if (c.isDigit())
            return true;
    return false;
}

// A time ("12:00") or a year ("2023").
bool IsTimeOrYear(const QStringView text)
{
    if (!HasDigit(text))
        return false;
    for (const QChar c : text)
        if (!c.isDigit() && c != QLatin1Char(':'))
            return false;
    return true;
}

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

struct SWord
{
    qsizetype Start;
    qsizetype End; // one past the last character
};

// Parses one line; false when it lacks a column. The columns after the link count are found
// from the date (size, month, day, time or year), not from how many blanks part them: servers
// pad columns differently, and a long owner name is followed by a single blank.
bool ParseLine(const QString &line, SFTPEntry &entry)
{
    if (line.size() < 11)
        return false;
    entry.Kind = line.at(0);
    entry.Permissions = line.mid(1, 9);
    qsizetype position = 10;
    while (position < line.size() && !line.at(position).isDigit())
        ++position;
    const qsizetype linkStart = position;
    while (position < line.size() && line.at(position).isDigit())
        ++position;
    bool ok = false;
    entry.LinkCount = QStringView(line).mid(linkStart, position - linkStart).toInt(&ok);
    if (!ok)
        return false;

    QList<SWord> words;
    while (position < line.size()) {
        while (position < line.size() && IsBlank(line.at(position)))
            ++position;
        const qsizetype start = position;
        while (position < line.size() && !IsBlank(line.at(position)))
            ++position;
        if (position > start)
            words.append({ start, position });
    }
    const auto word = [&](qsizetype i) {
        return QStringView(line).mid(words.at(i).Start, words.at(i).End - words.at(i).Start);
    };
    // The first size followed by month, day and time or year, with a name after them.
    for (qsizetype size = 1; size + 4 < words.size(); ++size) {
        if (!IsDigits(word(size)) || word(size + 1).isEmpty() || HasDigit(word(size + 1))
            || !IsDigits(word(size + 2)) || word(size + 2).size() > 2
            || !IsTimeOrYear(word(size + 3)))
            continue;
        entry.Size = word(size).toLongLong(&ok);
        if (!ok)
            return false;
        // Owner and group: two blanks part them where the server pads its columns (a name may
        // then hold single blanks), else the first word is the owner.
        const QString people
            = line.mid(words.at(0).Start, words.at(size - 1).End - words.at(0).Start);
        qsizetype split = people.indexOf(QLatin1String("  "));
        if (split < 0)
            split = people.indexOf(QLatin1Char(' '));
        entry.Owner = split < 0 ? people : people.left(split);
        entry.Group = split < 0 ? QString() : people.mid(split).trimmed();
        entry.Date = word(size + 1).toString() + QLatin1Char(' ') + word(size + 2).toString()
            + QLatin1Char(' ') + word(size + 3).toString();
        qsizetype nameStart = words.at(size + 3).End;
        while (nameStart < line.size() && IsBlank(line.at(nameStart)))
            ++nameStart;
        entry.Name = line.mid(nameStart);
        if (entry.Kind == QLatin1Char('l')) {
            const qsizetype arrow = entry.Name.indexOf(QLatin1String(" -> "));
            if (arrow >= 0)
                entry.Name.truncate(arrow);
        }
        return !entry.Name.isEmpty();
    }
    return false;
}

} // namespace

CSpiderFTP::CSpiderFTP(QObject *parent)
    : QObject(parent)
{
}

CSpiderFTP::~CSpiderFTP() = default;

bool CSpiderFTP::ScanDirectory(const QString &host, const QString &user, const QString &password,
    const QString &remoteFolder, int port, bool useSFTP, EScanMode mode, bool subfolders,
    const QString &mask, const QStringList &downloadList, const QString &localFolder)
{
    Mode = mode;
    BaseUrl = QStringLiteral("ftp://") + host;
    if (useSFTP)
        BaseUrl.prepend(QLatin1Char('s'));
    LogMessage(ScanTag, BaseUrl + QStringLiteral(" : ") + QString::number(port));

    ListHandle = NewCurlHandle();
    DownloadHandle = NewCurlHandle();
    if (!ListHandle || !DownloadHandle) {
        if (ListHandle)
            curl_easy_cleanup(ListHandle);
        if (DownloadHandle)
            curl_easy_cleanup(DownloadHandle);
        ListHandle = DownloadHandle = nullptr;
        return false;
    }
    FolderQueue.append(remoteFolder);

    m_subfolders = subfolders;
    const qsizetype dot = mask.lastIndexOf(QLatin1Char('.'));
    MaskExtension = dot < 0 ? mask : mask.mid(dot + 1);
    LocalFolder = localFolder;
    DownloadList = downloadList;

    // libcurl keeps pointers to these texts until the handles are cleaned up.
    const QByteArray userName = user.toUtf8();
    const QByteArray plainPassword = password.toUtf8();

    curl_easy_setopt(ListHandle, CURLOPT_PORT, static_cast<long>(port));
    curl_easy_setopt(ListHandle, CURLOPT_TIMEOUT, ListTimeoutSeconds);
    curl_easy_setopt(ListHandle, CURLOPT_WRITEFUNCTION, &WriteToString);
    curl_easy_setopt(ListHandle, CURLOPT_USERNAME, userName.constData());
    curl_easy_setopt(ListHandle, CURLOPT_PASSWORD, plainPassword.constData());

    curl_easy_setopt(DownloadHandle, CURLOPT_PORT, static_cast<long>(port));
    curl_easy_setopt(DownloadHandle, CURLOPT_CONNECTTIMEOUT, ConnectTimeoutSeconds);
    curl_easy_setopt(DownloadHandle, CURLOPT_LOW_SPEED_LIMIT, StalledBytesPerSecond);
    curl_easy_setopt(DownloadHandle, CURLOPT_LOW_SPEED_TIME, StalledSeconds);
    curl_easy_setopt(DownloadHandle, CURLOPT_FTP_CREATE_MISSING_DIRS, 1L);
    curl_easy_setopt(DownloadHandle, CURLOPT_WRITEFUNCTION, &WriteToFile);
    curl_easy_setopt(DownloadHandle, CURLOPT_USERNAME, userName.constData());
    curl_easy_setopt(DownloadHandle, CURLOPT_PASSWORD, plainPassword.constData());

    ProcessNextFolder(useSFTP);

    curl_easy_cleanup(ListHandle);
    curl_easy_cleanup(DownloadHandle);
    ListHandle = DownloadHandle = nullptr;
    return true;
}

void CSpiderFTP::ProcessNextFolder(bool useSFTP)
{
    // Breadth-first: subfolders join the end of the queue.
    while (!FolderQueue.isEmpty()) {
        const QString folder = FolderQueue.takeFirst();
        LogMessage(FolderTag, folder);
        // Without a local folder the remote layout would be made at the root of the disk.
        const bool downloads = Mode == EScanMode::Download && !LocalFolder.isEmpty();
        if (downloads)
            QDir().mkpath(LocalFolder + folder);

        QByteArray listing;
        const QByteArray url = EncodeUrl(BaseUrl, folder);
        curl_easy_setopt(ListHandle, CURLOPT_URL, url.constData());
        curl_easy_setopt(ListHandle, CURLOPT_WRITEDATA, &listing);
        curl_easy_setopt(ListHandle, CURLOPT_DIRLISTONLY, 0L);
        const CURLcode result = curl_easy_perform(ListHandle);
        if (result != CURLE_OK)
            LogMessage(FolderTag,
                QStringLiteral("error: ") + QString::fromUtf8(curl_easy_strerror(result)));

        // SFTP lines end in a line feed, FTP lines in carriage return and line feed; a server
        // that ends FTP lines in a bare line feed is read the same way.
        QStringList lines = QString::fromUtf8(listing).split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        if (!useSFTP) {
            for (QString &line : lines)
                if (line.endsWith(QLatin1Char('\r')))
                    line.chop(1);
        }

        const QList<SFTPEntry> entries = ParseListLine(lines);
        for (const SFTPEntry &entry : entries) {
            if (!IsUsableName(entry.Name))
                continue;
            if (entry.Kind == QLatin1Char('d')) {
                if (m_subfolders)
                    FolderQueue.append(folder + entry.Name + QLatin1Char('/'));
                continue;
            }
            if (MaskExtension != QLatin1String("*")) {
                const qsizetype dot = entry.Name.lastIndexOf(QLatin1Char('.'));
                const QString extension = dot < 0 ? entry.Name : entry.Name.mid(dot + 1);
                if (extension.compare(MaskExtension, Qt::CaseInsensitive) != 0)
                    continue;
            }
            const QString path = folder + entry.Name;
            switch (Mode) {
            case EScanMode::ListSizes:
                FirstPassPaths.append(path);
                FirstPassSizes.append(entry.Size);
                break;
            case EScanMode::KeepStable:
                for (qsizetype i = 0; i < FirstPassPaths.size(); ++i) {
                    if (FirstPassPaths.at(i) == path && FirstPassSizes.value(i, -1) == entry.Size) {
                        StableFiles.append(path);
                        break;
                    }
                }
                break;
            case EScanMode::Download:
                if (downloads && DownloadList.contains(path)
                    && DownloadFile(DownloadHandle, EncodeUrl(BaseUrl, path), LocalFolder + path))
                    Downloaded.append(path);
                break;
            default:
                break;
            }
        }
    }
}

QList<SFTPEntry> CSpiderFTP::ParseListLine(const QStringList &lines)
{
    QList<SFTPEntry> entries;
    for (const QString &line : lines) {
        SFTPEntry entry;
        // A summary line, a blank line or one cut short is skipped; the listing goes on.
        if (ParseLine(line, entry))
            entries.append(entry);
    }
    return entries;
}
