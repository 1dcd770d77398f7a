#include "DialogTip.h"
#include "ui_DialogTip.h"

#include "AppInfo.h"
#include "ImageCache.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPixmap>

namespace {

// One source serves both programs; Monitor's tip window is a little lower and fixed.
bool RunsInMonitor()
{
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return program.compare(QLatin1String(AppInfo::MonitorName), Qt::CaseInsensitive) == 0;
}

} // namespace

CDialogTip::CDialogTip(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::CDialogTip>())
    , ImageCache(CImageCache::instance())
{
    ui->setupUi(this);

    const QPixmap banner = ImageCache->GetPixmap(QStringLiteral("DialogTip-Banner.png"), false);
    if (!banner.isNull())
        ui->labelImageWizard->setPixmap(banner);

    if (RunsInMonitor())
        setFixedSize(460, 215);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

CDialogTip::~CDialogTip() = default;

QString CDialogTip::SettingKey() const
{
    return QStringLiteral("GUI/") + Key;
}

int CDialogTip::exec()
{
    if (ReadSettingInt(SettingKey(), 1) == 0)
        return 1;
    ui->textTip->setText(Text);
    ui->checkShow->setChecked(false);
    return QDialog::exec();
}

void CDialogTip::on_checkShow_clicked()
{
    // Stored at the click, so closing the window by any means keeps the choice.
    WriteSettingInt(SettingKey(), ui->checkShow->isChecked() ? 0 : 1);
}

void CDialogTip::on_buttonOk_clicked()
{
    close();
}
