#pragma once

#include "FilterPage.h"

#include <QRgb>
#include <QString>

#include <memory>

namespace Ui {
class FilterComment;
}

// The page of the Comment filter: a text written onto each photo at one of nine placements
// with an offset in percent, in a chosen font and colour with a transparency. Keywords in the
// text are replaced by parts of each photo's path. Dragging the text in the preview reloads
// the page.
class CFilterComment : public CFilterPage
{
    Q_OBJECT

public:
    CFilterComment(QWidget *parent, int filterId);
    ~CFilterComment() override;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;

private slots:
    void CPFontColorChanged();
    void on_buttonFont_clicked();
    void on_spinTransparency_valueChanged(int value);
    void on_spinDeltaY_valueChanged(double value);
    void on_spinDeltaX_valueChanged(double value);
    void on_comboPlacement_activated(int index);
    void on_comboAlignment_activated(int index);
    void on_editComment_textChanged();
    void on_buttonAddKeyword_clicked();
    void SourceFilename();
    void SourceExtension();
    void SourceFolder();
    void SourcePath();

private:
    void InitControls();
    void ControlChanged();
    void AppendKeyword(const QString &keyword);

    std::unique_ptr<Ui::FilterComment> form;

    // The font: no control shows it; Initialize, Load and the font dialog set it.
    QString fontFamily;
    int fontSize = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    const QString defaultFontFamily = QStringLiteral("Arial");
    const int defaultFontSize = 48;
    const int defaultTransparency = 15;
    const double defaultDeltaX = 0.0;
    const double defaultDeltaY = 10.0;
    const QRgb defaultColor = qRgba(187, 187, 255, 255);
    QString defaultComment; // the form's own text, as translated

    bool controlsReady = true; // false inside the reload after a drag: no preview restarts
};
