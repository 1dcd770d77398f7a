#pragma once

#include "StepPanel.h"

#include <QIcon>
#include <QList>
#include <QTimer>

#include <functional>
#include <memory>

namespace Ui {
class CMainPanel3;
}

class CFormatsEnum;
class CImageCache;
class CStatesList;
class CTextWidget;
class CUploadThread;
class CUserProfile;

// Step 3: the output format, the destination (folder, e-mail, FTP/SFTP), the layout of the
// output folder and what happens after processing.
class CMainPanel3 : public CStepPanel
{
    Q_OBJECT

public:
    // Runs the output format options dialog for a kind and a title; true when accepted (the
    // dialog has then written the job's format options).
    using FormatSettingsRunner
        = std::function<bool(QWidget *parent, int formatKind, const QString &title)>;
    static void SetFormatSettingsRunner(FormatSettingsRunner runner);
    // Shows a tip dialog for a show-again key ("Step3.ShowTipSourcePath") and a text.
    using TipRunner = std::function<void(QWidget *parent, const QString &key, const QString &text)>;
    static void SetTipRunner(TipRunner runner);

    explicit CMainPanel3(QWidget *parent = nullptr);
    ~CMainPanel3() override;

    void Init();
    void ResetPanel();
    void RefreshPanel();
    // Refills the format list; unless silent, selects the first (keep-original) item.
    void SetOutputFormats(bool silent);
    // Asks for the output folder; false when cancelled.
    bool SelectOutputFolder();

    void ResetInterface();
    void ApplySourcePathChoice(bool showTip);
    bool IsTestRunning() const;

private:
    // The format list's item of a stored format name: its coder's, else (`endingToo`, as a
    // loaded document's name is matched) the first coder that ends with it; 0, keep original,
    // when none.
    int FormatItem(const QString &format, bool endingToo) const;

private slots:
    void on_comboDestination_activated(int index);
    void on_comboOutputFormat_currentIndexChanged(int index);
    void on_buttonSelectFolder_clicked();
    void on_comboFolderStructure_activated(int index);
    void on_editDestinationPath_textChanged(const QString &text);
    void on_checkMultipage_clicked();
    void on_checkOpenFolder_clicked();
    void on_checkOriginalDate_clicked(bool checked);
    void on_checkDeleteSource_clicked();
    void on_buttonFormatSettings_clicked();
    void on_checkUseSFTP_clicked(bool checked);
    void on_checkRecreateFolderStruct_clicked(bool checked);
    void on_buttonTestFTPConnection_clicked();
    void on_connectionTestFinished(const QString &result);
    void on_checkSaveOnDiskMail_clicked(bool checked);
    void on_checkSaveOnDiskFTP_clicked(bool checked);
    void on_editFTPUsername_textChanged(const QString &text);
    void on_editFTPPassword_textChanged(const QString &text);
    void on_editFTPHost_textChanged(const QString &text);
    void on_editFTPFolder_textChanged(const QString &text);
    void on_editFTPPort_textChanged(const QString &text);
    void ShowProcessTip();
    void MakeProcessTipInvisible();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void ShowTip(const QString &key, const QString &text);

    std::unique_ptr<Ui::CMainPanel3> form;
    QTimer showTipTimer;
    QTimer hideTipTimer;
    std::unique_ptr<CUploadThread> uploadThread;
    CUserProfile *profile;
    CFormatsEnum *formats;
    CStatesList *states;
    CImageCache *imageCache;
    QList<QIcon> formatIcons;
    CTextWidget *processTip = nullptr;
    bool processTipShown = false;
};
