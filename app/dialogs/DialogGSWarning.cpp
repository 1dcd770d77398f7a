#include "DialogGSWarning.h"
#include "ui_DialogGSWarning.h"

#include "UserProfile.h"

namespace {

const char *const DownloadPage = "https://ghostscript.com/releases/gsdnld.html";

} // namespace

CDialogGSWarning::CDialogGSWarning(QWidget *parent)
    : QDialog(parent)
    , form(std::make_unique<Ui::CDialogGSWarning>())
    , m_profile(CUserProfile::instance())
{
    form->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

CDialogGSWarning::~CDialogGSWarning() = default;

bool CDialogGSWarning::ShouldShow(const QString &formatName)
{
    m_formatName = formatName;
    // Spent before the notice opens: further requests while it is up show nothing.
    return m_profile->TakeGhostscriptNotice(formatName);
}

int CDialogGSWarning::exec()
{
    form->link->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                            .arg(QLatin1String(DownloadPage),
                                tr("Download GhostScript").toHtmlEscaped()));
    form->text->setText(tr("In order to read %1 documents Quendrasil requires Ghostscript to be "
                           "installed on your computer.\r\n\r\nDownload \"GhostScript for "
                           "Windows (64 bit)\" from this link:")
                            .arg(m_formatName.toUpper()));
    return QDialog::exec();
}

void CDialogGSWarning::on_pushButton_clicked()
{
    accept();
}

void CDialogGSWarning::ShowWhenDue(QWidget *parent, const QString &formatName)
{
    CDialogGSWarning notice(parent);
    if (notice.ShouldShow(formatName))
        notice.exec();
}
