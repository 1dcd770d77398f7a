// Takes pictures of the main window at each step in the light and the dark theme, of Step 1
// with 30 photos in the icon and the details view (both themes), its tip balloon and the
// search dialog; of Step 2 with a five-filter chain and its add-filter tip, the filter picker
// and the filter settings dialog on each settings page (both themes);
// of Step 3 with each destination, the format options dialog on each page and the rename
// dialog (both themes); and of the processing dialog of an interactive run (mid-run and at its
// summary).
//
// Usage: windowshots <output folder> <script.qlr> [language code]  (the script is loaded, not
// run by itself). With a language code ("De", "Ja", ...) it takes, in that language, Monitor's
// window and dialogs, the main window at each step, the program settings and the filter
// settings dialog on its largest page, and ends.
// Run it under Xvfb with a throw-away HOME: it reads and writes the user's settings.
#include "../../tests/engine/TestPhotos.h"
#include "AppInfo.h"
#include "ControlImage.h"
#include "DialogFTPWatch.h"
#include "DialogFilterSelection.h"
#include "DialogFolderWatch.h"
#include "DialogOverwrite.h"
#include "DialogProfileSelection.h"
#include "DialogRename.h"
#include "DialogSearch.h"
#include "DialogSettings.h"
#include "FilterIds.h"
#include "FilterSettings.h"
#include "FilterSlots.h"
#include "FiltersEnum.h"
#include "FormatSettings.h"
#include "ImageEngineSetup.h"
#include "JobStore.h"
#include "Languages.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainPanel3.h"
#include "MainWindow.h"
#include "MonitorWindow.h"
#include "NativeLookingApplication.h"
#include "ProcessController.h"
#include "ReadableStyle.h"
#include "Settings.h"
#include "StatesList.h"
#include "UserProfile.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>

