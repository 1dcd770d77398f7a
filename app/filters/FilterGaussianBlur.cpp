#include "FilterGaussianBlur.h"
#include "ui_FilterGaussianBlur.h"

#include "FilterSlots.h"

CFilterGaussianBlur::CFilterGaussianBlur(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterGaussianBlur>())
{
    form->setupUi(this);
    SetRows({ { form->sliderWidth, form->spinWidth, GaussianBlurSlot::Width, 0 },
                { form->sliderSigma, form->spinSigma, GaussianBlurSlot::Sigma, 0 } },
        GaussianBlurSlot::NumberCount, form->sliderWidth);
}

CFilterGaussianBlur::~CFilterGaussianBlur() = default;
