#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

#include <curl/curl.h>

// One line of an "ls -l" style folder listing.
struct SFTPEntry
{
    QChar Kind = QLatin1Char('-'); // 'd' for a folder
    QString Permissions;
    qint32 LinkCount = 0;
    QString Owner;
    QString Group;
    qint64 Size = 0;
    QString Date;
    QString Name;
};

// What one walk of CSpiderFTP does with the files it lists. NoScan walks and records nothing.
enum class EScanMode : int { NoScan = 0, ListSizes = 1, KeepStable = 2, Download = 3 };

// Walks a folder tree on an FTP or SFTP server. ListSizes lists files with their sizes,
// KeepStable (on the same walker, a moment later) keeps the files whose size has not changed,
// Download downloads the files of a list into a local folder, keeping the remote layout.
// Blocking.
class CSpiderFTP : public QObject
{
    Q_OBJECT

public:
    explicit CSpiderFTP(QObject *parent = nullptr);
    ~CSpiderFTP() override;

    // remoteFolder is absolute and begins and ends with "/". False when libcurl handles
    // cannot be made.
    bool ScanDirectory(const QString &host, const QString &user, const QString &password,
        const QString &remoteFolder, int port, bool useSFTP, EScanMode mode, bool subfolders,
        const QString &mask, const QStringList &downloadList, const QString &localFolder);

    static QList<SFTPEntry> ParseListLine(const QStringList &lines);

    QStringList StableFiles; // KeepStable's result: remote paths whose size did not change
    QStringList FirstPassPaths; // recorded by ListSizes
    QList<qint64> FirstPassSizes;
    QStringList DownloadList;
    QString LocalFolder;
    // Remote paths that Download stored whole (a failed download leaves no file behind).
    QStringList Downloaded;

private:
    void ProcessNextFolder(bool useSFTP);

    CURL *ListHandle = nullptr;
    CURL *DownloadHandle = nullptr;
    QStringList FolderQueue;
    QString BaseUrl;
    EScanMode Mode = EScanMode::NoScan;
    bool m_subfolders = false;
    QString MaskExtension;
};
