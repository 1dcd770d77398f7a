#include "MonitorThread.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QProcess>
#include <QRegularExpression>

#include "Folders.h"
#include "FormatsEnum.h"
#include "SpiderFTP.h"
#include "TextCodecs.h"
#include "Trace.h"
#include "platform/FolderChanges.h"
#include "platform/FolderListing.h"
#include "platform/TempFolder.h"

namespace {

const QString RunTag = QStringLiteral("CMonitorThread::run");
const QString ScanTag = QStringLiteral("CMonitorThread::ScanForChanges");
const QString ListTag = QStringLiteral("CMonitorThread::GenerateListCurrentImgs");
const QString SearchTag = QStringLiteral("CMonitorThread::SearchAllFiles");
const QString ScriptTag = QStringLiteral("CMonitorThread::GenerateScript");

constexpr int SliceMs = 50;
constexpr int ProgramSliceMs = 100;
constexpr qint64 ProgramLimitMs = 86400000; // a day

QMutex mainProgramLock;
QString mainProgramOverride; // guarded by mainProgramLock

// The program's private temporary folder: scripts and downloads never sit where another user
// could have planted a link under their predictable names. "" when it cannot be had.
QString TempFolder()
{
    return Platform::TempWorkFolder();
}

// The file's size as it reads when opened: 0 when it cannot be opened.
qint64 OpenedSize(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.size();
}

bool IsHiddenName(const QString &name)
{
    return name.startsWith(QLatin1Char('.'));
}

// Nanoseconds since 1970 as whole milliseconds, as QFileInfo gives a file time.
qint64 Milliseconds(qint64 nanoseconds)
{
    return nanoseconds >= 0 ? nanoseconds / 1000000 : -((-nanoseconds + 999999) / 1000000);
}

// The part of a job profile that goes into a script: from the filter chain to the end. A
// profile without the chain's line gives everything after its root's start tag; a null string
// when it has no root start tag either.
QString ProfileTail(const QString &profile)
{
    const int filters = profile.indexOf(QLatin1String("\t<Filters>"));
    if (filters >= 0)
        return profile.mid(filters);
    const int root = profile.indexOf(QLatin1String("<Profile"));
    if (root < 0)
        return QString();
    const int lineEnd = profile.indexOf(QLatin1Char('\n'), root);
    if (lineEnd < 0)
        return QString();
    return profile.mid(lineEnd + 1);
}

// The first folder of an FTP job's downloads, named after the job. A name from a hand-edited
// store could hold "/", which would move the folder (and its deletion) elsewhere.
QString DownloadFolderName(const CJob &job)
{
    QString name = job.Name;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return name + QLatin1Char('-') + QString::number(job.Id);
}

// A remote path a server listed; ".." would place its download outside the download folder.
bool StaysInDownloadFolder(const QString &remotePath)
{
    return !remotePath.split(QLatin1Char('/')).contains(QLatin1String(".."));
}

// OutputFolderStruct in the main program's numbering, as a profile's text holds it.
constexpr char SelectedFolderText[] = "0";
constexpr char PhotoFolderText[] = "2";
constexpr char PhotoSubfolderText[] = "3";

QString FolderStructProperty(const char *value)
{
    return QStringLiteral("<Property Name=\"OutputFolderStruct\">%1</Property>")
        .arg(QLatin1String(value));
}

QString PropertyLine(const char *name, const QString &text)
{
    return QStringLiteral("\t\t<Property Name=\"%1\">").arg(QLatin1String(name)) + text
        + QStringLiteral("</Property>\n");
}

QString MonitorBlock(const CJob &job, const QString &folder, int picCount)
{
    QString block = QStringLiteral("\t<Properties Class=\"Monitor\">\n");
    block += PropertyLine("Id", QString::number(job.Id));
    block += PropertyLine("Name", EscapeXml(job.Name));
    if (JobType::IsKnown(job.Type))
        block += PropertyLine("Folder", EscapeXml(folder));
    block += PropertyLine("CreateLog", QString::number(job.CreateLog ? 1 : 0));
    block += PropertyLine("Overwrite", QString::number(job.Overwrite ? 1 : 0));
    block += PropertyLine("SilentMode", QString::number(job.SilentMode ? 1 : 0));
    block += PropertyLine("PicCount", QString::number(picCount));
    block += PropertyLine("Host", EscapeXml(job.Host));
    block += PropertyLine("Type", QString::number(job.Type));
    block += QStringLiteral("\t</Properties>\n\n");
    return block;
}

// The whole script with "\n" line ends; `tail` has had "</Profile>" turned into "</Script>".
QString ScriptText(const QStringList &photoPaths, const QString &tail, const QString &block)
{
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-16\"?>\n"
                                  "<Script Version=\"3\" Mode=\"Silent\">\n"
                                  "\t<Images>\n");
    for (const QString &path : photoPaths)
        text += QStringLiteral("\t\t<Image Path=\"") + EscapeXml(path) + QStringLiteral("\" />\n");
    text += QStringLiteral("\t</Images>\n\n");
    text += tail;

