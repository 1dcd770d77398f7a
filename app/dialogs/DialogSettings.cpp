#include "DialogSettings.h"
#include "ui_DialogSettings.h"

#include "Folders.h"
#include "Languages.h"
#include "HardwareProfile.h"
#include "HelpTopics.h"
#include "ImageCache.h"
#include "Trace.h"
#include "UserProfile.h"
#include "platform/ShellExtension.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMetaObject>
#include <QPixmap>


namespace {


const char *const SupportAddress = "support@quendrasil.example";
const char *const HeadingStyle = "font: 8pt \"MS Shell Dlg 2\";\ntext-decoration: underline;";
constexpr int TabIconSize = 32;

// A value from an older or hand-edited settings store may lie outside the list; showing
// nothing would store -1 on OK, so such a value shows (and is stored as) the fallback.
void SelectIndex(QComboBox *combo, int index, int fallback)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : fallback);
}

QString WithDefault(const QString &text)
{
    return text + QStringLiteral(" (") + CSettings::tr("default") + QLatin1Char(')');
}

} // namespace

CSettings::CSettings(QWidget *parent)
    : QDialog(parent)
    , form(std::make_unique<Ui::CSettings>())
    , m_profile(CUserProfile::instance())
    , m_hardware(CHardwareProfile::instance())
    , m_imageCache(CImageCache::instance())
    , m_parent(parent)
{
    form->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Init();
}

CSettings::~CSettings() = default;

void CSettings::Init()
{
    form->tabWidget->setCurrentIndex(0);

    form->comboTheme->clear();
    form->comboTheme->addItems(
        { QStringLiteral("System"), QStringLiteral("Dark"), QStringLiteral("Light") });
    SelectIndex(form->comboTheme, m_profile->ThemeId, ThemeChoice::FollowDesktop);

    form->comboLang->clear();
    int language = 0;
    for (size_t index = 0; index < InterfaceLanguages.size(); ++index) {
        form->comboLang->addItem(QLatin1String(InterfaceLanguages.at(index).name));
        if (InterfaceLanguages.at(index).id == m_profile->LanguageId)
            language = int(index);
    }
    form->comboLang->setCurrentIndex(language);

    form->linkHelp->setText(
        QStringLiteral("<a href=\"mailto:%1?subject=Help With Translation\">%2</a>")
            .arg(QLatin1String(SupportAddress), tr("Help with translation").toHtmlEscaped()));

    form->checkMulticore->setChecked(m_profile->UseMulticore);
    form->checkContextualMenu->setChecked(m_profile->ContextualMenu);
    // Without a context-menu extension on this system the box can say nothing true.
    if (!Platform::HasShellExtension()) {
        form->checkContextualMenu->setChecked(false);
        form->checkContextualMenu->setEnabled(false);
    }
    form->checkLog->setChecked(m_profile->QdvLog);
    form->checkShowProfiles->setChecked(m_profile->ShowProfiles);
    form->checkStartupWizard->setChecked(m_profile->ShowStartupWizard);
    form->checkMonitorLaunch->setChecked(m_profile->MonitorLaunch);
    form->checkCheckNew->setChecked(m_profile->AutoCheck);

    form->comboCheckNew->clear();
    form->comboCheckNew->insertItem(0, tr("Daily"));
    form->comboCheckNew->insertItem(1, tr("Once a week"));
    form->comboCheckNew->insertItem(2, tr("Every two weeks"));
    form->comboCheckNew->insertItem(3, tr("Once a month"));
    SelectIndex(form->comboCheckNew, m_profile->CheckNewInterval, UpdateInterval::Weekly);
    form->comboCheckNew->setEnabled(form->checkCheckNew->isChecked());

    form->comboLayerConfig->clear();
    form->comboLayerConfig->addItems({ tr("Save each layer as a separate image (default)"),
        tr("Flatten all layers"), tr("Save the first layer only") });
    SelectIndex(form->comboLayerConfig, m_profile->MultipageWrite, LayerSetting::EachLayer);

    form->comboDemosaic->clear();
    form->comboDemosaic->addItems({ WithDefault(tr("Auto, best algorithm for camera model")),
        QStringLiteral("High-speed, lower-quality bilinear"),
        QStringLiteral("Variable Number of Gradients (VNG)"),
        QStringLiteral("Patterned Pixel Grouping (PPG)"),
        QStringLiteral("Adaptive Homogeneity-Directed (AHD)") });
    SelectIndex(form->comboDemosaic, m_profile->RawDemosaic, 0);

    form->comboWB->clear();
    form->comboWB->addItems({ WithDefault(tr("Use camera's settings")),
        tr("Average the entire image"), tr("Don't apply") });
    SelectIndex(form->comboWB, m_profile->RawWhiteBalance, RawWhiteBalance::Camera);

    form->comboHighLight->clear();
    form->comboHighLight->addItem(QStringLiteral("0 - ") + WithDefault(tr("Clip all")));
    form->comboHighLight->addItem(QStringLiteral("1 - ") + tr("Leave unclipped"));
    form->comboHighLight->addItem(
        QStringLiteral("2 - ") + tr("Blend clipped and unclipped values"));
    for (int mode = 3; mode <= 9; ++mode)
        form->comboHighLight->addItem(
            QString::number(mode) + QStringLiteral(" - ") + tr("Reconstruct"));
    SelectIndex(form->comboHighLight, m_profile->RawHighlight, 0);

    form->labelMultipage->setStyleSheet(QLatin1String(HeadingStyle));
    form->labelRAW->setStyleSheet(QLatin1String(HeadingStyle));
    SetTabIcons();
    // The form's layout fixes the dialog's size.
}

