#include "HelpManual.h"

#include "../SidePictures.h"
#include "ColorPicker.h"
#include "DialogFTPWatch.h"
#include "DialogFolderWatch.h"
#include "DialogRename.h"
#include "DialogSettings.h"
#include "FilterPage.h"
#include "FilterPages.h"
#include "FiltersEnum.h"
#include "FormatSettings.h"
#include "ImageConversion.h"
#include "ImageFilters.h"
#include "UserProfile.h"
#include "platform/ProgramFolder.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include <Magick++.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

QString Escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// A title as written in the page's HTML, as text.
QString Unescaped(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&#39;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text.simplified();
}

// "&Width:" as the user reads it: "Width".
QString Plain(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.simplified();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

// The layout within `layout` (itself included) that holds `child`, a widget or a layout, as
// one of its items; its index there in `index`.
QLayout *Holder(QLayout *layout, const QObject *child, int &index)
{
    if (!layout)
        return nullptr;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == child || item->layout() == child) {
            index = i;
            return layout;
        }
        if (QLayout *inner = Holder(item->layout(), child, index))
            return inner;
    }
    return nullptr;
}

QString LabelText(QLayoutItem *item)
{
    const auto *label = item ? qobject_cast<QLabel *>(item->widget()) : nullptr;
    return label && !label->text().isEmpty() && label->pixmap().isNull() ? Plain(label->text())
                                                                         : QString();
}

// The label that names the item at `index` of `layout`: its form row's label, the nearest
// label to its left in a grid row or a row, or the label right above it in a column.
QString LabelBeside(QLayout *layout, int index)
{
    QLayoutItem *item = layout->itemAt(index);
    if (auto *form = qobject_cast<QFormLayout *>(layout)) {
        int row = 0;
        QFormLayout::ItemRole role;
        form->getItemPosition(index, &row, &role);
        if (role == QFormLayout::FieldRole)
            return LabelText(form->itemAt(row, QFormLayout::LabelRole));
    } else if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        for (int c = column - 1; c >= 0; --c) {
            const QString text = LabelText(grid->itemAtPosition(row, c));
            if (!text.isEmpty())
                return text;
        }
    } else if (auto *box = qobject_cast<QBoxLayout *>(layout)) {
        if (box->direction() == QBoxLayout::LeftToRight) {
            for (int i = index - 1; i >= 0; --i) {
                const QString text = LabelText(box->itemAt(i));
                if (!text.isEmpty())
                    return text;
            }
        } else if (index > 0 && item) {
            return LabelText(box->itemAt(index - 1));
        }
    }
    return {};
}

// The text the user reads beside a control: its buddy label, else the label beside it or
// beside the row or container holding it, else the title of its group.
QString LabelFor(QWidget *control, QWidget *window)
{
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy() == control)
            return Plain(label->text());
    }
    const QObject *item = control;
    for (QWidget *parent = control->parentWidget(); parent;) {
        int index = 0;
        for (QLayout *layout = Holder(parent->layout(), item, index); layout;
             layout = Holder(parent->layout(), item, index)) {
            const QString text = LabelBeside(layout, index);
            if (!text.isEmpty())
                return text;
            if (layout == parent->layout())
                break;
            item = layout;
        }
        if (auto *group = qobject_cast<QGroupBox *>(parent); group && !group->title().isEmpty())
            return Plain(group->title());
        if (parent == window)
            break;
        item = parent;
        parent = parent->parentWidget();
    }
    return control->objectName();
}

bool IsDialogButton(const QWidget *widget)
{
    for (const QWidget *up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (qobject_cast<const QDialogButtonBox *>(up))
            return true;
    }
    const auto *button = qobject_cast<const QPushButton *>(widget);
    if (!button)
        return false;
    const QString text = Plain(button->text());
    return text == QLatin1String("OK") || text == QLatin1String("Cancel");
}

