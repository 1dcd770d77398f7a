#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterBlur;
}

// The page of the Blur filter: how strongly the photo is blurred.
class CFilterBlur : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterBlur(QWidget *parent, int filterId);
    ~CFilterBlur() override;

private:
    std::unique_ptr<Ui::FilterBlur> form;
};