void CSettings::SetTabIcons()
{
    form->tabWidget->setIconSize(QSize(TabIconSize, TabIconSize));
    // Two squares side by side: General, then Image Formats.
    const QList<QIcon> icons = m_imageCache->StripIcons(QStringLiteral("Settings.png"), false, TabIconSize);
    if (icons.size() < 2) {
        LogMessage(
            QStringLiteral("CSettings::SetTabIcons"), QStringLiteral("No usable Settings.png"));
        return;
    }
    for (int tab = 0; tab < 2; ++tab)
        form->tabWidget->setTabIcon(tab, icons.at(tab));
}

void CSettings::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelpTopic(QString::fromLatin1(HelpPage::Settings));
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CSettings::on_buttonOK_clicked()
{
    LogMessage(QStringLiteral("CSettings::on_buttonOK_clicked"));

    // The theme first, so the main window restyles before any message below.
    const int theme = form->comboTheme->currentIndex();
    if (theme != m_profile->ThemeId) {
        m_profile->ThemeId = theme;
        // The main window is out of this library's reach; it offers ChangeTheme as a slot.
        if (m_parent && m_parent->metaObject()->indexOfMethod("ChangeTheme()") >= 0)
            QMetaObject::invokeMethod(m_parent, "ChangeTheme", Qt::DirectConnection);
        else
            LogMessage(QStringLiteral("CSettings::on_buttonOK_clicked"),
                QStringLiteral("No window to restyle"));
    }

    const int language = form->comboLang->currentIndex();
    const qint32 languageId = language > 0 && language < int(InterfaceLanguages.size())
        ? InterfaceLanguages.at(language).id
        : InterfaceLanguages.front().id;
    if (languageId != m_profile->LanguageId) {
        m_profile->LanguageId = languageId;
        QMessageBox::warning(this, QString(),
            tr("You need to restart Quendrasil for the changes to take effect."), QMessageBox::Ok);
    }

    m_profile->UseMulticore = form->checkMulticore->isChecked();
    m_profile->ShowProfiles = form->checkShowProfiles->isChecked();
    m_profile->ShowStartupWizard = form->checkStartupWizard->isChecked();
    m_profile->MonitorLaunch = form->checkMonitorLaunch->isChecked();
    m_profile->AutoCheck = form->checkCheckNew->isChecked();
    m_profile->CheckNewInterval = form->comboCheckNew->currentIndex();

    const bool contextMenu = form->checkContextualMenu->isChecked();
    if (form->checkContextualMenu->isEnabled() && contextMenu != m_profile->ContextualMenu)
        RequestContextMenu(contextMenu);

    m_profile->QdvLog = form->checkLog->isChecked();

    m_profile->MultipageWrite = form->comboLayerConfig->currentIndex();
    m_profile->RawDemosaic = form->comboDemosaic->currentIndex();
    m_profile->RawWhiteBalance = form->comboWB->currentIndex();
    m_profile->RawHighlight = form->comboHighLight->currentIndex();

    accept();
}

void CSettings::RequestContextMenu(bool include)
{
    const QString library = GetProgramFolder() + QLatin1Char('/')
        + QLatin1String(
            m_hardware->Architecture() == QLatin1String("x86") ? "Vesparil.dll" : "Vesparil64.dll");
    LogMessage(QStringLiteral("CSettings::RequestContextMenu"),
        QLatin1String(include ? "Register " : "Unregister ") + library);

    if (Platform::RequestShellExtension(library, include)
        == Platform::EShellExtensionRequest::NotAvailable) {
        // Nothing was asked of the system, so the record keeps what it held.
        QMessageBox::information(this, QString(),
            tr("The file manager's context menu cannot be changed on this system."),
            QMessageBox::Ok);
        return;
    }
    // Records the request, not its outcome: the system's tool reports that itself.
    m_profile->ContextualMenu = include;
}

void CSettings::on_buttonCancel_clicked()
{
    reject();
}

void CSettings::on_checkCheckNew_clicked()
{
    form->comboCheckNew->setEnabled(form->checkCheckNew->isChecked());
}
