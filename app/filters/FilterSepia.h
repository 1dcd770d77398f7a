#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterSepia;
}

// The page of the Sepia filter: the tone and the saturation of the colouring.
class CFilterSepia : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterSepia(QWidget *parent, int filterId);
    ~CFilterSepia() override;

private:
    std::unique_ptr<Ui::FilterSepia> form;
};
