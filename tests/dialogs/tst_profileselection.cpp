#include "TestMain.h"

#include "BuiltInProfileTexts.h"
#include "DialogProfileSave.h"
#include "DialogProfileSelection.h"
#include "FiltersEnum.h"
#include "Folders.h"
#include "FormatsEnum.h"
#include "ListFilters.h"
#include "Scripts.h"
#include "UserProfile.h"

#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

#include <functional>

namespace {

// The profiles that come with the program, in reading order (by file name).
const QStringList ShippedEdit = { "Auto Contrast", "Auto Rotate", "Effect Black & White" };
const QStringList ShippedOutput = { "Convert to JPEG with High Quality", "Convert to PNG",
    "Convert to TIFF", "Resize for Sending via Email" };

QString UserFile(const QString &name)
{
    return GetDocumentsFolder() + QStringLiteral("/Quendrasil/Profiles/") + name;
}

QString ShippedFolder()
{
    return GetProgramFolder() + QStringLiteral("/Profiles");
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString &name, const QByteArray &content)
{
    QFile file(UserFile(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// A profile document around the given properties of its "Profile" block, with CR LF line ends.
QByteArray Profile(const QByteArray &properties)
{
    return "<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n<Profile Version=\"3\">\r\n"
           "\t<Properties Class=\"Profile\">\r\n"
        + properties + "\r\n\t</Properties>\r\n</Profile>\r\n";
}

QByteArray Named(const QByteArray &name, const QByteArray &category,
    const QByteArray &description = QByteArray())
{
    return "<Property Name=\"Name\">" + name + "</Property><Property Name=\"Description\">"
        + description + "</Property><Property Name=\"Category\">" + category + "</Property>";
}

QListWidget *List(CDialogProfileSelection &dialog)
{
    return dialog.findChild<QListWidget *>(QStringLiteral("listProfiles"));
}

QStringList Listed(CDialogProfileSelection &dialog)
{
    QStringList names;
    for (int row = 0; row < List(dialog)->count(); ++row)
        names << List(dialog)->item(row)->text();
    return names;
}

void Select(CDialogProfileSelection &dialog, const QString &name)
{
    const QList<QListWidgetItem *> found = List(dialog)->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    List(dialog)->setCurrentItem(found.first());
}

void Click(QWidget *parent, const char *name)
{
    auto *button = parent->findChild<QAbstractButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    button->click();
}

// Runs `action` once the next modal loop has started.
void WhenShown(const std::function<void()> &action)
{
    QTimer::singleShot(0, qApp, action);
}

// Answers the message box that is up, if any, and returns its text.
QString AnswerMessageBox(QMessageBox::StandardButton answer)
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box)
        return QString();
    const QString text = box->text();
    box->button(answer)->click();
    return text;
}

class CUpperCaseTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return qstrcmp(context, "QObject") == 0 ? QString::fromUtf8(source).toUpper() : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestProfileSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void builtInTexts_data();
    void builtInTexts();
    void builtInTextsAreTranslatedInTheGeneralContext();
    void shippedProfilesLoadAsJobs();
    void viewsListProfilesByCategory();
    void unchoosableProfileKeepsTheDialogOpen_data();
    void unchoosableProfileKeepsTheDialogOpen();
    void choosingSetsTheSaveAsOnlyFlag_data();
    void choosingSetsTheSaveAsOnlyFlag();
    void contextMenuOnlyForOwnProfiles_data();
    void contextMenuOnlyForOwnProfiles();
    void editRewritesTheEditedProfileOnly();
    void rewriteLeavesAnIncompleteFileAlone();
    void removeDeletesAfterYesOnly_data();
    void removeDeletesAfterYesOnly();
    void iconIndex_data();
    void iconIndex();
};

void TestProfileSelection::initTestCase()
{
    CFormatsEnum::instance()->GenerateList();
    CFiltersEnum::instance()->GenerateList();
}

void TestProfileSelection::init()
{
    QDir folder(UserFile(QString()));
    QVERIFY(folder.removeRecursively() && folder.mkpath(folder.path()));
    CUserProfile::instance()->BuiltInProfileLoaded = false;
}

void TestProfileSelection::builtInTexts_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("first name") << 14270 << "Convert to JPEG with High Quality";
    QTest::newRow("noise") << 14287 << "Adds noise to picture";
    QTest::newRow("gap") << 14320 << QString();
    QTest::newRow("odd name after the gap") << 14321 << "Send via E-mail";
    QTest::newRow("last") << 14328 << "Upload photos to Facebook";
    QTest::newRow("past the end") << 14329 << QString();
    QTest::newRow("gamma") << 12041 << "Auto Gamma";
    QTest::newRow("unlisted") << 12042 << QString();
}

