#pragma once

#include <QDate>
#include <QDialog>
#include <QList>
#include <QNetworkAccessManager>
#include <QRect>
#include <QSslCertificate>
#include <QString>
#include <QUrl>

#include <memory>

namespace Ui {
class CCheckNew;
}

class CUserProfile;
class QNetworkReply;
class QXmlStreamReader;

// One entry of the published version list.
struct SVersionInfo
{
    QString Name;
    QString Revision; // decimal text
    QString Date;
    QString Description; // lines starting with "*" are list items
    QString WinUrl;
    QString OtherUrl;
};

// Looks for a newer published version and, when there is one, shows what changed and opens
// its download page. The main window keeps one for its whole life and sets the public fields
// before each show(); show() only starts the check, the dialog appears once the answer is in.
class CCheckNew : public QDialog
{
    Q_OBJECT

public:
    // The revision this program was built as; the list's revisions are compared with it.
    static constexpr int ProgramRevision = 271;

    explicit CCheckNew(QWidget *parent = nullptr);
    ~CCheckNew() override;

    quint8 Automatic = 0; // 1: the start-up check, run only when due; 0: from the menu
    QRect CenterRect; // the tip and the dialog are centred over it
    int ScreenCount = 1;

    // Tests point the check at a local server, trust that server's certificate for these
    // requests only and may shorten the time-out. An empty URL restores the maker's site.
    static void SetSourceForTests(
        const QUrl &url, const QList<QSslCertificate> &trusted = {}, int timeoutMs = 0);

public slots:
    // Starts a check; hides QWidget::show on purpose.
    void show();

private slots:
    void on_OK_clicked();
    void on_Cancel_clicked();
    void LoadXML(QNetworkReply *reply);
    void on_checkNew_clicked();

private:
    bool IsCheckDue();
    static QDate StringToDate(const QString &text);
    void ParseVersion(QXmlStreamReader &reader);
    void ShowResult();
    static QString DescriptionToHtml(QString &head, QString text);
    static QString LearnMoreLink(const QString &part);
    void ShowConnectionError();
    void ShowUnreadableList();
    void OpenDownloadPage();

    std::unique_ptr<Ui::CCheckNew> ui;
    CUserProfile *Profile;
    QNetworkAccessManager Network;
    QList<SVersionInfo> VersionList;
    bool NewerFound = false;
    bool CloseOnPress = false;
    QNetworkReply *Pending = nullptr; // the request of the current check; others are stale
};
