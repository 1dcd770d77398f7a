#include "TestMain.h"

#include "DialogRename.h"
#include "ImageCache.h"
#include "ImageEngineSetup.h"
#include "ListImages.h"
#include "ScriptedUser.h"
#include "UserProfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>

namespace {

const QString SampleFolder = QStringLiteral("/nowhere/Trip");

SImageRecord Sample(const QString &folder = SampleFolder)
{
    SImageRecord record;
    record.folder = folder;
    record.baseName = QStringLiteral("Beach Day");
    record.extension = QStringLiteral("JPG");
    record.pathName = folder + QStringLiteral("/Beach Day.JPG");
    record.sequenceNumber = 4;
    return record;
}

template<typename T> T *Child(QWidget *dialog, const char *name)
{
    T *child = dialog->findChild<T *>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

// Replaces a line edit's or spin box's text by typing, as a user would.
void Type(QWidget *field, const QString &text)
{
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// Ticks or unticks a check box on its indicator: the box may be wider than its text.
void Click(QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator
        = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
}

// Picks a combo item with the keyboard: from the first item down.
void Choose(QComboBox *combo, int index)
{
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), index);
}

// One photo list of `count` records, the sample among them.
void SetPhotos(int count)
{
    QList<SImageRecord> photos;
    for (int i = 0; i < count; ++i) {
        SImageRecord record = Sample();
        record.baseName += QString::number(i);
        record.pathName
            = record.folder + QLatin1Char('/') + record.baseName + QStringLiteral(".JPG");
        photos.append(record);
    }
    CListImages::instance()->SetImages(photos);
}

// A shown dialog for the sample, the job's output kept in each photo's format.
struct SOpenDialog
{
    explicit SOpenDialog(const SImageRecord &sample = Sample())
    {
        dialog.SamplePath = sample.pathName;
        dialog.SampleFolder = sample.folder;
        dialog.SampleBaseName = sample.baseName;
        dialog.SampleExtension = sample.extension;
        dialog.SampleIndex = sample.sequenceNumber;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
    template<typename T> T *operator()(const char *name) { return Child<T>(&dialog, name); }
    QString Preview() { return Child<QLineEdit>(&dialog, "editPreview")->text(); }

    CDialogRename dialog;
};

} // namespace

class TestDialogRename : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void previewFollowsControls_data();
    void previewFollowsControls();
    void previewDateLayouts_data();
    void previewDateLayouts();
    void previewWithCurrentDate();
    void resetCounterLeavesPreview();

    void keywordMenuAppendsAtEnd_data();
    void keywordMenuAppendsAtEnd();
    void removeKeyword_data();
    void removeKeyword();
    void keywordButtonsShowIcons();

    void okStoresControlsInSavedSet();
    void cancelAfterResetLeavesSavedSet_data();
    void cancelAfterResetLeavesSavedSet();
    void runFillsSampleAndAnswers();

private:
    CUserProfile *profile = nullptr;
};

void TestDialogRename::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("No such slot|No matching signal")));
    profile = CUserProfile::instance();
    profile->RenameOptions = SRenameOptions();
    profile->RenameSettings = SRenameSettings();
    profile->RenameSettings.ApplyOptions(profile->RenameOptions);
    profile->OutputOptions.OutputFormat = SOutputOptions::KeepOriginalFormat();
    SetPhotos(3);
}