    const QString open = QStringLiteral("<Properties Class=\"Monitor\">");
    const int oldBlock = text.indexOf(open);
    const QString close = QStringLiteral("</Properties>");
    const int oldEnd = oldBlock < 0 ? -1 : text.indexOf(close, oldBlock);
    if (oldEnd >= 0) {
        // The old block's indentation and line breaks stay around the new one.
        const QString inner = block.mid(1).chopped(2);
        text = text.left(oldBlock) + inner + text.mid(oldEnd + close.size());
    } else {
        const int end = text.indexOf(QLatin1String("</Script>"));
        if (end >= 0)
            text.insert(end, block);
    }

    // Results beside the photos would land in the watched folder or in the downloads that are
    // deleted after the hand-over: such a profile writes to its selected folder instead.
    for (const char *value : { PhotoFolderText, PhotoSubfolderText })
        text.replace(FolderStructProperty(value), FolderStructProperty(SelectedFolderText));
    return text;
}

bool IsWellFormed(const QString &text, QString &error)
{
    QDomDocument document;
    int line = 0;
    if (document.setContent(text, &error, &line))
        return document.documentElement().tagName() == QLatin1String("Script");
    error = QStringLiteral("%1 (line %2)").arg(error).arg(line);
    return false;
}

} // namespace

CMonitorThread::CMonitorThread(QObject *parent)
    : CWorkerThread(parent)
    , m_jobList(GetJobList())
    , m_formats(&CFormatsEnum::Catalogue())
    , m_folderChanges(Platform::CFolderChanges::Shared().NewClient())
{
    // Every extension of a readable row, upper-cased: a scan asks for each file it lists.
    for (const SFormatRecord &format : m_formats->Formats()) {
        if (!format.canRead)
            continue;
        for (const QString &listed : format.ExtensionList())
            m_readableExtensions.insert(listed.toUpper());
    }
}

CMonitorThread::~CMonitorThread()
{
    Platform::CFolderChanges::Shared().RemoveClient(m_folderChanges);
}

qint64 CMonitorThread::QuietFolderSize(const QString &folder)
{
    Platform::CFolderChanges &changes = Platform::CFolderChanges::Shared();
    Platform::SFileIdentity root;
    const bool rootKnown = Platform::ReadFileIdentity(folder, root);
    if (m_sizeMemo && rootKnown && m_sizeMemo->folder == folder && m_sizeMemo->device == root.device
        && m_sizeMemo->inode == root.inode && !changes.Changed(m_folderChanges))
        return m_sizeMemo->size;

    // Read again, watching each folder before its entries are read: whatever happens from
    // then on marks the answer as old.
    m_sizeMemo.reset();
    bool watched = rootKnown && changes.Restart(m_folderChanges);
    const qint64 size = GetFolderSize(folder, [&](const QString &path) {
        watched
            = watched && Platform::KeepsFileIdentity(path) && changes.Add(m_folderChanges, path);
    });
    if (watched)
        m_sizeMemo = SSizeMemo { folder, root.device, root.inode, size };
    return size;
}

QString CMonitorThread::MainProgram()
{
    {
        QMutexLocker locker(&mainProgramLock);
        if (!mainProgramOverride.isEmpty())
            return mainProgramOverride;
    }
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Quendrasil");
}

