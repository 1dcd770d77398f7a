#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "BatchCore.h"
#include "DialogGSWarning.h"
#include "DialogOverwrite.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "ProcessController.h"
#include "UserProfile.h"
#include "platform/DesktopOpen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <limits>

namespace {

constexpr int RunTimeoutMs = 120000;

// Answers the modal windows of a run as a user would: the overwrite question with the
// given button, the abort question with the next of the given choices.
class CModalAnswerer : public QObject
{
public:
    QString overwriteButton = QStringLiteral("buttonYesAll");
    QList<QMessageBox::StandardButton> abortChoices;
    QStringList questionsSeen;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        if (auto *question = qobject_cast<CDialogOverwrite *>(watched)) {
            const QString name = overwriteButton;
            QTimer::singleShot(0, question,
                [question, name]() { question->findChild<QPushButton *>(name)->click(); });
        } else if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            questionsSeen.append(box->text());
            const QMessageBox::StandardButton choice
                = abortChoices.isEmpty() ? QMessageBox::No : abortChoices.takeFirst();
            QTimer::singleShot(0, box, [box, choice]() { box->button(choice)->click(); });
        }
        return false;
    }
};

QString WritePhoto(const QString &path)
{
    QImage photo(64, 48, QImage::Format_RGB32);
    photo.fill(QColor(30, 120, 200));
    return photo.save(path, "JPEG") ? path : QString();
}

bool WriteOld(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("old") == 3;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template<typename T> T *Child(QWidget *dialog, const char *name)
{
    return dialog->findChild<T *>(QLatin1String(name));
}

} // namespace

class TestProcessController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void existingOutputsAreAskedOnceAndReplacedWithYesToAll();
    void cancelWhilePausedAsksAndAbortsOnlyOnYes();
    void hiddenRunIsTransparentAsksNothingAndClosesItself();
    void noPhotosLeavesADialogThatCloses();
    void ghostscriptNoticeIsShownOncePerFormat();
    void uploadProgressIsShown();

private:
    QStringList AddPhotos(const QString &stem, int count, bool existingOutputs);
    QString Out(const QString &name) const { return outFolder + QLatin1Char('/') + name; }

    QTemporaryDir root;
    QString sourceFolder;
    QString outFolder;
    CModalAnswerer answerer;
};

void TestProcessController::initTestCase()
{
    QVERIFY(root.isValid());
    CUserProfile::instance()->LoadSettings();
    Platform::SetLocalPathOpener([](const QString &) { return true; });
    qApp->installEventFilter(&answerer);
}

void TestProcessController::cleanupTestCase()
{
    qApp->removeEventFilter(&answerer);
    Platform::SetLocalPathOpener({});
}

void TestProcessController::init()
{
    static int caseNumber = 0;
    ++caseNumber;
    sourceFolder = root.filePath(QStringLiteral("case%1/in").arg(caseNumber));
    outFolder = root.filePath(QStringLiteral("case%1/out").arg(caseNumber));
    QVERIFY(QDir().mkpath(sourceFolder));
    QVERIFY(QDir().mkpath(outFolder));
    answerer.overwriteButton = QStringLiteral("buttonYesAll");
    answerer.abortChoices.clear();
    answerer.questionsSeen.clear();

    CListImages::instance()->Clear();
    CListFilters::instance()->Clear();
    CUserProfile *profile = CUserProfile::instance();
    profile->ClearScriptState();
    profile->OutputOptions = SOutputOptions();
    profile->OutputOptions.DestPath = outFolder;
    profile->OutputOptions.OutputFormat = QStringLiteral("PNG");
    profile->UpdateOutputExtension();
    profile->RenameOptions = SRenameOptions();
    profile->RebuildRenameSettings();
    profile->UseMulticore = true;
    profile->QdvLog = false;
}

void TestProcessController::cleanup()
{
    CUserProfile::instance()->OutputOptions.HideProcessing = false;
}

QStringList TestProcessController::AddPhotos(const QString &stem, int count, bool existingOutputs)
{
    QStringList photos;
    QStringList rejected;
    for (int index = 0; index < count; ++index) {
        const QString photo
            = WritePhoto(sourceFolder + QStringLiteral("/%1%2.jpg").arg(stem).arg(index));
        photos << photo;
        CListImages::instance()->AddImage(photo, rejected);
        if (existingOutputs)
            WriteOld(Out(QStringLiteral("%1%2.png").arg(stem).arg(index)));
    }
    return rejected.isEmpty() ? photos : QStringList();
}

