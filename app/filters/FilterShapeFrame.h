#pragma once

#include "FramePage.h"

#include <memory>

namespace Ui {
class FilterShapeFrame;
}

// The page of the Shape Frame: masks of simple shapes, with sharp or blurred edges, that give
// way to a colour or to transparency.
class CFilterShapeFrame : public CFramePage
{
    Q_OBJECT

public:
    CFilterShapeFrame(QWidget *parent, int filterId);
    ~CFilterShapeFrame() override;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;

private slots:
    void on_comboEdges_activated(int index);

private:
    void InitEdges();

    std::unique_ptr<Ui::FilterShapeFrame> form;
};
