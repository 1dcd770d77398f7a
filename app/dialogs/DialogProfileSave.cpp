#include "DialogProfileSave.h"
#include "ui_DialogProfileSave.h"

#include <QMessageBox>

CDialogProfileSave::CDialogProfileSave(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::CDialogProfileSave>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

CDialogProfileSave::~CDialogProfileSave() = default;

int CDialogProfileSave::exec()
{
    ui->editName->setText(name);
    // As plain text: a description holding markup must come back exactly as it was stored,
    // not stripped of its tags by a round trip through rich text.
    ui->editDesc->setPlainText(description);
    return QDialog::exec();
}

void CDialogProfileSave::on_buttonOk_clicked()
{
    name = ui->editName->text();
    description = ui->editDesc->toPlainText();
    if (name.isEmpty()) {
        QMessageBox::warning(
            this, QString(), tr("Please specify a name for the new profile"), QMessageBox::Ok);
        return;
    }
    accept();
}

void CDialogProfileSave::on_buttonCancel_clicked()
{
    reject();
}