// A slider or dial that only moves with its spin box ("sliderAmount" beside "spinAmount").
bool IsTwin(const QWidget *widget, const QWidget *window)
{
    QString name = widget->objectName();
    for (const char *prefix : { "slider", "dial" }) {
        if (name.startsWith(QLatin1String(prefix))) {
            name = QStringLiteral("spin") + name.mid(int(qstrlen(prefix)));
            return window->findChild<QAbstractSpinBox *>(name) != nullptr;
        }
    }
    return false;
}

bool InsideEditor(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    return qobject_cast<const QAbstractSpinBox *>(parent)
        || qobject_cast<const QComboBox *>(parent);
}

QString Quoted(const QString &text)
{
    return QStringLiteral("\u201c%1\u201d").arg(text);
}

// What a control takes and what it shows at first; false for a widget that is no control.
bool Describe(QWidget *widget, SHelpControl &control)
{
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget)) {
        QString minimum, maximum;
        double atMinimum = 0.0, now = 0.0;
        if (auto *integer = qobject_cast<QSpinBox *>(spin)) {
            minimum = QString::number(integer->minimum());
            maximum = QString::number(integer->maximum());
            atMinimum = integer->minimum();
            now = integer->value();
        } else if (auto *real = qobject_cast<QDoubleSpinBox *>(spin)) {
            minimum = QLocale::c().toString(real->minimum(), 'f', real->decimals());
            maximum = QLocale::c().toString(real->maximum(), 'f', real->decimals());
            atMinimum = real->minimum();
            now = real->value();
        } else {
            return false;
        }
        const QString suffix = qobject_cast<QSpinBox *>(spin)
            ? qobject_cast<QSpinBox *>(spin)->suffix()
            : qobject_cast<QDoubleSpinBox *>(spin)->suffix();
        control.values = minimum + suffix + QStringLiteral(" to ") + maximum + suffix;
        if (!spin->specialValueText().isEmpty())
            control.values += QStringLiteral(" (%1 reads %2)")
                                  .arg(minimum + suffix, Quoted(spin->specialValueText()));
        control.start = now == atMinimum && !spin->specialValueText().isEmpty()
            ? Quoted(spin->specialValueText())
            : spin->text().trimmed();
        return true;
    }
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << Quoted(combo->itemText(i));
        control.values = combo->count() > 12
            ? QStringLiteral("a list of %1 choices").arg(combo->count())
            : items.join(QStringLiteral(", "));
        if (combo->isEditable())
            control.values
                += combo->count() ? QStringLiteral(", or typed") : QStringLiteral("typed");
        control.start = combo->currentText().isEmpty() ? QStringLiteral("empty")
                                                       : Quoted(combo->currentText());
        return true;
    }
    if (auto *check = qobject_cast<QCheckBox *>(widget)) {
        control.label = Plain(check->text());
        control.values = QStringLiteral("on or off");
        control.start = check->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
        return true;
    }
    if (auto *radio = qobject_cast<QRadioButton *>(widget)) {
        control.label = Plain(radio->text());
        control.values = QStringLiteral("one choice of its group");
        control.start
            = radio->isChecked() ? QStringLiteral("chosen") : QStringLiteral("not chosen");
        return true;
    }
    if (auto *picker = qobject_cast<CColorPicker *>(widget)) {
        control.values = QStringLiteral("any colour");
        const QColor colour = QColor::fromRgba(picker->Color());
        control.start = colour.name().toUpper();
        if (colour.alpha() != 255)
            control.start += QStringLiteral(" (alpha %1)").arg(colour.alpha());
        return true;
    }
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        control.label = Plain(button->text());
        if (control.label.isEmpty())
            control.label = button->toolTip();
        control.values = QStringLiteral("a button");
        control.start = QStringLiteral("\u2014");
        return true;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        control.values = edit->isReadOnly() ? QStringLiteral("shown only") : QStringLiteral("text");
        control.start = edit->text().isEmpty() ? QStringLiteral("empty") : Quoted(edit->text());
        return true;
    }
    const auto *plain = qobject_cast<QPlainTextEdit *>(widget);
    const auto *rich = qobject_cast<QTextEdit *>(widget);
    if (plain || rich) {
        const QString text = plain ? plain->toPlainText() : rich->toPlainText();
        control.values = QStringLiteral("text");
        control.start = text.isEmpty() ? QStringLiteral("empty") : Quoted(text);
        return true;
    }
    if (auto *slider = qobject_cast<QAbstractSlider *>(widget)) {
        control.values = QStringLiteral("%1 to %2").arg(slider->minimum()).arg(slider->maximum());
        control.start = QString::number(slider->value());
        return true;
    }
    return false;
}

