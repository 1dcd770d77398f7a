#include "MainPanel3.h"
#include "ui_MainPanel3.h"

#include "BalloonPath.h"
#include "DialogTip.h"
#include "Folders.h"
#include "FormatsEnum.h"
#include "ImageCache.h"
#include "Settings.h"
#include "StatesList.h"
#include "TextCodecs.h"
#include "TextWidget.h"
#include "Trace.h"
#include "UploadThread.h"
#include "UserProfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QPixmap>
#include <QSignalBlocker>

#include <array>
#include <utility>

namespace {

const QString OutputPathKey = QStringLiteral("GUI/Step3.OutputPath");
const QString OutputFolderKey = QStringLiteral("GUI/Step3.OutputFolder");
const QString OpenOutputFolderKey = QStringLiteral("GUI/Step3.OpenOutputFolder");
const QString UseSFTPKey = QStringLiteral("GUI/Step3.FTP.UseSFTP");
const QString FTPUserKey = QStringLiteral("GUI/Upload.FTP.UserName");
const QString FTPPasswordKey = QStringLiteral("GUI/Upload.FTP.Password");
const QString FTPHostKey = QStringLiteral("GUI/Upload.FTP.Host");
const QString FTPFolderKey = QStringLiteral("GUI/Upload.FTP.Folder");
const QString FTPPortKey = QStringLiteral("GUI/Upload.FTP.Port");

constexpr int TipShowDelayMs = 2000;
constexpr int TipHideDelayMs = 15000;
constexpr int TipLaunches = 3; // the tip shows in the first two starts
constexpr int IconSide = 32;

// The destination list holds folder, e-mail and FTP in the order of their numbers.
int DestinationRow(int destination)
{
    return qBound<int>(0, destination - OutputDestination::Folder, 2);
}

CMainPanel3::FormatSettingsRunner &FormatSettingsSlot()
{
    static CMainPanel3::FormatSettingsRunner runner;
    return runner;
}

CMainPanel3::TipRunner &TipSlot()
{
    static CMainPanel3::TipRunner runner;
    return runner;
}

} // namespace

void CMainPanel3::SetFormatSettingsRunner(FormatSettingsRunner runner)
{
    FormatSettingsSlot() = std::move(runner);
}

void CMainPanel3::SetTipRunner(TipRunner runner)
{
    TipSlot() = std::move(runner);
}

CMainPanel3::CMainPanel3(QWidget *parent)
    : CStepPanel(parent)
    , form(std::make_unique<Ui::CMainPanel3>())
    , uploadThread(std::make_unique<CUploadThread>())
    , profile(CUserProfile::instance())
    , formats(CFormatsEnum::instance())
    , states(CStatesList::instance())
    , imageCache(CImageCache::instance())
{
    LogMessage(QStringLiteral("CMainPanel3::CMainPanel3"));
    form->setupUi(this);
    processTip = new CTextWidget(this);
    processTip->hide();
    Init();
    form->retranslateUi(this);
    FollowWindowTheme();
    modified = false;
}

CMainPanel3::~CMainPanel3()
{
    // A running test ends within the transfer's own time-out; its thread must not outlive
    // the object that owns it.
    disconnect(uploadThread.get(), nullptr, this, nullptr);
    uploadThread->wait();
}

bool CMainPanel3::IsTestRunning() const
{
    return uploadThread->isRunning();
}

