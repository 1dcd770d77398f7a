#include "DialogFTPWatch.h"
#include "ui_DialogFTPWatch.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QThread>
#include <QUrl>

#include <curl/curl.h>

#include "CurlSetup.h"
#include "Folders.h"
#include "HelpTopics.h"
#include "JobName.h"
#include "MainProgramStart.h"
#include "OpenFileChooser.h"
#include "Settings.h"
#include "Trace.h"
#include "platform/DesktopOpen.h"

namespace {

const QString HostKey = QStringLiteral("Monitor/FTP.Host");
const QString PortKey = QStringLiteral("Monitor/FTP.Port");
const QString UserKey = QStringLiteral("Monitor/FTP.User");
const QString PasswordKey = QStringLiteral("Monitor/FTP.Password");
const QString UseSFTPKey = QStringLiteral("Monitor/FTP.UseSFTP");

constexpr int MinimumInterval = 30;
constexpr int MaximumInterval = 65535;
constexpr long TestTimeoutSeconds = 10;

// Base-10 text as a number; text that is no whole number counts as 0.
int ReadNumber(const QString &text)
{
    bool isNumber = false;
    const int value = text.toInt(&isNumber, 10);
    return isNumber ? value : 0;
}

size_t DiscardListing(char *, size_t size, size_t count, void *)
{
    return size * count;
}

// Lets a closing dialog end a test that waits for a silent server without waiting the full
// time-out.
int AbortWhenAsked(void *abortFlag, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<std::atomic_bool *>(abortFlag)->load() ? 1 : 0;
}

} // namespace

struct CDialogFTPWatch::STestOutcome
{
    bool handleMade = false;
    CURLcode code = CURLE_OK;
};

CDialogFTPWatch::CDialogFTPWatch(QWidget *parent)
    : QDialog(parent)
    , form(std::make_unique<Ui::CDialogFTPWatch>())
{
    form->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Init();
}

CDialogFTPWatch::~CDialogFTPWatch()
{
    if (m_testThread) {
        m_testAbort->store(true);
        m_testThread->wait();
        delete m_testThread;
    }
}

void CDialogFTPWatch::Init()
{
    LogMessage(QStringLiteral("CDialogFTPWatch::Init"));
    form->editName->setText(Name);
    form->editDescription->setPlainText(Description);

    form->comboScanInterval->clear();
    form->comboScanInterval->addItems({ QStringLiteral("30"), QStringLiteral("60"),
        QStringLiteral("90"), QStringLiteral("120") });
    form->comboScanInterval->setEditText(QString::number(Interval));
    form->checkOverwrite->setChecked(Overwrite);
    form->checkLog->setChecked(CreateLog);

    m_logPath = GetDocumentsFolder() + QStringLiteral("/Quendrasil/Monitor/") + QString::number(Id)
        + QStringLiteral(".log");
    form->linkShowLog->setText(QStringLiteral("<a href =\"")
        + QUrl::fromLocalFile(m_logPath).toString(QUrl::FullyEncoded) + QStringLiteral("\">")
        + tr("Show log") + QStringLiteral("</a>"));
    form->linkShowLog->setVisible(QFileInfo(m_logPath).isFile());
    form->checkSilentMode->setChecked(SilentMode);

    form->editHost->setText(Host.isEmpty() ? ReadSettingString(HostKey, QString()) : Host);
    form->editPort->setText(QString::number(Port != 0 ? Port : ReadSettingInt(PortKey, 0)));
    form->checkUseSFTP->setChecked(UseSFTP);
    form->editUsername->setText(
        Username.isEmpty() ? ReadSettingString(UserKey, QString()) : Username);
    form->editPassword->setText(
        Password.isEmpty() ? ReadSettingString(PasswordKey, QString()) : Password);

    form->editPathFolder->setText(Source);
    form->checkSubfolders->setChecked(Subfolders);
    form->comboSearchMask->clear();
    form->comboSearchMask->addItems({ QStringLiteral("*.*"), QStringLiteral("*.JPG"),
        QStringLiteral("*.TIF"), QStringLiteral("*.PNG") });
    form->comboSearchMask->setEditText(Mask.isEmpty() ? QStringLiteral("*.*") : Mask);

    form->editPathProfile->setText(QDir::toNativeSeparators(Script));
    form->checkReprocess->setChecked(Reprocess);
}

int CDialogFTPWatch::exec()
{
    Init();
    return QDialog::exec();
}

void CDialogFTPWatch::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        ShowHelpTopic(QString::fromLatin1(HelpPage::FTPWatch));
    QDialog::keyPressEvent(event);
}

QByteArray CDialogFTPWatch::FolderUrl(const QString &host, const QString &folder, bool useSFTP)
{
    QByteArray url = (useSFTP ? "sftp://" : "ftp://") + host.toUtf8();
    // Without a leading "/" the folder would run into the host name.
    QString path = folder.startsWith(QLatin1Char('/')) ? folder : QLatin1Char('/') + folder;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return url + PercentEncodedPath(path).toLatin1();
}

void CDialogFTPWatch::Warn(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QString(), text, QMessageBox::Ok, this);
    box.exec();
}