namespace {

void Save(QWidget *widget, const QString &path)
{
    widget->grab().save(path);
    QTextStream(stdout) << path << '\n';
}

// Lets the window work (thumbnails load, timers fire) for a while.
void Settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// 30 camera-like JPEGs of different colours, each with an EXIF thumbnail, in `folder`.
void MakePhotos(const QString &folder)
{
    QDir().mkpath(folder);
    TestPhotos::SExifFacts facts;
    facts.make = "Tarrow";
    facts.model = "Showcase 30";
    facts.dateTimeOriginal = "2024:06:01 09:30:00";
    facts.thumbnail = true;
    for (int index = 0; index < 30; ++index) {
        const QString path = QStringLiteral("%1/Holiday %2.jpg")
                                 .arg(folder)
                                 .arg(index + 1, 2, 10, QLatin1Char('0'));
        TestPhotos::WriteJpegWithExif(path, facts, 320 + 8 * index, 240);
    }
}

// The pictures whose preview never rendered: the tool ends with a failure naming them.
QStringList unrendered;

// Waits until the preview has a rendered photo and no render is pending, or gives up and
// notes the picture.
void SettlePreview(const CControlImage *preview, const QString &picture, int timeoutMs = 20000)
{
    Settle(800); // past the panel's and the dialog's preview delays
    QElapsedTimer clock;
    clock.start();
    while ((preview->IsLoading() || !preview->imageLoaded) && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (preview->IsLoading() || !preview->imageLoaded) {
        QTextStream(stderr) << "preview not rendered in " << timeoutMs << " ms: " << picture
                            << '\n';
        unrendered << picture;
    }
    Settle(400); // the overlay follows the render on a short timer
}

// A chain step as a page would store it, named from the catalogue.
SFilterRecord MakeStep(int id, std::initializer_list<double> numbers,
    std::initializer_list<QString> texts = {}, bool active = true)
{
    const SFilterInfo info = CFiltersEnum::instance()->FindById(id);
    SFilterRecord record;
    record.id = id;
    record.name = info.name;
    record.description = info.description;
    record.active = active;
    std::copy(numbers.begin(), numbers.end(), record.numbers.begin());
    record.numberCount = quint8(numbers.size());
    std::copy(texts.begin(), texts.end(), record.texts.begin());
    record.textCount = quint8(texts.size());
    return record;
}

// Resize, Sharpen, Brightness (switched off), Simple Border and Watermark Text.
QList<SFilterRecord> FiveStepChain()
{
    const double white = double(0xFFFFFFFFu);
    return {
        MakeStep(FilterId::Resize, { 1024, 768, 1, 3, 0, 1 }),
        MakeStep(FilterId::Sharpen, { 30 }),
        MakeStep(FilterId::Brightness, { 15, 0 }, {}, false),
        MakeStep(FilterId::SimpleBorder, { 16, 16, 16, 16, 0, white, 1 }),
        MakeStep(FilterId::WatermarkText, { 8, 20, 20, 28, white, 20, 0, 1, 0, 0, 0, 0 },
            { QStringLiteral("Holiday 2024"), QStringLiteral("DejaVu Sans"), QString() }),
    };
}

// Puts `chain` into the job and shows it in Step 2, quietly as a load does.
void ShowChain(CMainPanel2 *panel, const QList<SFilterRecord> &chain)
{
    CListFilters *filters = CListFilters::instance();
    filters->Clear();
    for (const SFilterRecord &record : chain)
        filters->Append(record);
    CStatesList *states = CStatesList::instance();
    const bool quiet = states->quiet;
    states->quiet = true;
    panel->RefreshPanel();
    states->quiet = quiet;
}

// Step 2 (its tip, the chain in both themes), the filter picker and the settings dialog on
// every page built (the Resize, Crop, Rotate and Flip pages also at its smallest size), on
// the photos of the script loaded now.
void TakeStep2Pictures(MainWindow &window, const QString &out)
{
    CMainPanel2 *panel = window.Panel2();
    auto *filtered = panel->findChild<CControlImage *>(QStringLiteral("scrollImageFilters"));

    // The tip of a first start comes 2 s after Step 2 shows; the chain is still empty.
    CUserProfile::instance()->LaunchCounter = 1;
    window.ChangePanel(0);
    ShowChain(panel, {});
    window.ChangePanel(1);
    Settle(2500);
    SettlePreview(filtered, QStringLiteral("step2-add-filter-tip"));
    Save(&window, out + QStringLiteral("/step2-add-filter-tip.png"));
    panel->MakeAddFilterTipInvisible();

    window.ChangePanel(0);
    ShowChain(panel, FiveStepChain());
    window.ChangePanel(1);
    for (const int theme : { 2, 1 }) {
        CUserProfile::instance()->ThemeId = theme;
        window.ChangeTheme();
        const QLatin1String name(theme == 1 ? "dark" : "light");
        SettlePreview(filtered, QStringLiteral("step2-chain-") + name);
        Save(&window, QStringLiteral("%1/step2-chain-%2.png").arg(out, name));

        {
            CDialogFilterSelection picker(&window);
            picker.show();
            Settle(400);
            Save(&picker, QStringLiteral("%1/filter-picker-all-%2.png").arg(out, name));
            picker.findChild<QToolButton *>(QStringLiteral("buttonTransform"))->click();
            auto *list = picker.findChild<QListWidget *>(QStringLiteral("listFilters"));
            list->setCurrentRow(0);
            Settle(300);
            Save(&picker, QStringLiteral("%1/filter-picker-transform-%2.png").arg(out, name));
            picker.reject();
        }

        // The first four also at the dialog's smallest size.
        const std::pair<int, QLatin1String> pages[] = {
            { FilterId::Resize, QLatin1String("resize") },
            { FilterId::Crop, QLatin1String("crop") },
            { FilterId::Rotate, QLatin1String("rotate") },
            { FilterId::Flip, QLatin1String("flip") },
            { FilterId::Blur, QLatin1String("blur") },
            { FilterId::Charcoal, QLatin1String("charcoal") },
            { FilterId::Edge, QLatin1String("edge") },
            { FilterId::Emboss, QLatin1String("emboss") },
            { FilterId::GaussianBlur, QLatin1String("gaussian-blur") },
            { FilterId::Implode, QLatin1String("implode") },
            { FilterId::Noise, QLatin1String("noise") },
            { FilterId::OilPaint, QLatin1String("oil-paint") },
            { FilterId::Sepia, QLatin1String("sepia") },
            { FilterId::Solarize, QLatin1String("solarize") },
            { FilterId::Shade, QLatin1String("shade") },
            { FilterId::Spread, QLatin1String("spread") },
            { FilterId::Swirl, QLatin1String("swirl") },
            { FilterId::Wave, QLatin1String("wave") },
            { FilterId::Brightness, QLatin1String("brightness") },
            { FilterId::Contrast, QLatin1String("contrast") },
            { FilterId::ColorBalance, QLatin1String("color-balance") },
            { FilterId::HueSaturation, QLatin1String("hue-saturation") },
            { FilterId::Levels, QLatin1String("levels") },
            { FilterId::ReduceNoise, QLatin1String("reduce-noise") },
            { FilterId::Sharpen, QLatin1String("sharpen") },
            { FilterId::SharpenAdvanced, QLatin1String("sharpen-advanced") },
            { FilterId::AutoCrop, QLatin1String("auto-crop") },
            { FilterId::ColorReplace, QLatin1String("color-replace") },
            { FilterId::ResizeAdvanced, QLatin1String("resize-advanced") },
            { FilterId::Roll, QLatin1String("roll") },
            { FilterId::Thumbnail, QLatin1String("thumbnail") },
            { FilterId::Comment, QLatin1String("comment") },
            { FilterId::Date, QLatin1String("date") },
            { FilterId::WatermarkText, QLatin1String("watermark-text") },
            { FilterId::WatermarkLogo, QLatin1String("watermark-logo") },
            { FilterId::WatermarkMask, QLatin1String("watermark-mask") },
            { FilterId::Polaroid, QLatin1String("polaroid") },
            { FilterId::Raise, QLatin1String("raise") },
            { FilterId::Shadow, QLatin1String("shadow") },
            { FilterId::SimpleBorder, QLatin1String("simple-border") },
            { FilterId::ShapeFrame, QLatin1String("shape-frame") },
            { FilterId::GrungeFrame, QLatin1String("grunge-frame") },
            { FilterId::PictureFrame, QLatin1String("picture-frame") },
            { FilterId::VintageFrame, QLatin1String("vintage-frame") },
        };
        int shown = 0;
        for (const auto &[id, page] : pages) {
            const bool smallest = shown++ < 4;
            CFilterSettings dialog(&window);
            // As Step 2 hands over the window's flag: without one a resized preview is not
            // rendered again.
            bool switching = false;
            dialog.SetSwitchingFlag(&switching);
            dialog.record = MakeStep(id, {});
            dialog.samplePhoto = CListImages::instance()->Images().value(0);
            if (!dialog.Prepare()) {
                QTextStream(stderr) << "no settings page for " << id << '\n';
                continue;
            }
            dialog.show();
            SettlePreview(
                dialog.FilteredPreview(), QStringLiteral("settings-%1-%2").arg(page, name));
            Save(&dialog, QStringLiteral("%1/settings-%2-%3.png").arg(out, page, name));
            if (!smallest) {
                dialog.reject();
                continue;
            }
            // The smallest size the dialog allows.
            dialog.resize(dialog.minimumSize());
            Settle(600);
            SettlePreview(dialog.FilteredPreview(),
                QStringLiteral("settings-%1-%2-smallest").arg(page, name));
            Save(&dialog, QStringLiteral("%1/settings-%2-%3-smallest.png").arg(out, page, name));
            dialog.reject();
        }
    }
    CUserProfile::instance()->ThemeId = 2;
    window.ChangeTheme();
}

// Runs a modal dialog long enough for one picture, then closes it.
void SaveModal(QDialog &dialog, const QString &path)
{
    QTimer::singleShot(400, &dialog, [&dialog, path]() {
        Save(&dialog, path);
        dialog.reject();
    });
    dialog.exec();
}

// Step 3 with each destination, the format options on every page and the rename dialog, in
// both themes.
void TakeStep3Pictures(MainWindow &window, const QString &out)
{
    window.ChangePanel(2);
    auto *destinations
        = window.Panel3()->findChild<QComboBox *>(QStringLiteral("comboDestination"));
    const QLatin1String places[]
        = { QLatin1String("folder"), QLatin1String("email"), QLatin1String("ftp") };
    const std::pair<EFormatSettingsKind, QLatin1String> kinds[] = {
        { EFormatSettingsKind::KeepOriginal, QLatin1String("keep-original") },
        { EFormatSettingsKind::GIF, QLatin1String("gif") },
        { EFormatSettingsKind::JP2, QLatin1String("jp2") },
        { EFormatSettingsKind::JPG, QLatin1String("jpg") },
        { EFormatSettingsKind::PDF, QLatin1String("pdf") },
        { EFormatSettingsKind::PNG, QLatin1String("png") },
        { EFormatSettingsKind::TIF, QLatin1String("tif") },
        { EFormatSettingsKind::MIFF, QLatin1String("miff") },
        { EFormatSettingsKind::HEIF, QLatin1String("heif") },
        { EFormatSettingsKind::WEBP, QLatin1String("webp") },
        { EFormatSettingsKind::AVIF, QLatin1String("avif") },
        { EFormatSettingsKind::PICT, QLatin1String("pict") },
        { EFormatSettingsKind::JPT, QLatin1String("jpt") },
        { EFormatSettingsKind::PSD, QLatin1String("psd") },
        { EFormatSettingsKind::TGA, QLatin1String("tga") },
    };
    for (const int theme : { 2, 1 }) {
        CUserProfile::instance()->ThemeId = theme;
        window.ChangeTheme();
        const QLatin1String name(theme == 1 ? "dark" : "light");
        for (int place = 0; place < 3; ++place) {
            destinations->setCurrentIndex(place);
            emit destinations->activated(place);
            Settle(200);
            Save(&window, QStringLiteral("%1/step3-%2-%3.png").arg(out, places[place], name));
        }
        destinations->setCurrentIndex(0);
        emit destinations->activated(0);
        for (const auto &[kind, page] : kinds) {
            CFormatSettings dialog(&window);
            dialog.kind = kind;
            // Titled as Step 3 titles it: the page lists the extensions of the format it names.
            dialog.setWindowTitle(kind == EFormatSettingsKind::KeepOriginal
                    ? QStringLiteral("Keep original image format (if possible)")
                    : QString(page).toUpper());
            SaveModal(dialog, QStringLiteral("%1/format-%2-%3.png").arg(out, page, name));
        }
        CDialogRename rename(&window);
        const SImageRecord sample = CListImages::instance()->Images().value(0);
        rename.SamplePath = sample.pathName;
        rename.SampleFolder = sample.folder;
        rename.SampleBaseName = sample.baseName;
        rename.SampleExtension = sample.extension;
        SaveModal(rename, QStringLiteral("%1/rename-%2.png").arg(out, name));
    }
    CUserProfile::instance()->ThemeId = 2;
    window.ChangeTheme();
}

} // namespace

// Monitor's window with three jobs and its tray menu (Monitor is always dark). Its store goes to
// a home of its own, never the user's.
void TakeMonitorPictures(const QString &out)
{
    QTemporaryDir home;
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    QList<CJob> jobs;
    const struct
    {
        const char *name;
        const char *description;
        qint16 type;
        bool active;
    } rows[] = {
        { "Camera card", "Photos copied from the camera", 0, true },
        { "Studio server", "New shots on the studio's SFTP server", 1, true },
        { "Scans", "The scanner's output folder", 0, false },
    };
    qint64 id = 1;
    for (const auto &row : rows) {
        CJob job;
        job.Id = id++;
        job.Name = QString::fromUtf8(row.name);
        job.Description = QString::fromUtf8(row.description);
        job.Type = row.type;
        job.Active = row.active;
        job.Source = home.path() + QStringLiteral("/nowhere");
        job.Mask = QStringLiteral("*.*");
        job.Interval = 3600;
        jobs.append(job);
    }
    SaveJobStore(jobs, true);
    // Monitor's dark theme is the whole application's: put the main program's back after.
    const QPalette palette = QApplication::palette();
    const QString sheet = qApp->styleSheet();
    {
        CMonitorWindow monitor;
        monitor.show();
        Settle(300);
        Save(&monitor, out + QStringLiteral("/monitor-dark.png"));
        monitor.TrayMenu()->popup(monitor.mapToGlobal(QPoint(40, 40)));
        Settle(300);
        Save(monitor.TrayMenu(), out + QStringLiteral("/monitor-tray-menu.png"));
        monitor.TrayMenu()->close();

        CDialogFolderWatch folder(&monitor);
        folder.Id = jobs.at(0).Id;
        folder.Name = jobs.at(0).Name;
        folder.Description = jobs.at(0).Description;
        folder.Source = jobs.at(0).Source;
        folder.Script = home.path() + QStringLiteral("/Monitor/1.qlf");
        folder.Mask = jobs.at(0).Mask;
        SaveModal(folder, out + QStringLiteral("/monitor-folder-job-dark.png"));
        CDialogFTPWatch ftp(&monitor);
        ftp.Id = jobs.at(1).Id;
        ftp.Name = jobs.at(1).Name;
        ftp.Description = jobs.at(1).Description;
        ftp.Host = QStringLiteral("sftp.example.org");
        ftp.Username = QStringLiteral("studio");
        ftp.Source = QStringLiteral("/shots/");
        ftp.Script = home.path() + QStringLiteral("/Monitor/2.qlf");
        ftp.Mask = QStringLiteral("*.JPG");
        SaveModal(ftp, out + QStringLiteral("/monitor-ftp-job-dark.png"));
    }
    QApplication::setStyle(CreateReadableStyle());
    QApplication::setPalette(palette);
    qApp->setStyleSheet(sheet);
    qputenv("HOME", realHome);
}

// The longest texts of one language: the main window at each step, the program settings on
// each tab and the filter settings dialog on its largest page.
void TakeLanguagePictures(const char *script, const QString &out)
{
    MainWindow window;
    window.show();
    window.LoadScript(QString::fromLocal8Bit(script));
    CUserProfile::instance()->ThemeId = 2;
    window.ChangeTheme();
    for (int step = 0; step < 3; ++step) {
        window.ChangePanel(step);
        Settle(300);
        Save(&window, QStringLiteral("%1/main-step%2.png").arg(out).arg(step + 1));
    }
    {
        CSettings settings(&window);
        auto *tabs = settings.findChild<QTabWidget *>();
        for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
            if (tabs)
                tabs->setCurrentIndex(tab);
            SaveModal(settings, QStringLiteral("%1/settings-tab%2.png").arg(out).arg(tab + 1));
        }
    }
    {
        CDialogProfileSelection profiles(&window);
        SaveModal(profiles, out + QStringLiteral("/profiles.png"));
    }
    CFilterSettings dialog(&window);
    bool switching = false;
    dialog.SetSwitchingFlag(&switching);
    dialog.record = MakeStep(FilterId::WatermarkText, {});
    dialog.samplePhoto = CListImages::instance()->Images().value(0);
    if (dialog.Prepare()) {
        dialog.show();
        SettlePreview(dialog.FilteredPreview(), QStringLiteral("filter-settings-watermark-text"));
        Save(&dialog, out + QStringLiteral("/filter-settings-watermark-text.png"));
    }
}

