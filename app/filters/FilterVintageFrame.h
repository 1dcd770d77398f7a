#pragma once

#include "FramePage.h"

#include <memory>

namespace Ui {
class FilterVintageFrame;
}

// The page of the Vintage Frame: old framed pictures with a window the photo shows through.
class CFilterVintageFrame : public CFramePage
{
    Q_OBJECT

public:
    CFilterVintageFrame(QWidget *parent, int filterId);
    ~CFilterVintageFrame() override;

private:
    std::unique_ptr<Ui::FilterVintageFrame> form;
};
