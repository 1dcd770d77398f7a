#include "TestMain.h"

#include "DialogSearch.h"
#include "Folders.h"
#include "Settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

const QString PathKey = QStringLiteral("GUI/SearchAdd.Path");
const QString MaskKey = QStringLiteral("GUI/SearchAdd.Mask");
const QString SubfoldersKey = QStringLiteral("GUI/SearchAdd.InSubfolders");

// Answers the folder chooser with `answer` (empty: cancel) and notes how it was opened.
class CChooserUser : public QObject
{
public:
    QString answer;
    QString caption;
    QString startFolder;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *chooser = qobject_cast<QFileDialog *>(watched);
        if (!chooser || event->type() != QEvent::Show)
            return false;
        caption = chooser->windowTitle();
        startFolder = chooser->directory().absolutePath();
        QTimer::singleShot(0, chooser, [chooser, folder = answer]() {
            if (folder.isEmpty())
                return chooser->reject();
            chooser->selectFile(folder);
            QMetaObject::invokeMethod(chooser, "accept");
        });
        return false;
    }
};

template<typename T = QWidget> T *Child(const QWidget *dialog, const char *name)
{
    T *child = dialog->findChild<T *>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

void ClickOn(const QWidget *dialog, const char *name)
{
    QWidget *widget = Child(dialog, name);
    // A check box reacts only on its box and text, which start at its left edge.
    const QPoint at = qobject_cast<QCheckBox *>(widget) ? QPoint(8, widget->height() / 2)
                                                        : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void TypeInto(QWidget *field, const QString &text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

QString PathField(const QWidget *dialog)
{
    return Child<QLineEdit>(dialog, "editSearchPath")->text();
}

QString MaskField(const QWidget *dialog)
{
    return Child<QComboBox>(dialog, "comboSearchMask")->currentText();
}

// Runs the dialog: `act` runs once it is open and should leave it; a dialog still open
// afterwards is cancelled, so that a failing test never hangs.
int Run(CDialogSearch &dialog, const std::function<void()> &act)
{
    QTimer::singleShot(0, &dialog, [&dialog, act]() {
        act();
        if (dialog.isVisible())
            ClickOn(&dialog, "buttonCancel");
    });
    return dialog.exec();
}

enum class ELeave { Ok, Cancel, Escape, CloseWindow };

} // namespace

class TestSearchDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void firstOpening();
    void choicesAreRememberedAtTheChangeWhateverTheAnswer_data();
    void choicesAreRememberedAtTheChangeWhateverTheAnswer();
    void browse_data();
    void browse();
    void okHandsBackTheTypedFolderWithoutRememberingIt_data();
    void okHandsBackTheTypedFolderWithoutRememberingIt();
    void typedMaskIsUsedButNotRemembered_data();
    void typedMaskIsUsedButNotRemembered();
    void outOfRangeMaskIndexFallsBackToTheFirstMask_data();
    void outOfRangeMaskIndexFallsBackToTheFirstMask();

private:
    QTemporaryDir root;
    CChooserUser user;
};

void TestSearchDialog::initTestCase()
{
    QVERIFY(root.isValid());
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("a photos"))));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("b"))));
    QVERIFY(QDir().mkpath(GetPicturesFolder()));
    qApp->installEventFilter(&user);
}

void TestSearchDialog::init()
{
    // Slots connected by name must all find their signals.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal|No such slot")));
    WriteSettingString(PathKey, QString());
    WriteSettingInt(MaskKey, 0);
    WriteSettingInt(SubfoldersKey, 0);
    user.answer.clear();
    user.startFolder.clear();
}

void TestSearchDialog::cleanupTestCase()
{
    qApp->removeEventFilter(&user);
}

void TestSearchDialog::firstOpening()
{
    CDialogSearch dialog;
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Search"));
    QCOMPARE(dialog.size(), QSize(425, 145));
    QStringList masks;
    QString path;
    bool ticked = true;
    const int result = Run(dialog, [&]() {
        const auto *combo = Child<QComboBox>(&dialog, "comboSearchMask");
        for (int index = 0; index < combo->count(); ++index)
            masks << combo->itemText(index);
        masks << combo->currentText();
        path = PathField(&dialog);
        ticked = Child<QCheckBox>(&dialog, "checkSearchSubfold")->isChecked();
    });
    QCOMPARE(result, 0);
    QCOMPARE(masks, QString("*.* *.JPG *.TIF *.PNG *.*").split(QLatin1Char(' ')));
    QCOMPARE(path, QString());
    QVERIFY(!ticked);
    QVERIFY(!dialog.SearchSubfolders);
}

