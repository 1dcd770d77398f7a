#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <atomic>
#include <memory>

namespace Ui {
class CDialogFTPWatch;
}

class QThread;

// Adds, edits or duplicates a job that watches a folder on an FTP or SFTP server. The caller
// fills the public fields before exec and reads them back after a result of 1; the dialog never
// touches the job list. The last server, port, user name and password given are remembered as
// the defaults of the next dialog whose job has none of its own.
class CDialogFTPWatch : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogFTPWatch(QWidget *parent = nullptr);
    // Waits for a connection test still running (it is told to stop at once).
    ~CDialogFTPWatch() override;

    qint64 Id = 0; // names the job's log file
    QString Name;
    QString Description;
    QString Host; // without a scheme
    bool UseSFTP = true;
    qint32 Port = 22;
    QString Username;
    QString Password; // as typed
    QString Source; // folder on the server; ends with "/" after an accepted OK
    QString Script; // the job profile, "/" separators
    bool Subfolders = true;
    QString Mask;
    bool Reprocess = false; // the caller empties the job's log when set
    quint16 Interval = 60; // seconds
    bool CreateLog = true;
    bool Overwrite = false;
    bool SilentMode = false;

    // Copies the fields into the controls.
    void Init();

public slots:
    // Init with the caller's fields, then the modal loop: 1 after an OK that passed every check.
    int exec() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_buttonOK_clicked();
    void on_buttonCancel_clicked();
    void on_buttonTestFTPConnection_clicked();
    void on_buttonBrowseProfile_clicked();
    void on_buttonEditProfile_clicked();
    void on_linkShowLog_linkActivated(const QString &link);

private:
    struct STestOutcome;
    // The address the connection test lists: "ftp://" or "sftp://", the host, then the folder
    // escaped segment by segment, beginning and ending with "/".
    static QByteArray FolderUrl(const QString &host, const QString &folder, bool useSFTP);
    void Warn(const QString &text);
    void ShowTestOutcome(const STestOutcome &outcome);
    // Lists the folder once; runs in the test's own thread.
    static void RunConnectionTest(STestOutcome *outcome, const QByteArray &url, int port,
        const QByteArray &user, const QByteArray &password, std::atomic_bool *abortFlag);

    std::unique_ptr<Ui::CDialogFTPWatch> form;
    QString m_logPath;
    // The running connection test, owned here; null when none runs.
    QThread *m_testThread = nullptr;
    // Set to make a running test give up at its next progress report.
    std::shared_ptr<std::atomic_bool> m_testAbort;
};