void TestDialogRename::previewFollowsControls_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("photos");
    QTest::addColumn<int>("caseItem");
    QTest::addColumn<bool>("untickLowerExt");
    QTest::addColumn<QString>("start"); // empty: leave the control alone
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replace");
    QTest::addColumn<QString>("expected");

    const QString none;
    QTest::newRow("file name") << "[Filename]" << 3 << 0 << false << none << none << none << none
                               << none << "Beach Day.jpg";
    QTest::newRow("keywords in any case") << "[FILENAME]-[extension]" << 3 << 0 << false << none
                                          << none << none << none << none << "Beach Day-jpg.jpg";
    QTest::newRow("folder name gets the counter")
        << "[FolderName]" << 3 << 0 << false << none << none << none << none << none
        << "Trip (05).jpg";
    QTest::newRow("one photo needs no counter")
        << "[FolderName]" << 1 << 0 << false << none << none << none << none << none << "Trip.jpg";
    QTest::newRow("counter start, step, digits") << "img_[Counter]" << 3 << 0 << false << "10"
                                                 << "5"
                                                 << "4" << none << none << "img_0030.jpg";
    QTest::newRow("negative step") << "[Counter]" << 3 << 0 << false << "0"
                                   << "-3"
                                   << "3" << none << none << "-012.jpg";
    QTest::newRow("lower case") << "[Filename] X" << 3 << 1 << false << none << none << none << none
                                << none << "beach day x.jpg";
    QTest::newRow("upper case, lower-case extension")
        << "[Filename]" << 3 << 2 << false << none << none << none << none << none
        << "BEACH DAY.jpg";
    QTest::newRow("upper case extension too") << "[Filename]" << 3 << 2 << true << none << none
                                              << none << none << none << "BEACH DAY.JPG";
    QTest::newRow("mixed case") << "[Filename] the END" << 3 << 3 << false << none << none << none
                                << none << none << "Beach Day The End.jpg";
    QTest::newRow("search ignores case")
        << "[Filename]" << 3 << 0 << false << none << none << none << "day"
        << "Night"
        << "Beach Night.jpg";
    QTest::newRow("replace with nothing")
        << "[Filename]" << 3 << 0 << false << none << none << none << "Beach " << none << "Day.jpg";
    QTest::newRow("slash in a replacement stays in the folder")
        << "[Filename]" << 3 << 0 << false << none << none << none << " "
        << "/"
        << "Beach_Day.jpg";
}

void TestDialogRename::previewFollowsControls()
{
    QFETCH(QString, pattern);
    QFETCH(int, photos);
    QFETCH(int, caseItem);
    QFETCH(bool, untickLowerExt);
    QFETCH(QString, start);
    QFETCH(QString, step);
    QFETCH(QString, digits);
    QFETCH(QString, search);
    QFETCH(QString, replace);
    QFETCH(QString, expected);

    SetPhotos(photos);
    SOpenDialog open;
    Type(open.operator()<QLineEdit>("editKeywords"), pattern);
    if (!start.isEmpty())
        Type(open.operator()<QSpinBox>("spinStartAt"), start);
    if (!step.isEmpty())
        Type(open.operator()<QSpinBox>("spinStepBy"), step);
    if (!digits.isEmpty())
        Type(open.operator()<QSpinBox>("spinDigits"), digits);
    if (!search.isEmpty())
        Type(open.operator()<QLineEdit>("editSearchFor"), search);
    if (!replace.isEmpty())
        Type(open.operator()<QLineEdit>("editReplaceWith"), replace);
    // The control under test comes last, so that its own signal must bring the preview.
    if (untickLowerExt)
        Click(open.operator()<QCheckBox>("checkLowerCaseExt"));
    if (caseItem != 0)
        Choose(open.operator()<QComboBox>("comboChangeCasesTo"), caseItem);

    QCOMPARE(open.Preview(), expected);
    // The preview works on the working set only.
    QCOMPARE(profile->RenameSettings.GeneratedName, expected);
    QCOMPARE(profile->RenameOptions, SRenameOptions());
}

void TestDialogRename::previewDateLayouts_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<int>("dateFormat");
    QTest::addColumn<int>("showTime");
    QTest::addColumn<int>("timeFormat");
    QTest::addColumn<QString>("expected");

    // The sample is no photo that states a date: its modification time stands in, and
    // without a file 1 January 1900 at midnight.
    QTest::newRow("no file: the first day of 1900")
        << false << 0 << 0 << 0 << "Jan-01-1900 12-00 AM";
    QTest::newRow("MMM-DD-YYYY, no time") << true << 0 << 2 << 0 << "Mar-07-2021";
    QTest::newRow("DD-MMM-YY, AM/PM") << true << 3 << 0 << 0 << "07-Mar-21 03-04 PM";
    QTest::newRow("YYYY-MMM-DD, AM/PM with seconds")
        << true << 4 << 0 << 1 << "2021-Mar-07 03-04-05 PM";
    QTest::newRow("DD-MM-YYYY, 24h") << true << 8 << 1 << 0 << "07-03-2021 15-04";
    QTest::newRow("YYYY-MM-DD, 24h with seconds") << true << 10 << 1 << 1 << "2021-03-07 15-04-05";
    QTest::newRow("YY-MM-DD, no time") << true << 11 << 2 << 1 << "21-03-07";
}

