#pragma once

#include "FilterPage.h"
#include "FilterSlots.h"

#include <QRgb>
#include <QStringList>

class CColorPicker;
class QCheckBox;
class QComboBox;

// The pages of the frame filters: one frame out of a fixed list, each shown with its icon; a
// background colour, or a transparent background instead; and a frame drawn at random for each
// photo instead of the chosen one. A greyed-out control keeps its value and is still saved.
// Each filter's page adds its form (and Shape Frame its edge style).
class CFramePage : public CFilterPage
{
    Q_OBJECT

public:
    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;

protected:
    // The rows of the icon sheet, one per frame family.
    enum EIconRow : int { ShapeIcons, GrungeIcons, PictureIcons, VintageIcons };

    // One frame filter: its frames' names (fixed, not translated), the row of its icons in the
    // icon sheet, and the slots it stores.
    struct SFrameList
    {
        QStringList names;
        EIconRow iconRow;
        SChoiceSlot frame;
        int colorSlot;
        int transparentSlot;
        int randomSlot;
        int numberCount;
    };
    // The controls every frame page's form has.
    struct SFrameControls
    {
        QComboBox *frames;
        CColorPicker *color;
        QCheckBox *transparent;
        QCheckBox *random;
    };

    CFramePage(QWidget *parent, int filterId, SFrameList frameList);
    // Called once by the page's constructor, after its form is set up.
    void SetControls(const SFrameControls &frameControls);
    // "Style 1", "Style 2" and so on.
    static QStringList Numbered(const QString &name, int count);

private slots:
    void CPBackgroundColorChanged();
    void on_comboFrame_activated(int index);
    void on_checkTranspBackground_clicked();
    void on_checkRandomFrame_clicked();

private:
    void InitControls();
    void ApplyChecks();

    SFrameList list;
    SFrameControls controls {};
    const QRgb defaultColor = 0xFFFFFFFF; // opaque white
    const bool defaultTransparent = false;
    const bool defaultRandom = false;
};