void CMainPanel3::Init()
{
    LogMessage(QStringLiteral("CMainPanel3::Init"));
    showTipTimer.setSingleShot(true);
    hideTipTimer.setSingleShot(true);
    connect(&showTipTimer, &QTimer::timeout, this, &CMainPanel3::ShowProcessTip);
    connect(&hideTipTimer, &QTimer::timeout, this, &CMainPanel3::MakeProcessTipInvisible);
    connect(uploadThread.get(), &CUploadThread::ConnectionTestFinished, this,
        &CMainPanel3::on_connectionTestFinished);

    const int ratio = qMax(1, int(qApp->devicePixelRatio()));
    const int side = IconSide * ratio;
    const QPixmap outputIcons
        = QPixmap::fromImage(imageCache->GetImage(QStringLiteral("Icons-Output.png"), false, true));
    QComboBox *destination = form->comboDestination;
    destination->setIconSize(QSize(IconSide, IconSide));
    destination->clear();
    const std::array<QString, 3> destinations
        = { tr("Folder on My Computer (default)"), tr("Send via E-mail"), tr("Upload to FTP") };
    for (int index = 0; index < int(destinations.size()); ++index) {
        QPixmap square = outputIcons.copy(index * side, 0, side, side);
        square.setDevicePixelRatio(ratio);
        destination->addItem(QIcon(square), destinations.at(index));
    }

    QComboBox *structure = form->comboFolderStructure;
    structure->clear();
    structure->addItem(tr("Use selected folder as output destination"));
    structure->addItem(tr("Recreate original folder structure in selected folder"));
    structure->addItem(tr("Use original photos' folder as output destination"));
    structure->addItem(tr("Create a subfolder in the original photos' folder"));

    const QPixmap formatStrip = QPixmap::fromImage(
        imageCache->GetImage(QStringLiteral("Icons-Formats-32.png"), false, true));
    formatIcons.clear();
    for (int x = 0; x + side <= formatStrip.width(); x += side) {
        QPixmap square = formatStrip.copy(x, 0, side, side);
        square.setDevicePixelRatio(ratio);
        formatIcons.append(QIcon(square));
    }
    form->comboOutputFormat->setIconSize(QSize(IconSide, IconSide));

    ResetInterface();
}

// --- Format --------------------------------------------------------------------------------

void CMainPanel3::SetOutputFormats(bool silent)
{
    LogMessage(QStringLiteral("CMainPanel3::SetOutputFormats"),
        QStringLiteral("Destination: ") + QString::number(profile->OutputOptions.Destination));
    QComboBox *combo = form->comboOutputFormat;
    const QString format = profile->OutputOptions.OutputFormat;
    const bool multipage = profile->OutputOptions.Multipage;
    {
        // The refill would run the format choice once per item.
        const QSignalBlocker blocker(combo);
        combo->clear();
        // Each item carries its format's coder; the texts are only shown.
        combo->addItem(formatIcons.value(0), CUserProfile::KeepOriginalFormatText(),
            SOutputOptions::KeepOriginalFormat());
        for (const SFormatRecord &record : formats->Formats()) {
            if (record.canWrite)
                combo->addItem(formatIcons.value(record.settingsKind),
                    record.coder + QStringLiteral(" - ") + record.description, record.coder);
        }
        combo->setCurrentIndex(-1);
    }
    // The list is the same for every destination and language: the job's format stays chosen
    // (the first, keep-original item when the list lacks it).
    const int chosen = FormatItem(format, false);
    if (silent) {
        // A refill the program makes by itself marks nothing changed.
        const CHistoryHold hold(states);
        const QSignalBlocker quiet(this);
        const bool wasModified = modified;
        combo->setCurrentIndex(chosen);
        profile->OutputOptions.Multipage = multipage && form->checkMultipage->isEnabled();
        form->checkMultipage->setChecked(profile->OutputOptions.Multipage);
        modified = wasModified;
        return;
    }
    LogMessage(QStringLiteral("CMainPanel3::SetOutputFormats"), QStringLiteral("setCurrentIndex"));
    combo->setCurrentIndex(chosen);
    profile->OutputOptions.Multipage = multipage && form->checkMultipage->isEnabled();
    form->checkMultipage->setChecked(profile->OutputOptions.Multipage);
}

void CMainPanel3::on_comboOutputFormat_currentIndexChanged(int index)
{
    LogMessage(QStringLiteral("CMainPanel3::on_comboOutputFormat_currentIndexChanged"),
        QString::number(index));
    if (index < 0)
        return;
    const QString name = index > 0 ? form->comboOutputFormat->itemData(index).toString()
                                   : SOutputOptions::KeepOriginalFormat();
    SOutputOptions &output = profile->OutputOptions;
    output.OutputFormat = name;
    LogMessage(QStringLiteral("CMainPanel3::on_comboOutputFormat_currentIndexChanged"),
        QStringLiteral("Selected: ") + (index > 0 ? name : CUserProfile::KeepOriginalFormatText()));
    if (formats->WritesMultipage(name)) {
        form->checkMultipage->setEnabled(true);
    } else {
        output.Multipage = false;
        form->checkMultipage->setChecked(false);
        form->checkMultipage->setEnabled(false);
    }
    profile->UpdateOutputExtension();
    SignalPanelChanged();
}

