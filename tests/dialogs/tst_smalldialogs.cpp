#include "TestMain.h"

#include "DialogProfileSave.h"
#include "DialogSaveProject.h"
#include "DialogUnsupportedFormat.h"
#include "Settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <functional>

namespace {

const QString ShowSaveProjectKey = QStringLiteral("GUI/bShowSaveProject");

// Runs `action` once the dialog's modal loop has started.
void WhenShown(const std::function<void()> &action)
{
    QTimer::singleShot(0, qApp, action);
}

template<typename T> T *Child(const QWidget *dialog, const char *name)
{
    T *child = dialog->findChild<T *>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

void Click(const QWidget *dialog, const char *name)
{
    Child<QAbstractButton>(dialog, name)->click();
}

// How a dialog is left without answering.
enum class ELeave { Escape, CloseWindow };

void Leave(QWidget *dialog, ELeave how)
{
    if (how == ELeave::Escape)
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        dialog->close();
}

// The unsupported-format box as exec leaves it.
struct SListShown
{
    QString text;
    int scroll = -1;
    int cursor = -1;
    int lines = -1;
    int result = -1;
};

SListShown ShowUnsupported(const QStringList &files)
{
    CDialogUnsupportedFormat dialog;
    dialog.SetFiles({ QStringLiteral("/an/earlier/list") });
    dialog.SetFiles(files);
    SListShown shown;
    WhenShown([&]() {
        const auto *box = Child<QPlainTextEdit>(&dialog, "textUnsupportedFormats");
        shown.text = box->toPlainText();
        shown.scroll = box->verticalScrollBar()->value();
        shown.cursor = box->textCursor().position();
        shown.lines = box->blockCount();
        Child<QDialogButtonBox>(&dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    shown.result = dialog.exec();
    return shown;
}

} // namespace

class TestSmallDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void unsupportedListsPathsInOrderFromTheTop();
    void unsupportedEmptyListGivesOneEmptyLine();

    void profileSaveReturnsTheEditedTexts();
    void profileSaveWarnsOnEmptyNameAndStaysOpen();
    void profileSaveKeepsBlanksAndMarkup();
    void profileSaveCancelAndCloseReturnZero_data();
    void profileSaveCancelAndCloseReturnZero();

    void saveProjectAnswers_data();
    void saveProjectAnswers();
    void saveProjectDontAskIsStoredAtTheClick_data();
    void saveProjectDontAskIsStoredAtTheClick();
    void saveProjectSwitchedOffAnswersAtOnce();

    void formsHaveTheirTitlesAndNoHelpButton();
};

void TestSmallDialogs::init()
{
    WriteSettingInt(ShowSaveProjectKey, 1);
}

void TestSmallDialogs::unsupportedListsPathsInOrderFromTheTop()
{
    // Markup in a path is shown as typed; enough paths that the box has to scroll.
    QStringList files = { QStringLiteral("/photos/b.xyz"), QStringLiteral("/photos/<b>a</b>.xyz"),
        QStringLiteral("/photos/c &amp; d.xyz") };
    for (int index = 0; index < 60; ++index)
        files << QStringLiteral("/photos/more/%1.bin").arg(index);
    const SListShown shown = ShowUnsupported(files);
    QCOMPARE(shown.result, int(QDialog::Accepted));
    QCOMPARE(shown.text, files.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    QCOMPARE(shown.lines, files.size() + 1); // the last one empty
    QCOMPARE(shown.scroll, 0);
    QCOMPARE(shown.cursor, 0);
}

void TestSmallDialogs::unsupportedEmptyListGivesOneEmptyLine()
{
    const SListShown shown = ShowUnsupported({});
    QCOMPARE(shown.text, QString());
    QCOMPARE(shown.lines, 1);
}

void TestSmallDialogs::profileSaveReturnsTheEditedTexts()
{
    CDialogProfileSave dialog;
    dialog.name = QStringLiteral("profile");
    dialog.description = QStringLiteral("old");
    QString presetName;
    QString presetDescription;
    WhenShown([&]() {
        auto *name = Child<QLineEdit>(&dialog, "editName");
        auto *description = Child<QPlainTextEdit>(&dialog, "editDesc");
        presetName = name->text();
        presetDescription = description->toPlainText();
        name->setText(QStringLiteral("Web sized"));
        description->setPlainText(QString());
        Click(&dialog, "buttonOk");
    });
    QCOMPARE(dialog.exec(), 1);
    QCOMPARE(presetName, QStringLiteral("profile"));
    QCOMPARE(presetDescription, QStringLiteral("old"));
    QCOMPARE(dialog.name, QStringLiteral("Web sized"));
    QCOMPARE(dialog.description, QString());
}

void TestSmallDialogs::profileSaveWarnsOnEmptyNameAndStaysOpen()
{
    CDialogProfileSave dialog;
    QString warning;
    bool stillOpen = false;
    QString keptDescription;
    WhenShown([&]() {
        Child<QPlainTextEdit>(&dialog, "editDesc")->setPlainText(QStringLiteral("typed"));
        // The warning is modal too: answer it from inside its own loop.
        WhenShown([&]() {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box) {
                warning = box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        Click(&dialog, "buttonOk");
        stillOpen = dialog.isVisible();
        keptDescription = Child<QPlainTextEdit>(&dialog, "editDesc")->toPlainText();
        Click(&dialog, "buttonCancel");
    });
    QCOMPARE(dialog.exec(), 0);
    QCOMPARE(warning, QStringLiteral("Please specify a name for the new profile"));
    QVERIFY(stillOpen);
    QCOMPARE(keptDescription, QStringLiteral("typed"));
}

void TestSmallDialogs::profileSaveKeepsBlanksAndMarkup()
{
    // A description with markup, as the profile chooser hands it over for editing, must come
    // back unchanged when the user only presses OK.
    CDialogProfileSave dialog;
    dialog.name = QStringLiteral("   ");
    dialog.description = QStringLiteral("<b>Bold</b> & <i>tags</i>\nsecond line");
    const QString description = dialog.description;
    WhenShown([&]() { Click(&dialog, "buttonOk"); });
    QCOMPARE(dialog.exec(), 1);
    QCOMPARE(dialog.name, QStringLiteral("   "));
    QCOMPARE(dialog.description, description);
}

void TestSmallDialogs::profileSaveCancelAndCloseReturnZero_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Cancel") << -1;
    QTest::newRow("Escape") << int(ELeave::Escape);
    QTest::newRow("window closed") << int(ELeave::CloseWindow);
}

void TestSmallDialogs::profileSaveCancelAndCloseReturnZero()
{
    QFETCH(int, how);
    CDialogProfileSave dialog;
    dialog.name = QStringLiteral("kept");
    WhenShown([&]() {
        Child<QLineEdit>(&dialog, "editName")->setText(QStringLiteral("typed"));
        if (how < 0)
            Click(&dialog, "buttonCancel");
        else
            Leave(&dialog, ELeave(how));
    });
    QCOMPARE(dialog.exec(), 0);
    QCOMPARE(dialog.name, QStringLiteral("kept"));
}

void TestSmallDialogs::saveProjectAnswers_data()
{
    QTest::addColumn<QString>("button"); // empty: leave by `how`
    QTest::addColumn<int>("how");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("no");
    QTest::addColumn<bool>("cancel");
    QTest::newRow("Yes") << "buttonYes" << 0 << 1 << true << false << false;
    QTest::newRow("No") << "buttonNo" << 0 << 1 << false << true << false;
    QTest::newRow("Cancel") << "buttonCancel" << 0 << 1 << false << false << true;
    QTest::newRow("Escape") << "" << int(ELeave::Escape) << 0 << false << false << true;
    QTest::newRow("window closed") << "" << int(ELeave::CloseWindow) << 0 << false << false << true;
}

void TestSmallDialogs::saveProjectAnswers()
{
    QFETCH(QString, button);
    QFETCH(int, how);
    CDialogSaveProject dialog;
    bool shown = false;
    WhenShown([&]() {
        shown = dialog.isVisible();
        if (button.isEmpty())
            Leave(&dialog, ELeave(how));
        else
            Click(&dialog, qPrintable(button));
    });
    QTEST(dialog.exec(), "result");
    QVERIFY(shown);
    QTEST(dialog.yes, "yes");
    QTEST(dialog.no, "no");
    QTEST(dialog.cancel, "cancel");
    QCOMPARE(ReadSettingInt(ShowSaveProjectKey, -1), 1);
}

void TestSmallDialogs::saveProjectDontAskIsStoredAtTheClick_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("stored");
    QTest::newRow("ticked, then Cancel") << 1 << 0;
    QTest::newRow("ticked and unticked, then Cancel") << 2 << 1;
}

void TestSmallDialogs::saveProjectDontAskIsStoredAtTheClick()
{
    QFETCH(int, clicks);
    CDialogSaveProject dialog;
    WhenShown([&]() {
        for (int click = 0; click < clicks; ++click)
            Click(&dialog, "checkAsk");
        Click(&dialog, "buttonCancel");
    });
    dialog.exec();
    QVERIFY(dialog.cancel);
    QTEST(ReadSettingInt(ShowSaveProjectKey, -1), "stored");
}

void TestSmallDialogs::saveProjectSwitchedOffAnswersAtOnce()
{
    WriteSettingInt(ShowSaveProjectKey, 0);
    CDialogSaveProject dialog;
    bool shown = false;
    // Would answer the question if it were shown, and fail the test through `shown`.
    QTimer guard;
    guard.setInterval(0);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&]() {
        if (dialog.isVisible()) {
            shown = true;
            Click(&dialog, "buttonNo");
        }
    });
    guard.start();
    QCOMPARE(dialog.exec(), 1);
    QVERIFY(!shown);
    QVERIFY(!dialog.yes);
    QVERIFY(!dialog.no);
    QVERIFY(!dialog.cancel);
}

void TestSmallDialogs::formsHaveTheirTitlesAndNoHelpButton()
{
    CDialogUnsupportedFormat unsupported;
    CDialogProfileSave profile;
    CDialogSaveProject project;
    QCOMPARE(unsupported.windowTitle(), QStringLiteral("Unsupported Formats"));
    QCOMPARE(unsupported.objectName(), QStringLiteral("DialogUnsupportedFormat"));
    QCOMPARE(profile.windowTitle(), QStringLiteral("Profile's Properties"));
    QCOMPARE(profile.minimumSize(), QSize(290, 245));
    QCOMPARE(profile.maximumSize(), QSize(290, 245));
    QCOMPARE(project.windowTitle(), QStringLiteral("Save Settings?"));
    for (const QDialog *dialog : { static_cast<QDialog *>(&unsupported),
             static_cast<QDialog *>(&profile), static_cast<QDialog *>(&project) })
        QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
}

QUENDRASIL_TEST_MAIN(TestSmallDialogs, QApplication)
#include "tst_smalldialogs.moc"
