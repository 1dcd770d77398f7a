#include "DialogProfileSelection.h"
#include "Scripts.h"
#include "ui_DialogProfileSelection.h"

#include "BuiltInProfileTexts.h"
#include "DialogProfileSave.h"
#include "Folders.h"
#include "HelpTopics.h"
#include "ImageCache.h"
#include "ListThumb.h"
#include "TextCodecs.h"
#include "Trace.h"
#include "UserProfile.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QSaveFile>
#include <QStyledItemDelegate>
#include <QTextLayout>

namespace {

constexpr int TileSize = 64;
constexpr int DialogWidth = 585;
constexpr int DialogHeight = 475;

const QString UserDefined = QStringLiteral("User-Defined");

// Escaped for the text of an XML element. Line breaks and tabs go in as character references,
// as the document writer stores them; other control characters cannot be stored in XML at all
// and would leave a file that no longer parses, so they are dropped.
QByteArray ElementText(const QString &text)
{
    QString result = EscapeXml(text);
    for (qsizetype i = result.size() - 1; i >= 0; --i) {
        const char16_t c = result.at(i).unicode();
        if (c == u'\t' || c == u'\n' || c == u'\r')
            result.replace(i, 1, QStringLiteral("&#%1;").arg(int(c)));
        else if (c < 0x20 || c == 0xFFFE || c == 0xFFFF)
            result.remove(i, 1);
    }
    return result.toUtf8();
}

// Replaces the text of the first `<Property Name="...">` element. False when the element or
// its end tag is missing.
bool ReplacePropertyText(QByteArray &document, const QByteArray &name, const QByteArray &text)
{
    const QByteArray start = "<Property Name=\"" + name + "\">";
    const qsizetype found = document.indexOf(start);
    if (found < 0)
        return false;
    const qsizetype from = found + start.size();
    const qsizetype to = document.indexOf("</Property>", from);
    if (to < 0)
        return false;
    document.replace(from, to - from, text);
    return true;
}

// The lines a name wraps to at that width.
QStringList WrappedLines(const QString &text, const QFont &font, int width)
{
    QTextLayout layout(text, font);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrapping);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

// The room a tile's text has beside the delegate's margins.
int TileTextMargin(const QWidget *widget)
{
    const QStyle *style = widget ? widget->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

// A name that wraps to more lines than its tile holds ends in "..." on the last line that fits,
// rather than in a line cut in half at the tile's lower edge.
class CTileTextDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const int margin = TileTextMargin(option->widget);
        const int width = option->rect.width() - 2 * margin;
        const int height = option->rect.height() - option->decorationSize.height() - 2 * margin;
        const int lineHeight = option->fontMetrics.lineSpacing();
        if (width <= 0 || lineHeight <= 0)
            return;
        const int fitting = qMax(1, height / lineHeight);
        QStringList lines = WrappedLines(option->text, option->font, width);
        if (lines.size() > fitting) {
            const QString rest = lines.mid(fitting - 1).join(QLatin1Char(' '));
            lines = lines.mid(0, fitting - 1);
            lines << option->fontMetrics.elidedText(rest.simplified(), Qt::ElideRight, width);
        }
        option->text = lines.join(QChar(QChar::LineSeparator));
    }
};

} // namespace

CDialogProfileSelection::CDialogProfileSelection(QWidget *parent)
    : QDialog(parent)
    , form(std::make_unique<Ui::CDialogProfileSelection>())
{
    form->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_profile = CUserProfile::instance();
    m_imageCache = CImageCache::instance();
    LoadProfiles();
}

CDialogProfileSelection::~CDialogProfileSelection() = default;

void CDialogProfileSelection::LoadProfiles()
{
    m_groups.clear();
    const auto group = [](const QString &key, int column, int row) {
        SProfileGroup result;
        result.key = key;
        result.tile = QPoint(column, row);
        return result;
    };
    m_groups << group(QStringLiteral("All Profiles"), 0, 0) << group(UserDefined, 1, 0)
             << group(QStringLiteral("Edit"), 0, 3) << group(QStringLiteral("Output"), 0, 0);

    ScanProfiles();

    const QList<QToolButton *> buttons
        = { form->buttonAllProfiles, form->buttonMyProfiles, form->buttonEdit, form->buttonOutput };
    for (QToolButton *button : buttons)
        button->setCheckable(true);

    setMinimumSize(DialogWidth, DialogHeight);
    setMaximumSize(DialogWidth, DialogHeight);

    m_icons.clear();
    for (const char *sheet : { "Icons-Formats-64.png", "Icons-Filters-64.png" }) {
        const std::unique_ptr<QList<QIcon>> tiles(
            m_imageCache->SplitIconStrip(QLatin1String(sheet), false, TileSize));
        m_icons << *tiles;
    }
    CListThumb *list = form->listProfiles;
    // The items come with their icons, so no loader thread is started.
    list->Initialize(CListThumb::TypeProfiles, m_profile->IsDarkTheme(), false);
    list->setIconSize(QSize(TileSize, TileSize));
    {
        QMutexLocker locker(list->mutex);
        *list->icons = m_icons;
    }
    list->AddOverlayImage(QStringLiteral("Overlay-Symbol.png"), true, -5, -5, true, 1);
    list->setItemDelegate(new CTileTextDelegate(list));

    LoadViewIcons();
    CheckView(0);
    ShowView(0);
    form->listProfiles->setFocus();
}

