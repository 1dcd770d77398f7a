#include "MainPanel1.h"
#include "ui_MainPanel1.h"

#include "BalloonPath.h"
#include "DialogGSWarning.h"
#include "DialogSearch.h"
#include "DialogUnsupportedFormat.h"
#include "Folders.h"
#include "FormatsEnum.h"
#include "ImageCache.h"
#include "ListThumbThread.h"
#include "Settings.h"
#include "StatesList.h"
#include "TextCodecs.h"
#include "TextWidget.h"
#include "Trace.h"
#include "UserProfile.h"
#include "WidgetPlacement.h"
#include "platform/FileNames.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSet>
#include <QSignalBlocker>
#include <QUrl>

#include <algorithm>

namespace {

const QString ViewTypeKey = QStringLiteral("GUI/Step1.ViewType");
const QString ShowPreviewKey = QStringLiteral("GUI/Step1.ShowPreview");
const QString AddPhotosPathKey = QStringLiteral("GUI/Step1.AddPhotosPath");
const QString AddFolderPathKey = QStringLiteral("GUI/Step1.AddFolderPath");

// How long a large add works before the window repaints once.
constexpr qint64 AddSliceMs = 50;
constexpr int PreviewDelayMs = 500;
constexpr int TipShowDelayMs = 2000;
constexpr int TipHideDelayMs = 15000;
constexpr int TipLaunches = 3; // the tips show in the first two starts

CMainPanel1::FolderChooser &FolderChooserSlot()
{
    static CMainPanel1::FolderChooser chooser;
    return chooser;
}

CMainPanel1::FilesChooser &FilesChooserSlot()
{
    static CMainPanel1::FilesChooser chooser;
    return chooser;
}

QString ChooseFolder(QWidget *parent, const QString &caption, const QString &start)
{
    if (FolderChooserSlot())
        return FolderChooserSlot()(parent, caption, start);
    return QFileDialog::getExistingDirectory(parent, caption, start, QFileDialog::ShowDirsOnly);
}

QStringList ChooseFiles(
    QWidget *parent, const QString &caption, const QString &start, const QString &filter)
{
    if (FilesChooserSlot())
        return FilesChooserSlot()(parent, caption, start, filter);
    return QFileDialog::getOpenFileNames(parent, caption, start, filter);
}

// Where a file dialog opens: the remembered folder, else Pictures, else home, whichever
// exists first. A folder that is gone would open its parent with its name typed as a file name.
QString ExistingStartFolder(const QString &remembered)
{
    for (const QString &folder : { remembered, GetPicturesFolder(), QDir::homePath() })
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    return QDir::homePath();
}

QString FolderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash);
}