void TestProcessController::existingOutputsAreAskedOnceAndReplacedWithYesToAll()
{
    QCOMPARE(AddPhotos(QStringLiteral("y"), 3, true).size(), 3);

    CProcessController dialog;
    QSignalSpy questions(dialog.Core(), &CBatchCore::OverwriteQuestion);
    QSignalSpy previews(&dialog, &CProcessController::Panel1StartPreview);
    dialog.show();
    QCOMPARE(Child<QPushButton>(&dialog, "buttonOKCancel")->text(), QStringLiteral("Cancel"));
    QVERIFY(QTest::qWaitFor([&dialog]() { return dialog.Core()->IsFinished(); }, RunTimeoutMs));

    QCOMPARE(questions.count(), 1);
    for (int index = 0; index < 3; ++index) {
        const QImage written(Out(QStringLiteral("y%1.png").arg(index)));
        QCOMPARE(written.size(), QSize(64, 48));
    }
    const QProgressBar *progress = Child<QProgressBar>(&dialog, "progressBar");
    QCOMPARE(progress->maximum(), 6); // 2 operations per photo, no filter
    QCOMPARE(progress->value(), 6);
    QCOMPARE(Child<QLabel>(&dialog, "textProgressCount")->text(), QStringLiteral("3 / 3"));
    QVERIFY(dialog.windowTitle().endsWith(QStringLiteral("Processing (100%)")));
    const QString log = Child<QPlainTextEdit>(&dialog, "editProcessLog")->toPlainText();
    QVERIFY2(
        log.contains(QStringLiteral("Processing 3 images with 0 graphical filter(s) per image.")),
        qPrintable(log));
    QVERIFY(log.contains(QStringLiteral("Process completed without errors.")));
    QVERIFY(log.contains(QStringLiteral("Time elapsed: ")));
    QVERIFY(!log.contains(QStringLiteral("interrupted")));
    QCOMPARE(Child<QPushButton>(&dialog, "buttonOKCancel")->text(), QStringLiteral("OK"));
    QVERIFY(Child<QPushButton>(&dialog, "buttonPause")->isHidden());
    QVERIFY(!Child<QLabel>(&dialog, "linkShowLog")->isHidden());
    QCOMPARE(previews.count(), 1);

    // Done: OK is the default, so Return closes without asking.
    QVERIFY(dialog.isVisible());
    QVERIFY(Child<QPushButton>(&dialog, "buttonOKCancel")->isDefault());
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QVERIFY(answerer.questionsSeen.isEmpty());
}

void TestProcessController::cancelWhilePausedAsksAndAbortsOnlyOnYes()
{
    // One worker with three photos: paused at once, it cannot finish the run on its own.
    CUserProfile::instance()->UseMulticore = false;
    const QStringList photos = AddPhotos(QStringLiteral("a"), 3, false);
    QCOMPARE(photos.size(), 3);

    CProcessController dialog;
    dialog.show();
    QPushButton *pause = Child<QPushButton>(&dialog, "buttonPause");
    QPushButton *cancel = Child<QPushButton>(&dialog, "buttonOKCancel");
    pause->click();
    QCOMPARE(pause->text(), QStringLiteral("Resume"));
    QVERIFY(dialog.Core()->IsPaused());

    answerer.abortChoices = { QMessageBox::No };
    cancel->click();
    QCOMPARE(answerer.questionsSeen,
        QStringList { QStringLiteral("Photo processing not completed. Abort the operation?") });
    QVERIFY(dialog.Core()->IsRunning());
    QVERIFY(dialog.isVisible());

    answerer.abortChoices = { QMessageBox::Yes };
    cancel->click();
    QVERIFY(dialog.Core()->IsAborted());
    QVERIFY(QTest::qWaitFor([&dialog]() { return dialog.Core()->IsFinished(); }, RunTimeoutMs));

    const QString log = Child<QPlainTextEdit>(&dialog, "editProcessLog")->toPlainText();
    QVERIFY2(log.contains(QStringLiteral("Process interrupted by the user.")), qPrintable(log));
    QVERIFY(QDir(outFolder).entryList(QDir::Files).size() < 3);
    // The dialog waits for the user to read the summary.
    QVERIFY(dialog.isVisible());
    QCOMPARE(cancel->text(), QStringLiteral("OK"));
    cancel->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(answerer.questionsSeen.size(), 2);
}