void TestSearchDialog::choicesAreRememberedAtTheChangeWhateverTheAnswer_data()
{
    QTest::addColumn<ELeave>("leave");
    QTest::newRow("OK") << ELeave::Ok;
    QTest::newRow("Cancel") << ELeave::Cancel;
    QTest::newRow("Escape") << ELeave::Escape;
    QTest::newRow("window closed") << ELeave::CloseWindow;
}

void TestSearchDialog::choicesAreRememberedAtTheChangeWhateverTheAnswer()
{
    QFETCH(ELeave, leave);
    const QString folder = root.filePath(QStringLiteral("a photos"));
    user.answer = folder;
    CDialogSearch dialog;
    QList<QVariant> stored; // path, mask index, box, each read right after its change
    const int result = Run(dialog, [&]() {
        ClickOn(&dialog, "buttonBrowse");
        stored << ReadSettingString(PathKey, QString());
        auto *combo = Child<QComboBox>(&dialog, "comboSearchMask");
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Down);
        stored << ReadSettingInt(MaskKey, -1);
        ClickOn(&dialog, "checkSearchSubfold");
        stored << ReadSettingInt(SubfoldersKey, -1);
        if (leave == ELeave::Ok)
            ClickOn(&dialog, "buttonOK");
        else if (leave == ELeave::Cancel)
            ClickOn(&dialog, "buttonCancel");
        else if (leave == ELeave::Escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
    });
    QCOMPARE(result, leave == ELeave::Ok ? 1 : 0);
    QCOMPARE(stored, QList<QVariant>({ folder, 2, 1 }));
    QVERIFY(dialog.SearchSubfolders);
    if (result == 1)
        QCOMPARE(dialog.SearchPath + QLatin1Char('|') + dialog.SearchMask, folder + "|*.TIF");

    // The next opening shows the three; unticking is stored at the click as well.
    CDialogSearch next;
    QStringList shown;
    Run(next, [&]() {
        shown << PathField(&next) << MaskField(&next) << QString::number(next.SearchSubfolders);
        ClickOn(&next, "checkSearchSubfold");
        shown << QString::number(ReadSettingInt(SubfoldersKey, -1));
    });
    QCOMPARE(shown, QStringList({ QDir::toNativeSeparators(folder), "*.TIF", "1", "0" }));
    QVERIFY(!next.SearchSubfolders);
}

void TestSearchDialog::browse_data()
{
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer"); // empty: the chooser is cancelled
    QTest::addColumn<QString>("field"); // and remembered, unless typed

    const QString a = root.filePath(QStringLiteral("a photos"));
    const QString b = root.filePath(QStringLiteral("b"));
    QTest::newRow("nothing remembered, chosen") << QString() << QString() << a << a;
    QTest::newRow("remembered, chosen") << b << QString() << a << a;
    QTest::newRow("remembered, cancelled") << b << QString() << QString() << b;
    QTest::newRow("typed, cancelled") << b << a << QString() << a;
}

void TestSearchDialog::browse()
{
    QFETCH(QString, remembered);
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    QFETCH(QString, field);
    WriteSettingString(PathKey, remembered);
    user.answer = answer;
    CDialogSearch dialog;
    QString shown;
    Run(dialog, [&]() {
        if (!typed.isEmpty())
            TypeInto(Child(&dialog, "editSearchPath"), typed);
        ClickOn(&dialog, "buttonBrowse");
        shown = PathField(&dialog);
    });
    QCOMPARE(user.caption,
        QStringLiteral("Select a folder and press Ok to add it to your search path."));
    QCOMPARE(user.startFolder, remembered.isEmpty() ? GetPicturesFolder() : remembered);
    QCOMPARE(shown, QDir::toNativeSeparators(field));
    QCOMPARE(ReadSettingString(PathKey, QString()), answer.isEmpty() ? remembered : answer);
}

