#include "DialogSearch.h"
#include "ui_DialogSearch.h"

#include <QDir>
#include <QFileDialog>

#include "Folders.h"
#include "Settings.h"

namespace {

const QString PathKey = QStringLiteral("GUI/SearchAdd.Path");
const QString MaskKey = QStringLiteral("GUI/SearchAdd.Mask");
const QString SubfoldersKey = QStringLiteral("GUI/SearchAdd.InSubfolders");

const QStringList Masks = { QStringLiteral("*.*"), QStringLiteral("*.JPG"), QStringLiteral("*.TIF"),
    QStringLiteral("*.PNG") };

} // namespace

CDialogSearch::CDialogSearch(QWidget *parent)
    : QDialog(parent)
    , form(std::make_unique<Ui::CDialogSearch>())
{
    form->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

CDialogSearch::~CDialogSearch() = default;

int CDialogSearch::exec()
{
    Init();
    return QDialog::exec();
}

void CDialogSearch::Init()
{
    // Read before filling the list: adding the first item selects it, and the change slot
    // stores that index over the remembered one (then the selection below stores it back).
    int maskIndex = ReadSettingInt(MaskKey, 0);
    // A typed mask confirmed with Enter becomes a fifth item only while the dialog is open,
    // so its stored index has no item on the next opening.
    if (maskIndex < 0 || maskIndex >= Masks.size())
        maskIndex = 0;

    form->editSearchPath->setText(QDir::toNativeSeparators(ReadSettingString(PathKey, QString())));

    form->comboSearchMask->clear();
    form->comboSearchMask->addItems(Masks);
    form->comboSearchMask->setCurrentIndex(maskIndex);

    form->checkSearchSubfold->setChecked(ReadSettingInt(SubfoldersKey, 0) != 0);
    SearchSubfolders = form->checkSearchSubfold->isChecked();
}

void CDialogSearch::on_buttonBrowse_clicked()
{
    QString start = ReadSettingString(PathKey, QString());
    if (start.isEmpty())
        start = GetPicturesFolder();
    const QString folder = WithForwardSlashes(QFileDialog::getExistingDirectory(
        this, tr("Select a folder and press Ok to add it to your search path."), start));
    if (folder.isEmpty())
        return;
    WriteSettingString(PathKey, folder);
    form->editSearchPath->setText(QDir::toNativeSeparators(folder));
}

void CDialogSearch::on_buttonOK_clicked()
{
    SearchPath = WithForwardSlashes(form->editSearchPath->text());
    SearchMask = form->comboSearchMask->currentText();
    if (!SearchPath.isEmpty())
        done(1);
}

void CDialogSearch::on_buttonCancel_clicked()
{
    reject();
}

void CDialogSearch::on_checkSearchSubfold_clicked()
{
    SearchSubfolders = form->checkSearchSubfold->isChecked();
    WriteSettingInt(SubfoldersKey, SearchSubfolders ? 1 : 0);
}

void CDialogSearch::on_comboSearchMask_currentIndexChanged(int index)
{
    WriteSettingInt(MaskKey, index);
}
