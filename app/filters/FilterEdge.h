#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterEdge;
}

// The page of the Edge filter: the radius of the edges it traces.
class CFilterEdge : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterEdge(QWidget *parent, int filterId);
    ~CFilterEdge() override;

private:
    std::unique_ptr<Ui::FilterEdge> form;
};