void TestProcessController::hiddenRunIsTransparentAsksNothingAndClosesItself()
{
    CUserProfile::instance()->OutputOptions.HideProcessing = true;
    QCOMPARE(AddPhotos(QStringLiteral("h"), 2, true).size(), 2);
    QMainWindow mainWindow;
    mainWindow.show();

    CProcessController dialog(&mainWindow);
    QSignalSpy questions(dialog.Core(), &CBatchCore::OverwriteQuestion);
    dialog.show();
    QCOMPARE(dialog.windowOpacity(), 0.0);
    QCOMPARE(mainWindow.windowOpacity(), 0.0);
    QVERIFY(QTest::qWaitFor([&dialog]() { return dialog.Core()->IsFinished(); }, RunTimeoutMs));

    QCOMPARE(questions.count(), 0);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    // Nothing is replaced without a question.
    QCOMPARE(ReadAll(Out(QStringLiteral("h0.png"))), QByteArray("old"));
    QCOMPARE(ReadAll(Out(QStringLiteral("h1.png"))), QByteArray("old"));
    QVERIFY(answerer.questionsSeen.isEmpty());
}

void TestProcessController::noPhotosLeavesADialogThatCloses()
{
    CProcessController dialog;
    dialog.show();
    QVERIFY(!dialog.Core()->IsRunning());
    QCOMPARE(Child<QPushButton>(&dialog, "buttonOKCancel")->text(), QStringLiteral("OK"));
    QTest::keyClick(&dialog, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(!dialog.isVisible());
    QVERIFY(answerer.questionsSeen.isEmpty());
}

void TestProcessController::ghostscriptNoticeIsShownOncePerFormat()
{
    CUserProfile::instance()->GhostscriptNotice.fill(true);
    QStringList shown;
    CProcessController dialog;
    // The notice is closed as soon as it shows; its text tells which format it was for.
    QTimer poll;
    connect(&poll, &QTimer::timeout, &dialog, [&shown]() {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *notice = qobject_cast<CDialogGSWarning *>(widget);
            if (notice && notice->isVisible()) {
                static const QRegularExpression format(QStringLiteral("read (\\S+) documents"));
                for (QLabel *label : notice->findChildren<QLabel *>()) {
                    const QRegularExpressionMatch match = format.match(label->text());
                    if (match.hasMatch())
                        shown << match.captured(1);
                }
                notice->accept();
            }
        }
    });
    poll.start(10);
    dialog.DisplayGSMessage(QStringLiteral("pdf"));
    dialog.DisplayGSMessage(QStringLiteral("PDF"));
    dialog.DisplayGSMessage(QStringLiteral("eps"));
    dialog.DisplayGSMessage(QStringLiteral("jpg"));
    QCOMPARE(shown, (QStringList { QStringLiteral("PDF"), QStringLiteral("EPS") }));
}

void TestProcessController::uploadProgressIsShown()
{
    CProcessController dialog;
    emit dialog.Core()->UploadStarted(3);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Uploading (0%)"));
    QCOMPARE(Child<QLabel>(&dialog, "textProgressCount")->text(), QStringLiteral("0 / 3"));
    QCOMPARE(Child<QPushButton>(&dialog, "buttonOKCancel")->text(), QStringLiteral("Cancel"));
    emit dialog.Core()->UploadProgress(1, 3, 512.9);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Uploading (33%)"));
    QCOMPARE(Child<QLabel>(&dialog, "textTime")->text(), QStringLiteral("512 KB/s"));
    QCOMPARE(Child<QProgressBar>(&dialog, "progressBar")->value(), 1);
    emit dialog.Core()->UploadProgress(2, 3, std::numeric_limits<double>::infinity());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Uploading (67%)"));
    QCOMPARE(Child<QLabel>(&dialog, "textTime")->text(),
             QString::number(std::numeric_limits<int>::max()) + QStringLiteral(" KB/s"));
}

QUENDRASIL_TEST_MAIN_WITH(TestProcessController, QApplication, InitializeImageEngine)
#include "tst_processcontroller.moc"