void TestProfileSelection::builtInTexts()
{
    QFETCH(int, id);
    QFETCH(QString, text);
    QCOMPARE(BuiltInProfileText(id), text);
}

void TestProfileSelection::builtInTextsAreTranslatedInTheGeneralContext()
{
    CUpperCaseTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString name = BuiltInProfileText(14290);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(name, QStringLiteral("EFFECT BLACK & WHITE"));
}

void TestProfileSelection::shippedProfilesLoadAsJobs()
{
    const QStringList files = QDir(ShippedFolder()).entryList({ "*.qlf" }, QDir::Files);
    QCOMPARE(files.size(), ShippedEdit.size() + ShippedOutput.size());
    for (const QString &fileName : files) {
        const QString path = ShippedFolder() + QLatin1Char('/') + fileName;
        QDomDocument document;
        QVERIFY2(document.setContent(QString::fromUtf8(ReadBytes(path))), qPrintable(fileName));
        int mode = 0;
        QVERIFY2(CScripts(path).LoadDocument(mode), qPrintable(fileName));
        // The loader drops filters that the catalogue does not know without a word.
        QCOMPARE(CListFilters::instance()->Count(),
            document.elementsByTagName(QStringLiteral("Filter")).size());
        QMap<QString, QString> properties;
        const QDomNodeList nodes = document.elementsByTagName(QStringLiteral("Property"));
        for (int i = 0; i < nodes.size(); ++i)
            properties.insert(nodes.at(i).toElement().attribute(QStringLiteral("Name")),
                nodes.at(i).toElement().text());
        QVERIFY(!BuiltInProfileText(properties.value("NameId").toInt()).isEmpty());
        QVERIFY(!BuiltInProfileText(properties.value("DescriptionId").toInt()).isEmpty());
        const bool output = properties.value("Category") == QLatin1String("Output");
        QVERIFY(output || properties.value("Category") == QLatin1String("Edit"));
        QCOMPARE(properties.contains("OutputFormat"), output);
        QVERIFY(ReadBytes(path).contains("\r\n"));
    }
}

