#pragma once

#include <QDialog>
#include <QFont>
#include <QString>

#include <memory>

namespace Ui {
class CDialogFont;
}

class CUserProfile;

// The font chooser of the text-drawing filter pages: family, size, bold, italic, underline
// and strike-out, with a live sample. The caller sets the public fields before exec and reads
// them back only when exec returns 1; a cancelled dialog leaves them as they were.
class CDialogFont : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogFont(QWidget *parent = nullptr);
    ~CDialogFont() override;

    QString FontFamily = QStringLiteral("Arial"); // the family alone, no size or style fields
    QString FontSize = QStringLiteral("12"); // whole pixels as decimal text, at least 1
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

public slots:
    int exec() override;

private slots:
    void on_comboFont_currentFontChanged(const QFont &font);
    void on_comboFontSize_editTextChanged(const QString &text);
    void on_checkBold_clicked();
    void on_checkItalic_clicked();
    void on_checkUnderline_clicked();
    void on_checkStrikeOut_clicked();
    void on_buttonOK_clicked();
    void on_buttonCancel_clicked();

private:
    void UpdateSample();

    std::unique_ptr<Ui::CDialogFont> form;
    CUserProfile *m_profile;
};
