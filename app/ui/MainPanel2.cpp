#include "MainPanel2.h"
#include "ui_MainPanel2.h"

#include "BalloonPath.h"
#include "DialogFilterSelection.h"
#include "FilterPages.h"
#include "FilterSettings.h"
#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "HardwareProfile.h"
#include "ImageCache.h"
#include "ImageManager.h"
#include "ListFilters.h"
#include "ListThumbThread.h"
#include "Settings.h"
#include "StatesList.h"
#include "TextWidget.h"
#include "Trace.h"
#include "UserProfile.h"
#include "WidgetPlacement.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

namespace {

const QString ShowPreviewKey = QStringLiteral("GUI/Step2.ShowPreview");
const QString FilterIconsName = QStringLiteral("Icons-Filters-32.png");

constexpr int CurrentPreviewDelayMs = 500;
constexpr int AllPreviewsDelayMs = 2000;
constexpr int CleanUpRetryMs = 100;
constexpr int ResizeDelayMs = 200;
constexpr int TipShowDelayMs = 2000;
constexpr int TipHideDelayMs = 15000;
constexpr int TipLaunches = 3; // the tips show in the first two starts

CMainPanel2::RenameDialogRunner &RenameRunnerSlot()
{
    static CMainPanel2::RenameDialogRunner runner;
    return runner;
}

} // namespace

void CMainPanel2::SetRenameDialogRunner(RenameDialogRunner runner)
{
    RenameRunnerSlot() = std::move(runner);
}

CMainPanel2::CMainPanel2(QWidget *parent)
    : CStepPanel(parent)
    , form(std::make_unique<Ui::CMainPanel2>())
    , profile(CUserProfile::instance())
    , photoList(CListImages::instance())
    , filters(CListFilters::instance())
    , formats(CFormatsEnum::instance())
    , catalogue(CFiltersEnum::instance())
    , states(CStatesList::instance())
    , hardware(CHardwareProfile::instance())
    , imageCache(CImageCache::instance())
{
    LogMessage(QStringLiteral("CMainPanel2::CMainPanel2"));
    form->setupUi(this);
    addFilterTip = new CTextWidget(this);
    addFilterTip->hide();
    step3Tip = new CTextWidget(this);
    step3Tip->hide();
    form->retranslateUi(this);
    WidenToFitText({ form->buttonAddFilter, form->buttonRemoveFilters, form->buttonEditFilters });
    WidenToFitText({ form->buttonSwitchView });
    // Through the other page and back, so that the page shown is set up once.
    QStackedWidget *stack = form->stackedWidget;
    const int shown = stack->currentIndex();
    stack->setCurrentIndex(shown == 0 ? 1 : 0);
    stack->setCurrentIndex(shown);
}

CMainPanel2::~CMainPanel2()
{
    StopThreads();
}