void CDialogProfileSelection::ScanProfiles()
{
    const QStringList folders = { GetDocumentsFolder() + QStringLiteral("/Quendrasil/Profiles"),
        GetProgramFolder() + QStringLiteral("/Profiles") };
    for (const QString &folder : folders) {
        // A missing or unreadable folder lists nothing.
        const QStringList entries = QDir(folder).entryList(QStringList(QStringLiteral("*.qlf")),
            QDir::Files | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
        for (const QString &entry : entries)
            ReadProfileInfo(folder + QLatin1Char('/') + entry);
    }
}

void CDialogProfileSelection::ReadProfileInfo(const QString &path)
{
    const QString tag = QStringLiteral("CDialogProfileSelection::ReadProfileInfo");
    QDomDocument document;
    QString error;
    if (!CScripts::ReadDocumentFile(path, document, error)) {
        LogMessage(tag, path + QStringLiteral(": ") + error);
        return;
    }
    const QDomElement root = document.documentElement();
    if (root.tagName() != QLatin1String("Profile")) {
        LogMessage(tag, QStringLiteral("Not a profile: ") + path);
        return;
    }
    const QDomNodeList blocks = root.elementsByTagName(QStringLiteral("Properties"));
    for (int i = 0; i < blocks.size(); ++i) {
        const QDomElement block = blocks.at(i).toElement();
        if (block.attribute(QStringLiteral("Class")) == QLatin1String("Profile"))
            ParseProfileProperties(block, path);
    }
}

void CDialogProfileSelection::ParseProfileProperties(
    const QDomElement &properties, const QString &path)
{
    SProfileInfo info;
    info.path = path;
    for (QDomNode node = properties.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        if (element.isNull() || element.tagName() != QLatin1String("Property"))
            continue;
        const QString text = element.text();
        if (text.isEmpty())
            continue;
        const QString name = element.attribute(QStringLiteral("Name"));
        // Later properties win, so of Name and NameId the last one counts.
        if (name == QLatin1String("Name"))
            info.name = text;
        else if (name == QLatin1String("Description"))
            info.description = text;
        else if (name == QLatin1String("NameId"))
            info.name = BuiltInProfileText(text.toInt());
        else if (name == QLatin1String("DescriptionId"))
            info.description = BuiltInProfileText(text.toInt());
        else if (name == QLatin1String("Category"))
            info.category = text;
        else if (name == QLatin1String("Icon"))
            info.icon = text.toInt();
    }

    const QString category = info.category.toLower();
    for (SProfileGroup &group : m_groups) {
        if (group.key.toLower() == category) {
            group.profiles << info;
            return;
        }
    }
    LogMessage(QStringLiteral("CDialogProfileSelection::ParseProfileProperties"),
        QStringLiteral("No group for category \"%1\": %2").arg(info.category, path));
}

void CDialogProfileSelection::LoadViewIcons()
{
    const QImage filters
        = m_imageCache->GetImage(QStringLiteral("Icons-Filters-64.png"), false, true);
    const QImage formats
        = m_imageCache->GetImage(QStringLiteral("Icons-Formats-64.png"), false, true);
    // The scale of the sheets the cache handed out, so that tiles are cut on their grid.
    const int scale = m_imageCache->IsHighDpi() ? 2 : 1;
    const int edge = TileSize * scale;

    const QList<QToolButton *> buttons
        = { form->buttonAllProfiles, form->buttonMyProfiles, form->buttonEdit, form->buttonOutput };
    for (int i = 0; i < buttons.size(); ++i) {
        const QPoint tile = m_groups.at(i).tile;
        QPixmap pixmap
            = QPixmap::fromImage(filters.copy(QRect(tile.x() * edge, tile.y() * edge, edge, edge)));
        pixmap.setDevicePixelRatio(scale);
        buttons.at(i)->setIcon(QIcon(pixmap));
        buttons.at(i)->setIconSize(QSize(48, 48));
    }

    m_filtersGrid = QSize(filters.width() / TileSize / scale, filters.height() / TileSize / scale);
    m_formatsGrid = QSize(formats.width() / TileSize / scale, formats.height() / TileSize / scale);
}

int CDialogProfileSelection::CurrentView() const
{
    if (form->buttonAllProfiles->isChecked())
        return 0;
    if (form->buttonMyProfiles->isChecked())
        return 1;
    if (form->buttonEdit->isChecked())
        return 2;
    if (form->buttonOutput->isChecked())
        return 3;
    return -1;
}

void CDialogProfileSelection::CheckView(int view)
{
    form->buttonAllProfiles->setChecked(view == 0);
    form->buttonMyProfiles->setChecked(view == 1);
    form->buttonEdit->setChecked(view == 2);
    form->buttonOutput->setChecked(view == 3);
}

QList<CDialogProfileSelection::SPlace> CDialogProfileSelection::ViewPlaces(int view) const
{
    // Group 0 takes profiles whose category is "All Profiles"; no view lists them.
    QList<SPlace> places;
    for (int group = 1; group < m_groups.size(); ++group) {
        if (view != 0 && view != group)
            continue;
        for (int index = 0; index < m_groups.at(group).profiles.size(); ++index)
            places << SPlace { group, index };
    }
    return places;
}

SProfileInfo *CDialogProfileSelection::ProfileAt(int view, int row)
{
    const QList<SPlace> places = ViewPlaces(view);
    if (row < 0 || row >= places.size())
        return nullptr;
    const SPlace place = places.at(row);
    return &m_groups[place.group].profiles[place.index];
}

int CDialogProfileSelection::IconIndex(
    qint32 icon, const QPoint &groupTile, int formatTiles, int filterColumns, int iconCount)
{
    const auto valid = [iconCount](qint64 index) { return index >= 0 && index < iconCount; };
    const qint64 fallback
        = qint64(formatTiles) + qint64(filterColumns) * groupTile.y() + groupTile.x();
    qint64 index = -1;
    if (icon == 0) {
        index = fallback;
    } else if (icon >= 1000 && icon <= 1999) {
        if (icon % 100 < formatTiles)
            index = icon % 100;
    } else if (icon >= 2000 && icon <= 2999) {
        // A column beyond the sheet would land on a tile of the next row.
        if (icon % 100 < filterColumns)
            index
                = qint64(formatTiles) + qint64(filterColumns) * ((icon % 1000) / 100) + icon % 100;
    }
    if (!valid(index))
        index = fallback;
    return valid(index) ? int(index) : -1;
}

void CDialogProfileSelection::ShowView(int view)
{
    CListThumb *list = form->listProfiles;
    list->RemoveAllItems();
    list->clear();
    const int formatTiles = m_formatsGrid.width() * m_formatsGrid.height();
    for (const SPlace &place : ViewPlaces(view)) {
        const SProfileGroup &group = m_groups.at(place.group);
        const SProfileInfo &info = group.profiles.at(place.index);
        // Names and descriptions are plain text from the files, the tool tip is rich text.
        const QString name = info.name.toHtmlEscaped();
        const QString toolTip = info.description.isEmpty()
            ? QStringLiteral("<b>") + name + QStringLiteral("</b>")
            : QStringLiteral("<a><b>") + name + QStringLiteral("</b> - ")
                + info.description.toHtmlEscaped() + QStringLiteral("</a>");
        const int iconIndex = IconIndex(
            info.icon, group.tile, formatTiles, m_filtersGrid.width(), int(m_icons.size()));

        list->AddItem(info.name, toolTip, QString(), true, iconIndex, true);
        QListWidgetItem *item = list->item(list->count() - 1);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    // Tiles of 105 x 100 hold two lines; a language whose names wrap to more makes every tile
    // of the view as tall as its longest name needs.
    const QFontMetrics metrics(list->font());
    const int margin = TileTextMargin(list);
    int lines = 2;
    for (int row = 0; row < list->count(); ++row)
        lines = std::max(lines,
            int(WrappedLines(list->item(row)->text(), list->font(), 105 - 2 * margin).size()));
    const int height
        = std::max(100, TileSize + 2 * margin + lines * metrics.lineSpacing() + margin);
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setSizeHint(QSize(105, height));
}

int CDialogProfileSelection::SelectedRow() const
{
    // The highlighted item, not merely the current one: Ctrl with the arrow keys moves the
    // current item without selecting it, and edits and deletions must hit what is shown.
    const QList<QListWidgetItem *> items = form->listProfiles->selectedItems();
    return items.isEmpty() ? -1 : form->listProfiles->row(items.first());
}

void CDialogProfileSelection::Choose()
{
    const int row = SelectedRow();
    if (row < 0) {
        QMessageBox::warning(this, QString(), tr("No profile selected"), QMessageBox::Ok);
        return;
    }
    if (const SProfileInfo *info = ProfileAt(CurrentView(), row))
        selected = *info;
    // A profile without a name cannot be chosen.
    if (selected.name.isEmpty())
        return;
    m_profile->BuiltInProfileLoaded = selected.category != UserDefined;
    accept();
}

void CDialogProfileSelection::on_buttonOk_clicked()
{
    Choose();
}

void CDialogProfileSelection::on_listProfiles_activated(const QModelIndex &)
{
    Choose();
}

void CDialogProfileSelection::on_buttonCancel_clicked()
{
    reject();
}

void CDialogProfileSelection::on_buttonAllProfiles_clicked()
{
    CheckView(0);
    ShowView(0);
}

void CDialogProfileSelection::on_buttonMyProfiles_clicked()
{
    CheckView(1);
    ShowView(1);
}

void CDialogProfileSelection::on_buttonEdit_clicked()
{
    CheckView(2);
    ShowView(2);
}

void CDialogProfileSelection::on_buttonOutput_clicked()
{
    CheckView(3);
    ShowView(3);
}

void CDialogProfileSelection::on_listProfiles_customContextMenuRequested(const QPoint &)
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    QMenu menu(this);
    QAction *edit = menu.addAction(tr("&Edit"));
    QAction *remove = menu.addAction(tr("&Remove"));
    // Only the user's own profiles may be changed; the letter case of the category counts.
    const SProfileInfo *info = ProfileAt(CurrentView(), row);
    if (!info || info->category != UserDefined) {
        edit->setEnabled(false);
        remove->setEnabled(false);
    }
    // Acted on once the menu is closed, so that no dialog opens over an open menu.
    const QAction *chosen = menu.exec(QCursor::pos());
    if (chosen == edit)
        OnProfilesEdit();
    else if (chosen == remove)
        OnProfilesRemove();
}

void CDialogProfileSelection::OnProfilesEdit()
{
    SProfileInfo *info = ProfileAt(CurrentView(), SelectedRow());
    if (!info || info->category != UserDefined)
        return;

    CDialogProfileSave dialog(this);
    dialog.name = info->name;
    dialog.description = info->description;
    if (dialog.exec() != 1)
        return;

    // The list changes only with the file, so that it never shows what was not saved.
    if (!RewriteProfileTexts(info->path, dialog.name, dialog.description)) {
        QMessageBox::warning(this, QString(),
            tr("Could not change the profile file:\n%1").arg(QDir::toNativeSeparators(info->path)),
            QMessageBox::Ok);
        return;
    }
    info->name = dialog.name;
    info->description = dialog.description;
    ShowView(CurrentView());
}

bool CDialogProfileSelection::RewriteProfileTexts(
    const QString &path, const QString &name, const QString &description)
{
    const QString tag = QStringLiteral("CDialogProfileSelection::RewriteProfileTexts");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LogMessage(tag, QStringLiteral("Cannot read ") + path);
        return false;
    }
    // Bytes, not text: the line ends and everything else stay exactly as they were.
    QByteArray document = file.readAll();
    file.close();

    if (!ReplacePropertyText(document, "Name", ElementText(name))
        || !ReplacePropertyText(document, "Description", ElementText(description))) {
        LogMessage(tag, QStringLiteral("No Name or Description property in ") + path);
        return false;
    }

    // Written beside and renamed over the old file, so that a failed write leaves it whole.
    QSaveFile output(path);
    if (!output.open(QIODevice::WriteOnly) || output.write(document) != document.size()
        || !output.commit()) {
        LogMessage(tag, QStringLiteral("Cannot write %1: %2").arg(path, output.errorString()));
        return false;
    }
    return true;
}

void CDialogProfileSelection::OnProfilesRemove()
{
    const int view = CurrentView();
    const int row = SelectedRow();
    const QList<SPlace> places = ViewPlaces(view);
    if (row < 0 || row >= places.size())
        return;
    const SPlace place = places.at(row);
    const SProfileInfo info = m_groups.at(place.group).profiles.at(place.index);
    if (info.category != UserDefined)
        return;

    if (QMessageBox::question(this, QString(), tr("Are you sure you want to delete this profile?"),
            QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;

    // A file that is already gone counts as deleted; one that stays, stays listed.
    if (!QFile::remove(info.path) && QFileInfo(info.path).exists()) {
        LogMessage(QStringLiteral("CDialogProfileSelection::OnProfilesRemove"),
            QStringLiteral("Cannot delete ") + info.path);
        QMessageBox::warning(this, QString(),
            tr("Could not delete the profile file:\n%1").arg(QDir::toNativeSeparators(info.path)),
            QMessageBox::Ok);
        return;
    }
    m_groups[place.group].profiles.removeAt(place.index);
    ShowView(view);
}

void CDialogProfileSelection::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelpTopic(QString::fromLatin1(HelpPage::Profiles));
        return;
    }
    QDialog::keyPressEvent(event);
}
