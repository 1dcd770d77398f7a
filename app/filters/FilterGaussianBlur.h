#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterGaussianBlur;
}

// The page of the Gaussian Blur filter: the width and the sigma of the blur.
class CFilterGaussianBlur : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterGaussianBlur(QWidget *parent, int filterId);
    ~CFilterGaussianBlur() override;

private:
    std::unique_ptr<Ui::FilterGaussianBlur> form;
};
