#include "DialogRename.h"
#include "ui_DialogRename.h"

#include "HelpTopics.h"
#include "ImageCache.h"
#include "ImageManager.h"
#include "ListImages.h"
#include "UserProfile.h"

#include <QKeyEvent>
#include <QMenu>

namespace {

const QString ExtensionPart = QStringLiteral(".[Extension]");

} // namespace

CDialogRename::CDialogRename(QWidget *parent)
    : QDialog(parent)
    , form(std::make_unique<Ui::CDialogRename>())
    , Profile(CUserProfile::instance())
    , ImageList(CListImages::instance())
    , ImageCache(CImageCache::instance())
{
    form->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Initializing = true;
    InitFromSettings();
    Initializing = false;
}

CDialogRename::~CDialogRename() = default;

bool CDialogRename::Run(QWidget *parent, const SImageRecord &sample)
{
    CDialogRename dialog(parent);
    dialog.SamplePath = sample.pathName;
    dialog.SampleFolder = sample.folder;
    dialog.SampleBaseName = sample.baseName;
    dialog.SampleExtension = sample.extension;
    dialog.SampleIndex = sample.sequenceNumber;
    return dialog.exec() == QDialog::Accepted;
}

void CDialogRename::InitFromSettings()
{
    const SRenameOptions &saved = Profile->RenameOptions;
    // While the dialog is open the generator must use its pattern, not a preset's own.
    Profile->RenameSettings.Preset = RenamePreset::Template;

    form->editKeywords->setText(saved.FilenameFormat);

    form->comboChangeCasesTo->clear();
    form->comboChangeCasesTo->addItems(
        { tr("Unchanged"), tr("lowercases"), tr("UPPERCASES"), tr("Mixed Cases") });
    form->comboChangeCasesTo->setCurrentIndex(saved.ChangeCase);
    form->checkLowerCaseExt->setChecked(saved.LowerCaseExt);

    form->spinStartAt->setRange(0, 9999);
    form->spinStartAt->setValue(saved.CounterStart);
    form->spinStepBy->setRange(-1000, 1000);
    form->spinStepBy->setValue(saved.CountStep);
    form->spinDigits->setRange(1, 1000);
    form->spinDigits->setValue(saved.CounterDigits);
    form->checkResetCounter->setChecked(saved.CounterReset);

    form->comboUse->clear();
    form->comboUse->addItems({ tr("Original photo date"), tr("Current date") });
    form->comboUse->setCurrentIndex(saved.DateType);
    // Layouts are shown as they stand, untranslated; the index is the stored layout.
    form->comboDateFormat->clear();
    form->comboDateFormat->addItems(
        { QStringLiteral("MMM-DD-YYYY"), QStringLiteral("MMM-DD-YY"), QStringLiteral("DD-MMM-YYYY"),
            QStringLiteral("DD-MMM-YY"), QStringLiteral("YYYY-MMM-DD"), QStringLiteral("YY-MMM-DD"),
            QStringLiteral("MM-DD-YYYY"), QStringLiteral("MM-DD-YY"), QStringLiteral("DD-MM-YYYY"),
            QStringLiteral("DD-MM-YY"), QStringLiteral("YYYY-MM-DD"), QStringLiteral("YY-MM-DD") });
    form->comboDateFormat->setCurrentIndex(saved.DateFormat);
    form->comboTimeFormat->clear();
    form->comboTimeFormat->addItems({ QStringLiteral("HH-MM"), QStringLiteral("HH-MM-SS") });
    form->comboTimeFormat->setCurrentIndex(saved.TimeFormat);
    form->comboShowTimeAs->clear();
    form->comboShowTimeAs->addItems(
        { QStringLiteral("AM/PM"), QStringLiteral("24h"), QStringLiteral("Do not show time") });
    form->comboShowTimeAs->setCurrentIndex(saved.ShowTime);

    form->editSearchFor->setText(saved.SearchFor);
    form->editReplaceWith->setText(saved.ReplaceWith);

    form->editKeywords->setFocus();
    SetButtonIcons();
}

