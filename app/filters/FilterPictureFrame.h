#pragma once

#include "FramePage.h"

#include <memory>

namespace Ui {
class FilterPictureFrame;
}

// The page of the Picture Frame: framed pictures with a window the photo shows through.
class CFilterPictureFrame : public CFramePage
{
    Q_OBJECT

public:
    CFilterPictureFrame(QWidget *parent, int filterId);
    ~CFilterPictureFrame() override;

private:
    std::unique_ptr<Ui::FilterPictureFrame> form;
};
