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
    // A row of square icons; the first one is not used here. The tiles are cut by the
    // variant the cache hands out, not by the screen's ratio, so that a 1x strip on a
    // high-DPI screen (or the reverse) still gives whole icons.
    const QImage strip = ImageCache->GetImage(QStringLiteral("Icons-Social.png"), false, true);
    const int scale = ImageCache->IsHighDpi() ? 2 : 1;
    const int side = IconSide * scale;
    auto tile = [&](int index) {
        if (strip.width() < (index + 1) * side || strip.height() < side)
            return QIcon(); // a missing or short strip leaves the button without an icon
        QPixmap pixmap = QPixmap::fromImage(strip.copy(index * side, 0, side, side));
        pixmap.setDevicePixelRatio(scale);
        return QIcon(pixmap);
    };
    ui->buttonFacebook->setIcon(tile(1));
    ui->buttonTwitter->setIcon(tile(2));
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
