#include "FilterGrungeFrame.h"
#include "ui_FilterGrungeFrame.h"

CFilterGrungeFrame::CFilterGrungeFrame(QWidget *parent, int filterId)
    : CFramePage(parent, filterId,
        { Numbered(QStringLiteral("Grunge"), GrungeFrameSlot::FrameChoice.count), GrungeIcons,
            GrungeFrameSlot::FrameChoice, GrungeFrameSlot::BackgroundColor,
            GrungeFrameSlot::TransparentBackground, GrungeFrameSlot::RandomFrame,
            GrungeFrameSlot::NumberCount })
    , form(std::make_unique<Ui::FilterGrungeFrame>())
{
    form->setupUi(this);
    SetControls({ form->comboFrame, form->CPBackgroundColor, form->checkTranspBackground,
        form->checkRandomFrame });
}

CFilterGrungeFrame::~CFilterGrungeFrame() = default;
