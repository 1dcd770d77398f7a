#include "DialogOverwrite.h"
#include "ui_DialogOverwrite.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

#include "DialogOverwriteRename.h"
#include "ImageCache.h"
#include "ImageManager.h"
#include "ProcessThread.h"
#include "UserProfile.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int IconSize = 16;
constexpr double ZoomStep = 1.25;
constexpr double MinimumZoomPercent = 1.0;
constexpr double MaximumZoomPercent = 1600.0;

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
}

CDialogOverwrite::~CDialogOverwrite() = default;

void CDialogOverwrite::SetZoomIcons()
{
    // A strip of square icons; the cache picks the 16 or 32 pixel variant, so the strip's own
    // height gives the icon size.
    const QImage strip = m_imageCache->GetImage(QStringLiteral("Icons-Minimal.png"), true, true);
    if (strip.isNull())
        return;
    const int side = strip.height();
    const int ratio = std::max(1, side / IconSize);
    QPushButton *const buttons[] = { form->buttonMaxZoomImage, form->buttonMinZoomImage,
        form->buttonZoomInImage, form->buttonZoomOutImage };
    for (int index = 0; index < 4; ++index) {
        QPixmap icon = QPixmap::fromImage(strip.copy(index * side, 0, side, side));
        icon.setDevicePixelRatio(ratio);
        buttons[index]->setIcon(QIcon(icon));
    }
}

QString CDialogOverwrite::FormatSize(qint64 bytes)
{
    constexpr qint64 Megabyte = 1048576;
    if (bytes <= 0)
        return QStringLiteral("N/A");
    if (bytes >= Megabyte)
        return QString::number(double(bytes) / Megabyte, 'f', 2) + QStringLiteral(" MB");
    return QString::number(double(bytes) / 1024, 'f', 2) + QStringLiteral(" KB");
}

int CDialogOverwrite::exec()
{
    const QFileInfo file(m_path);
    const qint64 size = file.exists() ? file.size() : 0;
    form->textEditInfo->setPlainText(tr("Image %1\nalready exists, do you want to overwrite it?")
                                         .arg(QDir::toNativeSeparators(m_path))
        + QStringLiteral("\n\n") + tr("Size") + QStringLiteral(": ") + FormatSize(size));
    LoadPreview();
    return QDialog::exec();
}

void CDialogOverwrite::LoadPreview()
{
    // The file as stored on disk, no filter applied; a camera RAW shows no preview.
    m_preview = QPixmap();
    CImageManager manager;
    if (QFileInfo::exists(m_path) && manager.GetReaderType(m_path) != CImageManager::ReaderRaw
        && manager.Read(m_path)) {
        m_preview = manager.GetPixmap(
            QRect(0, 0, int(manager.image.columns()), int(manager.image.rows())));
    }
    if (m_preview.isNull()) {
        form->viewImage->clear();
        form->textZoomPercent->clear();
        return;
    }
    ShowZoom(FitPercent());
}

double CDialogOverwrite::FitPercent() const
{
    if (m_preview.isNull())
        return 100.0;
    const QSize room = form->scrollImage->maximumViewportSize();
    const double percent = 100.0
        * std::min(
            double(room.width()) / m_preview.width(), double(room.height()) / m_preview.height());
    return std::clamp(percent, MinimumZoomPercent, 100.0);
}

void CDialogOverwrite::ShowZoom(double percent)
{
    if (m_preview.isNull())
        return;
    m_zoomPercent = std::clamp(percent, MinimumZoomPercent, MaximumZoomPercent);
    const QSize size(std::max(1, int(std::lround(m_preview.width() * m_zoomPercent / 100.0))),
        std::max(1, int(std::lround(m_preview.height() * m_zoomPercent / 100.0))));
    form->viewImage->setPixmap(
        m_preview.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    form->viewImage->setFixedSize(size);
    UpdateZoomText(int(std::lround(m_zoomPercent)));
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
    ShowZoom(FitPercent());
}

void CDialogOverwrite::on_buttonMinZoomImage_clicked()
{
    ShowZoom(100.0);
}

void CDialogOverwrite::on_buttonZoomInImage_clicked()
{
    ShowZoom(m_zoomPercent * ZoomStep);
}

void CDialogOverwrite::on_buttonZoomOutImage_clicked()
{
    ShowZoom(m_zoomPercent / ZoomStep);
}