void TestSearchDialog::okHandsBackTheTypedFolderWithoutRememberingIt_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pressEnter"); // else OK is clicked
    QTest::addColumn<QString>("searchPath"); // empty: the dialog stays open

    QTest::newRow("typed, Enter") << "/srv/photos/2024" << true << "/srv/photos/2024";
    QTest::newRow("backslashes") << "\\\\server\\photos\\a b/c" << false << "//server/photos/a b/c";
    QTest::newRow("empty") << QString() << false << QString();
}

void TestSearchDialog::okHandsBackTheTypedFolderWithoutRememberingIt()
{
    QFETCH(QString, typed);
    QFETCH(bool, pressEnter);
    QFETCH(QString, searchPath);
    const QString remembered = root.filePath(QStringLiteral("b"));
    WriteSettingString(PathKey, remembered);
    CDialogSearch dialog;
    bool openAfterOk = false;
    const int result = Run(dialog, [&]() {
        QWidget *field = Child(&dialog, "editSearchPath");
        TypeInto(field, typed);
        if (pressEnter)
            QTest::keyClick(field, Qt::Key_Return);
        else
            ClickOn(&dialog, "buttonOK");
        openAfterOk = dialog.isVisible();
    });
    QCOMPARE(result, searchPath.isEmpty() ? 0 : 1);
    QCOMPARE(openAfterOk, searchPath.isEmpty());
    QCOMPARE(dialog.SearchPath, searchPath);
    QCOMPARE(dialog.SearchMask, QStringLiteral("*.*"));
    QCOMPARE(ReadSettingString(PathKey, QString()), remembered);
    CDialogSearch next;
    QString shown;
    Run(next, [&]() { shown = PathField(&next); });
    QCOMPARE(shown, QDir::toNativeSeparators(remembered));
}

void TestSearchDialog::typedMaskIsUsedButNotRemembered_data()
{
    QTest::addColumn<bool>("pressEnter"); // else OK is clicked
    QTest::addColumn<QString>("nextMask");
    QTest::newRow("OK clicked") << false << "*.JPG";
    // Enter adds the typed mask as a fifth item, which the next opening does not have.
    QTest::newRow("Enter") << true << "*.*";
}

void TestSearchDialog::typedMaskIsUsedButNotRemembered()
{
    QFETCH(bool, pressEnter);
    QFETCH(QString, nextMask);
    WriteSettingString(PathKey, QStringLiteral("/srv"));
    WriteSettingInt(MaskKey, 1);
    CDialogSearch dialog;
    const int result = Run(dialog, [&]() {
        QLineEdit *field = Child<QComboBox>(&dialog, "comboSearchMask")->lineEdit();
        TypeInto(field, QStringLiteral("IMG_*.jpeg"));
        if (pressEnter)
            QTest::keyClick(field, Qt::Key_Return);
        else
            ClickOn(&dialog, "buttonOK");
    });
    QCOMPARE(result, 1);
    QCOMPARE(dialog.SearchMask, QStringLiteral("IMG_*.jpeg"));
    CDialogSearch next;
    QString shown;
    Run(next, [&]() { shown = MaskField(&next); });
    QCOMPARE(shown, nextMask);
}

void TestSearchDialog::outOfRangeMaskIndexFallsBackToTheFirstMask_data()
{
    QTest::addColumn<int>("remembered");
    QTest::addColumn<QString>("mask");
    QTest::newRow("last item") << 3 << "*.PNG";
    QTest::newRow("fifth item") << 4 << "*.*";
    QTest::newRow("negative") << -1 << "*.*";
}

void TestSearchDialog::outOfRangeMaskIndexFallsBackToTheFirstMask()
{
    QFETCH(int, remembered);
    QFETCH(QString, mask);
    WriteSettingInt(MaskKey, remembered);
    CDialogSearch dialog;
    QString shown;
    Run(dialog, [&]() { shown = MaskField(&dialog); });
    QCOMPARE(shown, mask);
    QCOMPARE(ReadSettingInt(MaskKey, -2), remembered == 3 ? 3 : 0);
}

QUENDRASIL_TEST_MAIN(TestSearchDialog, QApplication)
#include "tst_searchdialog.moc"
