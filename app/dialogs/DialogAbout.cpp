#include "DialogAbout.h"
#include "ui_DialogAbout.h"

#include "AppInfo.h"
#include "ImageCache.h"
#include "UserProfile.h"

#include <QApplication>
#include <QPixmap>
#include <QScrollArea>

namespace {

QString Link(const QString &address, const QString &text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(address, text);
}

QString SitePage(const char *page)
{
    return QLatin1String(AppInfo::WebSite) + QLatin1Char('/') + QLatin1String(page);
}

struct SAcknowledgement
{
    const char *naming;
    const char *copyright;
    const char *address;
    const char *shortAddress;
};

const SAcknowledgement Acknowledgements[] = {
    { "This product was created using the Qt framework (LGPL license)",
        "Copyright &copy; The Qt Company Ltd. and other contributors", "https://www.qt.io",
        "www.qt.io" },
    { "This product includes the ImageMagick library",
        "Copyright &copy; 1999 ImageMagick Studio LLC", "https://imagemagick.org",
        "imagemagick.org" },
    // The decoder comes in through LibRaw, which carries it as a library.
    { "This product includes the DCraw project",
        "Copyright &copy; 1997-2018 Dave Coffin; LibRaw &copy; 2008-2024 LibRaw LLC",
        "https://www.libraw.org", "www.libraw.org" },
    { "This product includes the curl library",
        "Copyright &copy; 1996-2025 Daniel Stenberg and many contributors", "https://curl.se",
        "curl.se" },
    { "This product includes software developed by the OpenSSL",
        "Copyright &copy; 1998-2025 The OpenSSL Project Authors", "https://www.openssl.org",
        "www.openssl.org" },
};

} // namespace

CDialogAbout::CDialogAbout(QWidget *parent)
    : QDialog(parent)
    , form(std::make_unique<Ui::CDialogAbout>())
    , m_profile(CUserProfile::instance())
    , m_imageCache(CImageCache::instance())
{
    form->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Init();
}

CDialogAbout::~CDialogAbout() = default;

void CDialogAbout::Init()
{
    QString html;
    if (m_profile->IsDarkTheme())
        html = QStringLiteral("<p style=\"text-align:center; font-family:arial; font-size:13px; "
                              "color:white; background-color:'#1E1E1E';\">");
    else
        html = QStringLiteral("<p style=\"text-align:center; font-family:arial; font-size:13px; "
                              "color:gray;\">");

    html += QStringLiteral("<br/><b>%1 %2</b><br/>")
                .arg(QString::fromLatin1(AppInfo::OrganizationName).toHtmlEscaped(),
                    QLatin1String(AppInfo::ApplicationName));
    const QString site = QLatin1String(AppInfo::WebSite);
    html += Link(site, site.mid(site.indexOf(QLatin1String("//")) + 2)) + QLatin1String("<br/>");
    html += QStringLiteral("Version <b>%1</b> (%2)<br/>")
                .arg(QLatin1String(AppInfo::Version), QLatin1String(AppInfo::BuildDate));
    html += Link(SitePage("facebook"), QStringLiteral("Facebook"))
        + QLatin1String(" &nbsp;|&nbsp; ") + Link(SitePage("twitter"), QStringLiteral("Twitter"))
        + QLatin1String("<br/><br/>");

    html += QLatin1String("<b>Acknowledgements</b><br/><br/>");
    for (const SAcknowledgement &library : Acknowledgements) {
        html += QLatin1String(library.naming) + QLatin1String("<br/>")
            + QLatin1String(library.copyright) + QLatin1String("<br/>")
            + Link(QLatin1String(library.address), QLatin1String(library.shortAddress))
            + QLatin1String("<br/><br/>");
    }
    html += QLatin1String("</p>");

    // The label takes the place of the form's empty contents widget, which the scroll area
    // deletes.
    form->scrollArea->setWidget(form->textCopyright);
    form->textCopyright->setTextFormat(Qt::RichText);
    form->textCopyright->setText(html);

    if (qApp->devicePixelRatio() > 1.0) {
        const QPixmap banner = m_imageCache->GetPixmap(QStringLiteral("Banner-Boxshot.png"), false);
        // A missing picture leaves the form's own banner in place.
        if (!banner.isNull())
            form->label->setPixmap(banner);
    }
}
