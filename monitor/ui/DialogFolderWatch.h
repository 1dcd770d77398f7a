#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

namespace Ui {
class CDialogFolderWatch;
}

// Edits one folder watch job through the public fields below, one per job field. The opener
// fills them, calls exec and reads them back only after a result of 1 (an OK that passed every
// check); the dialog itself never touches the job list, the store or the watch threads.
// Checks run on OK only; the first that fails is shown and the dialog stays open.
class CDialogFolderWatch : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogFolderWatch(QWidget *parent = nullptr);
    ~CDialogFolderWatch() override;

    qint64 Id = 0; // names the job's log; 0 names none
    QString Name;
    QString Description;
    QString Source; // "/" separators; a relative folder counts from the profile's folder
    QString Script; // the job profile, "/" separators
    bool Subfolders = true;
    QString Mask;
    bool Reprocess = false; // the opener empties the job's log when set
    quint16 Interval = 60; // seconds, 1 to 65535 after OK
    bool CreateLog = true;
    bool Overwrite = false;
    bool SilentMode = false;

    // Copies the fields into the controls.
    void Init();

    // The log of a job: "<documents>/Quendrasil/Monitor/<id>.log".
    static QString LogPath(qint64 id);

    // The folder chooser of the Browse button; tests answer it. A null chooser brings the
    // standard one back. An empty answer means cancelled.
    using FolderChooser
        = std::function<QString(QWidget *parent, const QString &caption, const QString &start)>;
    static void SetFolderChooser(FolderChooser chooser);

public slots:
    // Shows the fields set by the opener, then runs the modal loop.
    int exec() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_buttonOK_clicked();
    void on_buttonCancel_clicked();
    void on_buttonBrowseFolder_clicked();
    void on_buttonBrowseProfile_clicked();
    void on_buttonEditProfile_clicked();
    void on_linkShowLog_linkActivated(const QString &link);

private:
    void Warn(const QString &text);

    std::unique_ptr<Ui::CDialogFolderWatch> form;
};
