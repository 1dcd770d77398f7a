#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "ControlImage.h"
#include "DialogOverwrite.h"
#include "DialogOverwriteRename.h"
#include "ImageConversion.h"
#include "ImageCache.h"
#include "ProcessThread.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include <functional>

namespace {

// Runs `action` once the dialog's modal loop has started.
void WhenShown(const std::function<void()> &action)
{
    QTimer::singleShot(0, qApp, action);
}

void Click(QWidget *dialog, const char *buttonName)
{
    QPushButton *button = dialog->findChild<QPushButton *>(QLatin1String(buttonName));
    QVERIFY2(button, buttonName);
    button->click();
}

bool WriteBytes(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(QByteArray(size, 'x')) == size;
}

} // namespace

class TestOverwriteDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void eachButtonGivesItsAnswer_data();
    void eachButtonGivesItsAnswer();
    void escapeBeforeAnyButtonAborts();
    void closingBeforeAnyButtonAborts();
    void acceptedRenameAnswersWithTheNewPath();
    void cancelledRenameThenNoKeepsThePath();
    void cancelledRenameThenCloseAborts();
    void renameToATakenNameWarnsAndStaysOpen();
    void renameRefusesNamesThatLeaveTheFolder_data();
    void renameRefusesNamesThatLeaveTheFolder();
    void renameOffersOnlyTheFileName_data();
    void renameOffersOnlyTheFileName();
    void sizeText_data();
    void sizeText();
    void questionShowsPathSizeAndPreview();
    void missingFileShowsNoSizeAndNoPreview();
    void zoomIconsAreCompiledIn_data();
    void zoomIconsAreCompiledIn();

private:
    QString Existing(const QString &name, qint64 size = 10);

    QTemporaryDir root;
};

void TestOverwriteDialogs::initTestCase()
{
    QVERIFY(root.isValid());
}

QString TestOverwriteDialogs::Existing(const QString &name, qint64 size)
{
    const QString path = root.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    if (!WriteBytes(path, size))
        return QString();
    return path;
}

void TestOverwriteDialogs::eachButtonGivesItsAnswer_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answer");

    QTest::newRow("Yes") << "buttonYes" << OverwriteAnswer::Yes;
    QTest::newRow("Yes to All") << "buttonYesAll" << OverwriteAnswer::YesToAll;
    QTest::newRow("No") << "buttonNo" << OverwriteAnswer::No;
    QTest::newRow("No to All") << "buttonNoAll" << OverwriteAnswer::NoToAll;
    QTest::newRow("Abort") << "buttonAbort" << OverwriteAnswer::Abort;
}