void CDialogFTPWatch::on_buttonOK_clicked()
{
    Name = form->editName->text();
    Description = form->editDescription->toPlainText();
    Source = form->editPathFolder->text();
    Script = WithForwardSlashes(form->editPathProfile->text());
    Subfolders = form->checkSubfolders->isChecked();
    Reprocess = form->checkReprocess->isChecked();
    CreateLog = form->checkLog->isChecked();
    Overwrite = form->checkOverwrite->isChecked();
    SilentMode = form->checkSilentMode->isChecked();
    Mask = form->comboSearchMask->currentText();

    // The watch thread cannot work with a shorter interval, and the job keeps it in 16 bits.
    const QString intervalText = form->comboScanInterval->currentText();
    const int interval = ReadNumber(intervalText);
    if (interval < MinimumInterval || interval > MaximumInterval) {
        Warn(tr("The scan interval must be an integer larger than 30."));
        return;
    }
    Interval = quint16(interval);

    // The server settings are remembered even when a later check fails.
    Host = form->editHost->text();
    WriteSettingString(HostKey, Host);
    Username = form->editUsername->text();
    WriteSettingString(UserKey, Username);
    // The store now holds a password: nobody but its owner may read it.
    RestrictSettingsToOwner();
    Password = form->editPassword->text();
    WriteSettingString(PasswordKey, Password);
    UseSFTP = form->checkUseSFTP->isChecked();
    WriteSettingInt(UseSFTPKey, UseSFTP ? 1 : 0);
    Port = ReadNumber(form->editPort->text());
    WriteSettingInt(PortKey, Port);
    RestrictSettingsToOwner();

    if (Script.isEmpty() || Mask.isEmpty() || intervalText.isEmpty() || Name.isEmpty()) {
        Warn(tr("Some fields were not filled."));
        return;
    }
    if (!IsValidJobName(Name)) {
        Warn(tr("The Name field cannot contain any of the following characters")
            + QStringLiteral(": \\ / : * ? \" < > |"));
        return;
    }
    // Server paths are absolute: a folder typed without its leading "/" would otherwise be
    // glued to the host name.
    if (!Source.startsWith(QLatin1Char('/')))
        Source.prepend(QLatin1Char('/'));
    if (!Source.endsWith(QLatin1Char('/')))
        Source += QLatin1Char('/');
    if (!QFileInfo(Script).isFile()) {
        Warn(tr("The task you selected does not exist."));
        return;
    }
    done(1);
}

void CDialogFTPWatch::on_buttonCancel_clicked()
{
    reject();
}

void CDialogFTPWatch::on_buttonTestFTPConnection_clicked()
{
    if (m_testThread)
        return;
    form->labelResultTestConnection->setText(QStringLiteral("..."));
    const QByteArray url = FolderUrl(
        form->editHost->text(), form->editPathFolder->text(), form->checkUseSFTP->isChecked());
    const int port = ReadNumber(form->editPort->text());
    const QByteArray user = form->editUsername->text().toUtf8();
    const QByteArray password = form->editPassword->text().toUtf8();

    // The test lists the folder in a thread of its own, so the dialog stays responsive while
    // a server keeps it waiting up to the time-out.
    auto outcome = std::make_shared<STestOutcome>();
    m_testAbort = std::make_shared<std::atomic_bool>(false);
    auto abortFlag = m_testAbort;
    m_testThread = QThread::create([outcome, url, port, user, password, abortFlag]() {
        RunConnectionTest(outcome.get(), url, port, user, password, abortFlag.get());
    });
    QThread *thread = m_testThread;
    connect(thread, &QThread::finished, this, [this, thread, outcome]() {
        thread->wait();
        thread->deleteLater();
        if (m_testThread == thread)
            m_testThread = nullptr;
        form->buttonTestFTPConnection->setEnabled(true);
        ShowTestOutcome(*outcome);
    });
    form->buttonTestFTPConnection->setEnabled(false);
    thread->start();
}

void CDialogFTPWatch::ShowTestOutcome(const STestOutcome &outcome)
{
    if (!outcome.handleMade)
        form->labelResultTestConnection->clear();
    else if (outcome.code == CURLE_OK)
        form->labelResultTestConnection->setText(tr("Success"));
    else
        form->labelResultTestConnection->setText(
            QString::fromUtf8(curl_easy_strerror(outcome.code)));
}

void CDialogFTPWatch::on_buttonBrowseProfile_clicked()
{
    const QString path = ChooseOpenFile(this, tr("Load Profile"),
        GetDocumentsFolder() + QStringLiteral("/Quendrasil/Profiles"),
        QStringLiteral("Profile Files (*.qlf)"));
    if (!path.isEmpty())
        form->editPathProfile->setText(QDir::toNativeSeparators(path));
}

void CDialogFTPWatch::on_buttonEditProfile_clicked()
{
    EditJobProfile(WithForwardSlashes(form->editPathProfile->text()));
}

void CDialogFTPWatch::on_linkShowLog_linkActivated(const QString &)
{
    Platform::OpenLocalPath(m_logPath);
}

void CDialogFTPWatch::RunConnectionTest(STestOutcome *outcome, const QByteArray &url, int port,
    const QByteArray &user, const QByteArray &password, std::atomic_bool *abortFlag)
{
    CURL *handle = NewCurlHandle();
    if (!handle)
        return;
    outcome->handleMade = true;
    // A port outside 0..65535 is refused here; libcurl would otherwise quietly use the
    // scheme's own port and the test could report a server the job will never reach.
    outcome->code = curl_easy_setopt(handle, CURLOPT_PORT, static_cast<long>(port));
    if (outcome->code == CURLE_OK) {
        curl_easy_setopt(handle, CURLOPT_URL, url.constData());
        curl_easy_setopt(handle, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(handle, CURLOPT_PASSWORD, password.constData());
        curl_easy_setopt(handle, CURLOPT_TIMEOUT, TestTimeoutSeconds);
        curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &DiscardListing);
        curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &AbortWhenAsked);
        curl_easy_setopt(handle, CURLOPT_XFERINFODATA, abortFlag);
        outcome->code = curl_easy_perform(handle);
    }
    curl_easy_cleanup(handle);
}