void TestDialogRename::previewDateLayouts()
{
    QFETCH(bool, fileExists);
    QFETCH(int, dateFormat);
    QFETCH(int, showTime);
    QFETCH(int, timeFormat);
    QFETCH(QString, expected);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    SImageRecord sample = Sample(fileExists ? folder.path() : SampleFolder);
    if (fileExists) {
        QFile file(sample.pathName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a photo");
        file.flush(); // else closing the file stamps it anew
        QVERIFY(file.setFileTime(
            QDateTime(QDate(2021, 3, 7), QTime(15, 4, 5)), QFileDevice::FileModificationTime));
    }

    SOpenDialog open(sample);
    Type(open.operator()<QLineEdit>("editKeywords"), QStringLiteral("[DateTime]"));
    Choose(open.operator()<QComboBox>("comboDateFormat"), dateFormat);
    Choose(open.operator()<QComboBox>("comboTimeFormat"), timeFormat);
    Choose(open.operator()<QComboBox>("comboShowTimeAs"), showTime);
    QCOMPARE(open.Preview(), expected + QStringLiteral(".jpg"));
}

void TestDialogRename::previewWithCurrentDate()
{
    SOpenDialog open;
    Type(open.operator()<QLineEdit>("editKeywords"), QStringLiteral("[DateTime]"));
    Choose(open.operator()<QComboBox>("comboDateFormat"), 10);
    Choose(open.operator()<QComboBox>("comboShowTimeAs"), 2);
    const QString before = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd.jpg"));
    Choose(open.operator()<QComboBox>("comboUse"), 1);
    const QString after = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd.jpg"));
    QVERIFY2(open.Preview() == before || open.Preview() == after, qPrintable(open.Preview()));
}

void TestDialogRename::resetCounterLeavesPreview()
{
    SOpenDialog open;
    Type(open.operator()<QLineEdit>("editKeywords"), QStringLiteral("[Counter]"));
    const QString preview = open.Preview();
    const SRenameSettings working = profile->RenameSettings;
    Click(open.operator()<QCheckBox>("checkResetCounter"));
    QVERIFY(open.operator()<QCheckBox>("checkResetCounter")->isChecked());
    QCOMPARE(open.Preview(), preview);
    QCOMPARE(profile->RenameSettings, working);
}

void TestDialogRename::keywordMenuAppendsAtEnd_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("file name") << "Source Filename"
                               << "x_[Filename]"
                               << "x_Beach Day.jpg";
    QTest::newRow("folder name") << "Source Folder Name"
                                 << "x_[FolderName]"
                                 << "x_Trip (05).jpg";
    QTest::newRow("extension") << "Source Extension"
                               << "x_[Extension]"
                               << "x_jpg (05).jpg";
    QTest::newRow("counter") << "Counter"
                             << "x_[Counter]"
                             << "x_05.jpg";
    QTest::newRow("date") << "Date/Time"
                          << "x_[DateTime]"
                          << "x_Jan-01-1900 12-00 AM.jpg";
}

void TestDialogRename::keywordMenuAppendsAtEnd()
{
    QFETCH(QString, entry);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    CScriptedUser user;
    qApp->installEventFilter(&user);
    SOpenDialog open;
    auto *keywords = open.operator()<QLineEdit>("editKeywords");
    Type(keywords, QStringLiteral("x_"));
    QTest::keyClick(keywords, Qt::Key_Home); // the cursor's place does not matter
    user.menuChoice = entry;
    QTest::mouseClick(open.operator()<QCommandLinkButton>("buttonAddKeyword"), Qt::LeftButton);
    qApp->removeEventFilter(&user);
    QVERIFY(user.Done());
    QCOMPARE(keywords->text(), text);
    QCOMPARE(open.Preview(), expected);
}

void TestDialogRename::removeKeyword_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("afterEachPress");

    QTest::newRow("prefix and counter")
        << "IMG_[Counter]" << QStringList { QStringLiteral("IMG_"), QString() };
    QTest::newRow("literal after a keyword")
        << "[Filename] copy" << QStringList { QStringLiteral("[Filename]"), QString() };
    QTest::newRow("two keywords") << "[Filename][Counter]"
                                  << QStringList { QStringLiteral("[Filename]"), QString() };
    QTest::newRow("no keyword") << "plain" << QStringList { QString(), QString() };
    QTest::newRow("closing bracket without opening")
        << "odd]" << QStringList { QStringLiteral("odd]"), QStringLiteral("odd]") };
}

