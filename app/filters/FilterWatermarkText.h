#pragma once

#include "FilterPage.h"

#include <QRgb>
#include <QString>

#include <memory>

namespace Ui {
class CFilterWatermarkText;
}

// The page of the Watermark-Text filter: one line of text, with keywords the filter replaces by
// each photo's values, or the lines of a text file in turn; its placement with a shift in photo
// pixels, rotation, font, colour and transparency. Moving or turning the text in the preview
// reloads the page.
class CFilterWatermarkText : public CFilterPage
{
    Q_OBJECT

public:
    CFilterWatermarkText(QWidget *parent, int filterId);
    ~CFilterWatermarkText() override;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;


public slots:
    // Appends the keyword of a menu entry's number to the text; other numbers append nothing.
    void SlotKeyword(int number);

private slots:
    void on_editText_textChanged(const QString &text);
    void on_comboPlacement_activated(int index);
    void on_spinDeltaX_valueChanged(int value);
    void on_spinDeltaY_valueChanged(int value);
    void on_spinRotation_valueChanged(int value);
    void on_spinTransparency_valueChanged(int value);
    void on_checkTextFromFile_stateChanged(int state);
    void on_buttonAddKeyword_clicked();
    void on_buttonBrowse_clicked();
    void on_buttonFont_clicked();
    void CPFontColorChanged();

private:
    // The font no control shows, edited through the font dialog.
    struct SFont
    {
        QString family;
        int size = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
    };

    // A copyright line whose holder, the current year, names no one: the user puts a name.
    static QString DefaultText();
    void InitControls();
    // The typed line or the text file: only the chosen source's controls are enabled.
    void ShowTextSource(bool fromFile);
    void ControlChanged(int ms = SlowDelayMs);

    std::unique_ptr<Ui::CFilterWatermarkText> form;
    QString textFilePath; // "/" as separator
    SFont font;

    const int defaultDeltaX = 0;
    const int defaultDeltaY = 50;
    const int defaultFontSize = 48;
    const QRgb defaultColor = 0xFFFFFFFF; // opaque white
    const int defaultTransparency = 50;
    const int defaultRotation = 0;
    const QString defaultFamily = QStringLiteral("Arial");
    bool controlsReady = true; // false inside the reload after a drag: no preview restarts
};