void CDialogRename::SetButtonIcons()
{
    const QString strip = QStringLiteral("Icons-Minimal.png");
    form->buttonAddKeyword->setIcon(ImageCache->GridIcon(strip, true, 4, 0, 16));
    form->buttonAddKeyword->setIconSize(QSize(16, 16));
    form->buttonRemoveKeyword->setIcon(ImageCache->GridIcon(strip, true, 5, 0, 16));
    form->buttonRemoveKeyword->setIconSize(QSize(16, 16));
}

int CDialogRename::exec()
{
    UpdatePreview();
    return QDialog::exec();
}

void CDialogRename::UpdatePreview()
{
    SRenameSettings &working = Profile->RenameSettings;
    working.PhotoPath = SamplePath;
    working.PhotoFolder = SampleFolder;
    working.PhotoBaseName = SampleBaseName;
    working.PhotoIndex = SampleIndex;

    working.PhotoDate.clear();
    if (!SamplePath.isEmpty()) {
        CImageManager manager;
        if (manager.Ping(SamplePath))
            working.PhotoDate = manager.GetImageProperties().DateTimeOriginal;
    }
    if (Profile->OutputOptions.KeepsOriginalFormat())
        working.OutputExtension = SampleExtension;

    working.Pattern = form->editKeywords->text() + ExtensionPart;
    working.Preset = RenamePreset::Template;
    working.ChangeCase = form->comboChangeCasesTo->currentIndex();
    working.LowerCaseExt = form->checkLowerCaseExt->isChecked();
    working.CounterStart = form->spinStartAt->value();
    working.CountStep = form->spinStepBy->value();
    working.CounterDigits = form->spinDigits->value();
    working.CounterReset = form->checkResetCounter->isChecked();
    working.DateType = form->comboUse->currentIndex();
    working.DateFormat = form->comboDateFormat->currentIndex();
    working.ShowTime = form->comboShowTimeAs->currentIndex();
    working.TimeFormat = form->comboTimeFormat->currentIndex();
    working.SearchReplace = true;
    working.SearchFor = form->editSearchFor->text();
    working.ReplaceWith = form->editReplaceWith->text();

    working.GenerateFileName(ImageList->Count(), true);
    form->editPreview->setText(working.GeneratedName);
}

void CDialogRename::ControlChanged()
{
    if (!Initializing)
        UpdatePreview();
}

void CDialogRename::accept()
{
    SRenameOptions &saved = Profile->RenameOptions;
    saved.FilenameFormat = form->editKeywords->text();
    saved.ChangeCase = form->comboChangeCasesTo->currentIndex();
    saved.LowerCaseExt = form->checkLowerCaseExt->isChecked();
    saved.CounterStart = form->spinStartAt->value();
    saved.CountStep = form->spinStepBy->value();
    saved.CounterDigits = form->spinDigits->value();
    saved.CounterReset = form->checkResetCounter->isChecked();
    saved.DateType = form->comboUse->currentIndex();
    saved.DateFormat = form->comboDateFormat->currentIndex();
    saved.ShowTime = form->comboShowTimeAs->currentIndex();
    saved.TimeFormat = form->comboTimeFormat->currentIndex();
    saved.SearchFor = form->editSearchFor->text();
    saved.ReplaceWith = form->editReplaceWith->text();
    QDialog::accept();
}

void CDialogRename::reject()
{
    // The saved set is untouched; the preview's edits leave the working set.
    Profile->RenameSettings.ApplyOptions(Profile->RenameOptions);
    QDialog::reject();
}

void CDialogRename::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelpTopic(QString::fromLatin1(HelpPage::Rename));
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDialogRename::on_editKeywords_textChanged(const QString &)
{
    ControlChanged();
}

void CDialogRename::on_comboChangeCasesTo_activated(int)
{
    ControlChanged();
}

void CDialogRename::on_checkLowerCaseExt_clicked(bool)
{
    ControlChanged();
}

