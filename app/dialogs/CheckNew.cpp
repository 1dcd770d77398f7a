#include "CheckNew.h"
#include "ui_CheckNew.h"

#include "AppInfo.h"
#include "DialogTip.h"
#include "Settings.h"
#include "Trace.h"
#include "UserProfile.h"
#include "WidgetPlacement.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSysInfo>
#include <QTextCursor>
#include <QXmlStreamReader>

#include <algorithm>
#include <utility>

namespace {

const char *const LastDateKey = "Settings/CheckNew.LastDate";
const QString VersionListAddress = QLatin1String(AppInfo::WebSite) + QStringLiteral("/versions-qt.xml");

// The list is a few kilobytes; anything far larger is not ours and is not read into memory.
constexpr qint64 MaxListBytes = 1024 * 1024;
// Without a limit a server that accepts and then stays silent would leave the check pending
// for ever; this way the user hears that the site could not be reached.
constexpr int DefaultTimeoutMs = 30000;

struct STestSource
{
    QUrl url;
    QList<QSslCertificate> trusted;
    int timeoutMs = 0;
};

STestSource &TestSource()
{
    static STestSource source;
    return source;
}

int IntervalDays(int index)
{
    switch (index) {
    case UpdateInterval::Weekly:
        return 7;
    case UpdateInterval::Fortnightly:
        return 14;
    case UpdateInterval::Monthly:
        return 30;
    default:
        return 1;
    }
}

bool IsRevisionNumber(const QString &text)
{
    bool ok = false;
    text.trimmed().toInt(&ok);
    return ok;
}

int RevisionNumber(const QString &text)
{
    return text.trimmed().toInt(); // not a number: 0
}

} // namespace

CCheckNew::CCheckNew(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::CCheckNew>())
    , Profile(CUserProfile::instance())
    , Network(this)
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(&Network, &QNetworkAccessManager::finished, this, &CCheckNew::LoadXML);
}

CCheckNew::~CCheckNew()
{
    // Replies still in flight die with Network; none of them may reach LoadXML now.
    Network.disconnect(this);
}

void CCheckNew::SetSourceForTests(
    const QUrl &url, const QList<QSslCertificate> &trusted, int timeoutMs)
{
    TestSource() = STestSource { url, trusted, timeoutMs };
}

void CCheckNew::show()
{
    NewerFound = false;
    CloseOnPress = false;
    VersionList.clear();
    ui->editBox->clear();
    ui->editBox->setStyleSheet(QStringLiteral("font: 10pt;\ntext-decoration: none;"));
    ui->OK->setText(tr("&OK"));
    ui->editBox->setVisible(true);

    const bool due = IsCheckDue();
    if (Automatic && !due)
        return;

    ui->checkNew->setChecked(Profile->AutoCheck);

    {
        CDialogTip tip(nullptr);
        tip.Key = QStringLiteral("CheckNew.ShowTip");
        tip.Text = tr("Quendrasil will now check if a newer version of the program is available. "
                      "No information about you or your computer will be sent to our servers. "
                      "Please select 'Yes' if a firewall warning will be displayed.");
        CenterWidgetInRect(CenterRect, &tip);
        tip.exec();
    }

    const STestSource &source = TestSource();
    QNetworkRequest request(source.url.isEmpty()
            ? QUrl(VersionListAddress, QUrl::TolerantMode)
            : source.url);
    if (!source.trusted.isEmpty()) {
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.addCaCertificates(source.trusted);
        request.setSslConfiguration(ssl);
    }
    request.setTransferTimeout(source.timeoutMs > 0 ? source.timeoutMs : DefaultTimeoutMs);

    // A check still waiting for its answer is superseded; its answer is dropped in LoadXML.
    if (QNetworkReply *stale = std::exchange(Pending, nullptr))
        stale->abort();
    QNetworkReply *reply = Network.get(request);
    Pending = reply;
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > MaxListBytes || total > MaxListBytes)
            reply->abort();
    });
}