void CMonitorThread::SetMainProgram(const QString &path)
{
    QMutexLocker locker(&mainProgramLock);
    mainProgramOverride = path;
}

QString CMonitorThread::ScriptPath(qint64 jobId)
{
    const QString temp = TempFolder();
    if (temp.isEmpty())
        return QString();
    return temp + QStringLiteral("/monitor") + QString::number(jobId) + QStringLiteral(".qlr");
}

QString CMonitorThread::ResolvedSource(const CJob &job)
{
    if (QDir::isAbsolutePath(job.Source))
        return job.Source;
    const int slash = job.Script.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return job.Source;
    // Computed, never through the process's current folder, which other threads share.
    return QDir::cleanPath(job.Script.left(slash) + QLatin1Char('/') + job.Source);
}

CStopFlag &CStopFlag::operator=(bool requested)
{
    {
        std::lock_guard<std::mutex> locker(m_lock);
        m_requested = requested;
    }
    m_wake.notify_all();
    return *this;
}

bool CStopFlag::SleepFor(qint64 milliseconds)
{
    std::unique_lock<std::mutex> locker(m_lock);
    return !m_wake.wait_for(locker, std::chrono::milliseconds(qMax<qint64>(0, milliseconds)),
        [this] { return m_requested.load(); });
}

void CMonitorThread::Run()
{
    // A pool thread may have watched another job before.
    m_checksums.Clear();
    m_sizeMemo.reset();
    if (!SleepUnlessStopped(1000))
        return;
    const qint64 start = QDateTime::currentSecsSinceEpoch();
    qint64 last = start;
    bool zeroIntervalTraced = false;

    while (!StopRequested) {
        // Passes begin when the wall clock enters a new second. The thread sleeps until then
        // (at least one slice, at most a second when the clock was set back) instead of
        // waking every slice to look; a stop request wakes it.
        const qint64 untilNextSecond = (last + 1) * 1000 - QDateTime::currentMSecsSinceEpoch();
        if (!SleepUnlessStopped(qBound(qint64(SliceMs), untilNextSecond + 1, qint64(1000))))
            return;
        NewImages.clear();
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        if (now == last)
            continue;
        if (now < last)
            continue; // the clock was set back: wait until it passes the last second seen

        const std::optional<CJob> found = m_jobList->FindById(JobId);
        if (!found) {
            LogMessage(RunTag, QStringLiteral("The job %1 is gone").arg(JobId.load()));
            return;
        }
        // What the window held when this pass began: the write-back compares with it.
        const CJob &seen = *found;
        CJob job = seen;

        if (job.Interval == 0) {
            // A hand-edited store may hold 0: such a job is never scanned.
            if (!zeroIntervalTraced)
                LogMessage(RunTag,
                    QStringLiteral("The job %1 has the interval 0 and is not scanned").arg(job.Id));
            zeroIntervalTraced = true;
        } else {
            zeroIntervalTraced = false;
            if ((now - start) % job.Interval == 0 && job.Active)
                ScanForChanges(job, job.Type);
        }
        if (StopRequested)
            return;
        if (job.Type == JobType::Folder && !NewImages.isEmpty())
            RemoveUnstableFiles(job);
        if (!NewImages.isEmpty() && !HandOver(job, seen))
            return;
        last = now;
    }
}