void CDialogRename::on_spinStartAt_valueChanged(int)
{
    ControlChanged();
}

void CDialogRename::on_spinStepBy_valueChanged(int)
{
    ControlChanged();
}

void CDialogRename::on_spinDigits_valueChanged(int)
{
    ControlChanged();
}

void CDialogRename::on_comboUse_activated(int)
{
    ControlChanged();
}

void CDialogRename::on_comboDateFormat_activated(int)
{
    ControlChanged();
}

void CDialogRename::on_comboShowTimeAs_activated(int)
{
    ControlChanged();
}

void CDialogRename::on_comboTimeFormat_activated(int)
{
    ControlChanged();
}

void CDialogRename::on_editSearchFor_textChanged(const QString &)
{
    ControlChanged();
}

void CDialogRename::on_editReplaceWith_textChanged(const QString &)
{
    ControlChanged();
}

void CDialogRename::on_buttonAddKeyword_clicked()
{
    QMenu menu;
    connect(menu.addAction(tr("Source Filename")), &QAction::triggered, this,
        &CDialogRename::SourceFilename);
    connect(menu.addAction(tr("Source Folder Name")), &QAction::triggered, this,
        &CDialogRename::SourceFoldername);
    connect(menu.addAction(tr("Source Extension")), &QAction::triggered, this,
        &CDialogRename::SourceExtension);
    connect(menu.addAction(tr("Counter")), &QAction::triggered, this, &CDialogRename::Counter);
    connect(menu.addAction(tr("Date/Time")), &QAction::triggered, this, &CDialogRename::DateTime);
    const QWidget *button = form->buttonAddKeyword;
    menu.exec(button->mapToGlobal(button->contentsRect().bottomLeft()));
}

void CDialogRename::on_buttonRemoveKeyword_clicked()
{
    QString text = form->editKeywords->text();
    if (text.isEmpty())
        return;
    if (text.endsWith(QLatin1Char(']'))) {
        const qsizetype open = text.lastIndexOf(QLatin1Char('['));
        if (open >= 0)
            text.truncate(open);
    } else {
        const qsizetype close = text.lastIndexOf(QLatin1Char(']'));
        text.truncate(close + 1); // no "]": nothing is left
    }
    form->editKeywords->setText(text);
    UpdatePreview();
}

void CDialogRename::on_buttonReset_clicked()
{
    form->editKeywords->setText(QStringLiteral("[Filename]"));
    form->comboChangeCasesTo->setCurrentIndex(NameCase::Keep);
    form->checkLowerCaseExt->setChecked(true);
    form->spinStartAt->setValue(1);
    form->spinStepBy->setValue(1);
    form->spinDigits->setValue(2);
    form->checkResetCounter->setChecked(false);
    form->comboUse->setCurrentIndex(NameDate::PhotoDate);
    form->comboDateFormat->setCurrentIndex(0);
    form->comboShowTimeAs->setCurrentIndex(NameClock::TwelveHour);
    form->comboTimeFormat->setCurrentIndex(NameTimeLayout::HoursMinutes);
    form->editSearchFor->clear();
    form->editReplaceWith->clear();
    UpdatePreview();
}

void CDialogRename::on_buttonOK_clicked()
{
    accept();
}

void CDialogRename::on_buttonCancel_clicked()
{
    reject();
}

void CDialogRename::AppendKeyword(const QString &keyword)
{
    // Always at the end, never at the cursor.
    form->editKeywords->setText(form->editKeywords->text() + keyword);
}

void CDialogRename::SourceFilename()
{
    AppendKeyword(QStringLiteral("[Filename]"));
}

void CDialogRename::SourceFoldername()
{
    AppendKeyword(QStringLiteral("[FolderName]"));
}

void CDialogRename::SourceExtension()
{
    AppendKeyword(QStringLiteral("[Extension]"));
}

void CDialogRename::Counter()
{
    AppendKeyword(QStringLiteral("[Counter]"));
}

void CDialogRename::DateTime()
{
    AppendKeyword(QStringLiteral("[DateTime]"));
}