int CMainPanel3::FormatItem(const QString &format, bool endingToo) const
{
    const QComboBox *combo = form->comboOutputFormat;
    if (SOutputOptions::KeepsOriginal(format))
        return 0;
    // The coder itself first, so that "PS" is not taken for "EPS".
    const int exact = combo->findData(formats->Find(format).coder);
    if (exact > 0)
        return exact;
    for (int index = 1; endingToo && index < combo->count() && !format.isEmpty(); ++index) {
        if (combo->itemData(index).toString().endsWith(format, Qt::CaseInsensitive))
            return index;
    }
    return 0;
}

void CMainPanel3::on_buttonFormatSettings_clicked()
{
    if (!FormatSettingsSlot())
        return;
    const QComboBox *combo = form->comboOutputFormat;
    const QString coder = combo->currentData().toString();
    const bool keep = combo->currentIndex() <= 0;
    const int kind = int(keep ? EFormatSettingsKind::KeepOriginal : formats->OptionsPage(coder));
    const QString title = keep ? combo->currentText() : coder;
    if (FormatSettingsSlot()(this, kind, title))
        SignalPanelChanged();
}

void CMainPanel3::on_checkMultipage_clicked()
{
    profile->OutputOptions.Multipage = form->checkMultipage->isChecked();
    SignalPanelChanged();
}

// --- Destination ---------------------------------------------------------------------------

void CMainPanel3::on_comboDestination_activated(int index)
{
    LogMessage(QStringLiteral("CMainPanel3::on_comboDestination_activated"),
        QStringLiteral("index: ") + QString::number(index));
    CHistoryHold hold(states);
    SOutputOptions &output = profile->OutputOptions;
    const int current = form->comboDestination->currentIndex();
    if (current == DestinationRow(OutputDestination::Email)) {
        output.Destination = OutputDestination::Email;
        form->swDestinations->setCurrentWidget(form->pageEmail);
        form->checkSaveOnDiskMail->setChecked(output.SaveOnDiskMail);
    } else if (current == DestinationRow(OutputDestination::Ftp)) {
        output.Destination = OutputDestination::Ftp;
        form->swDestinations->setCurrentWidget(form->pageFTP);
        // Copies first: each edit's handler writes its own field back.
        const SOutputOptions job = output;
        form->editFTPUsername->setText(job.FTPUser);
        form->editFTPPassword->setText(Base64DecodeString(job.FTPPassword));
        form->editFTPHost->setText(job.FTPHost);
        form->editFTPPort->setText(job.FTPPort);
        form->editFTPFolder->setText(job.FTPFolder);
        form->checkUseSFTP->setChecked(job.UseSFTP);
        form->checkRecreateFolderStruct->setChecked(
            job.OutputFolderStruct == FolderStructure::RecreateTree);
        form->checkSaveOnDiskFTP->setChecked(job.SaveOnDiskFTP);
    } else {
        output.Destination = OutputDestination::Folder;
        form->swDestinations->setCurrentWidget(form->pageMyComputer);
    }
    SetOutputFormats(false);
    hold.Release();
    SignalPanelChanged();
}

void CMainPanel3::on_checkSaveOnDiskMail_clicked(bool checked)
{
    profile->OutputOptions.SaveOnDiskMail = checked;
    SignalPanelChanged();
}

void CMainPanel3::on_checkSaveOnDiskFTP_clicked(bool checked)
{
    profile->OutputOptions.SaveOnDiskFTP = checked;
    SignalPanelChanged();
}

// --- Folder --------------------------------------------------------------------------------

void CMainPanel3::on_comboFolderStructure_activated(int index)
{
    LogMessage(QStringLiteral("CMainPanel3::on_comboFolderStructure_activated"),
        QStringLiteral("index: ") + QString::number(index));
    ApplySourcePathChoice(true);
}

