#pragma once

#include "FormatsEnum.h"

#include <QDialog>
#include <QString>

namespace Ui {
class CFormatSettings;
}

class CFormatsEnum;
class CIMColorProfiles;
class CUserProfile;
class QComboBox;
class QKeyEvent;

// The per-format output options of the job, for the one format the opener names through
// `kind` and the window title. OK writes the page into the job; Reset and a chosen ICC file
// change the job at once and stay after Cancel.
class CFormatSettings : public QDialog
{
    Q_OBJECT

public:

    explicit CFormatSettings(QWidget *parent);
    ~CFormatSettings() override;

    // Stores the extension upper-cased under the format upper-cased.
    static void SetFormatExtension(
        CUserProfile *profile, const QString &format, const QString &extension);

    EFormatSettingsKind kind = EFormatSettingsKind::NoSettings; // set by the opener before exec

    // The help page F1 opens on a page of this kind; empty where there is none.
    static QString HelpPage(EFormatSettingsKind kind);

public slots:
    int exec() override;
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_buttonOK_clicked();
    void on_buttonCancel_clicked();
    void on_sliderSizeQualityJP2_valueChanged(int value);
    void on_spinSizeQualityJP2_valueChanged(int value);
    void on_sliderSizeQualityJPG_valueChanged(int value);
    void on_spinSizeQualityJPG_valueChanged(int value);
    void on_sliderSizeQualityPDF_valueChanged(int value);
    void on_spinSizeQualityPDF_valueChanged(int value);
    void on_sliderSizeQualityTIF_valueChanged(int value);
    void on_spinSizeQualityTIF_valueChanged(int value);
    void on_sliderSizeQualityMIF_valueChanged(int value);
    void on_spinSizeQualityMIF_valueChanged(int value);
    void on_sliderSizeQualityHEIF_valueChanged(int value);
    void on_spinSizeQualityHEIF_valueChanged(int value);
    void on_sliderSizeQualityWEBP_valueChanged(int value);
    void on_spinSizeQualityWEBP_valueChanged(int value);
    void on_radioLosslessWEBP_clicked();
    void on_radioLossyWEBP_clicked();
    void on_sliderSizeQualityAVIF_valueChanged(int value);
    void on_spinSizeQualityAVIF_valueChanged(int value);
    void on_checkFixedSizeJPG_clicked();
    void on_comboCompressionPDF_activated(int index);
    void on_comboCompressionTIF_activated(int index);
    void on_comboColorsJPG_activated(int index);
    void on_comboColorsTIF_activated(int index);
    void on_buttonReset_clicked();

private:
    void Init();
    void FillExtensions(QComboBox *combo);
    // Files the chosen extension of an extension list; `fallback` names the format when the
    // title names no catalogue row.
    void WriteExtension(QComboBox *combo);
    void LoadIccProfile(QComboBox *colors);
    void SetQuality(int value);

    Ui::CFormatSettings *form = nullptr;
    CUserProfile *profile = nullptr;
    CFormatsEnum *formats = nullptr;
    CIMColorProfiles *colorProfiles = nullptr;
    int previousColorIndex = 0;
};