void CMainPanel2::Init()
{
    LogMessage(QStringLiteral("CMainPanel2::Init"));
    const bool dark = profile->IsDarkTheme();
    ThemeChanged(dark);

    for (QTimer *timer : { &currentPreviewTimer, &allPreviewsTimer, &cleanUpTimer, &resizeTimer })
        timer->setSingleShot(true);
    const auto queued = Qt::QueuedConnection;
    connect(
        &currentPreviewTimer, &QTimer::timeout, this, &CMainPanel2::StartCurrentPreview, queued);
    connect(&allPreviewsTimer, &QTimer::timeout, this, &CMainPanel2::StartAllPreviews, queued);
    connect(
        &cleanUpTimer, &QTimer::timeout, this, [this]() { CleanUp(cleanFiltered); }, queued);
    connect(&resizeTimer, &QTimer::timeout, this, &CMainPanel2::OnTimerResizePreview, queued);
    connect(&hideAddFilterTipTimer, &QTimer::timeout, this, &CMainPanel2::MakeAddFilterTipInvisible,
        queued);
    connect(
        &hideStep3TipTimer, &QTimer::timeout, this, &CMainPanel2::MakeStep3TipInvisible, queued);
    connect(&showAddFilterTipTimer, &QTimer::timeout, this, &CMainPanel2::ShowAddFilterTip, queued);
    connect(&showStep3TipTimer, &QTimer::timeout, this, &CMainPanel2::ShowStep3Tip, queued);
    CControlImage *filtered = form->scrollImageFilters;
    CControlImage *original = form->scrollImageOriginal;
    for (CControlImage *preview : { filtered, original }) {
        connect(
            preview, &CControlImage::UpdateZoomPercent, this, &CMainPanel2::UpdateZoomText, queued);
        preview->drawAtViewSize = true;
    }

    CListThumb *chain = form->listFilters;
    chain->Initialize(CListThumb::TypeFilters, dark, false);
    chain->setIconSize(QSize(32, 32));
    chain->AddOverlayImage(QStringLiteral("Add.png"), false, 0, 0, false, 0);
    chain->LoadIcons(FilterIconsName, false, 0);
    FitChainColumn();
    connect(chain, &CListThumb::Clicked, this, &CMainPanel2::ListThumbClicked);
    qRegisterMetaType<ListDragDrop>("ListDragDrop");
    connect(chain, &CListThumb::SignalDragDropPanel2, this, &CMainPanel2::ListThumbDragDropPanel2,
        queued);
    FollowWindowTheme();

    CListThumb *strip = form->listThumbnails;
    strip->Initialize(CListThumb::TypePhotoStrip, dark, false);
    LogMessage(QStringLiteral("CMainPanel2::Init"),
        QStringLiteral("ptrListThumbPanel1: %1").arg(quintptr(Panel1PhotoList), 0, 16));
    strip->setIconSize(QSize(64, 64));
    strip->AddOverlayImage(QStringLiteral("Overlay-Symbol.png"), true, -5, -5, true, 1);
    strip->LoadIcons(QStringLiteral("Icons-Formats-64.png"), false, 1);
    strip->SetLoader(new CListThumbThread);
    strip->InitThread();
    strip->SetViewMode(2);

    const std::pair<CControlImage *, QLabel *> views[]
        = { { original, form->viewImageOriginal }, { filtered, form->viewImageFilters } };
    for (const auto &[preview, label] : views) {
        label->setBackgroundRole(QPalette::Base);
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        preview->imageLabel = label;
    }
    filtered->twinPreview = original;
    original->twinPreview = filtered;
    filtered->followTwinFitZoom = true;

    form->comboPreset->clear();
    form->comboPreset->addItems({ tr("Keep Unchanged"), tr("Rename to Folder's Name"),
        tr("Rename to Photo's Date"), tr("Custom Defined") });
    form->comboPreset->setCurrentIndex(RenamePreset::FileName);
    form->buttonCustom->setEnabled(bool(RenameRunnerSlot()));

    const bool show = ReadSettingInt(ShowPreviewKey, 1) != 0;
    form->checkShowPreview->setChecked(show);
    filtered->previewEnabled = show;
    original->previewEnabled = show;
    profile->Step2Preview = show;
    WriteSettingInt(ShowPreviewKey, show ? 1 : 0);
    if (show)
        StartShownPreview();
    else
        CleanUp(true);

    // Init changes nothing a user made: closing an untouched program asks nothing.
    ResetRenameOptions();
    UpdateRenamePreview();
    LoadButtonIcons();
    filtered->previewPath.clear();
    filtered->ShowPlaceholder();
    original->ShowPlaceholder();
}

void CMainPanel2::SetPanelSwitchFlag(bool *flag)
{
    panelSwitchFlag = flag;
    form->scrollImageFilters->panelSwitchFlag = flag;
    form->scrollImageOriginal->panelSwitchFlag = flag;
}

void CMainPanel2::StopThreads()
{
    CListThumb *strip = form->listThumbnails;
    if (strip->thread) {
        strip->thread->stop = true;
        strip->thread->wait();
    }
}

QList<int> CMainPanel2::SelectedFilterRows() const
{
    QList<int> rows;
    for (int row = 0; row < form->listFilters->count(); ++row) {
        if (form->listFilters->item(row)->isSelected())
            rows.append(row);
    }
    return rows;
}

QString CMainPanel2::RenamePreview() const
{
    return form->editPreview->text();
}

// --- Edits of the chain --------------------------------------------------------------------

void CMainPanel2::EndEdit(bool chainChanged)
{
    allPreviewsTimer.start(AllPreviewsDelayMs);
    SignalPanelChanged();
    if (chainChanged)
        emit SignalListFiltersChanged();
}

void CMainPanel2::MarkChangedQuietly()
{
    const CHistoryHold hold(states);
    SignalPanelChanged();
}

void CMainPanel2::WarnNoSelection()
{
    QMessageBox::warning(this, QString(), tr("No filter selected"));
}

