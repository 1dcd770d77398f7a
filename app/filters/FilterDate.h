#pragma once

#include "ExpandableWidget.h"
#include "FilterPage.h"
#include "FilterSlots.h"

#include <QRgb>
#include <QString>

#include <memory>

class CFormatsEnum;

namespace Ui {
class FilterDate;
}

// The page of the Date filter: which moment is stamped (the photo's or the processing's), the
// layouts of its date and time, a correction added to it, the place, shift (percent of the
// photo) and rotation of the stamp, its font, fill, stroke, shadow and box. Dragging or
// turning the stamp in the preview reloads the page.
class CFilterDate : public CFilterPage
{
    Q_OBJECT

public:
    CFilterDate(QWidget *parent, int filterId);
    ~CFilterDate() override;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;


private slots:
    void on_comboShow_activated(int index);
    void on_comboFormat_activated(int index);
    void on_comboSeparator_activated(int index);
    void on_comboFormatEnd_activated(int index);
    void on_comboPlacement_activated(int index);
    void on_spinOffsetYears_valueChanged(int value);
    void on_spinOffsetMonths_valueChanged(int value);
    void on_spinOffsetDays_valueChanged(int value);
    void on_spinOffsetHours_valueChanged(int value);
    void on_spinOffsetMinutes_valueChanged(int value);
    void on_spinOffsetSeconds_valueChanged(int value);
    void on_spinDeltaX_valueChanged(double value);
    void on_spinDeltaY_valueChanged(double value);
    void on_spinTransparency_valueChanged(int value);
    void on_sliderBlur_valueChanged(int value);
    void on_spinStrokeAlpha_valueChanged(int value);
    void on_spinStrokeWidth_valueChanged(int value);
    void on_spinBoxAlpha_valueChanged(int value);
    void on_spinBoxOffset_valueChanged(int value);
    void on_spinShadowAlpha_valueChanged(int value);
    void on_sliderShadowDistance_valueChanged(int value);
    void on_sliderShadowBlur_valueChanged(int value);
    void CPFontColorChanged();
    void CPStrokeColorChanged();
    void CPBoxColorChanged();
    void CPShadowColorChanged();

    void on_checkUseTexture_clicked(bool on);
    void on_checkUseStroke_clicked(bool on);
    void on_checkUseShadow_clicked(bool on);
    void on_checkUseBox_clicked(bool on);

    void on_buttonFont_clicked();
    void on_buttonBrowseTexture_clicked();

private:
    // The defaults, shown by Initialize.
    struct SDefaults
    {
        // The lists start where the engine's reading of a damaged choice falls back to.
        int shown = DateSlot::ShownChoice.fallback; // the photo's date and time
        int dateLayout = DateSlot::DateLayoutChoice.fallback;
        int separator = DateSlot::SeparatorChoice.fallback; // ","
        int timeLayout = DateSlot::TimeLayoutChoice.fallback;
        QString correction = QStringLiteral("+0000+00+00 +00+00+00");
        int placement = DateSlot::PlacementChoice.fallback; // bottom right
        double deltaX = 10.0;
        double deltaY = 10.0;
        int rotation = 0;
        int transparency = 15;
        QRgb textColor = qRgb(187, 187, 255);
        bool useTexture = false;
        QString texturePath; // the program's sample texture, set by the constructor
        int blur = 0;
        QString fontFamily = QStringLiteral("Arial");
        int fontSize = 36;
        bool useStroke = true;
        QRgb strokeColor = qRgb(0, 0, 0);
        int strokeTransparency = 10;
        int strokeWidth = 1;
        bool useBox = false;
        QRgb boxColor = qRgb(0, 0, 0);
        int boxTransparency = 50;
        int boxMargin = 10;
        bool useShadow = false;
        QRgb shadowColor = qRgb(0, 0, 0);
        int shadowTransparency = 50;
        int shadowDistance = 15;
        int shadowAngle = 315;
        int shadowBlur = 5;
    };

    // The font no control shows; Save writes it.
    struct SFont
    {
        QString family;
        int size = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
    };

    void InitControls();
    void ShowCorrection(const QString &text);
    void ShowTexturePath(const QString &path);
    void EnableTexture(bool on);
    void EnableStroke(bool on);
    void EnableShadow(bool on);
    void EnableBox(bool on);
    // A control changed: the preview follows after the pause, except inside a drag's reload.
    void Changed();

    std::unique_ptr<Ui::FilterDate> form;
    CExpandableWidget advanced; // the correction offsets under labelAdvanced
    CFormatsEnum *formats;
    SDefaults defaults; // fixed once the constructor has run
    SFont font;
    bool controlsReady = false; // false inside the reload after a drag: no preview restarts
};