bool CCheckNew::IsCheckDue()
{
    const QDate today = QDate::currentDate();
    const QString todayText
        = QString::asprintf("%02d-%02d-%02d", today.year(), today.month(), today.day());

    bool due = false;
    bool first = false;
    if (Profile->AutoCheck) {
        const QString last = ReadSettingString(QLatin1String(LastDateKey), QString());
        if (last.isEmpty()) {
            first = true;
        } else {
            const QDate date = StringToDate(last);
            const qint64 days = date.isValid() ? date.daysTo(today) : 0;
            due = days >= IntervalDays(Profile->CheckNewInterval);
        }
    }
    if (!Automatic || due || first)
        WriteSettingString(QLatin1String(LastDateKey), todayText);
    return due;
}

QDate CCheckNew::StringToDate(const QString &text)
{
    return QDate(text.mid(0, 4).toInt(), text.mid(5, 2).toInt(), text.mid(8, 2).toInt());
}

void CCheckNew::LoadXML(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != Pending)
        return;
    Pending = nullptr;

    if (reply->error() != QNetworkReply::NoError) {
        LogMessage(QStringLiteral("CCheckNew::LoadXML"), reply->errorString());
        ShowConnectionError();
    } else {
        QXmlStreamReader reader(reply->readAll());
        bool seenElement = false;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            seenElement = true;
            if (reader.name() == QLatin1String("Version"))
                ParseVersion(reader);
        }
        if (reader.hasError())
            LogMessage(QStringLiteral("CCheckNew::LoadXML"), reader.errorString());

        if (!seenElement) {
            ShowConnectionError();
        } else if (VersionList.isEmpty() || !IsRevisionNumber(VersionList.first().Revision)) {
            // Some other document (a portal page, a broken list): saying "up to date" here
            // would be a guess.
            ShowUnreadableList();
        } else {
            ShowResult();
            if (NewerFound) {
                ui->OK->setText(tr("Update"));
                setMinimumHeight(325);
            } else if (!Automatic) {
                CloseOnPress = true;
                setMinimumHeight(150);
            } else {
                return;
            }
        }
    }

    resize(minimumSize());
    CenterWidgetInRect(CenterRect, this);
    QDialog::show();
}

