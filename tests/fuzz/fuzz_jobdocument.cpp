// libFuzzer target for the job-document reader. Any bytes, loaded as a project, profile or
// script, must not crash, must leave the photo list and filter chain consistent, and
// whatever loads must save and load again with the same photos and filters.

#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "Scripts.h"
#include "TestEnvironment.h"
#include "TextCodecs.h"
#include "UserProfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QSet>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QString jobFolder; // the input document and the photos its searches may find live here

void Check(bool condition, const char *broken)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz_jobdocument: %s\n", broken);
    std::abort();
}

// The reader traces every step; at thousands of inputs a second that output only slows the run.
void DropTrace(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool InsideJobFolder(QString search)
{
    search.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype slash = search.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QString() : search.left(slash);
    const QString absolute = QDir::cleanPath(
        folder.startsWith(QLatin1Char('/')) ? folder : jobFolder + QLatin1Char('/') + folder);
    return absolute == jobFolder || absolute.startsWith(jobFolder + QLatin1Char('/'));
}

// Fills the document's root name. False when a Search would leave the job folder: a
// document may search "/" with subfolders, which walks the whole disk and makes an input's
// cost depend on this machine. The path is taken both as written and once more unescaped,
// so the guard holds whichever way the reader decodes it.
bool SearchesStayInJobFolder(const QString &path, QString &rootName)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return true;
    QDomDocument document;
    if (!document.setContent(QString::fromUtf8(file.readAll())))
        return true;
    rootName = document.documentElement().tagName();
    const QDomNodeList searches = document.elementsByTagName(QStringLiteral("Search"));
    for (int i = 0; i < searches.size(); ++i) {
        const QString search = searches.at(i).toElement().attribute(QStringLiteral("Path"));
        if (!InsideJobFolder(search) || !InsideJobFolder(UnescapeXml(search)))
            return false;
    }
    return true;
}

void CheckModel()
{
    const QList<SImageRecord> &images = CListImages::instance()->Images();
    QSet<QString> paths;
    for (int i = 0; i < images.size(); ++i) {
        Check(images[i].sequenceNumber == i, "photo number differs from its place in the list");
        paths.insert(images[i].pathName);
    }
    Check(paths.size() == images.size(), "the same photo is in the list twice");
    for (const SFilterRecord &record : CListFilters::instance()->Filters()) {
        Check(!CFiltersEnum::instance()->FindById(record.id).description.isEmpty(),
            "a filter the catalogue does not know is in the chain");
        Check(record.numberCount <= SFilterRecord::NumberSlots, "too many numbers");
        Check(record.textCount <= SFilterRecord::TextSlots, "too many texts");
    }
}

int KindOfRoot(const QString &rootName)
{
    if (rootName == QLatin1String("Profile"))
        return CScripts::Profile;
    if (rootName == QLatin1String("Script"))
        return CScripts::Script;
    return CScripts::Project; // a project also keeps what an unknown root loaded
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Settings, HOME and TMPDIR point into a private folder, removed at exit.
    static TestEnvironment environment;
    static int argc = 1;
    static char name[] = "fuzz_jobdocument";
    static char *argv[] = { name, nullptr };
    qInstallMessageHandler(DropTrace);
    new QCoreApplication(argc, argv); // lives as long as the process
    CFormatsEnum::instance()->GenerateList();
    CFiltersEnum::instance()->GenerateList();
    CScripts::SetVersionWarningHandler([](const QString &) {});

    // A few photos for relative searches to find.
    jobFolder = environment.root() + QStringLiteral("/job");
    for (const char *photo : { "in/a.jpg", "in/B.JPG", "in/notes.txt", "in/deeper/c.png" }) {
        const QString path = jobFolder + QLatin1Char('/') + QLatin1String(photo);
        QDir().mkpath(QFileInfo(path).absolutePath());
        WriteBytes(path, "x");
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = jobFolder + QStringLiteral("/input.qlr");
    Check(WriteBytes(input, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))),
        "cannot write the input");
    QString rootName;
    if (!SearchesStayInJobFolder(input, rootName))
        return 0;

    int mode = 0;
    CScripts reader(input);
    if (reader.LoadDocument(mode)) {
        CheckModel();
        const qsizetype photos = CListImages::instance()->Count();
        const qsizetype steps = CListFilters::instance()->Count();
        const QString saved = jobFolder + QStringLiteral("/saved.qlp");
        CScripts writer(saved);
        writer.profileName = reader.profileName;
        writer.profileDescription = reader.profileDescription;
        // Whatever the parser let through is storable text, so the save must succeed.
        if (!writer.SaveDocument(KindOfRoot(rootName))) {
            std::fprintf(stderr, "%s\n", qPrintable(writer.ErrorText()));
            Check(false, "cannot save what was loaded");
        }
        Check(CScripts(saved).LoadDocument(mode), "a saved document does not load");
        CheckModel();
        Check(CListImages::instance()->Count() == photos, "photos changed by save and load");
        Check(CListFilters::instance()->Count() == steps, "filters changed by save and load");
    }

    // Each input starts from a fresh job.
    CListImages::DeleteInstance();
    CListFilters::DeleteInstance();
    CUserProfile::DeleteInstance();
    return 0;
}