bool CMonitorThread::HandOver(CJob &job, const CJob &seen)
{
    emit BeginProcessing(job.Name, job.SilentMode);

    QList<SJobImage> batch = NewImages;
    const QString script = GenerateScript(job, batch);
    if (script.isEmpty())
        return true;

    // Photos the script does not name (failed downloads) are neither recorded nor counted,
    // so the next scan finds them new again.
    if (batch.size() != NewImages.size()) {
        QSet<QString> named;
        for (const SJobImage &image : std::as_const(batch))
            named.insert(image.Path);
        for (const SJobImage &image : std::as_const(NewImages)) {
            if (named.contains(image.Path))
                continue;
            const auto samePath = [&](const SJobImage &entry) { return entry.Path == image.Path; };
            job.CurrentImages.removeIf(samePath);
            job.Log.removeIf(samePath);
            --job.PicCount;
        }
    }

    if (StopRequested) {
        // Not started yet: nothing is handed over and the photos stay new.
        if (!DownloadFolder.isEmpty())
            RemoveFolderRecursively(DownloadFolder);
        QFile::remove(script);
        return false;
    }
    LogMessage(RunTag, QStringLiteral("Starting Quendrasil with the script ") + script);
    const EMainProgramOutcome outcome = RunMainProgram(script);
    if (outcome == EMainProgramOutcome::StillRunning) {
        // Its script and downloads stay: the program may still be reading them.
        if (StopRequested) {
            LogMessage(
                RunTag, QStringLiteral("Stopped while Quendrasil still runs; it is left running"));
            return false;
        }
        LogMessage(RunTag, QStringLiteral("Quendrasil still runs after a day; it is left running"));
        emit EndProcessing();
        return true;
    }

    LogMessage(RunTag, QStringLiteral("Deleting temporary folder with images and the script file"));
    if (!DownloadFolder.isEmpty())
        RemoveFolderRecursively(DownloadFolder);
    QFile::remove(script);

    if (outcome == EMainProgramOutcome::Finished)
        m_jobList->WriteBackScan(JobId, seen, job);
    else
        LogMessage(
            RunTag, QStringLiteral("Quendrasil did not finish the batch; its photos stay new"));
    emit EndProcessing();
    return true;
}

CMonitorThread::EMainProgramOutcome CMonitorThread::RunMainProgram(const QString &script)
{
    HandOverBeforeProgramStart();
    // On the heap: a program still running when we stop waiting must outlive this thread,
    // and destroying a QProcess kills its program.
    auto *process = new QProcess;
    process->setProgram(MainProgram());
    process->setArguments({ script });
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted(30000)) {
        LogMessage(
            RunTag, QStringLiteral("Quendrasil could not be started: ") + process->errorString());
        delete process;
        return EMainProgramOutcome::Failed;
    }

    QElapsedTimer clock;
    clock.start();
    while (process->state() != QProcess::NotRunning && !process->waitForFinished(ProgramSliceMs)) {
        if (process->state() == QProcess::NotRunning)
            break;
        if (StopRequested || clock.elapsed() >= ProgramLimitMs) {
            // Left to run on its own; the application's thread frees the object when it ends.
            QCoreApplication *application = QCoreApplication::instance();
            if (application) {
                process->moveToThread(application->thread());
                QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
            }
            return EMainProgramOutcome::StillRunning;
        }
    }

    const bool crashed = process->exitStatus() == QProcess::CrashExit;
    const int code = process->exitCode();
    const QString error = process->errorString();
    delete process;
    if (crashed) {
        LogMessage(RunTag, QStringLiteral("Quendrasil crashed: ") + error);
        return EMainProgramOutcome::Failed;
    }
    if (code != 0) {
        LogMessage(RunTag, QStringLiteral("Quendrasil ended with the exit code %1").arg(code));
        return EMainProgramOutcome::Failed;
    }
    return EMainProgramOutcome::Finished;
}

void CMonitorThread::ScanForChanges(CJob &job, int type)
{
    LogMessage(ScanTag);
    Platform::SFileIdentity source;
    if (type == JobType::Folder && !Platform::ReadFileIdentity(ResolvedSource(job), source))
        return; // nothing there (a link is followed)

    NewImages.clear();
    job.CurrentImages.clear();
    if (type == JobType::Folder) {
        if (!GenerateListCurrentImgs(job, job.Source)) {
            // A source that is still being written is retried at a later scan.
            job.CurrentImages.clear();
            LogMessage(ScanTag, QStringLiteral("No complete listing: nothing new this pass"));
            return;
        }
    } else if (type == JobType::Ftp) {
        GenerateFTPListCurrentImgs(job);
    }

    // Mostly the source is as the log saw it, in the same order: then nothing is new.
    const auto sameEntry = [](const SJobImage &a, const SJobImage &b) {
        return a.Path == b.Path && a.Hash == b.Hash;
    };
    const bool unchanged = job.Log.size() == job.CurrentImages.size()
        && std::equal(job.Log.cbegin(), job.Log.cend(), job.CurrentImages.cbegin(), sameEntry);
    QSet<QPair<QString, QString>> known;
    if (!unchanged)
        for (const SJobImage &image : std::as_const(job.Log))
            known.insert({ image.Path, image.Hash });
    quint16 count = job.PicCount;
    for (const SJobImage &image : std::as_const(job.CurrentImages)) {
        if (unchanged || known.contains({ image.Path, image.Hash }))
            continue;
        NewImages.append(image);
        ++count; // wraps from 65535 to 0
    }
    job.PicCount = count;
    job.Log = job.CurrentImages;
}

