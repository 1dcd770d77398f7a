#include "MagickTemp.h"

#include "Processes.h"
#include "TempFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace Platform {

namespace {

const QString FolderPrefix = QStringLiteral("ImageMagick-");

} // namespace

QString PrepareMagickTemporaryFolder()
{
    const QString work = TempWorkFolder();
    if (work.isEmpty())
        return QString();
    const QString folder
        = work + QLatin1Char('/') + FolderPrefix + QString::number(QCoreApplication::applicationPid());
    if (!QDir().mkpath(folder))
        return QString();
    qputenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(folder));
    return folder;
}

void RemoveStaleMagickFiles(const std::function<void(const QString &name)> &removed)
{
    const QString work = TempWorkFolder();
    if (work.isEmpty())
        return;
    const QDir workFolder(work);
    const QStringList folders
        = workFolder.entryList({ FolderPrefix + QLatin1Char('*') }, QDir::Dirs | QDir::NoSymLinks);
    for (const QString &name : folders) {
        bool isNumber = false;
        const qint64 pid = name.mid(FolderPrefix.size()).toLongLong(&isNumber);
        if (!isNumber || pid == QCoreApplication::applicationPid() || IsProcessAlive(pid))
            continue;
        QDir folder(workFolder.filePath(name));
        // ImageMagick's swap files, and the delegate table, guard link, time-out markers and
        // stop file that the image engine keeps beside them.
        const QStringList files
            = folder.entryList({ QStringLiteral("magick-*"), QStringLiteral("delegates.xml"),
                                   QStringLiteral("guard"), QStringLiteral("guard-*") },
                QDir::Files | QDir::Hidden | QDir::System);
        for (const QString &file : files) {
            if (folder.remove(file) && removed)
                removed(file);
        }
        workFolder.rmdir(name);
    }
}

} // namespace Platform
