#pragma once

#include <QString>

// Where and how a job's results go. The field names are the property names of the job
// documents.
struct SOutputOptions
{
    int OutputFolderStruct = 0; // 0 selected folder, 1 recreate tree, 2 photo's folder, 3 subfolder
    QString OutputFolder; // the subfolder name of structure 3
    QString DestPath; // the selected folder
    bool Multipage = false; // one multi-page document for the whole run
    QString OutputFormat; // a coder, or KeepOriginalFormat()
    bool OpenOutputFolder = false;
    bool OriginalDate = false; // give outputs the source's attributes and times
    bool DeleteSource = false;
    bool DisableNotifications = false;
    bool HideProcessing = false;
    int Destination = 1; // 1 folder, 2 e-mail, 3 FTP/SFTP
    bool UseSFTP = false;
    bool SaveOnDiskMail = false;
    bool SaveOnDiskFTP = false;
    bool SaveOnDiskFacebook = false;
    bool SaveOnDiskFlickr = false;
    QString FTPUser;
    QString FTPPassword; // as Base64EncodeString gives it; decode only where it is sent
    QString FTPHost;
    QString FTPPort;
    QString FTPFolder;

    // The OutputFormat that keeps each photo's own format where it can be written. Held as
    // this fixed text, which documents store as it is; windows show a translated sentence.
    static QString KeepOriginalFormat() { return QStringLiteral("Original"); }
    static bool KeepsOriginal(const QString &format)
    {
        return format.compare(KeepOriginalFormat(), Qt::CaseInsensitive) == 0;
    }
    bool KeepsOriginalFormat() const { return KeepsOriginal(OutputFormat); }

    // Folder destinations, and e-mail or FTP jobs that keep a copy on disk; the others write
    // into the temporary folder.
    bool KeepsOutputOnDisk() const
    {
        return Destination == 1 || (Destination == 2 && SaveOnDiskMail)
            || (Destination == 3 && SaveOnDiskFTP);
    }

    bool operator==(const SOutputOptions &other) const = default;
};
