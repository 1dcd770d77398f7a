#include "Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString FirstLocation(QStandardPaths::StandardLocation location)
{
    return WithForwardSlashes(QStandardPaths::standardLocations(location).value(0));
}
} // namespace

QString WithForwardSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString GetDocumentsFolder()
{
    return FirstLocation(QStandardPaths::DocumentsLocation);
}

QString GetPicturesFolder()
{
    return FirstLocation(QStandardPaths::PicturesLocation);
}

QString GetProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

bool RemoveFolderRecursively(const QString &path)
{
    const QFileInfo top(path);
    // A link (to a folder or dangling) goes as a link; its target is someone else's.
    if (top.isSymLink())
        return QFile::remove(path);
    if (!top.exists())
        return true;
    if (!top.isDir())
        return false;

    QDir folder(path);
    const QFileInfoList entries = folder.entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::DirsFirst);
    for (const QFileInfo &entry : entries) {
        const QString entryPath = entry.absoluteFilePath();
        bool removed;
        if (entry.isSymLink())
            removed = QFile::remove(entryPath);
        else if (entry.isDir())
            removed = RemoveFolderRecursively(entryPath);
        else
            removed = QFile::remove(entryPath);
        if (!removed)
            return false;
    }
    return folder.rmdir(folder.absolutePath());
}
