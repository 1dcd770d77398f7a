#include "MainPanel2.h"
#include "ui_MainPanel2.h"

#include "ListFilters.h"
#include "UserProfile.h"

#include <QListWidget>

CMainPanel2::CMainPanel2(QWidget *parent)
    : CStepPanel(parent)
    , form(std::make_unique<Ui::CMainPanel2>())
{
    form->setupUi(this);
}

CMainPanel2::~CMainPanel2() = default;

void CMainPanel2::Init()
{
    FollowWindowTheme();
}

void CMainPanel2::RefreshPanel()
{
    ClearFilterList();
    for (const SFilterRecord &filter : CListFilters::instance()->Filters()) {
        auto *item = new QListWidgetItem(filter.name, form->listFilters);
        item->setToolTip(filter.description);
        if (!filter.active)
            item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
    }
}

void CMainPanel2::ResetPanel()
{
    CListFilters::instance()->Clear();
    CUserProfile *profile = CUserProfile::instance();
    profile->RenameOptions = SRenameOptions();
    profile->RebuildRenameSettings();
    ClearFilterList();
    CleanUp();
    UnsignalPanelChanged();
    emit SignalListFiltersChanged();
}

void CMainPanel2::ClearFilterList()
{
    form->listFilters->clear();
}

void CMainPanel2::StartCurrentPreview()
{
}

void CMainPanel2::StopThreads()
{
}

void CMainPanel2::CleanUp(bool cleanPreviewFilters)
{
    Q_UNUSED(cleanPreviewFilters)
}

void CMainPanel2::StartCurrentPreviewIfOriginal()
{
}

void CMainPanel2::SlotReloadThumbsInPanel2(int row)
{
    Q_UNUSED(row)
}