void CMainPanel3::ApplySourcePathChoice(bool showTip)
{
    CHistoryHold hold(states);
    SOutputOptions &output = profile->OutputOptions;
    const int mode = qMax(0, form->comboFolderStructure->currentIndex());
    output.OutputFolderStruct = mode;
    form->editDestinationPath->setEnabled(mode != FolderStructure::PhotoFolder);
    form->buttonSelectFolder->setEnabled(
        mode == FolderStructure::SelectedFolder || mode == FolderStructure::RecreateTree);
    if (mode == FolderStructure::PhotoSubfolder) {
        form->editDestinationPath->setText(QDir::toNativeSeparators(output.OutputFolder));
    } else {
        QString path = output.DestPath;
        if (path.toLower() == QLatin1String("#mypictures"))
            path = GetPicturesFolder();
        form->editDestinationPath->setText(QDir::toNativeSeparators(path));
        // The edit's handler runs only when its text changes.
        output.DestPath = WithForwardSlashes(path);
    }
    if (mode == FolderStructure::PhotoFolder && showTip)
        ShowTip(QStringLiteral("Step3.ShowTipSourcePath"),
            tr("You have selected to write the resulting photos in the same folder where the "
               "originals reside.\n\nIf you'd like to keep the originals but still write the "
               "resulting photos in the same folder, you need to change the processed photos' "
               "name in Step2 > Names"));
    hold.Release();
    SignalPanelChanged();
}

void CMainPanel3::on_editDestinationPath_textChanged(const QString &text)
{
    if (form->comboFolderStructure->currentIndex() == FolderStructure::PhotoSubfolder) {
        profile->OutputOptions.OutputFolder = WithForwardSlashes(text);
        WriteSettingString(OutputFolderKey, text);
    } else {
        profile->OutputOptions.DestPath = WithForwardSlashes(text);
        WriteSettingString(OutputPathKey, text);
    }
    SignalPanelChanged();
}

