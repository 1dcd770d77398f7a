#include "FilterSettings.h"
#include "ui_FilterSettings.h"

#include "ControlImage.h"
#include "FilterIds.h"
#include "FilterPage.h"
#include "FilterPages.h"
#include "HardwareProfile.h"
#include "HelpTopics.h"
#include "ImageCache.h"
#include "Settings.h"
#include "UserProfile.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStackedWidget>

namespace {

const QString ShowPreviewKey = QStringLiteral("GUI/FilterSettings.ShowPreview");

} // namespace

CFilterSettings::CFilterSettings(QWidget *parent)
    : QDialog(parent)
    , form(std::make_unique<Ui::FilterSettings>())
    , profile(CUserProfile::instance())
    , hardware(CHardwareProfile::instance())
    , imageCache(CImageCache::instance())
    , updateTimer(this)
{
    RegisterFilterRecordType();
    form->setupUi(this);
    setWindowFlags(
        (windowFlags() & ~Qt::WindowContextHelpButtonHint) | Qt::WindowMaximizeButtonHint);

    updateTimer.setSingleShot(true);
    connect(&updateTimer, &QTimer::timeout, this, &CFilterSettings::OnTimerUpdateControls,
        Qt::QueuedConnection);

    CControlImage *filtered = form->scrollFilter;
    CControlImage *original = form->scrollOriginal;
    connect(filtered, &CControlImage::UpdateFilterInterface, this,
        &CFilterSettings::UpdateFilterInterface);
    connect(filtered, &CControlImage::DragStarting, this, [this]() {
        if (page)
            page->HandOverPendingEdit();
    });
    for (CControlImage *preview : { filtered, original }) {
        connect(preview, &CControlImage::UpdateZoomPercent, this, &CFilterSettings::UpdateZoomText,
            Qt::QueuedConnection);
        preview->setStyleSheet(profile->IsDarkTheme()
                ? QStringLiteral("background-color: rgb( 30, 30, 30 );")
                : QStringLiteral("background-color: rgb( 255, 255, 255 );"));
    }
    const std::pair<CControlImage *, QLabel *> labels[]
        = { { filtered, form->viewFilter }, { original, form->viewOriginal } };
    for (const auto &[preview, label] : labels) {
        label->setBackgroundRole(QPalette::Base);
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        preview->imageLabel = label;
    }
    filtered->overlayLabel = form->viewWatermark;
    form->viewWatermark->hide();
    filtered->twinPreview = original;
    filtered->followTwinFitZoom = true;
    filtered->interactiveMode = true;
    original->twinPreview = filtered;

    const bool show = ReadSettingInt(ShowPreviewKey, 1) != 0;
    form->checkShowPreview->setChecked(show);
    filtered->previewEnabled = show;
    original->previewEnabled = show;
    WriteSettingInt(ShowPreviewKey, show ? 1 : 0);
    if (show)
        StartPreviews();
    else
        ShowPlaceholders();

    auto *pageLayout = new QHBoxLayout(form->widgetFilter);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    form->widgetFilter->setMinimumWidth(1);
    LoadButtonIcons();
}

CFilterSettings::~CFilterSettings()
{
    // The page goes first: its timer must not fire into a half-destroyed dialog.
    delete page;
}

CControlImage *CFilterSettings::FilteredPreview() const
{
    return form->scrollFilter;
}

CControlImage *CFilterSettings::OriginalPreview() const
{
    return form->scrollOriginal;
}

void CFilterSettings::SetSwitchingFlag(bool *flag)
{
    form->scrollFilter->panelSwitchFlag = flag;
    form->scrollOriginal->panelSwitchFlag = flag;
}

void CFilterSettings::LoadButtonIcons()
{
    const std::tuple<QAbstractButton *, int, int> cells[] = { { form->buttonMinZoom, 0, 0 },
        { form->buttonMaxZoom, 1, 0 }, { form->buttonZoomIn, 2, 0 }, { form->buttonZoomOut, 3, 0 },
        { form->buttonUndo, 0, 1 }, { form->buttonRedo, 1, 1 } };
    for (const auto &[button, column, row] : cells) {
        button->setIcon(
            imageCache->GridIcon(QStringLiteral("Icons-Minimal.png"), true, column, row, 16));
        button->setIconSize(QSize(16, 16));
    }
}

bool CFilterSettings::Prepare()
{
    if (page)
        return true;
    RegisterFilterRecordType();
    page = FilterPages::Create(record.id, form->widgetFilter);
    if (!page)
        return false;
    connect(page, &CFilterPage::SaveState, this, &CFilterSettings::SaveState, Qt::QueuedConnection);
    form->widgetFilter->layout()->addWidget(page);
    form->widgetFilter->layout()->setContentsMargins(page->contentsMargins());
    form->widgetFilter->setMaximumWidth(QWIDGETSIZE_MAX);
    setWindowTitle(page->Info().name);

    page->filteredPreview = form->scrollFilter;
    page->originalPreview = form->scrollOriginal;
    page->samplePhoto = samplePhoto;
    page->ReadSampleImageInfo();
    if (record.numberCount != 0)
        page->Load(record, true);
    else
        page->Initialize();
    // A drop-down list is never narrower than its longest choice in this language (a row of
    // the page would squeeze it otherwise). The page column is 240 wide, wider only where this
    // desktop's font or language needs it (a check box cannot wrap its text).
    for (QComboBox *combo : page->findChildren<QComboBox *>()) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        combo->setMinimumWidth(combo->sizeHint().width());
    }
    form->widgetFilter->setMinimumWidth(qMax(240, page->minimumSizeHint().width()));
    setMinimumSize(QSize(810, 570).expandedTo(layout()->minimumSize()));

    if (FilterId::IsInteractive(record.id)) {
        for (QWidget *zoom :
            std::initializer_list<QWidget *> { form->buttonMaxZoom, form->buttonMinZoom,
                form->buttonZoomIn, form->buttonZoomOut, form->textZoomPercent })
            zoom->hide();
    }
    // Pages with tabs sit flush at the top; the others line up with the preview.
    const bool tabbed = page->findChild<QStackedWidget *>() != nullptr;
    form->widgetFilter->setContentsMargins(0, tabbed ? 0 : 25, 0, 0);
    return true;
}