// The rows of a selection model, ascending.
QList<int> RowsOf(const QItemSelectionModel *selection)
{
    QList<int> rows;
    if (!selection)
        return rows;
    for (const QItemSelectionRange &range : selection->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// Ascending rows as runs of whole rows, so that selecting thousands is one change.
QItemSelection RowRanges(const QAbstractItemModel *model, QList<int> rows)
{
    QItemSelection selection;
    std::sort(rows.begin(), rows.end());
    const int columns = qMax(1, model->columnCount());
    const int count = model->rowCount();
    int index = 0;
    while (index < rows.size()) {
        int first = rows.at(index);
        int last = first;
        while (index + 1 < rows.size() && rows.at(index + 1) <= last + 1)
            last = qMax(last, rows.at(++index));
        ++index;
        if (first < 0 || first >= count)
            continue;
        last = qMin(last, count - 1);
        selection.select(model->index(first, 0), model->index(last, columns - 1));
    }
    return selection;
}

} // namespace

void CMainPanel1::SetFolderChooser(FolderChooser chooser)
{
    FolderChooserSlot() = std::move(chooser);
}

void CMainPanel1::SetFilesChooser(FilesChooser chooser)
{
    FilesChooserSlot() = std::move(chooser);
}

CMainPanel1::CMainPanel1(QWidget *parent)
    : CStepPanel(parent)
    , form(std::make_unique<Ui::CMainPanel1>())
    , photoList(CListImages::instance())
    , profile(CUserProfile::instance())
    , formats(CFormatsEnum::instance())
    , states(CStatesList::instance())
    , imageCache(CImageCache::instance())
{
    LogMessage(QStringLiteral("CMainPanel1::CMainPanel1"));
    form->setupUi(this);
    Init();
    form->retranslateUi(this);
    WidenToFitText({form->buttonAddPhotos, form->buttonAdd, form->buttonRemove, form->buttonView});
    modified = false;
    addPhotoTipShown = false;
    step2TipShown = false;
    addPhotoTip = new CTextWidget(this);
    addPhotoTip->hide();
    step2Tip = new CTextWidget(this);
    step2Tip->hide();
}

CMainPanel1::~CMainPanel1() = default;

void CMainPanel1::Init()
{
    LogMessage(QStringLiteral("CMainPanel1::Init"));
    previewTimer.setSingleShot(true);
    connect(&previewTimer, &QTimer::timeout, this, [this]() { StartPreview(); });
    connect(&hideAddPhotoTipTimer, &QTimer::timeout, this, &CMainPanel1::MakeAddPhotoTipInvisible);
    connect(&hideStep2TipTimer, &QTimer::timeout, this, &CMainPanel1::MakeStep2TipInvisible);
    connect(&showAddPhotoTipTimer, &QTimer::timeout, this, &CMainPanel1::ShowAddPhotoTip);
    connect(&showStep2TipTimer, &QTimer::timeout, this, &CMainPanel1::ShowStep2Tip);

    CControlImage *preview = form->scrollImage;
    connect(preview, &CControlImage::UpdateZoomPercent, this, &CMainPanel1::UpdateZoomText,
        Qt::QueuedConnection);
    connect(preview, &CControlImage::SignalDisplayGSMessage, this,
        [this](const QString &extension) { CDialogGSWarning::ShowWhenDue(this, extension); });
    form->viewImage->setBackgroundRole(QPalette::Base);
    form->viewImage->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    preview->imageLabel = form->viewImage;

    const bool dark = profile->IsDarkTheme();
    ThemeChanged(dark);

    const QFont hintFont(QStringLiteral("Arial"), 16);
    const QFont subHintFont(QStringLiteral("Arial"), 12);
    const QColor hintColour(190, 190, 190, 255);
    CListThumb *icons = form->listImages;
    icons->Initialize(CListThumb::TypePhotos, dark, false);
    icons->AddOverlayText(tr("Drag & Drop Your Photos Here"), -58, false, hintFont, hintColour);
    icons->AddOverlayText(tr("Or Click To Add Photos"), -29, false, subHintFont, hintColour);
    icons->AddOverlayImage(QStringLiteral("Overlay-Symbol.png"), true, -5, -5, true, 1);
    icons->AddOverlayImage(QStringLiteral("Add.png"), false, 0, 15, false, 0);
    icons->LoadIcons(QStringLiteral("Icons-Formats-64.png"), false, 1);
    icons->SetLoader(new CListThumbThread);
    icons->InitThread();

    CListThumbDetails *table = form->listImagesDetails;
    table->dark = dark;
    table->ThemeChanged(dark);
    table->records = icons->records;
    table->order = icons->order;
    table->icons = icons->icons;
    table->thread = icons->thread;
    table->mutex = icons->mutex;
    table->AddOverlayText(tr("Drag & Drop Your Photos Here"), -58, false, hintFont, hintColour);
    table->AddOverlayText(tr("Or Click To Add Photos"), -29, false, subHintFont, hintColour);
    table->AddOverlayImage(QStringLiteral("Overlay-Symbol.png"), true, -5, -5, true, 1);
    table->AddOverlayImage(QStringLiteral("Add.png"), false, 0, 15, false, 0);
    table->InitThread();

    qRegisterMetaType<ListDragDrop>("ListDragDrop");
    qRegisterMetaType<ListInt>("ListInt");
    connect(icons, &CListThumb::SignalDragDropPanel1, this, &CMainPanel1::ListThumbDragDropPanel1,
        Qt::QueuedConnection);
    connect(icons, &CListThumb::SignalDragDropFiles, this, &CMainPanel1::ListThumbDragDropFiles,
        Qt::QueuedConnection);
    connect(icons, &CListThumb::Clicked, this, &CMainPanel1::ListThumbClicked);
    connect(table, &CListThumbDetails::SignalDragDropPanel1, this,
        &CMainPanel1::ListThumbDragDropPanel1, Qt::QueuedConnection);
    connect(table, &CListThumbDetails::SignalDragDropFiles, this,
        &CMainPanel1::ListThumbDragDropFiles, Qt::QueuedConnection);
    connect(table, &CListThumbDetails::Clicked, this, &CMainPanel1::ListThumbClicked);
    connect(table, &CListThumbDetails::SignalSort, this, &CMainPanel1::ListThumbDetailsSort,
        Qt::QueuedConnection);
    FollowWindowTheme();

    ChangeViewMode(ReadSettingInt(ViewTypeKey, ViewModeMedium));

    const bool showPreview = ReadSettingInt(ShowPreviewKey, 1) != 0;
    form->checkShowPreview->setChecked(showPreview);
    preview->previewEnabled = showPreview;
    profile->Step1Preview = showPreview;
    WriteSettingInt(ShowPreviewKey, showPreview ? 1 : 0);
    if (showPreview) {
        preview->StartPreview(profile->CurrentPhotoPath);
    } else {
        preview->Clear();
        preview->ShowPlaceholder();
    }

    profile->DetailsSortColumn = -1;
    profile->DetailsSortOrder = Qt::AscendingOrder;
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    LoadButtonIcons();
    preview->previewPath.clear();
}

void CMainPanel1::LoadButtonIcons()
{
    const QList<QIcon> icons
        = imageCache->StripIcons(QStringLiteral("Icons-Minimal.png"), true, 16);
    QPushButton *buttons[] = { form->buttonMaxZoomImage, form->buttonMinZoomImage,
        form->buttonZoomInImage, form->buttonZoomOutImage };
    for (int index = 0; index < 4 && index < icons.size(); ++index) {
        buttons[index]->setIcon(icons[index]);
        buttons[index]->setIconSize(QSize(16, 16));
    }
}

void CMainPanel1::ThemeChanged(bool dark)
{
    form->scrollImage->setStyleSheet(dark
            ? QStringLiteral("background-color: rgb( 30, 30, 30 );")
            : QStringLiteral("background-color: rgb( 255, 255, 255 );"));
    LoadButtonIcons();
}

// --- The main window's side ----------------------------------------------------------------

QListWidget *CMainPanel1::PhotoList() const
{
    return form->listImages;
}

void CMainPanel1::SetPanelSwitchFlag(bool *flag)
{
    form->scrollImage->panelSwitchFlag = flag;
}

void CMainPanel1::ClearLists()
{
    form->listImages->RemoveAllItems();
    form->listImages->clear();
    form->listImagesDetails->clear();
}

void CMainPanel1::AddPhotoItem(SImageRecord record)
{
    // One catalogue look-up per extension, not per photo: a large add asks for thousands.
    const QString extension = record.extension.toUpper();
    auto found = formatIcons.constFind(extension);
    if (found == formatIcons.cend())
        found = formatIcons.insert(extension, formats->FindByExtension(extension).settingsKind);
    form->listImages->AddItem(record.pathName, QString(), record.pathName, false, *found, true);
}

void CMainPanel1::RefreshPanel()
{
    RefreshPhotoList(true, 0);
    ClearCurrentPhoto();
    CControlImage *preview = form->scrollImage;
    preview->previewPath.clear();
    preview->ShowPlaceholder();
    form->checkShowPreview->setChecked(profile->Step1Preview);
    preview->previewEnabled = profile->Step1Preview;
    if (!profile->Step1Preview)
        preview->ShowPlaceholder();
    form->listImagesDetails->horizontalHeader()->setSortIndicator(
        profile->DetailsSortColumn, Qt::SortOrder(profile->DetailsSortOrder));
}

void CMainPanel1::ResetPanel()
{
    RemoveAllPhotos(false);
    const bool showPreview = ReadSettingInt(ShowPreviewKey, 1) != 0;
    form->checkShowPreview->setChecked(showPreview);
    profile->Step1Preview = showPreview;
    form->scrollImage->previewEnabled = showPreview;
    profile->DetailsSortColumn = -1;
    profile->DetailsSortOrder = Qt::AscendingOrder;
    form->listImagesDetails->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    ClearPreview();
    modified = false;
    emit UnsignalChanges();
}

void CMainPanel1::ClearPreview()
{
    form->scrollImage->Clear();
    form->scrollImage->ShowPlaceholder();
}

void CMainPanel1::StopThreads()
{
    CListThumb *icons = form->listImages;
    if (icons->thread) {
        icons->thread->stop = true;
        icons->thread->wait();
    }
}

// --- Selection helpers ---------------------------------------------------------------------

bool CMainPanel1::DetailsVisible() const
{
    return viewMode == ViewModeDetails;
}

QList<int> CMainPanel1::SelectedRows() const
{
    if (DetailsVisible())
        return form->listImagesDetails->SelectedRows();
    return RowsOf(form->listImages->selectionModel());
}

int CMainPanel1::CurrentRow() const
{
    return DetailsVisible() ? form->listImagesDetails->currentRow()
                            : form->listImages->currentRow();
}

void CMainPanel1::SelectRows(const QList<int> &rows, int current, bool inIcons, bool inTable)
{
    const auto apply = [&rows, current](
                           QAbstractItemView *view, QItemSelectionModel::SelectionFlags rowFlag) {
        QItemSelectionModel *selection = view->selectionModel();
        QAbstractItemModel *model = view->model();
        if (current >= 0 && current < model->rowCount())
            selection->setCurrentIndex(model->index(current, 0), QItemSelectionModel::NoUpdate);
        selection->select(RowRanges(model, rows), QItemSelectionModel::ClearAndSelect | rowFlag);
    };
    if (inIcons)
        apply(form->listImages, QItemSelectionModel::NoUpdate);
    if (inTable)
        apply(form->listImagesDetails, QItemSelectionModel::Rows);
}

void CMainPanel1::SetCurrentPhoto(int row)
{
    const QList<SImageRecord> &photos = photoList->Images();
    if (row < 0 || row >= photos.size()) {
        ClearCurrentPhoto();
        return;
    }
    profile->CurrentPhotoPath = photos.at(row).pathName;
    profile->CurrentPhotoIndex = row;
}

void CMainPanel1::ClearCurrentPhoto()
{
    profile->CurrentPhotoPath.clear();
    profile->CurrentPhotoIndex = 0;
}

// --- Views ---------------------------------------------------------------------------------

void CMainPanel1::RefreshPhotoList(bool keepSelection, int newlySelectedItem)
{
    CListThumb *icons = form->listImages;
    CListThumbDetails *table = form->listImagesDetails;
    const int iconCurrent = icons->currentRow();
    const QList<int> iconSelection = keepSelection ? RowsOf(icons->selectionModel()) : QList<int>();
    const QList<int> tableSelection = table->SelectedRows();
    const int tableCurrent = table->currentRow();

    const int count = photoList->Count();
    const bool iconMode = viewMode != ViewModeDetails;
    static const int hints[] = { 0, 70, 100, 165 };
    const QSize hint(hints[qBound(0, viewMode, 3)], hints[qBound(0, viewMode, 3)]);
    {
        // The items are brought to the photos' number and retold, not made anew: thousands of
        // photos rebuild in a blink. The views' own signals wait until the rebuild is done.
        const QSignalBlocker iconSignals(icons);
        const QSignalBlocker tableSignals(table);
        icons->setUpdatesEnabled(false);
        icons->clearSelection();
        while (icons->count() > count)
            delete icons->takeItem(icons->count() - 1);
        while (icons->count() < count)
            icons->addItem(new QListWidgetItem);
        const QList<SImageRecord> &photos = photoList->Images();
        for (int row = 0; row < count; ++row) {
            const SImageRecord &photo = photos.at(row);
            QListWidgetItem *item = icons->item(row);
            item->setText(iconMode ? photo.baseName : QDir::toNativeSeparators(photo.pathName));
            item->setFlags(item->flags() | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
            if (iconMode) {
                item->setSizeHint(hint);
                item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
            } else {
                item->setSizeHint(QSize());
                item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            }
        }
        icons->setUpdatesEnabled(true);

        table->clearSelection();
        table->setColumnCount(14);
        table->setHorizontalHeaderLabels({ tr("Name"), tr("Type"), tr("Date Taken"),
            tr("Dimensions"), tr("Size"), tr("Location"), tr("Camera"), tr("F-stop"),
            tr("Exposure"), tr("ISO"), tr("DPI"), tr("Color"), tr("Coordinates"), tr("Altitude") });
        table->setRowCount(count);

        icons->AssignThumbnails();
        icons->UpdateToolTips();
        table->RefreshAllRows();

        if (keepSelection) {
            SelectRows(iconSelection, iconCurrent, true, false);
            QList<int> rows = tableSelection;
            if (tableCurrent >= 0)
                rows.append(tableCurrent);
            SelectRows(rows, tableCurrent, false, true);
        }
    }
    ShowRejected();
    emit SignalReloadThumbsInPanel2(newlySelectedItem);
}

void CMainPanel1::ShowRejected()
{
    if (rejectedFiles.isEmpty())
        return;
    CDialogUnsupportedFormat notice(this);
    notice.SetFiles(rejectedFiles);
    rejectedFiles.clear();
    notice.exec();
}

void CMainPanel1::ChangeViewMode(int value)
{
    value = qBound(ViewModeDetails, value, ViewModeLarge);
    const int previous = ReadSettingInt(ViewTypeKey, value);
    CListThumb *icons = form->listImages;
    CListThumbDetails *table = form->listImagesDetails;
    if (value != ViewModeDetails) {
        icons->SetViewMode(value);
        icons->show();
        table->hide();
    } else {
        table->setIconSize(QSize(25, 25));
        table->SetDetailsMode();
        table->show();
        icons->hide();
    }
    viewMode = value;
    WriteSettingInt(ViewTypeKey, value);
    RefreshPhotoList(true, 0);

    if (previous == ViewModeDetails && value != ViewModeDetails) {
        SelectRows(table->SelectedRows(), table->currentRow(), true, false);
    } else if (previous != ViewModeDetails && value == ViewModeDetails) {
        QList<int> rows = RowsOf(icons->selectionModel());
        if (icons->currentRow() >= 0)
            rows.append(icons->currentRow());
        SelectRows(rows, icons->currentRow(), false, true);
    }
    emit SignalListImagesChanged();
}

void CMainPanel1::ViewDetails()
{
    ChangeViewMode(ViewModeDetails);
}

void CMainPanel1::ViewSmallIcons()
{
    ChangeViewMode(ViewModeSmall);
}

void CMainPanel1::ViewMediumIcons()
{
    ChangeViewMode(ViewModeMedium);
}

void CMainPanel1::ViewLargeIcons()
{
    ChangeViewMode(ViewModeLarge);
}

// --- Adding --------------------------------------------------------------------------------

bool CMainPanel1::AddFile(const QString &path)
{
    if (!photoList->AddImage(path, rejectedFiles))
        return false;
    AddPhotoItem(photoList->Images().last());
    return true;
}

namespace {

// Collects the paths of a folder walk; a folder reached again (through a link) is walked once.
struct SWalk
{
    QStringList files;
    QStringList unaddressable; // names Qt cannot address, as shown
    QSet<QString> visited; // canonical paths of the folders walked
    bool Enter(const QString &folder)
    {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty() || visited.contains(canonical))
            return false;
        visited.insert(canonical);
        return true;
    }
    void NoteUnaddressable(const QString &folder, bool files, bool folders)
    {
        for (const Platform::SUnaddressableEntry &entry : Platform::UnaddressableEntries(folder)) {
            if (entry.isFolder ? folders : files) {
                unaddressable.append(
                    PrintablePath(folder) + QLatin1Char('/') + PrintableFileNameBytes(entry.name));
            }
        }
    }
};

void WalkFolder(SWalk &walk, const QString &folder, bool recursive)
{
    if (!walk.Enter(folder))
        return;
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names)
        walk.files.append(folder + name);
    walk.NoteUnaddressable(folder.chopped(1), true, recursive);
    if (!recursive)
        return;
    const QStringList subfolders
        = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subfolders)
        WalkFolder(walk, folder + name + QLatin1Char('/'), true);
}

