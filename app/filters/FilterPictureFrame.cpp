#include "FilterPictureFrame.h"
#include "ui_FilterPictureFrame.h"

CFilterPictureFrame::CFilterPictureFrame(QWidget *parent, int filterId)
    : CFramePage(parent, filterId,
        { Numbered(QStringLiteral("Style"), PictureFrameSlot::FrameChoice.count), PictureIcons,
            PictureFrameSlot::FrameChoice, PictureFrameSlot::BackgroundColor,
            PictureFrameSlot::TransparentBackground, PictureFrameSlot::RandomFrame,
            PictureFrameSlot::NumberCount })
    , form(std::make_unique<Ui::FilterPictureFrame>())
{
    form->setupUi(this);
    SetControls({ form->comboFrame, form->CPBackgroundColor, form->checkTranspBackground,
        form->checkRandomFrame });
}

CFilterPictureFrame::~CFilterPictureFrame() = default;
