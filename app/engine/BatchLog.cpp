#include "BatchLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include "Folders.h"
#include "Trace.h"

namespace {

constexpr int LockWaitMs = 30000;
constexpr qint64 CopyBlockSize = 1024;
const QByteArray ByteOrderMark("\xEF\xBB\xBF", 3);

bool Fail(QString *error, const QString &reason)
{
    LogMessage(QStringLiteral("CBatchLog::WriteLogFile"), reason);
    if (error)
        *error = reason;
    return false;
}

} // namespace

QString CBatchLog::Separator()
{
    return QStringLiteral("\r\n\r\n----------\r\n\r\n");
}

QString CBatchLog::ProgramLogPath()
{
    return GetDocumentsFolder() + QStringLiteral("/Quendrasil/Quendrasil.log");
}

QString CBatchLog::MonitorLogPath(const QString &jobId)
{
    return GetDocumentsFolder() + QStringLiteral("/Quendrasil/Monitor/") + jobId
        + QStringLiteral(".log");
}

bool CBatchLog::Route(const QString &msg, int flag)
{
    if (flag == ScreenAndFile || flag == FileOnly)
        block += msg + QStringLiteral("\r\n");
    return flag == ScreenAndFile || flag == ScreenOnly;
}

void CBatchLog::Close()
{
    if (closed)
        return;
    block += Separator();
    closed = true;
}

bool CBatchLog::WriteLogFile(const QString &path, const QString &text, QString *error)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash > 0 && !QDir().mkpath(path.left(slash)))
        return Fail(error, QStringLiteral("Cannot create the folder of %1").arg(path));

    // Two runs that end together would otherwise both read the old log and one block be lost.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs))
        return Fail(error, QStringLiteral("Cannot lock %1").arg(path));

    QFile old(path);
    const bool hasOld = old.exists();
    if (hasOld && !old.open(QIODevice::ReadOnly))
        return Fail(error, QStringLiteral("%1: %2").arg(path, old.errorString()));

    // A unique temporary file beside the log that replaces it only when complete.
    QSaveFile output(path);
    if (!output.open(QIODevice::WriteOnly))
        return Fail(error, QStringLiteral("%1: %2").arg(path, output.errorString()));
    const QByteArray head = ByteOrderMark + text.toUtf8();
    if (output.write(head) != head.size()) {
        output.cancelWriting();
        return Fail(error, QStringLiteral("%1: %2").arg(path, output.errorString()));
    }

    if (hasOld) {
        QByteArray chunk = old.read(ByteOrderMark.size());
        if (chunk == ByteOrderMark)
            chunk.clear();
        while (true) {
            if (!chunk.isEmpty() && output.write(chunk) != chunk.size()) {
                output.cancelWriting();
                return Fail(error, QStringLiteral("%1: %2").arg(path, output.errorString()));
            }
            chunk = old.read(CopyBlockSize);
            if (chunk.isEmpty())
                break;
        }
        // The old blocks must come through whole, or the old log stays as it was.
        if (old.error() != QFileDevice::NoError || !old.atEnd()) {
            output.cancelWriting();
            return Fail(error, QStringLiteral("%1: %2").arg(path, old.errorString()));
        }
        old.close();
    }
    if (!output.commit())
        return Fail(error, QStringLiteral("%1: %2").arg(path, output.errorString()));
    return true;
}
