#include "Upload.h"

#include "CurlSetup.h"
#include "Email.h"
#include "TextCodecs.h"
#include "Trace.h"
#include "platform/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

const QString UploadTag = QStringLiteral("CUpload::UploadFTP");

// Linux paths are case-sensitive: folders differing only in case are different folders.
constexpr Qt::CaseSensitivity PathCase = Qt::CaseSensitive;

// Errors that every further file would meet too: the upload stops at them.
bool IsSessionError(CURLcode code)
{
    switch (code) {
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_FTP_WEIRD_SERVER_REPLY:
    case CURLE_LOGIN_DENIED:
    case CURLE_SSH:
    case CURLE_OPERATION_TIMEDOUT:
        return true;
    default:
        return false;
    }
}

void AppendLine(QString &log, const QString &line)
{
    if (!log.isEmpty())
        log += QStringLiteral("\r\n");
    log += line;
}

} // namespace

void CUpload::SetJob(bool keepFiles, bool monitorScript)
{
    m_keepFiles = keepFiles;
    m_monitorScript = monitorScript;
}

QString CUpload::SlashedFolder(const QString &folder)
{
    QString path = folder;
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    if (!path.endsWith(QLatin1Char('/')))
        path.append(QLatin1Char('/'));
    return path;
}

QString CUpload::BuildUrl(const QString &host, const QString &path, bool sftp, bool encode)
{
    const QString scheme = sftp ? QStringLiteral("sftp://") : QStringLiteral("ftp://");
    return scheme + host + (encode ? PercentEncodedPath(path) : path);
}

size_t CUpload::ReadCallback(char *buffer, size_t size, size_t items, void *stream)
{
    auto *file = static_cast<QFile *>(stream);
    const qint64 read = file->read(buffer, static_cast<qint64>(size * items));
    return read < 0 ? CURL_READFUNC_ABORT : static_cast<size_t>(read);
}

int CUpload::ProgressCallback(void *client, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    // A non-zero answer ends the transfer now rather than after the file.
    return static_cast<CUpload *>(client)->m_abort.load() ? 1 : 0;
}

QString CUpload::GetCommonPath(const QStringList &files, const QString &temporaryFolder) const
{
    if (m_monitorScript) {
        QString folder = temporaryFolder;
        while (folder.endsWith(QLatin1Char('/')))
            folder.chop(1);
        return folder;
    }
    if (files.isEmpty())
        return QString();
    const QString &first = files.first();
    const qsizetype lastSlash = first.lastIndexOf(QLatin1Char('/'));
    if (lastSlash < 0)
        return QString();
    QString candidate = first.left(lastSlash);
    for (const QString &file : files) {
        while (!file.startsWith(candidate + QLatin1Char('/'), PathCase)) {
            const qsizetype cut = candidate.lastIndexOf(QLatin1Char('/'));
            if (cut < 0)
                return QString();
            candidate.truncate(cut);
        }
    }
    return candidate;
}