void WalkSearch(SWalk &walk, const QString &folder, const QString &mask, bool recursive)
{
    if (!walk.Enter(folder))
        return;
    QDir dir(folder);
    // "*.*" means every file, also one whose name has no dot.
    if (mask != QLatin1String("*.*"))
        dir.setNameFilters({ mask });
    const QStringList names
        = dir.entryList(QDir::Files | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names)
        walk.files.append(folder + QLatin1Char('/') + name);
    if (!recursive)
        return;
    const QStringList subfolders
        = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subfolders)
        WalkSearch(walk, folder + QLatin1Char('/') + name, mask, true);
}

} // namespace

void CMainPanel1::AddFolderFiles(const QString &folder, bool recursive)
{
    if (folder.isNull())
        return;
    QString start = WithForwardSlashes(folder);
    if (!start.endsWith(QLatin1Char('/')))
        start.append(QLatin1Char('/'));
    SWalk walk;
    WalkFolder(walk, start, recursive);
    rejectedFiles.append(walk.unaddressable);
    AddCollected(walk.files);
}

void CMainPanel1::AddSearchResults(const QString &folder, const QString &mask, bool recursive)
{
    QString start = WithForwardSlashes(folder);
    while (start.size() > 1 && start.endsWith(QLatin1Char('/')))
        start.chop(1);
    SWalk walk;
    WalkSearch(walk, start, mask, recursive);
    AddCollected(walk.files);
}

