#include "DialogAskReview.h"
#include "ui_DialogAskReview.h"

#include "AppInfo.h"
#include "ImageCache.h"
#include "Settings.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

const QString ShowKey = QStringLiteral("GUI/DialogAskReview.Show");
// A page of our own site that forwards to the program's store page, so that the store
// address can change without a new release.
const char *const StorePage = "/appstore";

} // namespace

CDialogAskReview::CDialogAskReview(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::DialogAskReview>())
    , ImageCache(CImageCache::instance())
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const QPixmap picture = ImageCache->GetPixmap(QStringLiteral("Mail.png"), false);
    // A missing picture leaves the form's own in place.
    if (!picture.isNull())
        ui->labelPicture->setPixmap(picture);
    setMaximumSize(minimumSize());
}

CDialogAskReview::~CDialogAskReview() = default;

int CDialogAskReview::exec()
{
    if (ReadSettingInt(ShowKey, 1) == 0)
        return 0;
    return QDialog::exec();
}

void CDialogAskReview::on_linkSupport_clicked()
{
    QUrl page(QLatin1String(AppInfo::WebSite) + QLatin1String("/support.html"));
    page.setQuery(QStringLiteral("tab=3&"));
    page.setFragment(QStringLiteral("email-form"));
    QDesktopServices::openUrl(page);
}

void CDialogAskReview::on_linkAppStore_clicked()
{
    QDesktopServices::openUrl(QUrl(QLatin1String(AppInfo::WebSite) + QLatin1String(StorePage)));
}

void CDialogAskReview::on_checkShow_clicked()
{
    WriteSettingInt(ShowKey, ui->checkShow->isChecked() ? 0 : 1);
}

void CDialogAskReview::on_pushButton_clicked()
{
    accept();
}