void TestDialogRename::removeKeyword()
{
    QFETCH(QString, text);
    QFETCH(QStringList, afterEachPress);

    SOpenDialog open;
    auto *keywords = open.operator()<QLineEdit>("editKeywords");
    auto *remove = open.operator()<QCommandLinkButton>("buttonRemoveKeyword");
    Type(keywords, text);
    for (const QString &expected : afterEachPress) {
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(keywords->text(), expected);
        QCOMPARE(profile->RenameSettings.Pattern, expected + QStringLiteral(".[Extension]"));
    }
}

// The keyword buttons carry no text: their icons, in either theme, are all a user sees.
void TestDialogRename::keywordButtonsShowIcons()
{
    for (const bool dark : { false, true }) {
        CImageCache::instance()->SetDarkTheme(dark);
        SOpenDialog open;
        QImage previous;
        for (const char *name : { "buttonAddKeyword", "buttonRemoveKeyword" }) {
            const QImage icon = open.operator()<QCommandLinkButton>(name)
                                    ->icon()
                                    .pixmap(QSize(16, 16))
                                    .toImage()
                                    .convertToFormat(QImage::Format_ARGB32);
            int inked = 0;
            for (int y = 0; y < icon.height(); ++y)
                for (int x = 0; x < icon.width(); ++x)
                    inked += qAlpha(icon.pixel(x, y)) > 128;
            QVERIFY2(inked > 10, name);
            QVERIFY(icon != previous);
            previous = icon;
        }
    }
    CImageCache::instance()->SetDarkTheme(false);
}

void TestDialogRename::okStoresControlsInSavedSet()
{
    profile->RenameOptions.PresetRename = 1;
    profile->RenameSettings.ApplyOptions(profile->RenameOptions);
    {
        SOpenDialog open;
        Type(open.operator()<QLineEdit>("editKeywords"), QStringLiteral("[FolderName]_[Counter]"));
        Choose(open.operator()<QComboBox>("comboChangeCasesTo"), 2);
        Click(open.operator()<QCheckBox>("checkLowerCaseExt"));
        Type(open.operator()<QSpinBox>("spinStartAt"), QStringLiteral("7"));
        Type(open.operator()<QSpinBox>("spinStepBy"), QStringLiteral("-2"));
        Type(open.operator()<QSpinBox>("spinDigits"), QStringLiteral("5"));
        Click(open.operator()<QCheckBox>("checkResetCounter"));
        Choose(open.operator()<QComboBox>("comboUse"), 1);
        Choose(open.operator()<QComboBox>("comboDateFormat"), 9);
        Choose(open.operator()<QComboBox>("comboShowTimeAs"), 1);
        Choose(open.operator()<QComboBox>("comboTimeFormat"), 1);
        Type(open.operator()<QLineEdit>("editSearchFor"), QStringLiteral("TRIP"));
        Type(open.operator()<QLineEdit>("editReplaceWith"), QStringLiteral("Tour"));
        // While the dialog is open the scheme is the custom one, whatever the job's preset.
        QCOMPARE(profile->RenameSettings.Preset, 3);
        QCOMPARE(open.Preview(), QStringLiteral("Tour_-00001.JPG"));
        QTest::mouseClick(open.operator()<QPushButton>("buttonOK"), Qt::LeftButton);
        QCOMPARE(open.dialog.result(), int(QDialog::Accepted));
    }

    SRenameOptions expected;
    expected.FilenameFormat = QStringLiteral("[FolderName]_[Counter]");
    expected.PresetRename = 1; // the opener's business
    expected.ChangeCase = 2;
    expected.LowerCaseExt = false;
    expected.CounterStart = 7;
    expected.CountStep = -2;
    expected.CounterDigits = 5;
    expected.CounterReset = true;
    expected.DateType = 1;
    expected.DateFormat = 9;
    expected.ShowTime = 1;
    expected.TimeFormat = 1;
    expected.SearchFor = QStringLiteral("TRIP");
    expected.ReplaceWith = QStringLiteral("Tour");
    QCOMPARE(profile->RenameOptions, expected);

    // Opened again, the dialog shows what was stored.
    SOpenDialog again;
    QCOMPARE(again.operator()<QLineEdit>("editKeywords")->text(), expected.FilenameFormat);
    QCOMPARE(again.operator()<QComboBox>("comboChangeCasesTo")->currentIndex(), 2);
    QVERIFY(!again.operator()<QCheckBox>("checkLowerCaseExt")->isChecked());
    QCOMPARE(again.operator()<QSpinBox>("spinStepBy")->value(), -2);
    QVERIFY(again.operator()<QCheckBox>("checkResetCounter")->isChecked());
    QCOMPARE(again.operator()<QComboBox>("comboDateFormat")->currentIndex(), 9);
    QCOMPARE(again.operator()<QComboBox>("comboShowTimeAs")->currentIndex(), 1);
    QCOMPARE(again.operator()<QComboBox>("comboTimeFormat")->currentIndex(), 1);
    QCOMPARE(again.operator()<QLineEdit>("editReplaceWith")->text(), expected.ReplaceWith);
}