bool CMainPanel2::RunFilterSettings(SFilterRecord &record)
{
    // A filter added before the strip's first preview ran still opens on the photo shown as
    // current, not on no photo (its page would size itself to nothing).
    const QList<SImageRecord> &photos = photoList->Images();
    if (profile->CurrentPhotoPath.isEmpty() && !photos.isEmpty()) {
        const int row = qBound(0, form->listThumbnails->currentRow(), int(photos.size()) - 1);
        profile->CurrentPhotoPath = photos.at(row).pathName;
        profile->CurrentPhotoIndex = row;
    }
    if (!FilterPages::HasPage(record.id)) {
        // Said, not silently ignored: the filter stays as it is.
        QMessageBox::information(this, QString(),
            tr("The settings of the filter \"%1\" cannot be edited in this version.")
                .arg(record.name));
        return false;
    }
    CFilterSettings dialog(this);
    dialog.record = record;
    dialog.SetSwitchingFlag(panelSwitchFlag);
    dialog.samplePhoto = SamplePhoto();
    if (dialog.exec() == 0)
        return false;
    record = dialog.record;
    return true;
}

void CMainPanel2::on_buttonAddFilter_clicked()
{
    CDialogFilterSelection picker(this);
    if (picker.exec() != 1 || picker.filterName.isEmpty())
        return;
    const SFilterInfo info = catalogue->FindByName(picker.filterName);
    SFilterRecord record;
    record.id = info.id;
    record.name = info.name;
    record.description = info.description;
    record.numberCount = 0;
    record.textCount = 0;
    record.active = true;
    if (!RunFilterSettings(record))
        return;
    {
        const CHistoryHold hold(states);
        filters->Append(record);
        RefreshFiltersList();
    }
    form->listFilters->setCurrentRow(form->listFilters->count() - 1);
    EndEdit(false);
    hideAddFilterTipTimer.start(0);
    showStep3TipTimer.start(TipShowDelayMs);
    emit SignalListFiltersChanged();
    profile->SetStatusText(QString());
}

void CMainPanel2::EditFilter(int filterIndex)
{
    const int row = filterIndex < 0 ? form->listFilters->currentRow() : filterIndex;
    if (row < 0 || row >= filters->Count()) {
        WarnNoSelection();
        return;
    }
    SFilterRecord record = filters->Filters().at(row);
    if (!RunFilterSettings(record))
        return;
    filters->ReplaceFilter(row, record);
    EndEdit(false);
}

