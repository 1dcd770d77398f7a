// Theme, language and the companion program.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "ImageCache.h"
#include "Languages.h"
#include "QtTranslations.h"
#include "ReadableStyle.h"
#include "ThemeNotifier.h"
#include "ThemePalette.h"
#include "Trace.h"
#include "UserProfile.h"
#include "platform/ColorScheme.h"
#include "platform/Processes.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString ScrollBarStyle(bool dark)
{
    return QStringLiteral(
        "QScrollBar:vertical, QScrollBar:horizontal { border: none; background: %1; width: 7px; "
        "height: 7px; margin: 0px 0px 0px 0px; } QScrollBar::handle:vertical { background: "
        "qlineargradient(x1:0, y1:0, x2:1, y2:0, stop: 0 rgb(150, 150, 150), stop: 0.5 rgb(150, "
        "150, 150), stop:1 rgb(150, 150, 150)); min-height: 20px; } QScrollBar::handle:horizontal "
        "{ background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop: 0 rgb(150, 150, 150), stop: "
        "0.5 rgb(150, 150, 150), stop:1 rgb(150, 150, 150)); min-width: 20px; } "
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical, "
        "QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal { background: none; "
        "height: 0px; width: 0px; }")
        .arg(QLatin1String(dark ? "#1E1E1E" : "#E1E1E1"));
}

} // namespace

QString MainWindow::LanguageCode(int languageId)
{
    for (const SLanguage &language : InterfaceLanguages) {
        if (language.id == languageId)
            return QLatin1String(language.code);
    }
    return QStringLiteral("En");
}

QPalette MainWindow::ThemePalette(bool dark)
{
    SThemeColours colours;
    colours.window = dark ? QColor(60, 60, 60) : QColor(240, 240, 240);
    colours.base = dark ? QColor(30, 30, 30) : QColor(255, 255, 255);
    colours.text = dark ? QColor(Qt::white) : QColor(Qt::black);
    colours.toolTipBase = ThemeAccent;
    colours.shadow = colours.base;
    return MakeThemePalette(colours);
}

QString MainWindow::ThemeStyleSheet(bool dark)
{
    if (!dark)
        return ScrollBarStyle(false);
    return QStringLiteral("QPlainTextEdit:!enabled { background-color: #3C3C3C; }")
        + DarkStyleRules::DisabledButton()
        + QStringLiteral("QSpinBox:!enabled { background-color: #3C3C3C; }"
                         "QDoubleSpinBox:!enabled { background-color: #3C3C3C; }"
                         "QCheckBox:!enabled { background-color: #3C3C3C; }"
                         "QComboBox:enabled { color: white; }"
                         "QComboBox:!enabled { background-color: #3C3C3C; }"
                         "QComboBox:selected { background-color: #3C3C3C; color: #26A3E2; }")
        + ScrollBarStyle(true) + DarkStyleRules::ToolTip() + DarkStyleRules::Menus();
}

void MainWindow::ChangeTheme()
{
    const QString tag = QStringLiteral("MainWindow::ChangeTheme");
    LogMessage(tag);
    QApplication::setStyle(CreateReadableStyle());
    // The desktop is asked only when the theme follows it (asking may start a process).
    const char *scheme
        = m_profile->ThemeId == ThemeChoice::Dark || m_profile->ThemeId == ThemeChoice::Light
        ? "Unknown"
        : (Platform::DesktopPrefersDark() ? "Dark" : "Light");
    LogMessage(tag, QStringLiteral("ColorScheme: ") + QLatin1String(scheme));
    const bool dark = m_profile->IsDarkTheme();
    m_imageCache->SetDarkTheme(dark);
    InitToolBar();
    LogMessage(tag, QLatin1String(dark ? "Dark theme" : "Light theme"));
    QApplication::setPalette(ThemePalette(dark));
    qApp->setStyleSheet(ThemeStyleSheet(dark));
    emit SignalThemeChanged(dark);
    CThemeNotifier::instance()->Notify(dark);
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::ThemeChange) {
        LogMessage(QStringLiteral("MainWindow::event"), QStringLiteral("QEvent::ThemeChange"));
        Platform::RefreshDesktopScheme();
        // The toolbar to rebuild exists only once Init has run.
        if (m_initFinished)
            ChangeTheme();
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::LoadLocalizedResource()
{
    LogMessage(QStringLiteral("MainWindow::LoadLocalizedResource"));
    const QString code = LanguageCode(m_profile->LanguageId);
    QCoreApplication::removeTranslator(&m_translator);
    LogMessage(QStringLiteral("MainWindow::ChangeLanguage"));
    int id = 1033;
    for (const SLanguage &language : InterfaceLanguages) {
        if (code == QLatin1String(language.code))
            id = language.id;
    }
    if (id != m_profile->LanguageId) {
        m_profile->LanguageId = id;
        QMessageBox::warning(
            this, QString(), tr("You need to restart Quendrasil for the changes to take effect."));
    }
    QCoreApplication::removeTranslator(&m_qtTranslator);
    if (LoadQtTranslations(m_qtTranslator, code))
        QCoreApplication::installTranslator(&m_qtTranslator);
    // From the program's own folder, wherever the program was started from.
    if (m_translator.load(QStringLiteral("Ln_") + code, Platform::TranslationsFolder())) {
        QCoreApplication::installTranslator(&m_translator);
        form->retranslateUi(this);
    }
}

void MainWindow::LaunchMonitor()
{
    LogMessage(QStringLiteral("MainWindow::LaunchMonitor"));
    // Monitor keeps to one instance by itself; a failed start stays silent.
    Platform::StartDetachedProgram(Platform::MonitorProgramPath());
}