void TestDialogRename::cancelAfterResetLeavesSavedSet_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("Escape") << true;
}

void TestDialogRename::cancelAfterResetLeavesSavedSet()
{
    QFETCH(bool, escape);

    SRenameOptions saved;
    saved.FilenameFormat = QStringLiteral("Holiday [Counter]");
    saved.PresetRename = 2;
    saved.CounterStart = 40;
    saved.ChangeCase = 1;
    saved.SearchFor = QStringLiteral("a");
    profile->RenameOptions = saved;
    profile->RenameSettings.ApplyOptions(saved);
    SRenameSettings expectedWorking = profile->RenameSettings;

    SOpenDialog open;
    QTest::mouseClick(open.operator()<QPushButton>("buttonReset"), Qt::LeftButton);
    QCOMPARE(open.operator()<QLineEdit>("editKeywords")->text(), QStringLiteral("[Filename]"));
    QCOMPARE(open.operator()<QSpinBox>("spinStartAt")->value(), 1);
    QCOMPARE(open.Preview(), QStringLiteral("Beach Day.jpg"));
    if (escape)
        QTest::keyClick(&open.dialog, Qt::Key_Escape);
    else
        QTest::mouseClick(open.operator()<QPushButton>("buttonCancel"), Qt::LeftButton);
    QCOMPARE(open.dialog.result(), int(QDialog::Rejected));

    QCOMPARE(profile->RenameOptions, saved);
    // The working set takes the saved choice again; what the preview left about the sample
    // stays, as it does after any preview.
    const SRenameSettings &working = profile->RenameSettings;
    SRenameSettings fromSaved = working;
    fromSaved.ApplyOptions(saved);
    QCOMPARE(working, fromSaved);
    QCOMPARE(working.Preset, 2);
    QCOMPARE(working.Pattern, expectedWorking.Pattern);
}

void TestDialogRename::runFillsSampleAndAnswers()
{
    CScriptedUser user;
    qApp->installEventFilter(&user);
    QString seen;
    user.dialogSteps.append([&seen](QDialog *dialog) {
        seen = Child<QLineEdit>(dialog, "editPreview")->text();
        auto *keywords = Child<QLineEdit>(dialog, "editKeywords");
        QTest::keyClick(keywords, Qt::Key_End); // the text comes selected
        QTest::keyClicks(keywords, QStringLiteral(" [Counter]"));
        QTest::keyClick(keywords, Qt::Key_Return); // OK is the default button
    });
    user.dialogSteps.append([](QDialog *dialog) {
        Type(Child<QLineEdit>(dialog, "editKeywords"), QStringLiteral("lost"));
        QTest::mouseClick(Child<QPushButton>(dialog, "buttonCancel"), Qt::LeftButton);
    });
    QWidget parent;
    QVERIFY(CDialogRename::Run(&parent, Sample()));
    QVERIFY(!CDialogRename::Run(&parent, Sample()));
    qApp->removeEventFilter(&user);
    QVERIFY(user.Done());
    QCOMPARE(user.dialogsSeen, QStringList({ "CDialogRename", "CDialogRename" }));
    QCOMPARE(seen, QStringLiteral("Beach Day.jpg"));
    QCOMPARE(profile->RenameOptions.FilenameFormat, QStringLiteral("[Filename] [Counter]"));
    QCOMPARE(profile->RenameSettings.Pattern, QStringLiteral("[Filename] [Counter].[Extension]"));
}

QUENDRASIL_TEST_MAIN_WITH(TestDialogRename, QApplication, InitializeImageEngine)

#include "tst_dialogrename.moc"
