// Takes pictures of the main window at each step in the light and the dark theme, of Step 1
// with 30 photos in the icon and the details view (both themes), its tip balloon and the
// search dialog, and of the processing dialog of an interactive run (mid-run and at its
// summary).
//
// Usage: windowshots <output folder> <script.qlr>  (loaded, not run by itself)
// Run it under Xvfb with a throw-away HOME: it reads and writes the user's settings.
#include "AppInfo.h"
#include "DialogOverwrite.h"
#include "DialogSearch.h"
#include "MainPanel1.h"
#include "ImageEngineSetup.h"
#include "MainWindow.h"
#include "NativeLookingApplication.h"
#include "ProcessController.h"
#include "Settings.h"
#include "UserProfile.h"
#include "../../tests/engine/TestPhotos.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

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
        const QString path = QStringLiteral("%1/Holiday %2.jpg").arg(folder).arg(index + 1, 2, 10, QLatin1Char('0'));
        TestPhotos::WriteJpegWithExif(path, facts, 320 + 8 * index, 240);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(AppInfo::OrganizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(AppInfo::ApplicationName));
    NativeLookingApplication application(argc, argv);
    if (argc < 3) {
        QTextStream(stderr) << "usage: windowshots <output folder> <script.qlr>\n";
        return 2;
    }
    InitializeImageEngine(argv[0]);
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    WriteSettingInt(QString::fromLatin1(SettingsKey::ShowStartupWizard), 0);
    WriteSettingInt(QString::fromLatin1(SettingsKey::MonitorLaunch), 0);
    WriteSettingInt(QString::fromLatin1(SettingsKey::CheckNewAutoCheck), 0);

    MainWindow window;
    window.show();
    window.LoadScript(QString::fromLocal8Bit(argv[2]));
    for (const int theme : { 2, 1 }) {
        CUserProfile::instance()->ThemeId = theme;
        window.ChangeTheme();
        for (int step = 0; step < 3; ++step) {
            window.ChangePanel(step);
            QCoreApplication::processEvents();
            Save(&window, QStringLiteral("%1/main-%2-step%3.png")
                              .arg(out, QLatin1String(theme == 1 ? "dark" : "light"))
                              .arg(step + 1));
        }
    }

    // Step 1 with 30 photos: icons and details, in both themes; the tip balloon; the search.
    const QString photos = out + QStringLiteral("/.step1-photos");
    MakePhotos(photos);
    CMainPanel1 *panel = window.Panel1();
    CMainPanel1::SetFolderChooser([photos](QWidget *, const QString &, const QString &) { return photos; });
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

    // Watches the processing dialog: one picture once photos are done, one at the summary,
    // then OK as a user would. An overwrite question (outputs of an earlier run) is pictured
    // once its preview has had time to render, then answered with Yes to All.
    bool midRunTaken = false;
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
            dialog->findChild<QPushButton *>(QStringLiteral("buttonOKCancel"))->click();
        }
    });
    watcher.start(20);
    window.OnPanelConvert(false);
    return 0;
}