void TestProfileSelection::viewsListProfilesByCategory()
{
    WriteFile("b.qlf", Profile(Named("Beta", "User-Defined")));
    WriteFile("A.qlf", Profile(Named("Alpha", "user-defined", "First &amp; best")));
    WriteFile("c.qlf", Profile(Named("Mine to edit", "EDIT")));
    WriteFile("d.qlf", Profile("<Property Name=\"Name\">No category</Property>"));
    WriteFile("e.qlf", Profile(Named("Everywhere", "All Profiles")));
    WriteFile("f.qlf", Profile(Named("Broken", "User-Defined")).left(90));
    WriteFile("g.qlf", Profile(Named("Project", "User-Defined")).replace("Profile", "Project"));
    WriteFile("h.qlf",
        "<Profile><Properties Class=\"Profile\">" + Named("Twin one", "User-Defined")
            + "</Properties><Properties Class=\"Output\">" + Named("Not one", "User-Defined")
            + "</Properties><Properties Class=\"Profile\">" + Named("Twin two", "User-Defined")
            + "</Properties></Profile>");
    // Of Name and NameId the later one counts.
    WriteFile("i.qlf",
        Profile("<Property Name=\"Name\">Overwritten</Property><Property "
                "Name=\"NameId\">14280</Property><Property "
                "Name=\"Category\">Output</Property>"));
    WriteFile("j.qlf", Profile(Named("R&amp;D &lt;x&gt;", "User-Defined")));
    WriteFile("notes.txt", Profile(Named("Not a profile file", "User-Defined")));

    CDialogProfileSelection dialog;
    const QStringList own = { "Alpha", "Beta", "Twin one", "Twin two", "R&D <x>" };
    const QStringList edit = QStringList("Mine to edit") + ShippedEdit;
    const QStringList output = QStringList("Auto Contrast") + ShippedOutput;
    QCOMPARE(dialog.CurrentView(), 0);
    QCOMPARE(Listed(dialog), own + edit + output);
    Click(&dialog, "buttonMyProfiles");
    QCOMPARE(dialog.CurrentView(), 1);
    QCOMPARE(Listed(dialog), own);
    Click(&dialog, "buttonEdit");
    QCOMPARE(Listed(dialog), edit);
    Click(&dialog, "buttonOutput");
    QCOMPARE(Listed(dialog), output);
    Click(&dialog, "buttonAllProfiles");
    QVERIFY(!dialog.findChild<QToolButton *>("buttonOutput")->isChecked());

    QCOMPARE(List(dialog)->item(0)->toolTip(), "<a><b>Alpha</b> - First &amp; best</a>");
    QCOMPARE(List(dialog)->item(4)->toolTip(), "<b>R&amp;D &lt;x&gt;</b>");
    // The compiled-in sheets picture every view button and every shipped profile.
    for (const QToolButton *button : dialog.findChildren<QToolButton *>())
        QVERIFY(!button->icon().isNull());
    for (int row = own.size(); row < List(dialog)->count(); ++row)
        QVERIFY(!List(dialog)->item(row)->icon().isNull());
}

void TestProfileSelection::unchoosableProfileKeepsTheDialogOpen_data()
{
    QTest::addColumn<bool>("select");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing selected") << false << "No profile selected";
    QTest::newRow("no name") << true << QString();
}

void TestProfileSelection::unchoosableProfileKeepsTheDialogOpen()
{
    QFETCH(bool, select);
    QFETCH(QString, message);
    WriteFile("nameless.qlf",
        Profile("<Property Name=\"NameId\">14320</Property><Property "
                "Name=\"Category\">User-Defined</Property>"));
    CDialogProfileSelection dialog;
    QString shown;
    bool stillOpen = false;
    WhenShown([&]() {
        if (select)
            List(dialog)->setCurrentRow(0);
        QTimer::singleShot(0, qApp, [&]() { shown = AnswerMessageBox(QMessageBox::Ok); });
        Click(&dialog, "buttonOk");
        stillOpen = dialog.isVisible();
        QCoreApplication::processEvents(); // without a message box the answer is still due
        Click(&dialog, "buttonCancel");
    });
    QCOMPARE(dialog.exec(), 0);
    QVERIFY(stillOpen);
    QCOMPARE(shown, message);
}

void TestProfileSelection::choosingSetsTheSaveAsOnlyFlag_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("byActivation");
    QTest::addColumn<bool>("builtIn");
    QTest::newRow("own") << "Mine" << false << false;
    QTest::newRow("category in other letter case") << "Lower" << false << true;
    QTest::newRow("shipped, activated") << "Convert to PNG" << true << true;
}