void CCheckNew::ParseVersion(QXmlStreamReader &reader)
{
    SVersionInfo info;
    bool anyToken = false;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::Invalid)
            return; // a broken entry is dropped
        if (token == QXmlStreamReader::EndElement) {
            if (anyToken)
                VersionList.append(info);
            return;
        }
        anyToken = true;
        if (token != QXmlStreamReader::StartElement)
            continue;

        const QStringView name = reader.name();
        if (name == QLatin1String("Name")) {
            info.Name = reader.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (name == QLatin1String("Revision")) {
            info.Revision = reader.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (name == QLatin1String("Date")) {
            info.Date = reader.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (name == QLatin1String("Description")) {
            info.Description = reader.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (name == QLatin1String("Url")) {
            const QXmlStreamAttributes attributes = reader.attributes();
            const bool hasOs = attributes.hasAttribute(QLatin1String("OS"));
            const bool windows = attributes.value(QLatin1String("OS")) == QLatin1String("Win");
            const QString address = reader.readElementText(QXmlStreamReader::SkipChildElements);
            if (!hasOs || windows)
                info.WinUrl = address;
            if (!hasOs || !windows)
                info.OtherUrl = address;
        } else {
            reader.skipCurrentElement();
        }
    }
}

void CCheckNew::ShowResult()
{
    ui->retranslateUi(this);

    const int newest = RevisionNumber(VersionList.first().Revision);
    QString message;
    QString entries;
    if (newest <= ProgramRevision) {
        message = tr("You already have the latest version of Quendrasil installed on your "
                     "computer.\r\nPlease check back in a few weeks.")
            + QStringLiteral("\r\n");
    } else {
        message = tr("A newer version of Quendrasil is available for download.")
            + QStringLiteral("\r\n\r\n")
            + tr("Note: You can update to the latest version of Quendrasil free of charge!\n\n"
                 "Update Instructions:\n1. Click on 'Update' to launch the download of the new "
                 "setup file\n2. After completing the download, launch the setup and follow the "
                 "instruction on screen")
            + QStringLiteral("\r\n\r\n");

        for (const SVersionInfo &entry : std::as_const(VersionList)) {
            const int revision = RevisionNumber(entry.Revision);
            if (revision < ProgramRevision)
                break;
            // The list comes from the network: its texts are shown, never run as markup.
            QString head = QStringLiteral("<b>") + tr("Version") + QLatin1Char(' ')
                + entry.Name.toHtmlEscaped() + QStringLiteral(" (") + entry.Date.toHtmlEscaped()
                + QStringLiteral(")</b>");
            if (revision > ProgramRevision) {
                QStringList parts = DescriptionToHtml(head, entry.Description.toHtmlEscaped())
                                        .split(QStringLiteral("<li>"));
                for (QString &part : parts) {
                    if (part.contains(QLatin1String("http://"))
                        || part.contains(QLatin1String("https://")))
                        part = LearnMoreLink(part);
                }
                head += parts.join(QStringLiteral("<li>"));
            } else {
                head += QStringLiteral("<br><br>")
                    + tr("This is the version you have installed on your computer.")
                    + QStringLiteral("<br>");
            }
            head.remove(QStringLiteral("\\n"));
            entries += head;
        }
        NewerFound = true;
    }

    message.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    ui->editBox->clear();
    ui->editBox->insertHtml(message + QStringLiteral("<br>") + entries);
    ui->editBox->setOpenExternalLinks(true);
    QTextCursor cursor = ui->editBox->textCursor();
    cursor.setPosition(0);
    ui->editBox->setTextCursor(cursor);
}

// Lines that start with "*" become list items; plain lines between them close one list and
// open the next. Works on a stream (what is before the current position never changes again)
// so that a long hostile description cannot stall the window.
QString CCheckNew::DescriptionToHtml(QString &head, QString text)
{
    QString plain = text;
    plain.remove(QLatin1Char('\n'));
    plain.remove(QLatin1Char('\t'));
    if (!plain.startsWith(QLatin1Char('*')))
        head += QStringLiteral("<br>");

    text = QStringLiteral(" <ul> ") + text;
    text.remove(QLatin1Char('\t'));
    text += QStringLiteral("<br>");

    // The text from the current position on is `ahead` followed by text.mid(next).
    QString out;
    out.reserve(text.size() * 2);
    QString ahead;
    qsizetype next = 0;
    auto at = [&](qsizetype k) -> QChar {
        if (k < ahead.size())
            return ahead.at(k);
        const qsizetype index = next + k - ahead.size();
        return index < text.size() ? text.at(index) : QChar();
    };
    auto remaining = [&]() { return ahead.size() + text.size() - next; };
    auto drop = [&](qsizetype count) {
        const qsizetype fromAhead = std::min(count, ahead.size());
        ahead.remove(0, fromAhead);
        next += count - fromAhead;
    };
    auto bulletWithin3 = [&]() {
        const qsizetype window = std::min<qsizetype>(3, remaining());
        for (qsizetype k = 0; k + 1 < window; ++k) {
            if (at(k) == QLatin1Char('\n') && at(k + 1) == QLatin1Char('*'))
                return true;
        }
        return false;
    };

    bool newList = false;
    while (remaining() > 0) {
        if (bulletWithin3()) {
            // Keep the current character, put the list markup in place of the next two.
            const QChar current = at(0);
            drop(std::min<qsizetype>(3, remaining()));
            ahead.prepend(current + QLatin1String(newList ? " <ul><li> " : " </li><li> "));
            newList = false;
        }
        const bool lineFeedWithin2
            = at(0) == QLatin1Char('\n') || (remaining() > 1 && at(1) == QLatin1Char('\n'));
        if (lineFeedWithin2 && !bulletWithin3())
            newList = true;
        out += at(0);
        drop(1);
    }

    out.replace(QLatin1Char('\n'), QStringLiteral(" </li></ul>"));
    return out;
}

// "... http://host/page more" becomes "... (learn more) more" with the address as the link.
QString CCheckNew::LearnMoreLink(const QString &part)
{
    const qsizetype httpAt = part.indexOf(QLatin1String("http://"));
    const qsizetype httpsAt = part.indexOf(QLatin1String("https://"));
    const bool secure = httpsAt >= 0 && (httpAt < 0 || httpsAt < httpAt);
    const QString scheme = secure ? QStringLiteral("https://") : QStringLiteral("http://");
    const qsizetype at = secure ? httpsAt : httpAt;
    if (at < 0)
        return part;

    const QString before = part.left(at);
    QString rest = part.mid(at + scheme.size());
    // Only the first address of an item is used.
    qsizetype second = rest.indexOf(QLatin1String("http://"));
    const qsizetype secondSecure = rest.indexOf(QLatin1String("https://"));
    if (second < 0 || (secondSecure >= 0 && secondSecure < second))
        second = secondSecure;
    if (second >= 0)
        rest.truncate(second);

    // The address ends at a blank or at the markup that follows the item's text.
    qsizetype end = 0;
    while (
        end < rest.size() && rest.at(end) != QLatin1Char(' ') && rest.at(end) != QLatin1Char('<'))
        ++end;
    const QString address = rest.left(end);
    if (!address.isEmpty())
        rest.remove(address);

    return before + QStringLiteral("(<a href =\"") + scheme + address
        + QStringLiteral("\"  style=\"text-decoration: none\" >") + tr("learn more")
        + QStringLiteral("</a>)") + rest;
}

void CCheckNew::ShowConnectionError()
{
    CloseOnPress = true;
    ui->editBox->setPlainText(
        tr("We are unable to access Quendrasil's site. Your firewall may be blocking this "
           "connection. Please check your firewall's settings and try again.\n\nIn case you "
           "don't want Quendrasil to automatically check for updates at startup please disable "
           "the checkbox below."));
    setMinimumHeight(150);
}

void CCheckNew::ShowUnreadableList()
{
    CloseOnPress = true;
    ui->editBox->setPlainText(
        tr("The list of versions on Quendrasil's site could not be read. Please try again "
           "later.\n\nIn case you don't want Quendrasil to automatically check for updates at "
           "startup please disable the checkbox below."));
    setMinimumHeight(150);
}

void CCheckNew::OpenDownloadPage()
{
    // The setup for the system this copy runs on; an address for any system serves both.
    const SVersionInfo &newest = VersionList.first();
    const bool windows = QSysInfo::productType() == QLatin1String("windows");
    QString address = (windows ? newest.WinUrl : newest.OtherUrl).trimmed();
    if (address.isEmpty())
        address = (windows ? newest.OtherUrl : newest.WinUrl).trimmed();

    // The address came from the network: only a web page is opened, never a local file or
    // some other handler.
    const QUrl url(address, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("https") && scheme != QLatin1String("http"))) {
        LogMessage(QStringLiteral("CCheckNew::OpenDownloadPage"),
            QStringLiteral("Refused download address ") + address);
        QMessageBox::warning(this, QString(),
            tr("The download address of the new version is not valid. Please "
               "try again later."));
        return;
    }
    QDesktopServices::openUrl(url);
}

void CCheckNew::on_OK_clicked()
{
    if (CloseOnPress) {
        accept();
        return;
    }
    ui->OK->setText(tr("&OK"));
    CloseOnPress = true;
    if (NewerFound)
        OpenDownloadPage();
}

void CCheckNew::on_Cancel_clicked()
{
    reject();
}

void CCheckNew::on_checkNew_clicked()
{
    Profile->AutoCheck = ui->checkNew->isChecked();
}
