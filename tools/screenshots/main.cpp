// Takes pictures of the main window at each step in the light and the dark theme, and of the
// processing dialog of an interactive run (mid-run and at its summary).
//
// Usage: windowshots <output folder> <script.qlr>  (loaded, not run by itself)
// Run it under Xvfb with a throw-away HOME: it reads and writes the user's settings.
#include "AppInfo.h"
#include "DialogOverwrite.h"
#include "ImageEngineSetup.h"
#include "MainWindow.h"
#include "NativeLookingApplication.h"
#include "ProcessController.h"
#include "Settings.h"
#include "UserProfile.h"

#include <QApplication>
#include <QDir>
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
