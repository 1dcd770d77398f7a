#pragma once

#include "FramePage.h"

#include <memory>

namespace Ui {
class FilterGrungeFrame;
}

// The page of the Grunge Frame: rough-edged masks that give way to a colour or to transparency.
class CFilterGrungeFrame : public CFramePage
{
    Q_OBJECT

public:
    CFilterGrungeFrame(QWidget *parent, int filterId);
    ~CFilterGrungeFrame() override;

private:
    std::unique_ptr<Ui::FilterGrungeFrame> form;
};
