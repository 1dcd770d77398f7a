#include "MainPanel3.h"
#include "ui_MainPanel3.h"

#include "FormatsEnum.h"
#include "Settings.h"
#include "UserProfile.h"

#include <QDir>
#include <QFileDialog>

namespace {

const QString OutputPathKey = QStringLiteral("GUI/Step3.OutputPath");

} // namespace

CMainPanel3::CMainPanel3(QWidget *parent)
    : CStepPanel(parent)
    , form(std::make_unique<Ui::CMainPanel3>())
    , m_profile(CUserProfile::instance())
{
    form->setupUi(this);
    Init();
}

CMainPanel3::~CMainPanel3() = default;

void CMainPanel3::Init()
{
    SetOutputFormats(false);
    RefreshPanel();
    FollowWindowTheme();
}

bool CMainPanel3::SelectOutputFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this,
        tr("Select a folder for saving the resulting photos"),
        ReadSettingString(OutputPathKey, QString()));
    if (folder.isEmpty())
        return false;
    m_profile->OutputOptions.DestPath = QDir::fromNativeSeparators(folder);
    form->editOutputFolder->setText(QDir::toNativeSeparators(folder));
    WriteSettingString(OutputPathKey, folder);
    SignalPanelChanged();
    return true;
}

void CMainPanel3::SetOutputFormats(bool keepSelection)
{
    Q_UNUSED(keepSelection)
    form->comboOutputFormat->clear();
    form->comboOutputFormat->addItem(CUserProfile::KeepOriginalFormatText(), QString());
    for (const SFormatRecord &format : CFormatsEnum::instance()->Formats()) {
        if (format.canWrite)
            form->comboOutputFormat->addItem(format.coder + QStringLiteral(" - ") + format.description, format.coder);
    }
    ShowOutputFormat();
}

void CMainPanel3::ShowOutputFormat()
{
    const QString format = m_profile->OutputOptions.OutputFormat;
    const int index = form->comboOutputFormat->findData(format);
    form->comboOutputFormat->setCurrentIndex(index < 0 ? 0 : index);
}

void CMainPanel3::RefreshPanel()
{
    form->editOutputFolder->setText(QDir::toNativeSeparators(m_profile->OutputOptions.DestPath));
    ShowOutputFormat();
}

void CMainPanel3::ResetPanel()
{
    m_profile->OutputOptions = SOutputOptions();
    m_profile->UpdateOutputExtension();
    RefreshPanel();
    UnsignalPanelChanged();
}

void CMainPanel3::on_buttonBrowse_clicked()
{
    SelectOutputFolder();
}

void CMainPanel3::on_comboOutputFormat_activated(int index)
{
    const QString coder = form->comboOutputFormat->itemData(index).toString();
    m_profile->OutputOptions.OutputFormat = coder.isEmpty() ? CUserProfile::KeepOriginalFormatText() : coder;
    m_profile->UpdateOutputExtension();
    SignalPanelChanged();
}
