#include "DialogFolderWatch.h"
#include "ui_DialogFolderWatch.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QUrl>

#include "Folders.h"
#include "HelpTopics.h"
#include "Job.h"
#include "JobName.h"
#include "MainProgramStart.h"
#include "MonitorThread.h"
#include "OpenFileChooser.h"
#include "Settings.h"
#include "TextCodecs.h"
#include "Trace.h"
#include "platform/DesktopOpen.h"

namespace {

const QString FolderPathKey = QStringLiteral("Monitor/FolderPath");

const QStringList Masks = { QStringLiteral("*.*"), QStringLiteral("*.JPG"), QStringLiteral("*.TIF"),
    QStringLiteral("*.PNG") };
const QStringList Intervals
    = { QStringLiteral("30"), QStringLiteral("60"), QStringLiteral("90"), QStringLiteral("120") };

CDialogFolderWatch::FolderChooser &FolderChooserSlot()
{
    static CDialogFolderWatch::FolderChooser chooser;
    return chooser;
}

QString ChooseFolder(QWidget *parent, const QString &caption, const QString &start)
{
    if (FolderChooserSlot())
        return FolderChooserSlot()(parent, caption, start);
    return QFileDialog::getExistingDirectory(parent, caption, start, QFileDialog::ShowDirsOnly);
}

} // namespace

CDialogFolderWatch::CDialogFolderWatch(QWidget *parent)
    : QDialog(parent)
    , form(std::make_unique<Ui::CDialogFolderWatch>())
{
    form->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Init();
}

CDialogFolderWatch::~CDialogFolderWatch() = default;

void CDialogFolderWatch::SetFolderChooser(FolderChooser chooser)
{
    FolderChooserSlot() = std::move(chooser);
}

QString CDialogFolderWatch::LogPath(qint64 id)
{
    return GetDocumentsFolder() + QStringLiteral("/Quendrasil/Monitor/") + QString::number(id)
        + QStringLiteral(".log");
}

int CDialogFolderWatch::exec()
{
    Init();
    return QDialog::exec();
}

void CDialogFolderWatch::Init()
{
    LogMessage(QStringLiteral("CDialogFolderWatch::Init"));

    form->comboSearchMask->clear();
    form->comboSearchMask->addItems(Masks);
    form->comboScanInterval->clear();
    form->comboScanInterval->addItems(Intervals);

    form->editName->setText(Name);
    form->editDescription->setPlainText(Description);
    form->editPathFolder->setText(QDir::toNativeSeparators(Source));
    form->editPathProfile->setText(QDir::toNativeSeparators(Script));

    form->comboSearchMask->setEditText(Mask.isEmpty() ? Masks.first() : Mask);

    form->checkSubfolders->setChecked(Subfolders);
    form->checkReprocess->setChecked(Reprocess);
    form->checkLog->setChecked(CreateLog);

    // The link is only a face: a click opens the file through the platform opener, which
    // copes with blanks and "#" in the path.
    const QString log = LogPath(Id);
    form->linkShowLog->setText(
        QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(EscapeXml(QUrl::fromLocalFile(log).toString()), tr("Show log").toHtmlEscaped()));
    form->linkShowLog->setVisible(QFileInfo::exists(log));

    form->checkOverwrite->setChecked(Overwrite);
    form->checkSilentMode->setChecked(SilentMode);
    form->comboScanInterval->setEditText(QString::number(Interval));
}

void CDialogFolderWatch::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        ShowHelpTopic(QString::fromLatin1(HelpPage::FolderWatch));
    QDialog::keyPressEvent(event);
}

void CDialogFolderWatch::Warn(const QString &text)
{
    QMessageBox::warning(this, QString(), text);
}

void CDialogFolderWatch::on_buttonOK_clicked()
{
    Name = form->editName->text();
    Description = form->editDescription->toPlainText();
    Source = WithForwardSlashes(form->editPathFolder->text());
    Script = WithForwardSlashes(form->editPathProfile->text());
    Subfolders = form->checkSubfolders->isChecked();
    Reprocess = form->checkReprocess->isChecked();
    CreateLog = form->checkLog->isChecked();
    Overwrite = form->checkOverwrite->isChecked();
    SilentMode = form->checkSilentMode->isChecked();
    Mask = form->comboSearchMask->currentText();

    // Anything that is not a whole number from 1 to 65535 would not fit the job's interval,
    // and the watch thread cannot work with 0.
    const QString intervalText = form->comboScanInterval->currentText();
    bool isNumber = false;
    const int interval = intervalText.toInt(&isNumber, 10);
    if (!isNumber || interval < 1 || interval > 65535) {
        Warn(tr("The scan interval must be an integer larger than 1."));
        return;
    }
    Interval = quint16(interval);

    if (Source.isEmpty() || Script.isEmpty() || Mask.isEmpty() || intervalText.isEmpty()
        || Name.isEmpty()) {
        Warn(tr("Some fields were not filled."));
        return;
    }

    if (!IsValidJobName(Name)) {
        Warn(tr("The Name field cannot contain any of the following characters")
            + QStringLiteral(": \\ / : * ? \" < > |"));
        return;
    }

    // Resolved as the watch thread resolves it, so a folder accepted here is the one watched;
    // never through the process's current folder.
    CJob job;
    job.Source = Source;
    job.Script = Script;
    const QString folder = CMonitorThread::ResolvedSource(job);
    if (QDir::isRelativePath(folder) || !QFileInfo::exists(folder)) {
        Warn(tr("The folder you selected does not exist."));
        return;
    }

    if (!QFileInfo::exists(Script)) {
        Warn(tr("The task you selected does not exist."));
        return;
    }

    done(1);
}

void CDialogFolderWatch::on_buttonCancel_clicked()
{
    reject();
}

void CDialogFolderWatch::on_buttonBrowseFolder_clicked()
{
    const QString start = ReadSettingString(FolderPathKey, QString());
    const QString folder = WithForwardSlashes(ChooseFolder(this, tr("Browse for Folder"), start));
    if (folder.isEmpty())
        return;
    WriteSettingString(FolderPathKey, folder);
    form->editPathFolder->setText(QDir::toNativeSeparators(folder));
}

void CDialogFolderWatch::on_buttonBrowseProfile_clicked()
{
    const QString file = ChooseOpenFile(this, tr("Load Profile"),
        GetDocumentsFolder() + QStringLiteral("/Quendrasil/Profiles"),
        QStringLiteral("Profile Files (*.qlf)"));
    if (file.isEmpty())
        return;
    form->editPathProfile->setText(QDir::toNativeSeparators(file));
}

void CDialogFolderWatch::on_buttonEditProfile_clicked()
{
    EditJobProfile(WithForwardSlashes(form->editPathProfile->text()));
}

void CDialogFolderWatch::on_linkShowLog_linkActivated(const QString &link)
{
    Q_UNUSED(link)
    Platform::OpenLocalPath(LogPath(Id));
}