void TestOverwriteDialogs::eachButtonGivesItsAnswer()
{
    QFETCH(QString, button);
    QFETCH(int, answer);
    const QString path = Existing(QStringLiteral("answer.jpg"));

    CDialogOverwrite dialog;
    dialog.SetPath(path);
    WhenShown([&dialog, &button]() { Click(&dialog, qPrintable(button)); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.Answer(), answer);
    QCOMPARE(dialog.Path(), path);
}

void TestOverwriteDialogs::escapeBeforeAnyButtonAborts()
{
    CDialogOverwrite dialog;
    dialog.SetPath(Existing(QStringLiteral("escape.jpg")));
    WhenShown([&dialog]() { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.Answer(), OverwriteAnswer::Abort);
}

void TestOverwriteDialogs::closingBeforeAnyButtonAborts()
{
    CDialogOverwrite dialog;
    dialog.SetPath(Existing(QStringLiteral("close.jpg")));
    WhenShown([&dialog]() { dialog.close(); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.Answer(), OverwriteAnswer::Abort);
}

void TestOverwriteDialogs::acceptedRenameAnswersWithTheNewPath()
{
    const QString path = Existing(QStringLiteral("rename/old.jpg"));
    CDialogOverwrite dialog;
    dialog.SetPath(path);
    WhenShown([&dialog]() {
        WhenShown([]() {
            QWidget *rename = QApplication::activeModalWidget();
            QVERIFY(qobject_cast<CDialogOverwriteRename *>(rename));
            rename->findChild<QLineEdit *>(QStringLiteral("editNewName"))
                ->setText(QStringLiteral("new name"));
            Click(rename, "buttonOK");
        });
        Click(&dialog, "buttonRename");
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.Answer(), OverwriteAnswer::Rename);
    QCOMPARE(dialog.Path(), root.filePath(QStringLiteral("rename/new name.jpg")));
}

void TestOverwriteDialogs::cancelledRenameThenNoKeepsThePath()
{
    const QString path = Existing(QStringLiteral("cancel.jpg"));
    CDialogOverwrite dialog;
    dialog.SetPath(path);
    bool stillOpen = false;
    WhenShown([&dialog, &stillOpen]() {
        WhenShown([]() {
            QWidget *rename = QApplication::activeModalWidget();
            QVERIFY(qobject_cast<CDialogOverwriteRename *>(rename));
            rename->findChild<QLineEdit *>(QStringLiteral("editNewName"))
                ->setText(QStringLiteral("other"));
            Click(rename, "buttonCancel");
        });
        Click(&dialog, "buttonRename");
        stillOpen = dialog.isVisible();
        Click(&dialog, "buttonNo");
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(stillOpen);
    QCOMPARE(dialog.Answer(), OverwriteAnswer::No);
    QCOMPARE(dialog.Path(), path);
}

void TestOverwriteDialogs::cancelledRenameThenCloseAborts()
{
    const QString path = Existing(QStringLiteral("cancelclose.jpg"));
    CDialogOverwrite dialog;
    dialog.SetPath(path);
    WhenShown([&dialog]() {
        WhenShown([]() { Click(QApplication::activeModalWidget(), "buttonCancel"); });
        Click(&dialog, "buttonRename");
        dialog.close();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.Answer(), OverwriteAnswer::Abort);
    QCOMPARE(dialog.Path(), path);
}

void TestOverwriteDialogs::renameToATakenNameWarnsAndStaysOpen()
{
    const QString path = Existing(QStringLiteral("taken/photo.jpg"));
    QVERIFY(!Existing(QStringLiteral("taken/other.jpg")).isEmpty());
    CDialogOverwriteRename dialog;
    dialog.SetPath(path);
    QString warning;
    bool stillOpen = false;
    QString typed;
    WhenShown([&]() {
        WhenShown([&warning]() {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            warning = box->text();
            box->done(QMessageBox::Ok);
        });
        QLineEdit *edit = dialog.findChild<QLineEdit *>(QStringLiteral("editNewName"));
        edit->setText(QStringLiteral("other"));
        Click(&dialog, "buttonOK");
        stillOpen = dialog.isVisible();
        typed = edit->text();
        Click(&dialog, "buttonCancel");
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(warning, QStringLiteral("A photo with the same name already exists!"));
    QVERIFY(stillOpen);
    QCOMPARE(typed, QStringLiteral("other"));
    QCOMPARE(dialog.Path(), path);
}

void TestOverwriteDialogs::renameRefusesNamesThatLeaveTheFolder_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("empty") << QString();
    QTest::newRow("slash") << QStringLiteral("../escape");
    QTest::newRow("backslash") << QStringLiteral("sub\\name");
    QTest::newRow("dot") << QStringLiteral(".");
    QTest::newRow("dot dot") << QStringLiteral("..");
    QTest::newRow("absolute") << QStringLiteral("/etc/passwd");
}

void TestOverwriteDialogs::renameRefusesNamesThatLeaveTheFolder()
{
    QFETCH(QString, name);
    const QString path = Existing(QStringLiteral("refuse/photo.jpg"));
    CDialogOverwriteRename dialog;
    dialog.SetPath(path);
    bool stillOpen = false;
    WhenShown([&]() {
        dialog.findChild<QLineEdit *>(QStringLiteral("editNewName"))->setText(name);
        Click(&dialog, "buttonOK");
        stillOpen = dialog.isVisible();
        Click(&dialog, "buttonCancel");
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(stillOpen);
    QCOMPARE(dialog.Path(), path);
}

void TestOverwriteDialogs::renameOffersOnlyTheFileName_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("renamed");
    QTest::newRow("dotted folder and name") << "my.photos/holiday.2024.png" << "holiday.2024"
                                            << "holiday.2025" << "my.photos/holiday.2025.png";
    QTest::newRow("no extension") << "plain.folder/README" << "README" << "NOTES"
                                  << "plain.folder/NOTES";
}

void TestOverwriteDialogs::renameOffersOnlyTheFileName()
{
    QFETCH(QString, existing);
    QFETCH(QString, offered);
    QFETCH(QString, typed);
    QFETCH(QString, renamed);
    CDialogOverwriteRename dialog;
    dialog.SetPath(Existing(existing));
    QString shown;
    WhenShown([&]() {
        QLineEdit *edit = dialog.findChild<QLineEdit *>(QStringLiteral("editNewName"));
        shown = edit->text();
        edit->setText(typed);
        Click(&dialog, "buttonOK");
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(shown, offered);
    QCOMPARE(dialog.Path(), root.filePath(renamed));
}

void TestOverwriteDialogs::sizeText_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("1.5 MiB") << qint64(1572864) << "1.50 MB";
    QTest::newRow("2 KiB") << qint64(2048) << "2.00 KB";
    QTest::newRow("exactly 1 MiB") << qint64(1048576) << "1.00 MB";
    QTest::newRow("one byte short of 1 MiB") << qint64(1048575) << "1024.00 KB";
    QTest::newRow("empty") << qint64(0) << "N/A";
}

void TestOverwriteDialogs::sizeText()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(FileSizeText(bytes), text);
}

void TestOverwriteDialogs::questionShowsPathSizeAndPreview()
{
    const QString path = root.filePath(QStringLiteral("preview.jpg"));
    QImage photo(400, 300, QImage::Format_RGB32);
    photo.fill(QColor(200, 40, 40));
    QVERIFY(photo.save(path, "JPEG"));
    const qint64 size = QFileInfo(path).size();

    CDialogOverwrite dialog;
    dialog.SetPath(path);
    QString info;
    QStringList zooms;
    bool hasPreview = false;
    QSize shown;
    WhenShown([&]() {
        info = dialog.findChild<QTextEdit *>(QStringLiteral("textEditInfo"))->toPlainText();
        const QLabel *percent = dialog.findChild<QLabel *>(QStringLiteral("textZoomPercent"));
        // The preview renders in its own thread; the percent follows each shown render.
        const auto waitFor = [percent](const QString &text) {
            return QTest::qWaitFor([&]() { return percent->text() == text; }, 20000);
        };
        hasPreview = waitFor(QStringLiteral("50%")) && dialog.Preview()->imageLoaded;
        shown = dialog.findChild<QLabel *>(QStringLiteral("viewImage"))->pixmap().size();
        zooms << percent->text();
        Click(&dialog, "buttonMinZoomImage");
        waitFor(QStringLiteral("100%"));
        zooms << percent->text();
        Click(&dialog, "buttonZoomOutImage");
        waitFor(QStringLiteral("67%"));
        zooms << percent->text();
        Click(&dialog, "buttonMaxZoomImage");
        waitFor(QStringLiteral("50%"));
        zooms << percent->text();
        Click(&dialog, "buttonYes");
    });
    dialog.exec();
    QVERIFY2(info.startsWith(QStringLiteral("Image ") + QDir::toNativeSeparators(path)
                 + QStringLiteral("\nalready exists, do you want to overwrite it?\n\nSize: ")),
        qPrintable(info));
    QVERIFY(info.endsWith(FileSizeText(size)));
    QVERIFY(hasPreview);
    QCOMPARE(shown, QSize(201, 151)); // 400 x 300 at 50.25 %
    QCOMPARE(zooms, QStringList({ "50%", "100%", "67%", "50%" }));
}

void TestOverwriteDialogs::missingFileShowsNoSizeAndNoPreview()
{
    CDialogOverwrite dialog;
    dialog.SetPath(root.filePath(QStringLiteral("gone.jpg")));
    QString info;
    bool placeholder = false;
    WhenShown([&]() {
        info = dialog.findChild<QTextEdit *>(QStringLiteral("textEditInfo"))->toPlainText();
        QTest::qWait(200);
        placeholder = !dialog.Preview()->imageLoaded
            && dialog.findChild<QLabel *>(QStringLiteral("viewImage"))->pixmap().cacheKey()
                == dialog.Preview()->PlaceholderPixmap().cacheKey();
        Click(&dialog, "buttonNo");
    });
    dialog.exec();
    QVERIFY(info.endsWith(QStringLiteral("Size: N/A")));
    QVERIFY(placeholder);
    QCOMPARE(dialog.Answer(), OverwriteAnswer::No);
}

void TestOverwriteDialogs::zoomIconsAreCompiledIn_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("highDpi");
    QTest::newRow("light") << false << false;
    QTest::newRow("dark") << true << false;
    QTest::newRow("light @2x") << false << true;
    QTest::newRow("dark @2x") << true << true;
}

void TestOverwriteDialogs::zoomIconsAreCompiledIn()
{
    QFETCH(bool, dark);
    QFETCH(bool, highDpi);
    CImageCache *cache = CImageCache::instance();
    cache->SetDarkTheme(dark);
    cache->SetHighDpi(highDpi);
    const QImage strip = cache->GetImage(QStringLiteral("Icons-Minimal.png"), true, true);
    cache->SetHighDpi(false);
    const int side = highDpi ? 32 : 16;
    // Zoom and keyword icons in the first row, the filter settings' undo and redo below them.
    QCOMPARE(strip.size(), QSize(6 * side, 2 * side));
    // Every icon has a glyph on a transparent ground, light on the dark theme.
    for (int icon = 0; icon < 4; ++icon) {
        int glyphPixels = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = icon * side; x < (icon + 1) * side; ++x) {
                const QRgb pixel = strip.pixel(x, y);
                if (qAlpha(pixel) >= 128) {
                    ++glyphPixels;
                    QCOMPARE(qGray(pixel) > 128, dark);
                }
            }
        }
        QVERIFY2(glyphPixels > side / 2 && glyphPixels < side * side / 2,
            qPrintable(QString::number(icon)));
    }
    QCOMPARE(qAlpha(strip.pixel(side / 2, side / 2)), 0); // between the four fit arrows

    if (!highDpi) {
        const CDialogOverwrite dialog;
        for (const char *name : { "buttonMaxZoomImage", "buttonMinZoomImage", "buttonZoomInImage",
                 "buttonZoomOutImage" })
            QVERIFY2(!dialog.findChild<QPushButton *>(QLatin1String(name))->icon().isNull(), name);
    }
    cache->SetDarkTheme(true);
}

QUENDRASIL_TEST_MAIN_WITH(TestOverwriteDialogs, QApplication, InitializeImageEngine)
#include "tst_overwritedialogs.moc"
