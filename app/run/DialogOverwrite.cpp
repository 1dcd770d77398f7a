#include "DialogOverwrite.h"
#include "ui_DialogOverwrite.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

#include "ControlImage.h"
#include "DialogGSWarning.h"
#include "DialogOverwriteRename.h"
#include "ImageCache.h"
#include "ImageConversion.h"
#include "ImageManager.h"
#include "ProcessThread.h"
#include "UserProfile.h"

#include <algorithm>

namespace {

constexpr int IconSize = 16;

} // namespace

CDialogOverwrite::CDialogOverwrite(QWidget *parent)
    : QDialog(parent)
    , form(std::make_unique<Ui::CDialogOverwrite>())
    , m_profile(CUserProfile::instance())
    , m_imageCache(CImageCache::instance())
{
    form->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    form->scrollImage->setStyleSheet(m_profile->IsDarkTheme()
            ? QStringLiteral("background-color: rgb( 30, 30, 30 );")
            : QStringLiteral("background-color: rgb( 255, 255, 255 );"));
    SetZoomIcons();
    form->scrollImage->imageLabel = form->viewImage;
    connect(form->scrollImage, &CControlImage::SignalDisplayGSMessage, this,
        [this](const QString &extension) { CDialogGSWarning::ShowWhenDue(this, extension); });
}

CDialogOverwrite::~CDialogOverwrite() = default;

CControlImage *CDialogOverwrite::Preview() const
{
    return form->scrollImage;
}

void CDialogOverwrite::SetZoomIcons()
{
    const QList<QIcon> icons
        = m_imageCache->StripIcons(QStringLiteral("Icons-Minimal.png"), true, IconSize);
    QPushButton *const buttons[] = { form->buttonMaxZoomImage, form->buttonMinZoomImage,
        form->buttonZoomInImage, form->buttonZoomOutImage };
    for (int index = 0; index < 4; ++index)
        buttons[index]->setIcon(icons.value(index));
}

int CDialogOverwrite::exec()
{
    connect(form->scrollImage, &CControlImage::UpdateZoomPercent, this,
        &CDialogOverwrite::UpdateZoomText,
        Qt::ConnectionType(Qt::UniqueConnection | Qt::QueuedConnection));
    const QFileInfo file(m_path);
    const qint64 size = file.exists() ? file.size() : 0;
    form->textEditInfo->setPlainText(tr("Image %1\nalready exists, do you want to overwrite it?")
                                         .arg(QDir::toNativeSeparators(m_path))
        + QStringLiteral("\n\n") + tr("Size") + QStringLiteral(": ") + FileSizeText(size));
    LoadPreview();
    return QDialog::exec();
}

void CDialogOverwrite::LoadPreview()
{
    // The file as stored on disk, no filter applied; a camera RAW shows no preview. The
    // preview renders in its own thread and shows its placeholder until then.
    CControlImage *preview = form->scrollImage;
    preview->ClearFilters();
    preview->ResizePlaceholder();
    form->textZoomPercent->clear();
    CImageManager manager;
    if (manager.GetReaderType(m_path) != CImageManager::ReaderRaw)
        preview->StartPreview(m_path);
}

void CDialogOverwrite::UpdateZoomText(int percent)
{
    form->textZoomPercent->setText(QString::number(percent) + QLatin1Char('%'));
}

void CDialogOverwrite::Finish(int answer)
{
    m_answer = answer;
    accept();
}

void CDialogOverwrite::on_buttonYes_clicked()
{
    Finish(OverwriteAnswer::Yes);
}

void CDialogOverwrite::on_buttonNo_clicked()
{
    Finish(OverwriteAnswer::No);
}

void CDialogOverwrite::on_buttonYesAll_clicked()
{
    Finish(OverwriteAnswer::YesToAll);
}

void CDialogOverwrite::on_buttonNoAll_clicked()
{
    Finish(OverwriteAnswer::NoToAll);
}

void CDialogOverwrite::on_buttonAbort_clicked()
{
    Finish(OverwriteAnswer::Abort);
}

void CDialogOverwrite::on_buttonRename_clicked()
{
    CDialogOverwriteRename rename(this);
    rename.SetPath(m_path);
    // A cancelled rename leaves the question open for another answer.
    if (rename.exec() != QDialog::Accepted)
        return;
    m_path = rename.Path();
    Finish(OverwriteAnswer::Rename);
}

void CDialogOverwrite::on_buttonMaxZoomImage_clicked()
{
    form->scrollImage->ZoomToFit();
}

void CDialogOverwrite::on_buttonMinZoomImage_clicked()
{
    form->scrollImage->ZoomActualSize();
}

void CDialogOverwrite::on_buttonZoomInImage_clicked()
{
    form->scrollImage->ZoomIn();
}

void CDialogOverwrite::on_buttonZoomOutImage_clicked()
{
    form->scrollImage->ZoomOut();
}
