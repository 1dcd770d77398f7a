#include "MainPanel1.h"
#include "ui_MainPanel1.h"

#include "Trace.h"
#include "UserProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>

CMainPanel1::CMainPanel1(QWidget *parent)
    : CStepPanel(parent)
    , form(std::make_unique<Ui::CMainPanel1>())
{
    form->setupUi(this);
    Init();
}

CMainPanel1::~CMainPanel1() = default;

void CMainPanel1::Init()
{
    FollowWindowTheme();
}

QListWidget *CMainPanel1::PhotoList() const
{
    return form->listPhotos;
}

void CMainPanel1::ClearLists()
{
    form->listPhotos->clear();
}

void CMainPanel1::AddPhotoItem(SImageRecord record)
{
    auto *item = new QListWidgetItem(QFileInfo(record.pathName).fileName(), form->listPhotos);
    item->setToolTip(QDir::toNativeSeparators(record.pathName));
}

void CMainPanel1::RefreshPanel()
{
    emit SignalReloadThumbsInPanel2(form->listPhotos->currentRow());
}

void CMainPanel1::ResetPanel()
{
    CListImages::instance()->Clear();
    ClearLists();
    CUserProfile *profile = CUserProfile::instance();
    profile->DetailsSortColumn = -1;
    profile->DetailsSortOrder = 0;
    ClearPreview();
    UnsignalPanelChanged();
    emit SignalListImagesChanged();
}

void CMainPanel1::ClearPreview()
{
}

void CMainPanel1::StopThreads()
{
}

void CMainPanel1::ShowAddPhotoTip()
{
    LogMessage(QStringLiteral("CMainPanel1::ShowAddPhotoTip"));
}

void CMainPanel1::StartPreview(bool keepSelectedImage)
{
    Q_UNUSED(keepSelectedImage)
}