bool CMainPanel3::SelectOutputFolder()
{
    CHistoryHold hold(states);
    const QString folder = QFileDialog::getExistingDirectory(this,
        tr("Select a folder for saving the resulting photos"),
        ReadSettingString(OutputPathKey, GetPicturesFolder()),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return false;
    const QString chosen = WithForwardSlashes(folder);
    form->editDestinationPath->setText(QDir::toNativeSeparators(chosen));
    WriteSettingString(OutputPathKey, chosen);
    // The caller's hold, if it had one, stays in force.
    hold.Release();
    SignalPanelChanged();
    return true;
}

void CMainPanel3::on_buttonSelectFolder_clicked()
{
    SelectOutputFolder();
}

// --- After processing ----------------------------------------------------------------------

void CMainPanel3::on_checkOpenFolder_clicked()
{
    const bool checked = form->checkOpenFolder->isChecked();
    profile->OutputOptions.OpenOutputFolder = checked;
    WriteSettingInt(OpenOutputFolderKey, checked ? 1 : 0);
    SignalPanelChanged();
}

void CMainPanel3::on_checkOriginalDate_clicked(bool checked)
{
    profile->OutputOptions.OriginalDate = checked;
    SignalPanelChanged();
}

void CMainPanel3::on_checkDeleteSource_clicked()
{
    const bool checked = form->checkDeleteSource->isChecked();
    if (checked)
        ShowTip(QStringLiteral("Step3.ShowTipDeleteSource"),
            tr("You have selected to delete the original photos after writing the processed "
               "ones. We advise you to backup the originals before using this option for the "
               "first time.\n\nThis action will only delete the originals if the processed "
               "photos are correctly written.\n\nIn case there are no filters selected the "
               "photos will actually be moved very fast and eventually renamed with no "
               "quality loss."));
    profile->OutputOptions.DeleteSource = checked;
    SignalPanelChanged();
}

void CMainPanel3::ShowTip(const QString &key, const QString &text)
{
    if (TipSlot()) {
        TipSlot()(this, key, text);
        return;
    }
    CDialogTip tip(this);
    tip.Key = key;
    tip.Text = text;
    tip.exec();
}

// --- FTP -----------------------------------------------------------------------------------

void CMainPanel3::on_editFTPUsername_textChanged(const QString &text)
{
    profile->OutputOptions.FTPUser = text;
    WriteSettingString(FTPUserKey, text);
    SignalPanelChanged();
}

void CMainPanel3::on_editFTPPassword_textChanged(const QString &text)
{
    // Base64 only keeps older documents and settings readable; it hides nothing.
    const QString encoded = Base64EncodeString(text);
    profile->OutputOptions.FTPPassword = encoded;
    WriteSettingString(FTPPasswordKey, encoded);
    RestrictSettingsToOwner();
    SignalPanelChanged();
}

void CMainPanel3::on_editFTPHost_textChanged(const QString &text)
{
    profile->OutputOptions.FTPHost = text;
    WriteSettingString(FTPHostKey, text);
    SignalPanelChanged();
}

void CMainPanel3::on_editFTPFolder_textChanged(const QString &text)
{
    profile->OutputOptions.FTPFolder = text;
    WriteSettingString(FTPFolderKey, text);
    SignalPanelChanged();
}

void CMainPanel3::on_editFTPPort_textChanged(const QString &text)
{
    profile->OutputOptions.FTPPort = text;
    WriteSettingString(FTPPortKey, text);
    SignalPanelChanged();
}

void CMainPanel3::on_checkUseSFTP_clicked(bool checked)
{
    CHistoryHold hold(states);
    profile->OutputOptions.UseSFTP = checked;
    form->editFTPPort->setText(checked ? QStringLiteral("22") : QStringLiteral("21"));
    WriteSettingInt(UseSFTPKey, checked ? 1 : 0);
    profile->OutputOptions.FTPPort = form->editFTPPort->text();
    hold.Release();
    SignalPanelChanged();
}

void CMainPanel3::on_checkRecreateFolderStruct_clicked(bool checked)
{
    const int mode = checked ? FolderStructure::RecreateTree : FolderStructure::SelectedFolder;
    profile->OutputOptions.OutputFolderStruct = mode;
    form->comboFolderStructure->setCurrentIndex(mode);
    SignalPanelChanged();
}

void CMainPanel3::on_buttonTestFTPConnection_clicked()
{
    LogMessage(QStringLiteral("CMainPanel3::on_buttonTestFTPConnection_clicked"));
    form->labelResultTestConnection->setText(QStringLiteral("..."));
    QString &folder = profile->OutputOptions.FTPFolder;
    folder = CUpload::SlashedFolder(folder);
    if (uploadThread->isRunning())
        return;
    uploadThread->SetJob(profile->OutputOptions, profile->MonitorScript);
    uploadThread->TestConnection = true;
    uploadThread->start(QThread::InheritPriority);
}

void CMainPanel3::on_connectionTestFinished(const QString &result)
{
    form->labelResultTestConnection->setText(result);
}

// --- Reset and refresh ---------------------------------------------------------------------

void CMainPanel3::ResetInterface()
{
    LogMessage(QStringLiteral("CMainPanel3::ResetInterface"));
    CHistoryHold hold(states);
    SOutputOptions &output = profile->OutputOptions;
    form->comboDestination->setCurrentIndex(DestinationRow(OutputDestination::Folder));
    on_comboDestination_activated(form->comboDestination->currentIndex());
    form->comboFolderStructure->setCurrentIndex(FolderStructure::SelectedFolder);

    output.DestPath = WithForwardSlashes(ReadSettingString(OutputPathKey, GetPicturesFolder()));
    output.OutputFolder
        = WithForwardSlashes(ReadSettingString(OutputFolderKey, QStringLiteral("Processed")));
    ApplySourcePathChoice(false);

    form->comboOutputFormat->setCurrentIndex(0);
    output.Multipage = false;
    form->checkMultipage->setChecked(false);
    form->checkMultipage->setEnabled(false);

    form->checkOpenFolder->setChecked(ReadSettingInt(OpenOutputFolderKey, 1) != 0);
    form->checkOriginalDate->setChecked(true);
    for (QCheckBox *box : { form->checkDeleteSource, form->checkSaveOnDiskMail,
             form->checkSaveOnDiskFTP, form->checkUseSFTP, form->checkRecreateFolderStruct })
        box->setChecked(false);

    const QString password = ReadSettingString(FTPPasswordKey, QString());
    form->editFTPUsername->setText(ReadSettingString(FTPUserKey, QString()));
    form->editFTPPassword->setText(Base64DecodeString(password));
    form->editFTPHost->setText(ReadSettingString(FTPHostKey, QString()));
    form->editFTPFolder->setText(ReadSettingString(FTPFolderKey, QStringLiteral("/")));
    form->editFTPPort->setText(ReadSettingString(FTPPortKey, QStringLiteral("22")));
    form->checkUseSFTP->setChecked(ReadSettingInt(UseSFTPKey, 1) != 0);

    output.OpenOutputFolder = form->checkOpenFolder->isChecked();
    output.OriginalDate = form->checkOriginalDate->isChecked();
    output.DeleteSource = form->checkDeleteSource->isChecked();
    output.UseSFTP = form->checkUseSFTP->isChecked();
    output.SaveOnDiskMail = form->checkSaveOnDiskMail->isChecked();
    output.SaveOnDiskFTP = form->checkSaveOnDiskFTP->isChecked();
    output.SaveOnDiskFacebook = false;
    output.SaveOnDiskFlickr = false;
    output.DisableNotifications = false;
    output.HideProcessing = false;
    output.FTPUser = form->editFTPUsername->text();
    output.FTPHost = form->editFTPHost->text();
    output.FTPFolder = form->editFTPFolder->text();
    output.FTPPort = form->editFTPPort->text();
    output.FTPPassword = password;
}

void CMainPanel3::ResetPanel()
{
    ResetInterface();
    modified = false;
    emit UnsignalChanges();
}

void CMainPanel3::RefreshPanel()
{
    LogMessage(QStringLiteral("CMainPanel3::RefreshPanel"));
    CHistoryHold hold(states);
    SOutputOptions &output = profile->OutputOptions;
    const bool multipage = output.Multipage;
    const QString format = output.OutputFormat;
    const bool openFolder = output.OpenOutputFolder;
    const bool originalDate = output.OriginalDate;
    const bool deleteSource = output.DeleteSource;

    form->comboDestination->setCurrentIndex(DestinationRow(output.Destination));
    on_comboDestination_activated(form->comboDestination->currentIndex());
    output.OutputFormat = format;

    form->comboFolderStructure->setCurrentIndex(qBound<int>(FolderStructure::SelectedFolder,
        output.OutputFolderStruct, FolderStructure::PhotoSubfolder));
    ApplySourcePathChoice(false);

    QComboBox *combo = form->comboOutputFormat;
    const int found = FormatItem(format, true);
    LogMessage(QStringLiteral("CMainPanel3::RefreshPanel"), QStringLiteral("setCurrentIndex"));
    if (combo->currentIndex() == found)
        on_comboOutputFormat_currentIndexChanged(found);
    else
        combo->setCurrentIndex(found);

    form->checkMultipage->setChecked(multipage && form->checkMultipage->isEnabled());
    output.Multipage = form->checkMultipage->isChecked();

    hold.Release();
    SignalPanelChanged();
    form->checkOpenFolder->setChecked(openFolder);
    form->checkOriginalDate->setChecked(originalDate);
    form->checkDeleteSource->setChecked(deleteSource);
    output.OpenOutputFolder = openFolder;
    output.OriginalDate = originalDate;
    output.DeleteSource = deleteSource;
}

// --- Tip and events ------------------------------------------------------------------------

void CMainPanel3::ShowProcessTip()
{
    showTipTimer.stop();
    if (profile->LaunchCounter >= TipLaunches || processTipShown || !isVisible())
        return;
    processTip->SetShape(MakeBalloonPath(2));
    processTip->SetText(
        { tr("When you are ready, go ahead and apply the changes to your photos") });
    processTip->ResizeToFit(QSize(240, 80));
    processTip->move(width() / 2 + 95, 0);
    processTip->show();
    processTip->raise();
    processTipShown = true;
    hideTipTimer.start(TipHideDelayMs);
}

void CMainPanel3::MakeProcessTipInvisible()
{
    processTip->hide();
    hideTipTimer.stop();
}

void CMainPanel3::showEvent(QShowEvent *event)
{
    CStepPanel::showEvent(event);
    showTipTimer.start(TipShowDelayMs);
}

void CMainPanel3::resizeEvent(QResizeEvent *event)
{
    CStepPanel::resizeEvent(event);
    hideTipTimer.start(0);
}

void CMainPanel3::hideEvent(QHideEvent *event)
{
    CStepPanel::hideEvent(event);
    hideTipTimer.start(0);
}