// Fails, naming them, when pictures could not be taken as they should be.
int ExitCode()
{
    if (unrendered.isEmpty())
        return 0;
    QTextStream(stderr) << "not taken as they should be: " << unrendered.join(QStringLiteral(", "))
                        << '\n';
    return 1;
}

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(AppInfo::OrganizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(AppInfo::ApplicationName));
    NativeLookingApplication application(argc, argv);
    if (argc < 3) {
        QTextStream(stderr) << "usage: windowshots <output folder> <script.qlr> [language code]\n";
        return 2;
    }
    InitializeImageEngine(argv[0]);
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    WriteSettingInt(QString::fromLatin1(SettingsKey::ShowStartupWizard), 0);
    WriteSettingInt(QString::fromLatin1(SettingsKey::MonitorLaunch), 0);
    WriteSettingInt(QString::fromLatin1(SettingsKey::CheckNewAutoCheck), 0);
    // The invitation after every third start's first run would wait for a click for ever.
    WriteSettingInt(QStringLiteral("GUI/DialogSocial.Show"), 0);
    const QString language = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("En");
    for (const SLanguage &known : InterfaceLanguages) {
        if (language == QLatin1String(known.code))
            WriteSettingInt(QString::fromLatin1(SettingsKey::LanguageId), known.id);
    }

    TakeMonitorPictures(out);
    if (argc > 3) {
        TakeLanguagePictures(argv[2], out);
        return ExitCode();
    }

    MainWindow window;
    window.show();
    window.LoadScript(QString::fromLocal8Bit(argv[2]));
    for (const int theme : { 2, 1 }) {
        CUserProfile::instance()->ThemeId = theme;
        window.ChangeTheme();
        for (int step = 0; step < 3; ++step) {
            window.ChangePanel(step);
            QCoreApplication::processEvents();
            Save(&window,
                QStringLiteral("%1/main-%2-step%3.png")
                    .arg(out, QLatin1String(theme == 1 ? "dark" : "light"))
                    .arg(step + 1));
        }
    }
    // Step 2's tip timer, started by the visits above, runs out here without a tip: past the
    // tip launches. Step 2's tip is pictured on its own below.
    CUserProfile::instance()->LaunchCounter = 3;
    Settle(2200);

    // Step 1 with 30 photos: icons and details, in both themes; the tip balloon; the search.
    const QString photos = out + QStringLiteral("/.step1-photos");
    MakePhotos(photos);
    CMainPanel1 *panel = window.Panel1();
    CMainPanel1::SetFolderChooser(
        [photos](QWidget *, const QString &, const QString &) { return photos; });
    window.ChangePanel(0);
    panel->RemoveAllPhotos(false);
    CUserProfile::instance()->LaunchCounter = 1; // the tips of a first start
    panel->MakeAddPhotoTipInvisible();
    panel->ShowAddPhotoTip(); // shown once per run: this shows it only if it was not yet
    Settle(300);
    Save(&window, out + QStringLiteral("/step1-empty-tip.png"));
    panel->MakeAddPhotoTipInvisible();
    panel->AddFolder(false);
    Settle(2500); // the Step 2 tip comes 2 s after an add
    Save(&window, out + QStringLiteral("/step1-step2-tip.png"));
    panel->MakeStep2TipInvisible();
    for (const int theme : { 2, 1 }) {
        CUserProfile::instance()->ThemeId = theme;
        window.ChangeTheme();
        const QLatin1String name(theme == 1 ? "dark" : "light");
        panel->ChangeViewMode(CMainPanel1::ViewModeMedium);
        Settle(1500);
        Save(&window, QStringLiteral("%1/step1-icons-%2.png").arg(out, name));
        panel->ChangeViewMode(CMainPanel1::ViewModeDetails);
        Settle(1500);
        Save(&window, QStringLiteral("%1/step1-details-%2.png").arg(out, name));
    }
    panel->ChangeViewMode(CMainPanel1::ViewModeMedium);
    CUserProfile::instance()->ThemeId = 2;
    window.ChangeTheme();
    {
        CDialogSearch search(&window);
        QTimer::singleShot(500, &search, [&search, &out]() {
            Save(&search, out + QStringLiteral("/search-dialog.png"));
            search.reject();
        });
        search.exec();
    }
    window.LoadScript(QString::fromLocal8Bit(argv[2]));
    TakeStep2Pictures(window, out);
    TakeStep3Pictures(window, out);
    // The run below processes the script as it stands, with its window shown whatever the
    // script says, so that the summary can be pictured.
    window.LoadScript(QString::fromLocal8Bit(argv[2]));
    CUserProfile::instance()->OutputOptions.HideProcessing = false;

    // Watches the processing dialog: one picture once photos are done, one at the summary,
    // then OK as a user would. An overwrite question (outputs of an earlier run) is pictured
    // once its preview has had time to render, then answered with Yes to All.
    bool midRunTaken = false;
    bool summaryTaken = false;
    int questionTicks = 0;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&]() {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *question = qobject_cast<CDialogOverwrite *>(widget);
            if (!question || !question->isVisible())
                continue;
            if (++questionTicks < 50)
                return;
            Save(question, out + QStringLiteral("/overwrite-question.png"));
            question->findChild<QPushButton *>(QStringLiteral("buttonYesAll"))->click();
            return;
        }
        auto *dialog = window.findChild<CProcessController *>();
        if (!dialog || !dialog->isVisible())
            return;
        auto *bar = dialog->findChild<QProgressBar *>(QStringLiteral("progressBar"));
        if (!midRunTaken && dialog->Core()->IsRunning() && bar->value() > bar->maximum() / 3) {
            midRunTaken = true;
            Save(dialog, out + QStringLiteral("/processing-midrun.png"));
        }
        if (dialog->Core()->IsFinished()) {
            watcher.stop();
            Save(dialog, out + QStringLiteral("/processing-summary.png"));
            summaryTaken = true;
            dialog->findChild<QPushButton *>(QStringLiteral("buttonOKCancel"))->click();
        }
    });
    watcher.start(20);
    window.OnPanelConvert(false);
    if (!summaryTaken)
        unrendered << QStringLiteral("processing-summary");
    return ExitCode();
}
