#include "FilterBlank.h"

#include <QLabel>
#include <QVBoxLayout>

CFilterBlank::CFilterBlank(QWidget *parent, int filterId)
    : CFilterPage(parent, filterId)
{
    auto *layout = new QVBoxLayout(this);
    auto *text = new QLabel(tr("This filter has no settings."), this);
    text->setObjectName(QStringLiteral("textNoSettings"));
    text->setWordWrap(true);
    layout->addWidget(text);
    layout->addStretch();
}

void CFilterBlank::Initialize()
{
    RestartTimer(0);
}

void CFilterBlank::Load(const SFilterRecord &settings, bool startPreview)
{
    Q_UNUSED(settings)
    if (startPreview)
        RestartTimer(0);
}

void CFilterBlank::Save(SFilterRecord &settings)
{
    settings.numberCount = 0;
}
