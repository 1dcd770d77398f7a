#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class CDialogRename;
}

class CUserProfile;
class CListImages;
class CImageCache;
class QKeyEvent;
struct SImageRecord;

// Edits the naming scheme of the job's output files and shows the name it gives one sample
// photo. The preview works on the profile's working set; only OK writes the saved set, and
// Cancel puts the working set back from it.
class CDialogRename : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogRename(QWidget *parent = nullptr);
    ~CDialogRename() override;

    // Builds the dialog on `parent` for `sample` and runs it; true after OK. The shape of
    // the Step 2 panel's rename-dialog runner.
    static bool Run(QWidget *parent, const SImageRecord &sample);

    // The sample photo, filled by the opener before exec.
    QString SamplePath;
    QString SampleFolder;
    QString SampleBaseName;
    QString SampleExtension;
    int SampleIndex = 0;

public slots:
    int exec() override;
    void accept() override;
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_editKeywords_textChanged(const QString &text);
    void on_comboChangeCasesTo_activated(int index);
    void on_checkLowerCaseExt_clicked(bool checked);
    void on_spinStartAt_valueChanged(int value);
    void on_spinStepBy_valueChanged(int value);
    void on_spinDigits_valueChanged(int value);
    void on_comboUse_activated(int index);
    void on_comboDateFormat_activated(int index);
    void on_comboShowTimeAs_activated(int index);
    void on_comboTimeFormat_activated(int index);
    void on_editSearchFor_textChanged(const QString &text);
    void on_editReplaceWith_textChanged(const QString &text);
    void on_buttonAddKeyword_clicked();
    void on_buttonRemoveKeyword_clicked();
    void on_buttonReset_clicked();
    void on_buttonOK_clicked();
    void on_buttonCancel_clicked();

    void SourceFilename();
    void SourceFoldername();
    void SourceExtension();
    void Counter();
    void DateTime();

private:
    void InitFromSettings();
    void SetButtonIcons();
    void UpdatePreview();
    void ControlChanged();
    void AppendKeyword(const QString &keyword);

    std::unique_ptr<Ui::CDialogRename> form;
    CUserProfile *Profile;
    CListImages *ImageList;
    CImageCache *ImageCache;
    bool Initializing = false;
};
