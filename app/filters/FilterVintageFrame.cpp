#include "FilterVintageFrame.h"
#include "ui_FilterVintageFrame.h"

CFilterVintageFrame::CFilterVintageFrame(QWidget *parent, int filterId)
    : CFramePage(parent, filterId,
        { Numbered(QStringLiteral("Style"), VintageFrameSlot::FrameChoice.count), VintageIcons,
            VintageFrameSlot::FrameChoice, VintageFrameSlot::BackgroundColor,
            VintageFrameSlot::TransparentBackground, VintageFrameSlot::RandomFrame,
            VintageFrameSlot::NumberCount })
    , form(std::make_unique<Ui::FilterVintageFrame>())
{
    form->setupUi(this);
    SetControls({ form->comboFrame, form->CPBackgroundColor, form->checkTranspBackground,
        form->checkRandomFrame });
}

CFilterVintageFrame::~CFilterVintageFrame() = default;