void CMainPanel1::AddPaths(const QStringList &paths)
{
    QStringList files;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            QString folder = WithForwardSlashes(path);
            if (!folder.endsWith(QLatin1Char('/')))
                folder.append(QLatin1Char('/'));
            SWalk walk;
            WalkFolder(walk, folder, false);
            rejectedFiles.append(walk.unaddressable);
            files.append(walk.files);
        } else if (info.isFile()) {
            files.append(WithForwardSlashes(path));
        } else if (!path.isEmpty()) {
            // Pasted or dropped text that names no file: nothing to add.
            LogMessage(QStringLiteral("CMainPanel1::AddPaths"),
                QStringLiteral("Not a file: ") + PrintablePath(path));
        }
    }
    AddCollected(files);
}

void CMainPanel1::AddCollected(const QStringList &paths)
{
    adding = true;
    QElapsedTimer slice;
    slice.start();
    for (const QString &path : paths) {
        AddFile(path);
        if (slice.elapsed() >= AddSliceMs) {
            // Paint and serve timers; the user's input waits until the add is done.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            slice.restart();
        }
    }
    adding = false;
}

void CMainPanel1::EndAdd(EAddEnd end)
{
    RefreshPhotoList(true, 0);
    form->listImagesDetails->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    if (end != EAddEnd::Drop) {
        if (end == EAddEnd::Dialog)
            previewTimer.start(PreviewDelayMs);
        hideAddPhotoTipTimer.start(0);
        showStep2TipTimer.start(TipShowDelayMs);
    }
    LogMessage(QStringLiteral("CMainPanel1::SignalPanelChanged"));
    SignalPanelChanged();
    emit SignalListImagesChanged();
}