// The visible controls of a window in tab order.
QList<SHelpControl> Collect(QWidget *window)
{
    QList<SHelpControl> controls;
    QWidget *widget = window;
    do {
        widget = widget->nextInFocusChain();
        if (widget == window || !widget->isVisibleTo(window) || widget->objectName().isEmpty()
            || widget->objectName().startsWith(QLatin1String("qt_")) || InsideEditor(widget)
            || IsDialogButton(widget) || IsTwin(widget, window))
            continue;
        SHelpControl control;
        control.objectName = widget->objectName();
        if (!Describe(widget, control))
            continue;
        if (control.label.isEmpty())
            control.label = LabelFor(widget, window);
        if (!widget->isEnabled())
            control.start += QStringLiteral(" (greyed out at first)");
        controls << control;
    } while (widget != window);
    return controls;
}

// Every tab of the window's tab widget in turn.
QList<SHelpControl> CollectAllTabs(QWidget *window)
{
    auto *tabs = window->findChild<QTabWidget *>();
    if (!tabs)
        return Collect(window);
    QList<SHelpControl> controls;
    const int shown = tabs->currentIndex();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        for (const SHelpControl &control : Collect(window)) {
            if (std::none_of(controls.cbegin(), controls.cend(), [&](const SHelpControl &known) {
                    return known.objectName == control.objectName;
                }))
                controls << control;
        }
    }
    tabs->setCurrentIndex(shown);
    return controls;
}

// A modal dialog as it opens: collected from inside its own event loop, then closed.
QList<SHelpControl> CollectModal(QDialog &dialog)
{
    QList<SHelpControl> controls;
    QTimer::singleShot(0, &dialog, [&]() {
        QCoreApplication::processEvents();
        controls = CollectAllTabs(&dialog);
        dialog.reject();
    });
    dialog.exec();
    return controls;
}

// The catalogues and the program settings as the programs hold them once started.
void Prepare()
{
    static const bool ready = []() {
        CFiltersEnum::instance()->GenerateList();
        CUserProfile::instance()->LoadSettings();
        return true;
    }();
    Q_UNUSED(ready);
}

const char *const GroupWords[] = { "", "Annotate", "Border", "Effects", "Touch-Up", "Transform" };

} // namespace

