#include "TestMain.h"

#include "FilterPages.h"
#include "FormatSettings.h"
#include "HelpManual.h"
#include "HelpTopics.h"
#include "ImageEngineSetup.h"
#include "platform/HelpViewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// The manual beside the programs: a page for every name either program opens, links and
// pictures that all resolve inside it, and pages that describe exactly the controls their
// windows show.
namespace {

const QString Pages = QStringLiteral(QUENDRASIL_TEST_SOURCE_DIR "/../../help/pages");

QString Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void Write(const QString &path, const QString &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

} // namespace

class TestHelpManual : public QObject
{
    Q_OBJECT

private slots:
    void everyPageTheProgramsOpenExists()
    {
        QStringList topics = HelpPage::All();
        for (const int id : FilterPages::Ids())
            topics << FilterPages::HelpTopic(id);
        for (int kind = 0; kind <= int(EFormatSettingsKind::TGA); ++kind) {
            const QString page = CFormatSettings::HelpPage(EFormatSettingsKind(kind));
            if (!page.isEmpty())
                topics << page;
        }
        QCOMPARE(topics.size(), 12 + 51 + 11);
        for (const QString &topic : topics)
            QVERIFY2(QFileInfo(Platform::HelpPagePath(topic)).isFile(), qPrintable(topic));
    }

    // Every link and picture stays inside the manual and exists; the contents reach every page.
    void linksAndPicturesResolve()
    {
        const QDir help(QFileInfo(Platform::HelpPagePath(QStringLiteral("index.html"))).path());
        const QStringList pages = help.entryList({ QStringLiteral("*.html") }, QDir::Files);
        QVERIFY(pages.size() >= 75);
        const QStringList fromIndex = HelpManual::References(Read(help.filePath("index.html")));
        for (const QString &page : pages) {
            const QString html = Read(help.filePath(page));
            QVERIFY2(
                !html.contains(QLatin1String("<script"), Qt::CaseInsensitive), qPrintable(page));
            for (const QString &target : HelpManual::References(html)) {
                const QString where = page + QStringLiteral(": ") + target;
                QVERIFY2(!target.contains(QLatin1Char(':')) && !target.startsWith(QLatin1Char('/'))
                        && !target.contains(QLatin1String("..")),
                    qPrintable(where));
                QVERIFY2(target.isEmpty() || QFileInfo(help.filePath(target)).isFile(),
                    qPrintable(where));
            }
            QVERIFY2(
                page == QLatin1String("index.html") || fromIndex.contains(page), qPrintable(page));
        }
    }

    void pagesDescribeTheirWindowsExactly()
    {
        QTemporaryDir out;
        const QStringList problems = HelpManual::Build(Pages, out.path());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // The checks that keep the manual from drifting from the windows.
    void driftIsReported_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("problem");
        const QString swirl = QStringLiteral("<!-- filter 3160 -->\n<!-- controls filter:3160 -->\n"
                                             "<dl class=\"controls\">%1</dl>\n");
        QTest::newRow("control left out") << swirl.arg(QString()) << "spinDegrees of filter:3160";
        QTest::newRow("control that is not there")
            << swirl.arg(QStringLiteral("<dt>spinDegrees</dt><dd>Turn.</dd>"
                                        "<dt>spinGone</dt><dd>Gone.</dd>"))
            << "describes spinGone";
        QTest::newRow("no title") << QStringLiteral("<p>Text.</p>") << "no <h1> title";
        QTest::newRow("unknown window")
            << QStringLiteral("<h1>T</h1><!-- controls nowhere -->\n<dl class=\"controls\"></dl>")
            << "no window nowhere";
        QTest::newRow("filter on another filter's page")
            << QStringLiteral("<!-- filter 3170 -->") << "filter 3170 opens";
    }

    void driftIsReported()
    {
        QFETCH(QString, page);
        QFETCH(QString, problem);
        QTemporaryDir in;
        QTemporaryDir out;
        Write(in.filePath(QStringLiteral("filters_effects_swirl.html")), page);
        const QStringList problems = HelpManual::Build(in.path(), out.path());
        QVERIFY2(problems.size() == 1 && problems.first().contains(problem),
            qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QUENDRASIL_TEST_MAIN_WITH(TestHelpManual, QApplication, InitializeImageEngine)
#include "tst_helpmanual.moc"
