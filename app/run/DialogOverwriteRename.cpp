#include "DialogOverwriteRename.h"
#include "ui_DialogOverwriteRename.h"

#include <QFileInfo>
#include <QMessageBox>

#include "OutputPaths.h"

CDialogOverwriteRename::CDialogOverwriteRename(QWidget *parent)
    : QDialog(parent)
    , form(std::make_unique<Ui::CDialogOverwriteRename>())
{
    form->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

CDialogOverwriteRename::~CDialogOverwriteRename() = default;

int CDialogOverwriteRename::exec()
{
    // Only the name: a dot in a folder name is no extension, and a name may have none.
    form->editNewName->setText(OutputPaths::SplitPath(m_path).base);
    form->editNewName->selectAll();
    return QDialog::exec();
}

void CDialogOverwriteRename::on_buttonOK_clicked()
{
    // Refused names (empty, ".", "..", or a name that would leave the folder) keep the
    // dialog open, as an empty one does.
    const QString candidate = OutputPaths::RenamedPath(m_path, form->editNewName->text());
    if (candidate.isEmpty())
        return;
    if (QFileInfo::exists(candidate)) {
        QMessageBox::warning(
            this, QString(), tr("A photo with the same name already exists") + QLatin1Char('!'));
        return;
    }
    m_path = candidate;
    accept();
}

void CDialogOverwriteRename::on_buttonCancel_clicked()
{
    reject();
}
