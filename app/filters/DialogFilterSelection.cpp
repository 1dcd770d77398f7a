#include "DialogFilterSelection.h"
#include "ui_DialogFilterSelection.h"

#include <QKeyEvent>
#include <QListWidgetItem>
#include <QMessageBox>
#include <QPixmap>
#include <QToolButton>

#include <utility>

#include "FiltersEnum.h"
#include "HelpTopics.h"
#include "ImageCache.h"
#include "ListThumb.h"
#include "UserProfile.h"

namespace {

constexpr int DialogWidth = 585;
constexpr int DialogHeight = 475;
constexpr int ListIconSize = 64;
constexpr int CategoryIconSize = 48;

const QString HelpTopic = QString::fromLatin1(HelpPage::SelectFilter);

} // namespace

CDialogFilterSelection::CDialogFilterSelection(QWidget *parent)
    : QDialog(parent)
    , form(std::make_unique<Ui::CDialogFilterSelection>())
    , m_filters(CFiltersEnum::instance())
    , m_profile(CUserProfile::instance())
    , m_imageCache(CImageCache::instance())
{
    form->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(DialogWidth, DialogHeight);

    // The items come with their icons from the sheet: nothing for a loader thread to fetch.
    CListThumb *list = form->listFilters;
    list->Initialize(CListThumb::TypeFilterPicker, m_profile->IsDarkTheme(), true);
    list->setIconSize(QSize(ListIconSize, ListIconSize));
    list->LoadIcons(QStringLiteral("Icons-Filters-64.png"), false, 1);
    list->AddOverlayImage(QStringLiteral("Overlay-Symbol.png"), true, -5, -5, true, 1);

    LoadCategoryIcons();
    ShowCategory(Category::All);
    list->setFocus(Qt::OtherFocusReason);
}

CDialogFilterSelection::~CDialogFilterSelection() = default;

void CDialogFilterSelection::LoadCategoryIcons()
{
    const QImage sheet
        = m_imageCache->GetImage(QStringLiteral("Icons-Filters-48.png"), false, true);
    // Cut on the grid of the variant the cache handed out, whatever the screen's own ratio:
    // a plain sheet cut in 3x cells, or an "@2x" one in 1x cells, gives wrong squares and a
    // wrong column count for every item's icon.
    const int scale = m_imageCache->IsHighDpi() ? 2 : 1;
    const int edge = CategoryIconSize * scale;

    struct SCategoryIcon
    {
        QToolButton *button;
        int column;
        int row;
    };
    const SCategoryIcon icons[] = {
        { form->buttonAllFilters, 0, 0 },
        { form->buttonAnnotate, 0, 1 },
        { form->buttonDecorations, 2, 5 },
        { form->buttonEffects, 10, 4 },
        { form->buttonTouchup, 0, 3 },
        { form->buttonTransform, 5, 2 },
    };
    for (const SCategoryIcon &icon : icons) {
        QPixmap pixmap = QPixmap::fromImage(
            sheet.copy(QRect(icon.column * edge, icon.row * edge, edge, edge)));
        pixmap.setDevicePixelRatio(scale);
        icon.button->setIcon(QIcon(pixmap));
        icon.button->setIconSize(QSize(CategoryIconSize, CategoryIconSize));
    }
    m_iconGrid = QSize(sheet.width() / edge, sheet.height() / edge);
}

void CDialogFilterSelection::ShowCategory(Category category)
{
    const std::pair<QToolButton *, Category> buttons[] = {
        { form->buttonAllFilters, Category::All },
        { form->buttonAnnotate, Category::Annotate },
        { form->buttonDecorations, Category::Border },
        { form->buttonEffects, Category::Effects },
        { form->buttonTouchup, Category::TouchUp },
        { form->buttonTransform, Category::Transform },
    };
    for (const auto &[button, shown] : buttons)
        button->setChecked(shown == category);
    FillFilters(category);
}

void CDialogFilterSelection::FillFilters(Category category)
{
    CListThumb *list = form->listFilters;
    list->RemoveAllItems();
    list->clear();
    for (const SFilterInfo &filter : m_filters->Filters()) {
        const int group = filter.id / 1000;
        if (category != Category::All && group != int(category))
            continue;
        // Icon row g of the cut sheet holds group g, its columns the order within the group.
        list->AddItem(filter.name, filter.description, QString(), true,
            m_iconGrid.width() * group + filter.order, true);
        QListWidgetItem *item = list->item(list->count() - 1);
        item->setSizeHint(QSize(105, 100));
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
}

void CDialogFilterSelection::Choose()
{
    const QList<QListWidgetItem *> selected = form->listFilters->selectedItems();
    if (!selected.isEmpty())
        filterName = selected.first()->text();
    if (!filterName.isEmpty()) {
        accept();
        return;
    }
    QMessageBox::warning(this, QString(), tr("No filter selected"), QMessageBox::Ok);
}

void CDialogFilterSelection::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelpTopic(HelpTopic);
        return;
    }
    // The list has already reported Enter as an activation and passes the key on; the default
    // button would choose a second time, and warn a second time when nothing is selected.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && focusWidget() == form->listFilters && form->listFilters->currentIndex().isValid())
        return;
    QDialog::keyPressEvent(event);
}

void CDialogFilterSelection::on_listFilters_activated(const QModelIndex &)
{
    Choose();
}

void CDialogFilterSelection::on_Ok_clicked()
{
    Choose();
}

void CDialogFilterSelection::on_Cancel_clicked()
{
    reject();
}

void CDialogFilterSelection::on_buttonAllFilters_clicked()
{
    ShowCategory(Category::All);
}

void CDialogFilterSelection::on_buttonAnnotate_clicked()
{
    ShowCategory(Category::Annotate);
}

void CDialogFilterSelection::on_buttonDecorations_clicked()
{
    ShowCategory(Category::Border);
}

void CDialogFilterSelection::on_buttonEffects_clicked()
{
    ShowCategory(Category::Effects);
}

void CDialogFilterSelection::on_buttonTouchup_clicked()
{
    ShowCategory(Category::TouchUp);
}

void CDialogFilterSelection::on_buttonTransform_clicked()
{
    ShowCategory(Category::Transform);
}
