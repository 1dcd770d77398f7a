#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterCharcoal;
}

// The page of the Charcoal filter: the radius and the sigma of the charcoal strokes.
class CFilterCharcoal : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterCharcoal(QWidget *parent, int filterId);
    ~CFilterCharcoal() override;

private:
    std::unique_ptr<Ui::FilterCharcoal> form;
};
