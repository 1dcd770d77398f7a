#include "DialogSaveProject.h"
#include "ui_DialogSaveProject.h"

#include "Settings.h"

namespace {

const QString ShowKey = QStringLiteral("GUI/bShowSaveProject");

} // namespace

CDialogSaveProject::CDialogSaveProject(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::CDialogSaveProject>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

CDialogSaveProject::~CDialogSaveProject() = default;

int CDialogSaveProject::exec()
{
    if (ReadSettingInt(ShowKey, 1) == 0) {
        accept();
        return QDialog::Accepted;
    }
    ui->checkAsk->setChecked(false);
    return QDialog::exec();
}

void CDialogSaveProject::reject()
{
    cancel = true;
    QDialog::reject();
}

void CDialogSaveProject::on_buttonYes_clicked()
{
    yes = true;
    accept();
}

void CDialogSaveProject::on_buttonNo_clicked()
{
    no = true;
    accept();
}

void CDialogSaveProject::on_buttonCancel_clicked()
{
    cancel = true;
    accept();
}

void CDialogSaveProject::on_checkAsk_clicked()
{
    // Stored at the click: the choice holds whichever answer follows.
    WriteSettingInt(ShowKey, ui->checkAsk->isChecked() ? 0 : 1);
}
