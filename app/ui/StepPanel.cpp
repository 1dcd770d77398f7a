#include "StepPanel.h"

#include "StatesList.h"
#include "ThemeNotifier.h"

CStepPanel::CStepPanel(QWidget *parent)
    : QWidget(parent)
{
}

void CStepPanel::SignalPanelChanged()
{
    modified = true;
    CStatesList *states = CStatesList::instance();
    if (!states->quiet)
        states->PushState();
    emit SignalChanges();
}

void CStepPanel::UnsignalPanelChanged()
{
    modified = false;
    emit UnsignalChanges();
}

void CStepPanel::ThemeChanged(bool dark)
{
    Q_UNUSED(dark)
}

void CStepPanel::FollowWindowTheme()
{
    connect(CThemeNotifier::instance(), &CThemeNotifier::ThemeChanged, this,
        &CStepPanel::ThemeChanged, Qt::UniqueConnection);
}
