#include "DialogSocial.h"
#include "ui_DialogSocial.h"

#include "AppInfo.h"
#include "ImageCache.h"
#include "Settings.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

const QString ShowKey = QStringLiteral("GUI/DialogSocial.Show");
constexpr int IconSide = 48;

void OpenSitePage(const char *page)
{
    QDesktopServices::openUrl(
        QUrl(QLatin1String(AppInfo::WebSite) + QLatin1Char('/') + QLatin1String(page)));
}

} // namespace

CDialogSocial::CDialogSocial(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::CDialogSocial>())
    , ImageCache(CImageCache::instance())
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

CDialogSocial::~CDialogSocial() = default;

int CDialogSocial::exec()
{
    // A row of square icons; the first one is not used here. A missing or short strip
    // leaves the buttons without an icon.
    const QList<QIcon> icons = ImageCache->StripIcons(QStringLiteral("Icons-Social.png"), false, IconSide);
    ui->buttonFacebook->setIcon(icons.value(1));
    ui->buttonTwitter->setIcon(icons.value(2));
    ui->buttonFacebook->setIconSize(QSize(IconSide, IconSide));
    ui->buttonTwitter->setIconSize(QSize(IconSide, IconSide));

    const int show = ReadSettingInt(ShowKey, 1);
    setMinimumSize(370, 320);
    setMaximumSize(370, 320);
    if (show == 0)
        return 0;
    return QDialog::exec();
}

void CDialogSocial::on_buttonFacebook_clicked()
{
    OpenSitePage("facebook");
}

void CDialogSocial::on_buttonTwitter_clicked()
{
    OpenSitePage("twitter");
}

void CDialogSocial::on_checkShow_clicked()
{
    WriteSettingInt(ShowKey, ui->checkShow->isChecked() ? 0 : 1);
}

void CDialogSocial::on_buttonSignup_clicked()
{
    OpenSitePage("newsletter");
}

void CDialogSocial::on_buttonLater_clicked()
{
    accept();
}
