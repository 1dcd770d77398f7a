#include "WizardStart.h"
#include "ui_WizardStart.h"

#include "AppInfo.h"
#include "HelpTopics.h"
#include "ImageCache.h"
#include "Settings.h"
#include "UserProfile.h"

#include <QLayout>
#include <QPixmap>

namespace {

const QString SiteAddress = QLatin1String(AppInfo::WebSite) + QLatin1Char('/');

QString Link(const QString &address, const QString &text)
{
    return QStringLiteral("<a href=\"") + address.toHtmlEscaped() + QStringLiteral("\">")
        + text.toHtmlEscaped() + QStringLiteral("</a>");
}

} // namespace

CWizardStart::CWizardStart(QWidget *parent)
    : QWizard(parent)
    , ui(std::make_unique<Ui::CWizardStart>())
    , Profile(CUserProfile::instance())
    , ImageCache(CImageCache::instance())
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    InitLinks();
}

CWizardStart::~CWizardStart() = default;

int CWizardStart::exec()
{
    if (!Profile->ShowStartupWizard)
        return 0;
    return QWizard::exec();
}

void CWizardStart::InitLinks()
{
    connect(this, &QWizard::currentIdChanged, this, &CWizardStart::CurrentPageChanged);

    setPixmap(QWizard::WatermarkPixmap,
        QPixmap::fromImage(
            ImageCache->GetImage(QStringLiteral("WizardStart-Wizard.png"), false, true)));

    for (int id : { 0, 1 }) {
        if (QLayout *layout = page(id) ? page(id)->layout() : nullptr) {
            QMargins margins = layout->contentsMargins();
            margins.setTop(25);
            layout->setContentsMargins(margins);
        }
    }

    // The installer's source tag, when there is one, tells the site where the user came from.
    const QString videoAddress = SiteAddress + QStringLiteral("support.html?tab=2&")
        + InstallerSourceQuery() + QStringLiteral("l=welcome");
    ui->linkVideoPresentations->setText(Link(videoAddress, tr("Video Presentations")));

    // These two open pages of the help file (see the slots); their own target is never used.
    ui->linkTutorial1->setText(
        Link(SiteAddress, tr("Tutorial 1 - How to Add Comments and Date")));
    ui->linkTutorial2->setText(
        Link(SiteAddress, tr("Tutorial 2 - How to Resize and Rotate")));

    ui->checkShowFirst->setChecked(!Profile->ShowStartupWizard);
}

void CWizardStart::CurrentPageChanged(int id)
{
    // Both boxes show the one flag, whichever of them was clicked last.
    if (id == 0)
        ui->checkShowFirst->setChecked(!Profile->ShowStartupWizard);
    else if (id == 1)
        ui->checkShowSecond->setChecked(!Profile->ShowStartupWizard);
}

void CWizardStart::on_checkShowFirst_clicked()
{
    Profile->ShowStartupWizard = !ui->checkShowFirst->isChecked();
}

void CWizardStart::on_checkShowSecond_clicked()
{
    Profile->ShowStartupWizard = !ui->checkShowSecond->isChecked();
}

void CWizardStart::on_linkTutorial1_linkActivated()
{
    ShowHelpTopic(QString::fromLatin1(HelpPage::TutorialCommentsAndTime));
}

void CWizardStart::on_linkTutorial2_linkActivated()
{
    ShowHelpTopic(QString::fromLatin1(HelpPage::TutorialResizeAndRotate));
}