bool CMonitorThread::GenerateListCurrentImgs(CJob &job, const QString &source)
{
    LogMessage(ListTag);
    CJob resolving = job;
    resolving.Source = source;
    const QString folder = ResolvedSource(resolving);

    // Wait until the folder's size holds still for a second.
    QElapsedTimer waited;
    waited.start();
    qint64 before = QuietFolderSize(folder);
    if (!SleepUnlessStopped(1000))
        return false;
    qint64 after = QuietFolderSize(folder);
    while (before != after) {
        if (waited.elapsed() >= QuietFolderLimitMs) {
            LogMessage(ListTag,
                QStringLiteral("The folder keeps changing after %1 ms; giving up this scan")
                    .arg(waited.elapsed()));
            return false;
        }
        if (!SleepUnlessStopped(1000))
            return false;
        before = after;
        after = QuietFolderSize(folder);
    }

    QElapsedTimer clock;
    clock.start();
    m_visitedFolders.clear();
    m_checksums.BeginScan();
    SearchAllFiles(folder, job);
    LogMessage(ListTag, QStringLiteral("SearchAllFiles: %1ms").arg(clock.elapsed()));
    if (StopRequested)
        return false;
    // Only a whole walk tells which files are gone.
    m_checksums.EndCompleteScan();
    return true;
}

void CMonitorThread::SearchAllFiles(const QString &folder, CJob &job)
{
    // A folder is known by its device and inode, whatever path led to it.
    Platform::SFileIdentity identity;
    if (!Platform::ReadFileIdentity(folder, identity)
        || m_visitedFolders.contains({ identity.device, identity.inode })) {
        // A link back into the tree, or to a folder already walked.
        LogMessage(SearchTag, QStringLiteral("Skipping ") + PrintablePath(folder));
        return;
    }
    m_visitedFolders.insert({ identity.device, identity.inode });

    // What a name filter of QDir would give for the mask: files only, no links, no hidden
    // ones, the name compared without regard to case; read once, each entry examined once.
    if (!m_mask || job.Mask != *m_mask) {
        m_mask = job.Mask;
        m_maskPattern = QRegularExpression::fromWildcard(job.Mask, Qt::CaseInsensitive);
    }
    QList<Platform::SFolderEntry> entries;
    Platform::ListFolder(folder, entries);
    QList<const Platform::SFolderEntry *> files;
    for (const Platform::SFolderEntry &entry : std::as_const(entries))
        if (entry.kind == Platform::EEntryKind::File && !IsHiddenName(entry.name)
            && m_maskPattern.match(entry.name).hasMatch())
            files.append(&entry);
    LogMessage(SearchTag,
        QStringLiteral("currentDir: ") + PrintablePath(folder) + QStringLiteral(" / filesCount: ")
            + QString::number(files.size()));
    const QString absolute = QDir(folder).absolutePath();
    for (const Platform::SFolderEntry *file : std::as_const(files)) {
        if (StopRequested)
            return;
        const QString path = absolute + QLatin1Char('/') + file->name;
        if (!IsSupportedFormat(path))
            continue;
        job.CurrentImages.append({ path, m_checksums.Md5(path, file->identity),
            Milliseconds(file->identity.modifiedNs) });
    }

    if (!job.Subfolders)
        return;
    // Links to folders are followed; the walk above stops at the ones that lead back.
    for (const Platform::SFolderEntry &entry : std::as_const(entries)) {
        if (StopRequested)
            return;
        if (IsHiddenName(entry.name))
            continue;
        const QString path = folder + QLatin1Char('/') + entry.name;
        if (entry.kind == Platform::EEntryKind::Folder
            || (entry.kind == Platform::EEntryKind::Link && Platform::IsFolderFollowed(path)))
            SearchAllFiles(path, job);
    }
}