void CMainPanel1::AddPhotos()
{
    const QString start
        = ExistingStartFolder(ReadSettingString(AddPhotosPathKey, GetPicturesFolder()));
    QStringList files
        = ChooseFiles(this, tr("Select Photo(s)"), start, formats->FileDialogFilter());
    if (files.isEmpty())
        return;
    std::sort(files.begin(), files.end());
    for (QString &file : files)
        file = WithForwardSlashes(file);
    WriteSettingString(AddPhotosPathKey, FolderOf(files.first()));
    AddCollected(files);
    EndAdd(EAddEnd::Dialog);
}

void CMainPanel1::AddFolder(bool searchSubfolders)
{
    const QString start
        = ExistingStartFolder(ReadSettingString(AddFolderPathKey, GetPicturesFolder()));
    const QString folder = ChooseFolder(this, tr("Browse For Folder"), start);
    if (folder.isEmpty())
        return;
    AddFolderFiles(folder, searchSubfolders);
    WriteSettingString(AddFolderPathKey, folder);
    EndAdd(EAddEnd::Dialog);
}

void CMainPanel1::AddFolderWithSubfolders()
{
    AddFolder(true);
}

void CMainPanel1::SearchAndAdd()
{
    CDialogSearch search(this);
    if (search.exec() != 1)
        return;
    AddSearchResults(search.SearchPath, search.SearchMask, search.SearchSubfolders);
    EndAdd(EAddEnd::Dialog);
}

