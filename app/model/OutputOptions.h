#pragma once

#include <QString>

// Where a job's results go (SOutputOptions::Destination), as documents store it.
namespace OutputDestination {
enum : int { Folder = 1, Email = 2, Ftp = 3 };
} // namespace OutputDestination

// Which folder each output goes to (SOutputOptions::OutputFolderStruct), as documents store it.
// A number outside these counts as the selected folder where folders are worked out.
namespace FolderStructure {
enum : int { SelectedFolder = 0, RecreateTree = 1, PhotoFolder = 2, PhotoSubfolder = 3 };
} // namespace FolderStructure

// Where and how a job's results go. The field names are the property names of the job
// documents.
struct SOutputOptions
{
    int OutputFolderStruct = FolderStructure::SelectedFolder;
    QString OutputFolder; // the subfolder name of structure 3
    QString DestPath; // the selected folder
    bool Multipage = false; // one multi-page document for the whole run
    QString OutputFormat; // a coder, or KeepOriginalFormat()
    bool OpenOutputFolder = false;
    bool OriginalDate = false; // give outputs the source's attributes and times
    bool DeleteSource = false;
    bool DisableNotifications = false;
    bool HideProcessing = false;
    int Destination = OutputDestination::Folder; // FTP includes SFTP
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
        return Destination == OutputDestination::Folder
            || (Destination == OutputDestination::Email && SaveOnDiskMail)
            || (Destination == OutputDestination::Ftp && SaveOnDiskFTP);
    }

    bool operator==(const SOutputOptions &other) const = default;
};