void CMonitorThread::GenerateFTPListCurrentImgs(CJob &job)
{
    LogMessage(QStringLiteral("CMonitorThread::GenerateFTPListCurrentImgs"));
    CSpiderFTP spider;
    spider.ScanDirectory(job.Host, job.Username, job.Password, job.Source, job.Port, job.UseSFTP,
        EScanMode::ListSizes, job.Subfolders, job.Mask, QStringList(), QString());
    if (!SleepUnlessStopped(200))
        return;
    spider.ScanDirectory(job.Host, job.Username, job.Password, job.Source, job.Port, job.UseSFTP,
        EScanMode::KeepStable, job.Subfolders, job.Mask, QStringList(), QString());
    for (const QString &path : std::as_const(spider.StableFiles))
        if (IsSupportedFormat(path))
            job.CurrentImages.append({ path, QString(), 0 });
}

bool CMonitorThread::IsSupportedFormat(const QString &path) const
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return m_readableExtensions.contains((dot < 0 ? path : path.mid(dot + 1)).toUpper());
}

void CMonitorThread::RemoveUnstableFiles(CJob &job)
{
    QList<qint64> first;
    for (const SJobImage &image : std::as_const(NewImages))
        first.append(OpenedSize(image.Path));
    msleep(100);
    QList<qint64> second;
    for (const SJobImage &image : std::as_const(NewImages))
        second.append(OpenedSize(image.Path));

    for (int i = NewImages.size() - 1; i >= 0; --i) {
        if (first[i] == second[i] && first[i] != 0)
            continue;
        LogMessage(QStringLiteral("CMonitorThread::RemoveUnstableFiles"),
            QStringLiteral("Not steady yet: ") + PrintablePath(NewImages[i].Path));
        const QString path = NewImages[i].Path;
        const auto entry = std::find_if(job.CurrentImages.begin(), job.CurrentImages.end(),
            [&](const SJobImage &image) { return image.Path == path; });
        if (entry != job.CurrentImages.end())
            job.CurrentImages.erase(entry);
        NewImages.removeAt(i);
    }
    job.Log = job.CurrentImages;
}

QString CMonitorThread::GetFTPTempFolder(const SJobImage &image, const CJob &job)
{
    QString relative = DownloadFolderName(job) + image.Path;
    relative.replace(QLatin1String("//"), QLatin1String("/"));
    const QString temp = TempFolder();
    DownloadFolder = temp + QLatin1Char('/') + relative.left(relative.indexOf(QLatin1Char('/')));
    const QString local = temp + QLatin1Char('/') + relative;
    // One level only; the walker makes the whole tree while downloading.
    QDir().mkdir(local.left(local.lastIndexOf(QLatin1Char('/'))));
    return local;
}