void CMainPanel2::RemoveSelectedFilters()
{
    form->scrollImageFilters->CancelRender();
    const QList<int> rows = SelectedFilterRows();
    if (rows.isEmpty()) {
        WarnNoSelection();
        return;
    }
    {
        const CHistoryHold hold(states);
        if (QMessageBox::question(this, QString(), tr("Remove selected filter(s)?"),
                QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
            return;
        int removed = 0;
        for (const int row : rows) {
            if (filters->RemoveAt(row - removed))
                ++removed;
        }
        RefreshFiltersList();
    }
    EndEdit(true);
}

void CMainPanel2::RemoveAllFilters(bool showWarning)
{
    if (filters->IsEmpty())
        return;
    if (showWarning
        && QMessageBox::question(
               this, QString(), tr("Remove all filters?"), QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
        return;
    form->scrollImageFilters->CancelRender();
    filters->Clear();
    RefreshFiltersList();
    EndEdit(true);
}

void CMainPanel2::DuplicateFilters()
{
    const QList<int> rows = SelectedFilterRows();
    if (rows.isEmpty()) {
        WarnNoSelection();
        return;
    }
    {
        const CHistoryHold hold(states);
        const int before = filters->Count();
        for (const int row : rows) {
            if (row < before)
                filters->Append(filters->Filters().at(row));
        }
        RefreshFiltersList();
        CListThumb *chain = form->listFilters;
        const QSignalBlocker blocker(chain);
        for (int row = before; row < chain->count(); ++row)
            chain->item(row)->setSelected(true);
        chain->setCurrentRow(chain->count() - 1, QItemSelectionModel::NoUpdate);
    }
    EndEdit(true);
}

void CMainPanel2::MoveFilterUp()
{
    const QList<int> rows = SelectedFilterRows();
    if (rows.isEmpty()) {
        WarnNoSelection();
        return;
    }
    const int row = rows.first();
    {
        const CHistoryHold hold(states);
        const int target = row > 0 ? row - 1 : 0;
        if (row > 0)
            filters->MoveFilter(row, target);
        RefreshFiltersList();
        form->listFilters->setCurrentRow(target);
    }
    EndEdit(true);
}

void CMainPanel2::MoveFilterDown()
{
    const QList<int> rows = SelectedFilterRows();
    if (rows.isEmpty()) {
        WarnNoSelection();
        return;
    }
    const int row = rows.first();
    if (row >= filters->Count() - 1)
        return;
    {
        const CHistoryHold hold(states);
        // The entry below moves up in front of this one.
        filters->MoveFilter(row + 1, row);
        RefreshFiltersList();
        form->listFilters->setCurrentRow(row + 1);
    }
    EndEdit(true);
}

void CMainPanel2::ListThumbDragDropPanel2(ListDragDrop moves)
{
    if (moves.isEmpty())
        return;
    {
        const CHistoryHold hold(states);
        int downward = 0;
        for (const SDragDrop &move : std::as_const(moves)) {
            filters->MoveFilter(move.from, move.to);
            if (move.from < move.to)
                ++downward;
        }
        RefreshFiltersList();
        CListThumb *chain = form->listFilters;
        const int first = moves.first().to - downward;
        const QSignalBlocker blocker(chain);
        chain->clearSelection();
        for (int row = first; row < first + moves.size(); ++row) {
            if (row >= 0 && row < chain->count())
                chain->item(row)->setSelected(true);
        }
        if (first >= 0 && first < chain->count())
            chain->setCurrentRow(first, QItemSelectionModel::NoUpdate);
    }
    EndEdit(false);
}

void CMainPanel2::on_listFilters_itemChanged(QListWidgetItem *item)
{
    const int row = form->listFilters->row(item);
    if (row < 0 || row >= filters->Count())
        return;
    SFilterRecord record = filters->Filters().at(row);
    const bool active = item->checkState() == Qt::Checked;
    if (record.active == active)
        return; // a rebuild giving the item the state it already has
    record.active = active;
    filters->ReplaceFilter(row, record);
    if (!refreshing && !states->quiet)
        allPreviewsTimer.start(AllPreviewsDelayMs);
    SignalPanelChanged();
    emit SignalListFiltersChanged();
}

void CMainPanel2::ListThumbClicked()
{
    if (form->listFilters->count() == 0)
        on_buttonAddFilter_clicked();
}

void CMainPanel2::on_buttonRemoveFilters_clicked()
{
    QMenu menu(this);
    menu.addAction(tr("Remove Selected"), this, &CMainPanel2::RemoveSelectedFilters);
    menu.addAction(tr("Remove All"), this, [this]() { RemoveAllFilters(); });
    QPushButton *button = form->buttonRemoveFilters;
    menu.exec(button->mapToGlobal(button->contentsRect().bottomLeft()));
}

void CMainPanel2::on_buttonEditFilters_clicked()
{
    EditFilter(-1);
}

void CMainPanel2::on_listFilters_itemDoubleClicked(QListWidgetItem *item)
{
    EditFilter(form->listFilters->row(item));
}

void CMainPanel2::on_listFilters_customContextMenuRequested()
{
    const bool selected = !SelectedFilterRows().isEmpty();
    QMenu menu(this);
    menu.addAction(tr("&Edit"), this, [this]() { EditFilter(); })->setEnabled(selected);
    menu.addSeparator();
    menu.addAction(tr("&Add Filter"), this, &CMainPanel2::on_buttonAddFilter_clicked);
    menu.addSeparator();
    menu.addAction(tr("Remove &Selected"), this, &CMainPanel2::RemoveSelectedFilters)
        ->setEnabled(selected);
    menu.addAction(tr("Remove A&ll"), this, [this]() { RemoveAllFilters(); });
    menu.addSeparator();
    menu.addAction(tr("&Duplicate"), this, &CMainPanel2::DuplicateFilters)->setEnabled(selected);
    menu.addSeparator();
    menu.addAction(tr("Move &Up"), this, &CMainPanel2::MoveFilterUp)->setEnabled(selected);
    menu.addAction(tr("Move D&own"), this, &CMainPanel2::MoveFilterDown)->setEnabled(selected);
    menu.exec(QCursor::pos());
}

// --- The filter list and the photo strip ---------------------------------------------------

void CMainPanel2::RefreshFiltersList()
{
    CListThumb *chain = form->listFilters;
    // The rebuild gives each item its state; no handler needs to hear of it.
    const QSignalBlocker blocker(chain);
    chain->clear();
    chain->RemoveAllItems();
    const QList<SFilterRecord> &chainFilters = filters->Filters();
    for (int row = 0; row < chainFilters.size(); ++row) {
        const SFilterRecord &record = chainFilters.at(row);
        AddFilterItem(record);
        QListWidgetItem *item = chain->item(row);
        if (!item)
            continue;
        item->setSizeHint(QSize(0, 34));
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        item->setFlags(item->flags() | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled
            | Qt::ItemIsUserCheckable);
        item->setCheckState(record.active ? Qt::Checked : Qt::Unchecked);
    }
}

// The chain's column is as wide as the longest filter name of the language in use needs (never
// narrower than the form makes it), so that no name is cut.
void CMainPanel2::FitChainColumn()
{
    CListThumb *chain = form->listFilters;
    const QFontMetrics metrics(chain->font());
    int longest = 0;
    for (const SFilterInfo &info : catalogue->Filters())
        longest = std::max(longest, metrics.horizontalAdvance(info.name));
    const QStyle *style = chain->style();
    // Check box, icon and text, each with the item delegate's margin on both sides.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, chain) + 1;
    const int item = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, chain)
        + chain->iconSize().width() + longest + 6 * margin;
    const int list
        = item + 2 * chain->frameWidth() + chain->verticalScrollBar()->sizeHint().width();
    const int column = list + form->layoutFilter->spacing() + form->buttonAddFilter->minimumWidth();
    if (column <= form->groupFilter->minimumWidth())
        return;
    form->groupFilter->setFixedWidth(column);
    form->groupNames->setFixedWidth(column);
}

void CMainPanel2::AddFilterItem(const SFilterRecord &record)
{
    const SFilterInfo info = catalogue->FindById(record.id);
    const int group = record.id / 1000;
    const QString name = info.name.isEmpty() ? record.name : info.name;
    const QString description = info.name.isEmpty() ? record.description : info.description;
    form->listFilters->AddItem(
        name, description, QString(), true, group * filterIconColumns + info.order, true);
}

void CMainPanel2::ReloadThumbnails(int newlySelectedItem)
{
    CListThumb *strip = form->listThumbnails;
    {
        const QSignalBlocker blocker(strip);
        strip->clear();
        strip->RemoveAllItems();
        // The list keeps each photo's index equal to its row.
        const QList<SImageRecord> &photos = photoList->Images();
        for (int row = 0; row < photos.size(); ++row) {
            const SImageRecord &photo = photos.at(row);
            const SFormatRecord format = formats->FindByExtension(photo.extension);
            strip->AddItem(
                photo.baseName, photo.baseName, photo.pathName, false, format.settingsKind, true);
            if (QListWidgetItem *item = strip->item(row)) {
                item->setSizeHint(QSize(64, 85));
                item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
            }
        }
        strip->AssignThumbnails();
        strip->UpdateToolTips();
    }
    // Heard by the selection handler: the chosen photo is previewed.
    if (newlySelectedItem >= 0 && newlySelectedItem < strip->count())
        strip->setCurrentRow(newlySelectedItem);
}

void CMainPanel2::SlotReloadThumbsInPanel2(int newlySelectedItem)
{
    ReloadThumbnails(newlySelectedItem);
}

SImageRecord CMainPanel2::SamplePhoto() const
{
    if (profile->CurrentPhotoPath.isEmpty())
        return SImageRecord();
    return FindImageByPath(photoList->Images(), profile->CurrentPhotoPath);
}

// --- Previews ------------------------------------------------------------------------------

void CMainPanel2::StartFiltersPreview()
{
    CControlImage *filtered = form->scrollImageFilters;
    filtered->ClearFilters();
    filtered->AddFilters(filters->Filters());
    filtered->StartPreview(profile->CurrentPhotoPath);
}

void CMainPanel2::StartOriginalPreview()
{
    CControlImage *original = form->scrollImageOriginal;
    original->ClearFilters();
    original->StartPreview(profile->CurrentPhotoPath);
}

void CMainPanel2::StartShownPreview()
{
    if (form->stackedWidget->currentIndex() == 0)
        StartFiltersPreview();
    else
        StartOriginalPreview();
}

void CMainPanel2::StartCurrentPreview()
{
    const int row = form->listThumbnails->currentRow();
    LogMessage(
        QStringLiteral("CMainPanel2::StartCurrentPreview"), QStringLiteral("index: %1").arg(row));
    const QList<SImageRecord> &photos = photoList->Images();
    if (!photos.isEmpty()) {
        const int index = row >= 0 && row < photos.size() ? row : 0;
        profile->CurrentPhotoPath = photos.at(index).pathName;
        profile->CurrentPhotoIndex = row >= 0 ? row : 0;
    }
    UpdateRenamePreview();
    // After a preset change the chain is unchanged; the preview shown stays, unless it shows
    // another photo than the one just chosen.
    const CControlImage *shown = form->stackedWidget->currentIndex() == 0
        ? form->scrollImageFilters
        : form->scrollImageOriginal;
    const bool sameShown = shown->previewPath == profile->CurrentPhotoPath;
    if (states->CurrentStateFlag() != 0 && !forcePreview && sameShown)
        return;
    forcePreview = false;
    StartShownPreview();
}

void CMainPanel2::StartCurrentPreviewIfOriginal()
{
    if (form->stackedWidget->currentIndex() == 1)
        StartCurrentPreview();
}

void CMainPanel2::StartAllPreviews()
{
    const int row = form->listThumbnails->currentRow();
    const QList<SImageRecord> &photos = photoList->Images();
    if (row < 0 || row >= photos.size())
        return;
    profile->CurrentPhotoPath = photos.at(row).pathName;
    profile->CurrentPhotoIndex = row;
    UpdateRenamePreview();
    StartFiltersPreview();
    StartOriginalPreview();
}

void CMainPanel2::on_listThumbnails_itemSelectionChanged()
{
    LogMessage(QStringLiteral("CMainPanel2::on_listThumbnails_itemSelectionChanged"));
    currentPreviewTimer.start(CurrentPreviewDelayMs);
}

void CMainPanel2::on_stackedWidget_currentChanged(int index)
{
    if (index != 0 && index != 1)
        return;
    if (!form->scrollImageFilters->imageLabel)
        return; // the constructor's round before Init
    CControlImage *preview = index == 0 ? form->scrollImageFilters : form->scrollImageOriginal;
    if (preview->imageLoaded && preview->previewPath == profile->CurrentPhotoPath) {
        preview->UpdateView();
        return;
    }
    if (!preview->placeholderFresh)
        preview->ShowPlaceholder();
    if (index == 0)
        StartFiltersPreview();
    else
        StartOriginalPreview();
}

void CMainPanel2::on_buttonSwitchView_clicked()
{
    form->stackedWidget->setCurrentIndex(form->stackedWidget->currentIndex() == 0 ? 1 : 0);
}

void CMainPanel2::on_checkShowPreview_clicked(bool checked)
{
    profile->Step2Preview = checked;
    form->scrollImageFilters->previewEnabled = checked;
    form->scrollImageOriginal->previewEnabled = checked;
    WriteSettingInt(ShowPreviewKey, checked ? 1 : 0);
    if (checked)
        StartShownPreview();
    else
        CleanUp(true);
    MarkChangedQuietly();
}

void CMainPanel2::CleanUp(bool cleanPreviewFilters)
{
    if (!cleanPreviewFilters)
        cleanFiltered = false;
    CControlImage *filtered = form->scrollImageFilters;
    CControlImage *original = form->scrollImageOriginal;
    if (filtered->IsLoading() || original->IsLoading()) {
        cleanUpTimer.start(CleanUpRetryMs);
        return;
    }
    original->ShowPlaceholder();
    original->Clear();
    if (cleanFiltered) {
        filtered->ShowPlaceholder();
        filtered->Clear();
    }
    cleanFiltered = true;
}

void CMainPanel2::OnTimerResizePreview()
{
    QStackedWidget *stack = form->stackedWidget;
    const int shown = stack->currentIndex();
    stack->setCurrentIndex(shown == 0 ? 1 : 0);
    stack->setCurrentIndex(shown);
}

void CMainPanel2::on_buttonMaxZoomFilters_clicked()
{
    form->scrollImageFilters->ZoomToFit();
    form->scrollImageOriginal->ZoomToFit();
}

void CMainPanel2::on_buttonMinZoomFilters_clicked()
{
    form->scrollImageFilters->ZoomActualSize();
    form->scrollImageOriginal->ZoomActualSize();
}

void CMainPanel2::on_buttonZoomInFilters_clicked()
{
    form->scrollImageFilters->ZoomIn();
    form->scrollImageOriginal->ZoomIn();
}

void CMainPanel2::on_buttonZoomOutFilters_clicked()
{
    form->scrollImageFilters->ZoomOut();
    form->scrollImageOriginal->ZoomOut();
}

void CMainPanel2::UpdateZoomText(int percent)
{
    form->textZoomPercent->setText(QString::asprintf("%d", percent) + QLatin1Char('%'));
}

// --- Name preset ---------------------------------------------------------------------------

void CMainPanel2::SetPreset(int preset)
{
    profile->RenameOptions.PresetRename = preset;
    profile->RenameSettings.Preset = preset;
}

void CMainPanel2::on_comboPreset_activated(int index)
{
    if (index == RenamePreset::Template) {
        if (!RenameRunnerSlot() || !RenameRunnerSlot()(this, SamplePhoto())) {
            form->comboPreset->setCurrentIndex(profile->RenameOptions.PresetRename);
            profile->RenameSettings.Preset = profile->RenameOptions.PresetRename;
            return;
        }
    }
    if (index < RenamePreset::FileName || index > RenamePreset::Template)
        return;
    SetPreset(index);
    UpdateRenamePreview();
    modified = true;
    if (!states->quiet)
        states->PushState(1);
    emit SignalChanges();
}

void CMainPanel2::on_buttonCustom_clicked()
{
    if (!RenameRunnerSlot() || !RenameRunnerSlot()(this, SamplePhoto()))
        return;
    form->comboPreset->setCurrentIndex(RenamePreset::Template);
    SetPreset(RenamePreset::Template);
    UpdateRenamePreview();
    SignalPanelChanged();
}

void CMainPanel2::ResetRenameOptions()
{
    profile->RenameOptions = SRenameOptions();
}

void CMainPanel2::UpdateRenamePreview()
{
    SRenameSettings &settings = profile->RenameSettings;
    const int preset = settings.Preset;
    settings.ApplyOptions(profile->RenameOptions);
    settings.Preset = preset;

    const QString path = profile->CurrentPhotoPath;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString fileName = path.mid(slash + 1);
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    settings.PhotoPath = path;
    settings.PhotoFolder = slash < 0 ? QString() : path.left(slash);
    settings.PhotoBaseName = dot < 0 ? fileName : fileName.left(dot);

    const QList<SImageRecord> &photos = photoList->Images();
    const int row = form->listThumbnails->currentRow();
    if (!photos.isEmpty() && row >= 0 && row < photos.size()
        && profile->OutputOptions.KeepsOriginalFormat()) {
        const QString photoPath = photos.at(row).pathName;
        settings.OutputExtension = photoPath.mid(photoPath.lastIndexOf(QLatin1Char('.')) + 1);
    }
    settings.PhotoIndex = photos.isEmpty() ? 0 : SamplePhoto().sequenceNumber;

    settings.PhotoDate.clear();
    if (!path.isEmpty()) {
        CImageManager manager;
        if (manager.Ping(path))
            settings.PhotoDate = manager.GetImageProperties().DateTimeOriginal;
    }
    settings.GenerateFileName(int(photos.size()), true);
    form->editPreview->setText(settings.GeneratedName);
}

// --- Panel life ----------------------------------------------------------------------------

void CMainPanel2::ResetPanel()
{
    RemoveAllFilters(false);
    form->comboPreset->setCurrentIndex(RenamePreset::FileName);
    SetPreset(RenamePreset::FileName);
    ResetRenameOptions();
    UpdateRenamePreview();
    const bool show = ReadSettingInt(ShowPreviewKey, 1) != 0;
    form->checkShowPreview->setChecked(show);
    profile->Step2Preview = show;
    ReloadThumbnails(0);
    CleanUp(true);
    UnsignalPanelChanged();
}

void CMainPanel2::RefreshPanel()
{
    const bool show = profile->Step2Preview;
    form->checkShowPreview->setChecked(show);
    form->scrollImageFilters->previewEnabled = show;
    form->scrollImageOriginal->previewEnabled = show;
    if (!show || photoList->IsEmpty()) {
        form->scrollImageFilters->ShowPlaceholder();
        form->scrollImageOriginal->ShowPlaceholder();
    }
    const int preset = qBound<int>(
        RenamePreset::FileName, profile->RenameOptions.PresetRename, RenamePreset::Template);
    form->comboPreset->setCurrentIndex(preset);
    profile->RenameSettings.Preset = preset;
    if (!(states->quiet && !photoList->IsEmpty()))
        UpdateRenamePreview();
    {
        const CHistoryHold hold(states);
        RefreshFiltersList();
    }
    ReloadThumbnails(0);
}

void CMainPanel2::ClearFiltersList()
{
    const QSignalBlocker blocker(form->listFilters);
    form->listFilters->clear();
    form->listFilters->RemoveAllItems();
}

// --- Theme and tips ------------------------------------------------------------------------

void CMainPanel2::ThemeChanged(bool dark)
{
    for (CControlImage *preview : { form->scrollImageFilters, form->scrollImageOriginal }) {
        preview->setStyleSheet(dark ? QStringLiteral("background-color: rgb( 30, 30, 30 );")
                                    : QStringLiteral("background-color: rgb( 255, 255, 255 );"));
    }
    LoadButtonIcons();
}

void CMainPanel2::LoadButtonIcons()
{
    const QString strip = QStringLiteral("Icons-Minimal.png");
    const std::tuple<QAbstractButton *, int, int> cells[] = { { form->buttonCustom, 4, 1 },
        { form->buttonZoomInFilters, 2, 0 }, { form->buttonZoomOutFilters, 3, 0 },
        { form->buttonMinZoomFilters, 1, 0 }, { form->buttonMaxZoomFilters, 0, 0 } };
    for (const auto &[button, column, row] : cells) {
        button->setIcon(imageCache->GridIcon(strip, true, column, row, 16));
        button->setIconSize(QSize(16, 16));
    }
    filterIcons = imageCache->GetImage(FilterIconsName, false, false);
    filterIconColumns = filterIcons.width() / 32;
    filterIconRows = filterIcons.height() / 32;
}

void CMainPanel2::ShowAddFilterTip()
{
    showAddFilterTipTimer.stop();
    // A page left before its tip was due keeps the tip for its next visit.
    if (profile->LaunchCounter >= TipLaunches || addFilterTipShown || !isVisible())
        return;
    addFilterTip->SetShape(MakeBalloonPath(2));
    addFilterTip->SetText(
        { tr("Add a graphic filter that will be applied on all the photos added in Step 1") });
    addFilterTip->ResizeToFit(QSize(290, 75));
    QPushButton *button = form->buttonAddFilter;
    addFilterTip->move(button->mapTo(this, QPoint(0, 0)) + QPoint(55, 25));
    addFilterTip->show();
    addFilterTip->raise();
    addFilterTipShown = true;
    hideAddFilterTipTimer.start(TipHideDelayMs);
}

void CMainPanel2::ShowStep3Tip()
{
    showStep3TipTimer.stop();
    // A page left before its tip was due keeps the tip for its next visit.
    if (profile->LaunchCounter >= TipLaunches || step3TipShown || !isVisible())
        return;
    step3Tip->SetShape(MakeBalloonPath(2));
    step3Tip->SetText(
        { tr("Go to Step 3 and select the output folder and image format for the edited photos") });
    step3Tip->ResizeToFit(QSize(250, 80));
    step3Tip->move(width() / 2 + 40, 0);
    step3Tip->show();
    step3Tip->raise();
    step3TipShown = true;
    hideStep3TipTimer.start(TipHideDelayMs);
}

void CMainPanel2::MakeAddFilterTipInvisible()
{
    addFilterTip->hide();
    hideAddFilterTipTimer.stop();
}

void CMainPanel2::MakeStep3TipInvisible()
{
    step3Tip->hide();
    hideStep3TipTimer.stop();
}

// --- Events --------------------------------------------------------------------------------

void CMainPanel2::showEvent(QShowEvent *event)
{
    LogMessage(QStringLiteral("CMainPanel2::showEvent"));
    CStepPanel::showEvent(event);
    forcePreview = true;
    CListThumb *strip = form->listThumbnails;
    if (profile->CurrentPhotoPath.isEmpty()) {
        CleanUp(true);
        if (strip->count() > 0)
            strip->setCurrentRow(0);
    } else {
        const int row
            = FindImageByPath(photoList->Images(), profile->CurrentPhotoPath).sequenceNumber;
        if (row >= 0 && row < strip->count())
            strip->setCurrentRow(row);
        if (form->scrollImageFilters->previewPath != profile->CurrentPhotoPath)
            currentPreviewTimer.start(CurrentPreviewDelayMs);
    }
    UpdateRenamePreview();
    showAddFilterTipTimer.start(TipShowDelayMs);
}

void CMainPanel2::hideEvent(QHideEvent *event)
{
    hideAddFilterTipTimer.start(0);
    hideStep3TipTimer.start(0);
    CStepPanel::hideEvent(event);
}

void CMainPanel2::resizeEvent(QResizeEvent *event)
{
    LogMessage(QStringLiteral("CMainPanel2::resizeEvent"));
    form->listThumbnails->ResetVisibleRange();
    hideAddFilterTipTimer.start(0);
    hideStep3TipTimer.start(0);
    if (profile->CurrentPhotoPath.isEmpty()) {
        form->scrollImageFilters->ResizePlaceholder();
        form->scrollImageOriginal->ResizePlaceholder();
    }
    resizeTimer.start(ResizeDelayMs);
    CStepPanel::resizeEvent(event);
}

void CMainPanel2::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Insert:
        on_buttonAddFilter_clicked();
        break;
    case Qt::Key_Return:
        EditFilter(-1);
        break;
    case Qt::Key_Delete:
        RemoveSelectedFilters();
        break;
    default:
        break;
    }
    CStepPanel::keyPressEvent(event);
}