void TestProfileSelection::choosingSetsTheSaveAsOnlyFlag()
{
    QFETCH(QString, name);
    QFETCH(bool, byActivation);
    QFETCH(bool, builtIn);
    WriteFile("mine.qlf", Profile(Named("Mine", "User-Defined", "My own")));
    WriteFile("lower.qlf", Profile(Named("Lower", "user-defined")));
    CUserProfile::instance()->BuiltInProfileLoaded = !builtIn;

    CDialogProfileSelection dialog;
    WhenShown([&]() {
        Select(dialog, name);
        if (byActivation)
            emit List(dialog)->activated(List(dialog)->currentIndex());
        else
            Click(&dialog, "buttonOk");
    });
    QCOMPARE(dialog.exec(), 1);
    QCOMPARE(dialog.selected.name, name);
    QVERIFY(QFile::exists(dialog.selected.path));
    QCOMPARE(CUserProfile::instance()->BuiltInProfileLoaded, builtIn);
    if (name == QLatin1String("Mine")) {
        QCOMPARE(dialog.selected.path, UserFile("mine.qlf"));
        QCOMPARE(dialog.selected.description, QStringLiteral("My own"));
    }
}

void TestProfileSelection::contextMenuOnlyForOwnProfiles_data()
{
    QTest::addColumn<QString>("name"); // empty: nothing selected, no menu
    QTest::addColumn<bool>("enabled");
    QTest::newRow("own") << "Mine" << true;
    QTest::newRow("category in other letter case") << "Lower" << false;
    QTest::newRow("shipped") << "Auto Rotate" << false;
    QTest::newRow("nothing selected") << QString() << false;
}

void TestProfileSelection::contextMenuOnlyForOwnProfiles()
{
    QFETCH(QString, name);
    QFETCH(bool, enabled);
    WriteFile("mine.qlf", Profile(Named("Mine", "User-Defined")));
    WriteFile("lower.qlf", Profile(Named("Lower", "user-defined")));
    CDialogProfileSelection dialog;
    if (!name.isEmpty())
        Select(dialog, name);

    QStringList entries;
    QTimer::singleShot(0, qApp, [&]() {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *action : menu->actions())
                entries << action->text() + (action->isEnabled() ? "" : " (disabled)");
            menu->close();
        }
    });
    emit List(dialog)->customContextMenuRequested(QPoint());
    QCoreApplication::processEvents(); // without a menu the timer is still due
    const QString state = enabled ? QString() : QStringLiteral(" (disabled)");
    QCOMPARE(entries,
        name.isEmpty() ? QStringList() : QStringList({ "&Edit" + state, "&Remove" + state }));
}

void TestProfileSelection::editRewritesTheEditedProfileOnly()
{
    // Two profiles of one name; the second as the program writes it.
    const QByteArray first = Profile(Named("Same", "User-Defined", "first"));
    WriteFile("1.qlf", first);
    int mode = 0;
    QVERIFY(CScripts(ShippedFolder() + "/ResizeForEmail.qlf").LoadDocument(mode));
    CScripts writer(UserFile("2.qlf"));
    writer.profileName = QStringLiteral("Same");
    writer.profileDescription = QStringLiteral("second");
    QVERIFY(writer.SaveDocument(CScripts::Profile));
    const QByteArray before = ReadBytes(UserFile("2.qlf"));

    const QString newName = QStringLiteral("R&D <\"web\"> 'Ünï'");
    CDialogProfileSelection dialog;
    Click(&dialog, "buttonMyProfiles");
    List(dialog)->setCurrentRow(1);
    QString preset;
    WhenShown([&]() {
        auto *save = qobject_cast<CDialogProfileSave *>(QApplication::activeModalWidget());
        QVERIFY(save);
        preset = save->findChild<QLineEdit *>("editName")->text();
        save->findChild<QLineEdit *>("editName")->setText(newName);
        QMetaObject::invokeMethod(save->findChild<QWidget *>("editDesc"), "setPlainText",
            Q_ARG(QString,
                QString::fromUtf8("Line one\nLine\ttwo & \x01"
                                  "end")));
        Click(save, "buttonOk");
    });
    QVERIFY(QMetaObject::invokeMethod(&dialog, "OnProfilesEdit"));
    QCOMPARE(preset, QStringLiteral("Same"));
    QCOMPARE(Listed(dialog), QStringList({ "Same", newName }));
    QCOMPARE(ReadBytes(UserFile("1.qlf")), first);

    // Still a document; the control character cannot be stored and is dropped.
    CScripts reader(UserFile("2.qlf"));
    QVERIFY(reader.LoadDocument(mode));
    QCOMPARE(reader.profileName, newName);
    QCOMPARE(reader.profileDescription, QStringLiteral("Line one\nLine\ttwo & end"));
    // Around the two texts every byte is as it was, CR LF line ends included.
    const QByteArray after = ReadBytes(UserFile("2.qlf"));
    const qsizetype head = before.indexOf(">Same<") + 1;
    const qsizetype tail
        = before.size() - before.indexOf("</Property>", before.indexOf(">second<"));
    QCOMPARE(after.left(head), before.left(head));
    QCOMPARE(after.right(tail), before.right(tail));
    QCOMPARE(after.count('\n'), before.count('\n'));
}

