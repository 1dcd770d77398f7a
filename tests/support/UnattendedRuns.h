#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <unistd.h>

// Helpers for tests of unattended runs: the files they meet, the scripts that start them
// and the helper processes they must not leave behind.

// Writes a file whose path is given as bytes, which need not be UTF-8.
inline bool WriteFileAtBytes(const QByteArray &path, const QByteArray &bytes)
{
    const int file = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (file < 0)
        return false;
    const bool written = ::write(file, bytes.constData(), size_t(bytes.size())) == bytes.size();
    return ::close(file) == 0 && written;
}

// A "Silent" script that runs a folder search ("folder/pattern") into `out` as PNG.
inline QByteArray SilentSearchScript(const QString &search, const QString &out, bool subfolders)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n"
                          "<Script Version=\"3\" Mode=\"Silent\">\r\n"
                          "<Images><Search Path=\"%1\" Subfolders=\"%3\"/></Images>\r\n"
                          "<Properties Class=\"Output\"><Property Name=\"Destination\">1</Property>"
                          "<Property Name=\"DestPath\">%2</Property></Properties>\r\n"
                          "<Properties Class=\"Format\"><Property Name=\"OutputFormat\">PNG"
                          "</Property></Properties>\r\n</Script>\r\n")
        .arg(search, out, subfolders ? QStringLiteral("1") : QStringLiteral("0"))
        .toUtf8();
}

// The helpers (the guard and Ghostscript under it) still running for the program with process
// id `owner`: every live process whose command line names that program's private ImageMagick
// folder, which the guard and the files Ghostscript writes both sit in.
inline int RunningHelpers(qint64 owner)
{
    const QByteArray folder = "/ImageMagick-" + QByteArray::number(owner) + '/';
    int running = 0;
    const QStringList entries
        = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.toLongLong() <= 0 || entry.toLongLong() == owner)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        QFile command(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (!stat.open(QIODevice::ReadOnly) || !command.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const bool zombie = line.mid(line.lastIndexOf(')') + 2).startsWith('Z');
        if (!zombie && command.readAll().contains(folder))
            ++running;
    }
    return running;
}
