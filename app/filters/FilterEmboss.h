#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterEmboss;
}

// The page of the Emboss filter: the radius and the sigma of the relief.
class CFilterEmboss : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterEmboss(QWidget *parent, int filterId);
    ~CFilterEmboss() override;

private:
    std::unique_ptr<Ui::FilterEmboss> form;
};