int CFilterSettings::exec()
{
    if (!Prepare())
        return 0;
    return QDialog::exec();
}

void CFilterSettings::accept()
{
    if (page)
        page->Save(record);
    QDialog::accept();
}

void CFilterSettings::reject()
{
    // Pending renders are dropped, not finished for a dialog that is going away.
    form->scrollFilter->CancelRender();
    form->scrollOriginal->CancelRender();
    QDialog::reject();
}

void CFilterSettings::StartPreviews()
{
    for (CControlImage *preview : { form->scrollFilter, form->scrollOriginal }) {
        preview->RefreshZoom();
        preview->StartPreview(samplePhoto.pathName);
    }
}

void CFilterSettings::ShowPlaceholders()
{
    form->scrollFilter->ShowPlaceholder();
    form->scrollOriginal->ShowPlaceholder();
}

void CFilterSettings::on_buttonReset_clicked()
{
    if (page)
        page->Initialize();
}

void CFilterSettings::on_checkShowPreview_clicked(bool checked)
{
    form->scrollFilter->previewEnabled = checked;
    form->scrollOriginal->previewEnabled = checked;
    WriteSettingInt(ShowPreviewKey, checked ? 1 : 0);
    if (checked)
        StartPreviews();
    else
        ShowPlaceholders();
}

void CFilterSettings::on_buttonZoomOut_clicked()
{
    form->scrollFilter->ZoomOut();
    form->scrollOriginal->ZoomOut();
}

void CFilterSettings::on_buttonZoomIn_clicked()
{
    form->scrollFilter->ZoomIn();
    form->scrollOriginal->ZoomIn();
}

void CFilterSettings::on_buttonMaxZoom_clicked()
{
    form->scrollFilter->ZoomActualSize();
    form->scrollOriginal->ZoomActualSize();
}

void CFilterSettings::on_buttonMinZoom_clicked()
{
    form->scrollFilter->ZoomToFit();
    form->scrollOriginal->ZoomToFit();
}

void CFilterSettings::on_stackedWidget_currentChanged(int index)
{
    if (index != 0 && index != 1)
        return;
    CControlImage *preview = index == 0 ? form->scrollFilter : form->scrollOriginal;
    if (preview->imageLoaded)
        preview->UpdateView();
    else if (samplePhoto.pathName.isEmpty() || !preview->previewEnabled)
        preview->ShowPlaceholder();
    else
        preview->StartPreview(samplePhoto.pathName);
}

void CFilterSettings::on_buttonSwitchView_clicked()
{
    form->stackedWidget->setCurrentIndex(form->stackedWidget->currentIndex() == 0 ? 1 : 0);
}

void CFilterSettings::on_buttonUndo_clicked()
{
    if (!page || !history.CanUndo())
        return;
    const SFilterRecord state = history.Undo();
    history.quiet = true;
    page->Load(state, true);
    form->buttonUndo->setEnabled(history.CanUndo());
    form->buttonRedo->setEnabled(true);
}

void CFilterSettings::on_buttonRedo_clicked()
{
    if (!page || !history.CanRedo())
        return;
    const SFilterRecord state = history.Redo();
    history.quiet = true;
    page->Load(state, true);
    form->buttonUndo->setEnabled(true);
    form->buttonRedo->setEnabled(history.CanRedo());
}

void CFilterSettings::SaveState(SFilterRecord settings)
{
    if (history.quiet) {
        history.quiet = false;
        return;
    }
    history.PushState(settings);
    form->buttonUndo->setEnabled(history.Count() >= 2);
    form->buttonRedo->setEnabled(false);
}

void CFilterSettings::UpdateFilterInterface(SFilterRecord settings)
{
    latest = settings;
    updateTimer.start(OverlayReloadMs);
}

void CFilterSettings::OnTimerUpdateControls()
{
    if (page)
        page->Load(latest, false);
}

void CFilterSettings::UpdateZoomText(int percent)
{
    form->textZoomPercent->setText(QString::asprintf("%d", percent) + QLatin1Char('%'));
}

void CFilterSettings::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        const QString topic = FilterPages::HelpTopic(record.id);
        if (!topic.isEmpty())
            ShowHelpTopic(topic);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CFilterSettings::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (profile->CurrentPhotoPath.isEmpty()) {
        form->scrollFilter->ResizePlaceholder();
        form->scrollOriginal->ResizePlaceholder();
    }
}

void CFilterSettings::showEvent(QShowEvent *event)
{
    ShowPlaceholders();
    // Through the other page and back, so that both previews start.
    QStackedWidget *stack = form->stackedWidget;
    const int shown = stack->currentIndex();
    stack->setCurrentIndex(shown == 0 ? 1 : 0);
    stack->setCurrentIndex(shown);
    QDialog::showEvent(event);
}