namespace HelpManual {

QList<SHelpControl> Controls(const QString &window)
{
    Prepare();
    if (window.startsWith(QLatin1String("filter:"))) {
        const int id = window.mid(7).toInt();
        std::unique_ptr<CFilterPage> page(FilterPages::Create(id, nullptr));
        if (!page)
            return {};
        page->samplePhoto.pathName = Platform::ProgramDataFolder() + QStringLiteral("/Sample.png");
        page->ReadSampleImageInfo();
        page->Initialize();
        page->show();
        QCoreApplication::processEvents();
        return CollectAllTabs(page.get());
    }
    if (window.startsWith(QLatin1String("format:"))) {
        // Titled as Step 3 titles it: the page lists the extensions of the format it names.
        static const char *const titles[]
            = { "", "Keep original image format (if possible)", "GIF", "JP2", "JPG", "PDF", "PNG",
                  "TIF", "MIFF", "HEIF", "WEBP", "AVIF", "PICT", "JPT", "PSD", "TGA" };
        const int kind = window.mid(7).toInt();
        if (kind < 1 || kind >= int(std::size(titles)))
            return {};
        CFormatSettings dialog(nullptr);
        dialog.kind = EFormatSettingsKind(kind);
        dialog.setWindowTitle(QString::fromLatin1(titles[kind]));
        return CollectModal(dialog);
    }
    if (window == QLatin1String("settings")) {
        CSettings dialog;
        dialog.Init();
        dialog.show();
        QCoreApplication::processEvents();
        return CollectAllTabs(&dialog);
    }
    if (window == QLatin1String("rename")) {
        CDialogRename dialog;
        return CollectModal(dialog);
    }
    if (window == QLatin1String("folder-watch")) {
        CDialogFolderWatch dialog;
        return CollectModal(dialog);
    }
    if (window == QLatin1String("ftp-watch")) {
        CDialogFTPWatch dialog;
        return CollectModal(dialog);
    }
    return {};
}

QStringList References(const QString &html)
{
    static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    QStringList found;
    for (auto it = reference.globalMatch(html); it.hasNext();) {
        QString target = it.next().captured(1);
        target.truncate(target.indexOf(QLatin1Char('#')) < 0 ? target.size()
                                                             : target.indexOf(QLatin1Char('#')));
        found << target;
    }
    return found;
}

namespace {

struct SPage
{
    QString file;
    QString title;
};

// The sections of the contents, by the start of the page names.
const std::pair<const char *, const char *> Sections[] = {
    { "user-interface_step", "The three steps" },
    { "user-interface_", "Dialogs" },
    { "tutorials_", "Tutorials" },
    { "formats_", "Output formats" },
    { "filters_annotate_", "Filters: Annotate" },
    { "filters_borders_", "Filters: Borders" },
    { "filters_effects_", "Filters: Effects" },
    { "filters_touch-up_", "Filters: Touch-Up" },
    { "filters_transform_", "Filters: Transform" },
    { "monitor_", "Monitor" },
};

QString Contents(const QList<SPage> &pages)
{
    QString html;
    QList<SPage> left = pages;
    std::sort(left.begin(), left.end(), [](const SPage &a, const SPage &b) {
        return QString::localeAwareCompare(a.title, b.title) < 0;
    });
    for (const auto &[prefix, heading] : Sections) {
        QString items;
        for (auto it = left.begin(); it != left.end();) {
            if (it->file.startsWith(QLatin1String(prefix))) {
                items += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n")
                             .arg(Escaped(it->file), Escaped(it->title));
                it = left.erase(it);
            } else {
                ++it;
            }
        }
        if (!items.isEmpty())
            html += QStringLiteral("<h2>%1</h2>\n<ul class=\"contents\">\n%2</ul>\n")
                        .arg(QLatin1String(heading), items);
    }
    QString others;
    for (const SPage &page : left) {
        if (page.file != QLatin1String("index.html"))
            others += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n")
                          .arg(Escaped(page.file), Escaped(page.title));
    }
    if (!others.isEmpty())
        html += QStringLiteral("<h2>More</h2>\n<ul class=\"contents\">\n%1</ul>\n").arg(others);
    return html;
}

QString FilterHeading(int id, QString name, QStringList &problems, const QString &file)
{
    const SFilterInfo info = CFiltersEnum::instance()->FindById(id);
    if (name.isEmpty())
        name = info.name;
    if (name.isEmpty() || !FilterPages::HasPage(id)) {
        problems << QStringLiteral("%1: no filter %2 (or it has no name)").arg(file).arg(id);
        return {};
    }
    const int group = id / 1000;
    const QString groupName = info.group.isEmpty() && group >= 1 && group <= 5
        ? QLatin1String(GroupWords[group])
        : info.group;
    if (FilterPages::HelpTopic(id) != file)
        problems << QStringLiteral("%1: filter %2 opens %3")
                        .arg(file)
                        .arg(id)
                        .arg(FilterPages::HelpTopic(id));
    return QStringLiteral(
        "<h1>%1</h1>\n<p class=\"group\">%2 filter</p>\n"
        "<figure class=\"before-after\">"
        "<img src=\"pictures/filters/before.jpg\" alt=\"The sample photo\">"
        "<img src=\"pictures/filters/%3.jpg\" alt=\"The sample photo after %1\">"
        "<figcaption>The sample photo, and after %1 with the settings it starts with."
        "</figcaption></figure>\n")
        .arg(Escaped(name), Escaped(groupName))
        .arg(id);
}

QString ControlsTable(
    const QString &window, const QString &list, QStringList &problems, const QString &file)
{
    static const QRegularExpression item(
        QStringLiteral("<dt(?:\\s+data-label=\"([^\"]*)\")?>\\s*(\\w+)\\s*</dt>\\s*<dd>(.*?)</dd>"),
        QRegularExpression::DotMatchesEverythingOption);
    QHash<QString, QString> described;
    QHash<QString, QString> labels; // where the window's own label says too little
    QStringList order;
    for (auto it = item.globalMatch(list); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        described.insert(match.captured(2), match.captured(3).trimmed());
        if (!match.captured(1).isEmpty())
            labels.insert(match.captured(2), match.captured(1));
        order << match.captured(2);
    }
    const QList<SHelpControl> controls = Controls(window);
    if (controls.isEmpty()) {
        problems << QStringLiteral("%1: no window %2").arg(file, window);
        return {};
    }
    QString rows;
    QSet<QString> shown;
    for (const SHelpControl &control : controls) {
        shown.insert(control.objectName);
        if (!described.contains(control.objectName)) {
            problems << QStringLiteral("%1: %2 of %3 (\"%4\") is not described")
                            .arg(file, control.objectName, window, control.label);
            continue;
        }
        rows += QStringLiteral(
            "<tr><th scope=\"row\">%1</th><td>%2</td><td>%3</td><td>%4</td></tr>\n")
                    .arg(labels.value(control.objectName, Escaped(control.label)),
                        Escaped(control.values), Escaped(control.start),
                        described.value(control.objectName));
    }
    for (const QString &name : order) {
        if (!shown.contains(name))
            problems << QStringLiteral("%1: %2 describes %3, which it does not show")
                            .arg(file, window, name);
    }
    return QStringLiteral("<table class=\"controls\">\n<thead><tr><th>Setting</th><th>Values</th>"
                          "<th>At first</th><th>What it does</th></tr></thead>\n<tbody>\n%1"
                          "</tbody>\n</table>\n")
        .arg(rows);
}

QString Page(const QString &title, const QString &body)
{
    return QStringLiteral(
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<title>%1 \u2014 Quendrasil Help</title>\n<link rel=\"stylesheet\" href=\"help.css\">\n"
        "</head>\n<body>\n<nav><a href=\"index.html\">Quendrasil Help: Contents</a></nav>\n"
        "<main>\n%2</main>\n</body>\n</html>\n")
        .arg(Escaped(title), body);
}

} // namespace

QStringList Build(const QString &pagesFolder, const QString &outputFolder)
{
    static const QRegularExpression filter(
        QStringLiteral("<!--\\s*filter\\s+(\\d+)\\s*([^>]*?)\\s*-->"));
    static const QRegularExpression controls(
        QStringLiteral("<!--\\s*controls\\s+(\\S+)\\s*-->\\s*(<dl class=\"controls\">.*?</dl>)"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression heading(
        QStringLiteral("<h1>(.*?)</h1>"), QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));

    Prepare();
    QStringList problems;
    QDir().mkpath(outputFolder);
    QList<SPage> pages;
    QHash<QString, QString> bodies;
    const QStringList files
        = QDir(pagesFolder).entryList({ QStringLiteral("*.html") }, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        QFile source(pagesFolder + QLatin1Char('/') + file);
        if (!source.open(QIODevice::ReadOnly)) {
            problems << QStringLiteral("%1: cannot be read").arg(file);
            continue;
        }
        QString body = QString::fromUtf8(source.readAll());
        for (QRegularExpressionMatch match = filter.match(body); match.hasMatch();
             match = filter.match(body, match.capturedStart())) {
            body.replace(match.capturedStart(), match.capturedLength(),
                FilterHeading(match.captured(1).toInt(), match.captured(2), problems, file));
        }
        for (QRegularExpressionMatch match = controls.match(body); match.hasMatch();
             match = controls.match(body, match.capturedStart())) {
            body.replace(match.capturedStart(), match.capturedLength(),
                ControlsTable(match.captured(1), match.captured(2), problems, file));
        }
        const QRegularExpressionMatch title = heading.match(body);
        if (!title.hasMatch())
            problems << QStringLiteral("%1: has no <h1> title").arg(file);
        QString text = title.captured(1);
        text.remove(tag);
        pages << SPage { file, Unescaped(text) };
        bodies.insert(file, body);
    }
    for (const SPage &page : pages) {
        QString body = bodies.value(page.file);
        body.replace(QLatin1String("<!-- contents -->"), Contents(pages));
        QFile out(outputFolder + QLatin1Char('/') + page.file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || out.write(Page(page.title, body).toUtf8()) < 0)
            problems << QStringLiteral("%1: cannot be written").arg(out.fileName());
    }
    return problems;
}

} // namespace HelpManual

namespace HelpManual {

bool WriteFilterPictures(const QString &folder, QStringList &problems)
{
    Prepare();
    // The sample photo at the size of a camera's photo (2400 x 1800), where text, borders and
    // blurs have the proportions users see on their own photos.
    const QTemporaryDir side;
    const QString samplePath = side.filePath(QStringLiteral("sample.png"));
    Magick::Image sample;
    try {
        sample.read(QFile::encodeName(Platform::ProgramDataFolder() + QStringLiteral("/Sample.png"))
                        .toStdString());
        sample.resize(Magick::Geometry(sample.columns() * 3, sample.rows() * 3));
        sample.write(QFile::encodeName(samplePath).toStdString());
    } catch (const Magick::Exception &error) {
        problems << QStringLiteral("cannot make the sample photo: %1")
                        .arg(QString::fromUtf8(error.what()));
        return false;
    }
    // The watermark filters need pictures to lay on the photo.
    const QString logo = side.filePath(QStringLiteral("logo.png"));
    const QString mask = side.filePath(QStringLiteral("mask.png"));
    const QString portraitMask = side.filePath(QStringLiteral("mask-portrait.png"));
    if (!side.isValid() || !MakeLogo(logo)
        || !MakeMask(mask, QSize(600, 400), QColor(20, 20, 20), QStringLiteral("PROOF"))
        || !MakeMask(portraitMask, QSize(400, 600), QColor(150, 20, 20), QStringLiteral("PROOF"))) {
        problems << QStringLiteral("cannot make the watermark pictures");
        return false;
    }
    QDir().mkpath(folder);
    const double scale
        = std::min({ 1.0, 400.0 / double(sample.columns()), 300.0 / double(sample.rows()) });
    const auto save = [&](const Magick::Image &image, const QString &name) {
        const QImage source = MagickToQImage(image);
        QSize size = (QSizeF(source.size()) * scale).toSize().expandedTo(QSize(1, 1));
        if (size.width() > 480 || size.height() > 360)
            size.scale(480, 360, Qt::KeepAspectRatio);
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::white); // JPEG has no transparency
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(), size), source);
        painter.end();
        if (!picture.save(folder + QLatin1Char('/') + name + QStringLiteral(".jpg"), "JPEG", 82))
            problems << QStringLiteral("cannot write %1.jpg").arg(name);
    };
    save(sample, QStringLiteral("before"));
    for (const int id : FilterPages::Ids()) {
        std::unique_ptr<CFilterPage> page(FilterPages::Create(id, nullptr));
        page->samplePhoto.pathName = samplePath;
        page->ReadSampleImageInfo();
        page->Initialize();
        SFilterRecord record;
        record.id = quint16(id);
        record.active = true;
        page->Save(record);
        if (id == 1110) {
            record.textCount = std::max<quint8>(record.textCount, 1);
            record.texts[0] = logo;
        } else if (id == 1120) {
            record.textCount = std::max<quint8>(record.textCount, 2);
            record.texts[0] = mask;
            record.texts[1] = portraitMask;
        }
        Magick::Image result = sample;
        CImageFilters filters;
        filters.target = &result;
        filters.record = record;
        filters.sourcePath = samplePath;
        if (!filters.Apply()) {
            problems << QStringLiteral("filter %1 failed on the sample photo").arg(id);
            continue;
        }
        save(result, QString::number(id));
    }
    return problems.isEmpty();
}

} // namespace HelpManual
