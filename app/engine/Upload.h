#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <curl/curl.h>

#include <atomic>
#include <cstddef>
#include <functional>

// The questions of the e-mail hand-off, answered by a window. Unattended runs set none: nothing
// is asked and the composed message and its files stay.
struct SEmailPrompts
{
    std::function<bool(const QString &title, const QString &text)> askYesNo; // true for Yes
    std::function<void(const QString &title, const QString &text)> warn;
};

// Sends a run's output files to an FTP or SFTP server and tests connections to it.
class CUpload : public QObject
{
    Q_OBJECT

public:
    CUpload() = default;

    // What the run's job says: whether its output stays on disk (else the files written for
    // the upload or e-mail are deleted afterwards) and whether it came from Monitor. Until
    // set, nothing is deleted.
    void SetJob(bool keepFiles, bool monitorScript);

    // password is base64 text, as the job keeps it; folder begins and ends with "/".
    void UploadFTP(const QString &host, const QString &user, const QString &password, int port,
                   const QStringList &files, const QString &folder, bool sftp);
    // "Success", libcurl's text for the error, or empty when no session could be started.
    QString TestConnection(const QString &host, const QString &user, const QString &password,
                           int port, const QString &folder, bool sftp);
    // Composes one e-mail with the files that still exist attached and opens it in the mail
    // client; then offers to delete the temporary files. False when it could not be composed
    // or opened.
    bool SendByEmail(const QStringList &files);
    void SetEmailPrompts(SEmailPrompts prompts) { m_prompts = std::move(prompts); }
    void DeleteTemporaryFiles();
    // The deepest folder holding every file, matched by whole path components.
    QString GetCommonPath(const QStringList &files, const QString &temporaryFolder) const;

    // Written by the GUI thread, read by the upload thread.
    void SetAbort(bool abort) { m_abort.store(abort); }

    // The folder with a "/" at its start and its end, as URLs and the job keep it.
    static QString SlashedFolder(const QString &folder);
    // The URL of a folder, each path segment percent-encoded; host is taken as given.
    static QString BuildUrl(const QString &host, const QString &path, bool sftp, bool encode);

    static size_t ReadCallback(char *buffer, size_t size, size_t items, void *stream);

signals:
    void ImgUploaded(double speed);
    void UploadFinished(int count, QString log);

private:
    static int ProgressCallback(void *client, curl_off_t, curl_off_t, curl_off_t, curl_off_t);
    void RemoveEmptiedFolders(const QString &temporaryFolder) const;
    bool m_keepFiles = true; // nothing written by the run is deleted here
    bool m_monitorScript = false;
    std::atomic<bool> m_abort { false };
    QString m_log;
    QStringList m_files;
    int m_uploadedCount = 0;
    SEmailPrompts m_prompts;
};