QString CMonitorThread::GenerateScript(const CJob &job, QList<SJobImage> &images)
{
    LogMessage(ScriptTag);
    QFile profile(job.Script);
    if (!profile.open(QIODevice::ReadOnly)) {
        LogMessage(
            ScriptTag, QStringLiteral("Cannot open the job profile ") + PrintablePath(job.Script));
        images.clear();
        return QString();
    }
    QString profileText = QString::fromUtf8(profile.readAll());
    profile.close();
    profileText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QString tail = ProfileTail(profileText);
    if (tail.isNull()) {
        LogMessage(ScriptTag, QStringLiteral("The job profile is no profile document"));
        images.clear();
        return QString();
    }
    tail.replace(QLatin1String("</Profile>"), QLatin1String("</Script>"));
    const QString path = ScriptPath(job.Id);
    if (path.isEmpty()) {
        LogMessage(ScriptTag, QStringLiteral("No temporary folder for the script"));
        images.clear();
        return QString();
    }

    // The count the main program continues from: what the job had before this batch.
    const int picCount = int(job.PicCount) - int(images.size());
    QString folder = job.Source;
    if (job.Type == JobType::Ftp) {
        folder = TempFolder() + QLatin1Char('/') + DownloadFolderName(job);
        if (job.Source != QLatin1String("/"))
            folder += job.Source;
    }
    const QString block = MonitorBlock(job, folder, picCount);

    // Checked before anything is downloaded: photo lines cannot spoil the document.
    QString error;
    if (!IsWellFormed(ScriptText(QStringList(), tail, block), error)) {
        LogMessage(ScriptTag, QStringLiteral("The script would not be well-formed: ") + error);
        images.clear();
        return QString();
    }

    QStringList photoPaths;
    if (job.Type == JobType::Folder) {
        LogMessage(ScriptTag, QStringLiteral("FOLDER_WATCH"));
        for (const SJobImage &image : std::as_const(images))
            photoPaths.append(image.Path);
    } else if (job.Type == JobType::Ftp) {
        LogMessage(ScriptTag, QStringLiteral("FTP_WATCH"));
        LogMessage(
            ScriptTag, QStringLiteral("ListImgsToProcess.size: ") + QString::number(images.size()));
        DownloadFolder = TempFolder() + QLatin1Char('/') + DownloadFolderName(job);
        QStringList localPaths;
        QStringList downloadList;
        for (const SJobImage &image : std::as_const(images)) {
            if (!StaysInDownloadFolder(image.Path)) {
                localPaths.append(QString()); // never downloaded, so left out below
                continue;
            }
            localPaths.append(GetFTPTempFolder(image, job));
            downloadList.append(image.Path);
        }
        LogMessage(ScriptTag, QStringLiteral("Temp download folder: ") + DownloadFolder);
        CSpiderFTP spider;
        spider.ScanDirectory(job.Host, job.Username, job.Password, job.Source, job.Port,
            job.UseSFTP, EScanMode::Download, job.Subfolders, job.Mask, downloadList,
            DownloadFolder);

        // Only what arrived whole goes into the script.
        QList<SJobImage> downloaded;
        for (int i = 0; i < images.size(); ++i) {
            if (!localPaths[i].isEmpty() && spider.Downloaded.contains(images[i].Path)) {
                downloaded.append(images[i]);
                photoPaths.append(localPaths[i]);
            } else {
                LogMessage(
                    ScriptTag, QStringLiteral("Not downloaded: ") + PrintablePath(images[i].Path));
            }
        }
        images = downloaded;
        if (images.isEmpty()) {
            LogMessage(ScriptTag, QStringLiteral("No photo was downloaded"));
            if (!DownloadFolder.isEmpty())
                RemoveFolderRecursively(DownloadFolder);
            return QString();
        }
    }
    if (photoPaths.isEmpty()) {
        // Another kind of job lists nothing: there is no batch to hand over.
        images.clear();
        return QString();
    }

    const QString text = ScriptText(photoPaths, tail, block);
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        LogMessage(ScriptTag, QStringLiteral("Cannot write the script ") + path);
        return QString();
    }
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const QByteArray bytes = lines.toUtf8();
    const bool written = script.write(bytes) == bytes.size() && script.flush();
    script.close();
    if (!written) {
        LogMessage(ScriptTag, QStringLiteral("Cannot write the script ") + path);
        QFile::remove(path);
        return QString();
    }
    return path;
}

qint64 GetFolderSize(const QString &path)
{
    return GetFolderSize(path, {});
}

qint64 GetFolderSize(
    const QString &path, const std::function<void(const QString &)> &beforeReadingFolder)
{
    if (!Platform::IsFolderFollowed(path))
        return 0;
    if (beforeReadingFolder)
        beforeReadingFolder(path);
    qint64 total = 0;
    QList<Platform::SFolderEntry> entries;
    Platform::ListFolder(path, entries);
    for (const Platform::SFolderEntry &entry : std::as_const(entries)) {
        if (entry.kind == Platform::EEntryKind::File)
            total += entry.identity.size;
        else if (entry.kind == Platform::EEntryKind::Folder)
            total += GetFolderSize(path + QLatin1Char('/') + entry.name, beforeReadingFolder);
    }
    return total;
}