void CUpload::UploadFTP(const QString &host, const QString &user, const QString &password,
                        int port, const QStringList &files, const QString &folder, bool sftp)
{
    LogMessage(UploadTag, QStringLiteral("FilePaths:"));
    for (const QString &file : files)
        LogMessage(UploadTag, file);

    const QByteArray plainPassword = Base64DecodeString(password).toUtf8();
    const QByteArray userName = user.toUtf8();
    CURL *curl = NewCurlHandle();
    if (curl) {
        curl_easy_setopt(curl, CURLOPT_READFUNCTION, &CUpload::ReadCallback);
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_PORT, static_cast<long>(port));
        curl_easy_setopt(curl, CURLOPT_FTP_CREATE_MISSING_DIRS, 1L);
        curl_easy_setopt(curl, CURLOPT_USERNAME, userName.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, plainPassword.constData());
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &CUpload::ProgressCallback);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
    }

    const QString folderPath = SlashedFolder(folder);
    LogMessage(UploadTag, QStringLiteral("ftpPath: ") + BuildUrl(host, folderPath, sftp, false));
    const QString base = BuildUrl(host, folderPath, sftp, true);

    const QString temporaryFolder = Platform::TempWorkFolder() + QLatin1Char('/');
    const QString commonPath = GetCommonPath(files, temporaryFolder);
    LogMessage(UploadTag, QStringLiteral("commonPath: ") + commonPath);

    for (const QString &path : files) {
        if (m_abort.load()) {
            LogMessage(UploadTag, QStringLiteral("User aborted!"));
            break;
        }
        QString relative = path;
        if (relative.startsWith(commonPath + QLatin1Char('/'), PathCase))
            relative.remove(0, commonPath.size() + 1);
        else
            relative = QFileInfo(path).fileName();
        const QByteArray url = (base + PercentEncodedPath(relative)).toUtf8();
        LogMessage(UploadTag, QStringLiteral("uploadUrl: ") + QString::fromUtf8(url));

        QFile file(path);
        std::error_code sizeError;
        const auto size = std::filesystem::file_size(
            std::filesystem::path(QFile::encodeName(path).toStdString()), sizeError);
        if (sizeError) {
            const QString line
                = QStringLiteral("Couldn't open '%1': %2")
                      .arg(PrintablePath(path), QString::fromLocal8Bit(sizeError.message()));
            LogMessage(UploadTag, line);
            AppendLine(m_log, line);
            continue;
        }
        if (!curl || !file.open(QIODevice::ReadOnly)) {
            LogMessage(UploadTag,
                       QStringLiteral("CURL not initialized or file data counld not be read."));
            AppendLine(m_log,
                QStringLiteral("Couldn't open '%1': %2")
                    .arg(PrintablePath(path), file.errorString()));
            continue;
        }
        curl_easy_setopt(curl, CURLOPT_URL, url.constData());
        curl_easy_setopt(curl, CURLOPT_READDATA, &file);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size));
        QElapsedTimer timer;
        timer.start();
        const CURLcode result = curl_easy_perform(curl);
        file.close();
        if (result == CURLE_OK) {
            ++m_uploadedCount;
            // A transfer too fast to time still reports a finite speed.
            const qint64 elapsed = std::max<qint64>(timer.elapsed(), 1);
            emit ImgUploaded(static_cast<double>(size) * 0.0009765625 / (elapsed / 1000.0));
            continue;
        }
        if (result == CURLE_ABORTED_BY_CALLBACK) {
            LogMessage(UploadTag, QStringLiteral("User aborted!"));
            break;
        }
        const QString error = QString::fromUtf8(curl_easy_strerror(result));
        LogMessage(UploadTag, error);
        if (IsSessionError(result)) {
            AppendLine(m_log, error);
            break;
        }
        AppendLine(
            m_log, QStringLiteral("Couldn't upload '%1': %2").arg(PrintablePath(path), error));
    }
    if (curl)
        curl_easy_cleanup(curl);

    m_files = files;
    if (!m_keepFiles) {
        DeleteTemporaryFiles();
        RemoveEmptiedFolders(temporaryFolder);
    }
    emit UploadFinished(m_uploadedCount, m_log);
}

QString CUpload::TestConnection(const QString &host, const QString &user,
                                const QString &password, int port, const QString &folder,
                                bool sftp)
{
    const QByteArray plainPassword = Base64DecodeString(password).toUtf8();
    const QByteArray userName = user.toUtf8();
    const QByteArray url = BuildUrl(host, SlashedFolder(folder), sftp, true).toUtf8();
    CURL *curl = NewCurlHandle();
    if (!curl)
        return QString();
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_PORT, static_cast<long>(port));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 10L);
    curl_easy_setopt(curl, CURLOPT_USERNAME, userName.constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, plainPassword.constData());
    // The listing is only fetched to prove the folder can be read; it is thrown away.
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION,
                     +[](char *, size_t size, size_t items, void *) { return size * items; });
    const CURLcode result = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    return result == CURLE_OK ? QStringLiteral("Success")
                              : QString::fromUtf8(curl_easy_strerror(result));
}

bool CUpload::SendByEmail(const QStringList &files)
{
    CEmail email;
    email.subject = QStringLiteral("Quendrasil");
    m_files.clear();
    for (const QString &file : files) {
        if (QFileInfo::exists(file))
            m_files.append(file);
    }
    email.attachments = m_files;
    const bool composed = email.ComposeEmail();
    if (composed) {
        const bool deleteNow = m_prompts.askYesNo
            && m_prompts.askYesNo(tr("Success"),
                tr("Files attached successfuly. We advise deleting the temporary files that "
                   "Quendrasil may have created in the process (be sure to do that only after "
                   "you have finished sending your e-mail). Delete temporary files now?"));
        if (!deleteNow)
            return true;
    } else {
        LogMessage(QStringLiteral("CUpload::SendByEmail"), email.messagePath);
        if (m_prompts.warn)
            m_prompts.warn(tr("Error"), tr("Could not open default mail client."));
    }
    if (!email.messagePath.isEmpty())
        QFile::remove(email.messagePath);
    if (!m_keepFiles) {
        DeleteTemporaryFiles();
        RemoveEmptiedFolders(Platform::TempWorkFolder() + QLatin1Char('/'));
    }
    return composed;
}

void CUpload::DeleteTemporaryFiles()
{
    LogMessage(QStringLiteral("CUpload::DeleteTemporaryFiles"));
    for (const QString &file : std::as_const(m_files))
        QFile::remove(file);
}

// Only the folders the run's files left empty go: the work folder also holds files of others.
void CUpload::RemoveEmptiedFolders(const QString &temporaryFolder) const
{
    const QString root = QDir::cleanPath(temporaryFolder);
    for (const QString &file : m_files) {
        QString folder = QFileInfo(file).absolutePath();
        while (folder.startsWith(root + QLatin1Char('/')) && QDir().rmdir(folder))
            folder = QFileInfo(folder).absolutePath();
    }
}