void TestProfileSelection::rewriteLeavesAnIncompleteFileAlone()
{
    const QList<QByteArray> contents = { Profile("<Property Name=\"Name\">Only a name</Property>"),
        Profile("<Property Name=\"Description\">Only a description</Property>"),
        "<Profile><Properties Class=\"Profile\"><Property Name=\"Name\">Cut off" };
    for (const QByteArray &content : contents) {
        WriteFile("partial.qlf", content);
        QVERIFY(
            !CDialogProfileSelection::RewriteProfileTexts(UserFile("partial.qlf"), "New", "Text"));
        QCOMPARE(ReadBytes(UserFile("partial.qlf")), content);
    }
    QVERIFY(!CDialogProfileSelection::RewriteProfileTexts(UserFile("none.qlf"), "New", "Text"));
    QVERIFY(!QFile::exists(UserFile("none.qlf")));
}

void TestProfileSelection::removeDeletesAfterYesOnly_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestProfileSelection::removeDeletesAfterYesOnly()
{
    QFETCH(bool, yes);
    WriteFile("keep.qlf", Profile(Named("Keep", "User-Defined")));
    WriteFile("drop.qlf", Profile(Named("Drop", "User-Defined")));
    CDialogProfileSelection dialog;
    Select(dialog, QStringLiteral("Drop"));
    QString question;
    WhenShown([&]() { question = AnswerMessageBox(yes ? QMessageBox::Yes : QMessageBox::No); });
    QVERIFY(QMetaObject::invokeMethod(&dialog, "OnProfilesRemove"));
    QCOMPARE(question, QStringLiteral("Are you sure you want to delete this profile?"));
    QCOMPARE(QFile::exists(UserFile("drop.qlf")), !yes);
    QCOMPARE(Listed(dialog).contains("Drop"), !yes);
    QVERIFY(QFile::exists(UserFile("keep.qlf")) && Listed(dialog).contains("Keep"));
}

void TestProfileSelection::iconIndex_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<QPoint>("tile");
    QTest::addColumn<int>("index");
    // 8 format tiles, then filters tiles in 8 columns and 6 rows: 56 in all.
    QTest::newRow("group tile") << 0 << QPoint(1, 0) << 9;
    QTest::newRow("format tile") << 1205 << QPoint(1, 0) << 5;
    QTest::newRow("filters tile") << 2307 << QPoint(1, 0) << 39;
    QTest::newRow("format beyond its sheet") << 1108 << QPoint(1, 0) << 9;
    QTest::newRow("column beyond the sheet") << 2010 << QPoint(1, 0) << 9;
    QTest::newRow("row beyond the sheet") << 2900 << QPoint(1, 0) << 9;
    QTest::newRow("outside both ranges") << 3000 << QPoint(1, 0) << 9;
    QTest::newRow("group tile beyond the sheet") << 0 << QPoint(0, 7) << -1;
}

void TestProfileSelection::iconIndex()
{
    QFETCH(int, icon);
    QFETCH(QPoint, tile);
    QFETCH(int, index);
    QCOMPARE(CDialogProfileSelection::IconIndex(icon, tile, 8, 8, 56), index);
}

QUENDRASIL_TEST_MAIN(TestProfileSelection, QApplication)
#include "tst_profileselection.moc"