void CMainPanel1::PasteClipboardFiles()
{
    QStringList files;
    if (const QMimeData *data = QGuiApplication::clipboard()->mimeData()) {
        for (const QUrl &url : data->urls()) {
            const QString file = url.toLocalFile();
            if (!file.isEmpty())
                files.append(file);
        }
    }
    std::sort(files.begin(), files.end());
    AddPaths(files);
    EndAdd(EAddEnd::Paste);
}

void CMainPanel1::ListThumbDragDropFiles(QStringList listFiles)
{
    AddPaths(listFiles);
    EndAdd(EAddEnd::Drop);
}

void CMainPanel1::ListThumbClicked()
{
    if (form->listImages->count() == 0)
        AddPhotos();
}

// --- Removing ------------------------------------------------------------------------------

void CMainPanel1::RemoveSelectedPhotos()
{
    if (photoList->IsEmpty())
        return;
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty()) {
        QMessageBox::warning(this, QString(), tr("No photos selected"));
        return;
    }
    if (QMessageBox::question(this, QString(), tr("Remove selected photo(s) from the list?"),
            QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;

    int removed = 0;
    int lastRemoved = 0;
    for (const int row : rows) {
        photoList->RemoveAt(row - removed);
        form->listImages->RemoveSelectedItems(row - removed);
        lastRemoved = row;
        ++removed;
    }
    const int left = photoList->Count();
    const int current = qMin(lastRemoved - removed + 1, left - 1);
    RefreshPhotoList(false, current);
    if (left > 0) {
        SelectRows({ current }, current, true, true);
        SetCurrentPhoto(current);
        previewTimer.start(PreviewDelayMs);
        SignalPanelChanged();
        emit SignalListImagesChanged();
        return;
    }
    ClearCurrentPhoto();
    form->scrollImage->previewPath.clear();
    ClearPreview();
    previewTimer.start(PreviewDelayMs);
    SignalPanelChanged();
}

void CMainPanel1::RemoveAllPhotos(bool showWarning)
{
    if (photoList->IsEmpty())
        return;
    if (showWarning
        && QMessageBox::question(this, QString(), tr("Remove all photos from the list?"),
               QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
        return;
    photoList->Clear();
    form->listImages->RemoveAllItems();
    RefreshPhotoList(false, 0);
    ClearCurrentPhoto();
    form->scrollImage->previewPath.clear();
    ClearPreview();
    SignalPanelChanged();
    emit SignalListImagesChanged();
}

// --- Reordering ----------------------------------------------------------------------------

void CMainPanel1::ListThumbDragDropPanel1(ListDragDrop listDragDrop)
{
    if (listDragDrop.isEmpty())
        return;
    for (const SDragDrop &move : std::as_const(listDragDrop))
        photoList->MoveImage(move.from, move.to);
    RefreshPhotoList(false, 0);
    form->listImagesDetails->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);

    const int downward = int(std::count_if(listDragDrop.cbegin(), listDragDrop.cend(),
        [](const SDragDrop &move) { return move.from < move.to; }));
    const int first = listDragDrop.first().to - downward;
    QList<int> block;
    for (int row = first; row < first + listDragDrop.size(); ++row)
        block.append(row);
    SelectRows(block, first, true, true);
    SetCurrentPhoto(first);
    previewTimer.start(PreviewDelayMs);
    SignalPanelChanged();
    emit SignalListImagesChanged();
}

void CMainPanel1::ListThumbDetailsSort(QList<int> listIdx)
{
    CListThumbDetails *table = form->listImagesDetails;
    profile->DetailsSortColumn = table->horizontalHeader()->sortIndicatorSection();
    profile->DetailsSortOrder = table->horizontalHeader()->sortIndicatorOrder();
    const QList<int> selected = table->SelectedRows();
    const int current = table->currentRow();

    photoList->ReorderImages(listIdx);
    form->listImages->AssignThumbnails();
    RefreshPhotoList(false, 0);

    // Old row r now stands where listIdx names it.
    QList<int> newRow(listIdx.size(), -1);
    for (int index = 0; index < listIdx.size(); ++index) {
        if (listIdx.at(index) >= 0 && listIdx.at(index) < newRow.size())
            newRow[listIdx.at(index)] = index;
    }
    const auto moved
        = [&newRow](int row) { return row >= 0 && row < newRow.size() ? newRow.at(row) : -1; };
    QList<int> rows;
    for (const int row : selected) {
        if (moved(row) >= 0)
            rows.append(moved(row));
    }
    if (moved(current) >= 0)
        rows.append(moved(current));
    SelectRows(rows, moved(current), false, true);
    SignalPanelChanged();
    emit SignalListImagesChanged();
}

// --- Preview -------------------------------------------------------------------------------

void CMainPanel1::StartPreview(bool keepSelectedImage)
{
    const int row = CurrentRow();
    const int count = photoList->Count();
    if (!keepSelectedImage) {
        if (count > 0 && row >= 0 && row < count)
            SetCurrentPhoto(row);
        else
            ClearCurrentPhoto();
    }
    if (row < 0 || row >= count)
        return;
    CControlImage *preview = form->scrollImage;
    if (photoList->Images().at(row).pathName == preview->previewPath)
        return;
    preview->ClearFilters();
    preview->StartPreview(profile->CurrentPhotoPath);
}

void CMainPanel1::UpdateZoomText(int percent)
{
    form->textZoomPercent->setText(QString::number(percent) + QLatin1Char('%'));
}

void CMainPanel1::on_checkShowPreview_clicked(bool checked)
{
    profile->Step1Preview = checked;
    CControlImage *preview = form->scrollImage;
    preview->previewEnabled = checked;
    WriteSettingInt(ShowPreviewKey, checked ? 1 : 0);
    if (checked) {
        preview->StartPreview(profile->CurrentPhotoPath);
    } else {
        preview->Clear();
        preview->ShowPlaceholder();
    }
    // Marks the page changed without an undo state of its own.
    const bool quiet = states->quiet;
    states->quiet = true;
    SignalPanelChanged();
    states->quiet = quiet;
}

void CMainPanel1::on_buttonZoomInImage_clicked()
{
    form->scrollImage->ZoomIn();
}

void CMainPanel1::on_buttonZoomOutImage_clicked()
{
    form->scrollImage->ZoomOut();
}

void CMainPanel1::on_buttonMaxZoomImage_clicked()
{
    form->scrollImage->ZoomToFit();
}

void CMainPanel1::on_buttonMinZoomImage_clicked()
{
    form->scrollImage->ZoomActualSize();
}

// --- Items and menus -----------------------------------------------------------------------

void CMainPanel1::on_listImages_itemClicked()
{
    previewTimer.start(PreviewDelayMs);
    emit SignalListImagesChanged();
}

void CMainPanel1::on_listImagesDetails_itemClicked(QTableWidgetItem *item)
{
    Q_UNUSED(item)
    on_listImages_itemClicked();
}

void CMainPanel1::on_listImages_itemSelectionChanged()
{
    on_listImages_itemClicked();
}

void CMainPanel1::on_listImagesDetails_itemSelectionChanged()
{
    on_listImages_itemClicked();
}

void CMainPanel1::on_buttonAddPhotos_clicked()
{
    AddPhotos();
}

void CMainPanel1::ShowMenu(QMenu &menu, QWidget *button)
{
    menu.exec(button->mapToGlobal(button->contentsRect().bottomLeft()));
}

void CMainPanel1::on_buttonAdd_clicked()
{
    QMenu menu(this);
    menu.addAction(tr("&Folder"), this, [this]() { AddFolder(); });
    menu.addAction(tr("F&older with Subfolders"), this, &CMainPanel1::AddFolderWithSubfolders);
    menu.addAction(tr("&Search && Add"), this, &CMainPanel1::SearchAndAdd);
    ShowMenu(menu, form->buttonAdd);
}

void CMainPanel1::on_buttonRemove_clicked()
{
    QMenu menu(this);
    QAction *selected = menu.addAction(tr("&Selected"), this, &CMainPanel1::RemoveSelectedPhotos);
    QAction *all = menu.addAction(tr("&All"), this, [this]() { RemoveAllPhotos(); });
    selected->setEnabled(!SelectedRows().isEmpty());
    all->setEnabled(photoList->Count() > 0);
    ShowMenu(menu, form->buttonRemove);
}

void CMainPanel1::on_buttonView_clicked()
{
    QMenu menu(this);
    const int stored = ReadSettingInt(ViewTypeKey, ViewModeMedium);
    const QList<QPair<QString, int>> entries { { tr("&Details"), ViewModeDetails },
        { tr("&Small Icons"), ViewModeSmall }, { tr("&Medium Icons"), ViewModeMedium },
        { tr("&Large Icons"), ViewModeLarge } };
    for (const auto &[text, mode] : entries) {
        QAction *action
            = menu.addAction(text, this, [this, mode = mode]() { ChangeViewMode(mode); });
        action->setCheckable(true);
        action->setChecked(mode == stored);
    }
    ShowMenu(menu, form->buttonView);
}

QMenu *CMainPanel1::BuildContextMenu()
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(tr("Add &Photo(s)"), this, &CMainPanel1::AddPhotos);
    menu->addAction(tr("Add &Folder"), this, [this]() { AddFolder(); });
    menu->addAction(tr("&Search && Add"), this, &CMainPanel1::SearchAndAdd);
    menu->addSeparator();
    QAction *selected
        = menu->addAction(tr("Remove S&elected"), this, &CMainPanel1::RemoveSelectedPhotos);
    QAction *all = menu->addAction(tr("Remove &All"), this, [this]() { RemoveAllPhotos(); });
    menu->addSeparator();
    QAction *paste = menu->addAction(tr("Pas&te"), this, &CMainPanel1::PasteClipboardFiles);
    selected->setEnabled(!SelectedRows().isEmpty());
    all->setEnabled(photoList->Count() > 0);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    paste->setEnabled(data && !data->urls().isEmpty());
    return menu;
}

void CMainPanel1::on_listImages_customContextMenuRequested()
{
    QMenu *menu = BuildContextMenu();
    menu->exec(QCursor::pos());
}

void CMainPanel1::on_listImagesDetails_customContextMenuRequested(QPoint position)
{
    Q_UNUSED(position)
    on_listImages_customContextMenuRequested();
}

// --- Tips ----------------------------------------------------------------------------------

void CMainPanel1::ShowAddPhotoTip()
{
    showAddPhotoTipTimer.stop();
    // A page left before its tip was due keeps the tip for its next visit.
    if (profile->LaunchCounter >= TipLaunches || addPhotoTipShown || !isVisible())
        return;
    addPhotoTip->SetShape(MakeBalloonPath(1));
    addPhotoTip->SetText({ tr("Add the photos you want to edit") });
    addPhotoTip->ResizeToFit(QSize(247, 55));
    // The tail's tip, at the balloon's bottom right, ends just left of the button's lower left
    // corner, so that the balloon leaves the button's text free; a balloon grown for a wide
    // font keeps that point.
    const QPainterPath shape = MakeBalloonPath(1);
    const QRectF box = shape.boundingRect();
    const QSizeF design(box.left() + box.right(), box.top() + box.bottom());
    const QPointF tail(box.right() - 5, box.bottom()); // the tail's tip in the design
    const QPoint tip(int(tail.x() * addPhotoTip->width() / design.width()),
        int(tail.y() * addPhotoTip->height() / design.height()));
    QPushButton *button = form->buttonAddPhotos;
    const QPoint place = button->mapTo(this, QPoint(-8, button->height())) - tip;
    // A balloon grown for a wide font stays on the page.
    addPhotoTip->move(qMax(0, place.x()), qMax(0, place.y()));
    addPhotoTip->show();
    addPhotoTip->raise();
    addPhotoTipShown = true;
    hideAddPhotoTipTimer.start(TipHideDelayMs);
}

void CMainPanel1::ShowStep2Tip()
{
    showStep2TipTimer.stop();
    // A page left before its tip was due keeps the tip for its next visit.
    if (profile->LaunchCounter >= TipLaunches || step2TipShown || !isVisible())
        return;
    step2Tip->SetShape(MakeBalloonPath(2));
    step2Tip->SetText({ tr("Go to Step 2 and define the edits you want to apply to your photos") });
    step2Tip->ResizeToFit(QSize(200, 80));
    // The window centres its four step buttons; the tail's tip (at the balloon's top left)
    // points at Step 2's, the second, half a button left of the middle.
    const int tailX = 10 * step2Tip->width() / 165;
    step2Tip->move(qMax(0, width() / 2 - 36 - tailX), 0);
    step2Tip->show();
    step2Tip->raise();
    step2TipShown = true;
    hideStep2TipTimer.start(TipHideDelayMs);
}

void CMainPanel1::MakeAddPhotoTipInvisible()
{
    addPhotoTip->hide();
    hideAddPhotoTipTimer.stop();
}

void CMainPanel1::MakeStep2TipInvisible()
{
    step2Tip->hide();
    hideStep2TipTimer.stop();
}

// --- Events --------------------------------------------------------------------------------

void CMainPanel1::showEvent(QShowEvent *event)
{
    LogMessage(QStringLiteral("CMainPanel1::showEvent"));
    CStepPanel::showEvent(event);
    form->scrollImage->UpdateOverlay(false, false);
    CListThumb *icons = form->listImages;
    CListThumbDetails *table = form->listImagesDetails;
    if (profile->CurrentPhotoPath.isEmpty()) {
        if (icons->count() > 0)
            icons->setCurrentRow(0);
        previewTimer.start(PreviewDelayMs);
        return;
    }
    const int row = FindImageByPath(photoList->Images(), profile->CurrentPhotoPath).sequenceNumber;
    if (row >= 0 && row < icons->count()) {
        SelectRows({ row }, row, true, false);
        emit SignalListImagesChanged();
    }
    icons->setCurrentRow(row);
    table->clearSelection();
    SelectRows({ row }, row, false, true);
    previewTimer.start(PreviewDelayMs);
}

void CMainPanel1::hideEvent(QHideEvent *event)
{
    hideAddPhotoTipTimer.start(0);
    hideStep2TipTimer.start(0);
    CStepPanel::hideEvent(event);
}

void CMainPanel1::resizeEvent(QResizeEvent *event)
{
    LogMessage(QStringLiteral("CMainPanel1::resizeEvent"));
    form->listImages->ResetVisibleRange();
    form->listImagesDetails->ResetVisibleRange();
    hideAddPhotoTipTimer.start(0);
    hideStep2TipTimer.start(0);
    CStepPanel::resizeEvent(event);
}

void CMainPanel1::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Insert:
        AddPhotos();
        break;
    case Qt::Key_Delete:
        RemoveSelectedPhotos();
        break;
    case Qt::Key_V:
        PasteClipboardFiles();
        break;
    default:
        break;
    }
    CStepPanel::keyPressEvent(event);
}
