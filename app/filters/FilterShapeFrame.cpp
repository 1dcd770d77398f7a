#include "FilterShapeFrame.h"
#include "ui_FilterShapeFrame.h"

namespace {

constexpr SChoiceSlot EdgesChoice = ShapeFrameSlot::EdgesChoice;

} // namespace

CFilterShapeFrame::CFilterShapeFrame(QWidget *parent, int filterId)
    : CFramePage(parent, filterId,
        { { QStringLiteral("Rectangle"), QStringLiteral("Elipse"), QStringLiteral("Star"),
              QStringLiteral("Heart"), QStringLiteral("Cracked Glass"), QStringLiteral("Shield") },
            ShapeIcons, ShapeFrameSlot::FrameChoice, ShapeFrameSlot::BackgroundColor,
            ShapeFrameSlot::TransparentBackground, ShapeFrameSlot::RandomFrame,
            ShapeFrameSlot::NumberCount })
    , form(std::make_unique<Ui::FilterShapeFrame>())
{
    form->setupUi(this);
    SetControls({ form->comboFrame, form->CPBackgroundColor, form->checkTranspBackground,
        form->checkRandomFrame });
}

CFilterShapeFrame::~CFilterShapeFrame() = default;

void CFilterShapeFrame::InitEdges()
{
    form->comboEdges->clear();
    form->comboEdges->addItems({ tr("Sharp"), tr("Blurred") });
}

void CFilterShapeFrame::Initialize()
{
    InitEdges();
    form->comboEdges->setCurrentIndex(EdgesChoice.fallback);
    CFramePage::Initialize();
}

void CFilterShapeFrame::Load(const SFilterRecord &settings, bool startPreview)
{
    InitEdges();
    form->comboEdges->setCurrentIndex(ChoiceIndex(
        Truncated(settings.numbers[EdgesChoice.slot]), EdgesChoice.count, EdgesChoice.fallback));
    CFramePage::Load(settings, startPreview);
}

void CFilterShapeFrame::Save(SFilterRecord &settings)
{
    CFramePage::Save(settings);
    settings.numbers[EdgesChoice.slot]
        = ChoiceIndex(form->comboEdges->currentIndex(), EdgesChoice.count, EdgesChoice.fallback);
}

void CFilterShapeFrame::on_comboEdges_activated(int index)
{
    Q_UNUSED(index)
    RestartTimer(QuickDelayMs);
}
