#include "ProcessThread.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSaveFile>
#include <QScopeGuard>

#include "FilterIds.h"
#include "FilterSlots.h"
#include "FormatsEnum.h"
#include "ImageEngineSetup.h"
#include "OutputPaths.h"
#include "StoredValues.h"
#include "TextCodecs.h"
#include "Trace.h"
#include "platform/FileTimes.h"
#include "platform/TempFolder.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <system_error>

namespace {

constexpr unsigned long PollSleepMs = 100;
constexpr qint64 CopyBlockSize = 1024 * 1024;

const QString GeneratePathNameTag = QStringLiteral("CProcessThread::GeneratePathName");

bool PathOccupied(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Copies through a temporary file beside the target that replaces it only when complete, so
// a full disk never leaves a partial file or destroys the file that stood there.
bool CopyFileSafely(const QString &source, const QString &target, QString &reason)
{
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly)) {
        reason = input.errorString();
        return false;
    }
    QSaveFile output(target);
    if (!output.open(QIODevice::WriteOnly)) {
        reason = output.errorString();
        return false;
    }
    qint64 copied = 0;
    while (true) {
        const QByteArray block = input.read(CopyBlockSize);
        if (block.isEmpty())
            break;
        if (output.write(block) != block.size()) {
            reason = output.errorString();
            output.cancelWriting();
            return false;
        }
        copied += block.size();
    }
    if (input.error() != QFileDevice::NoError || copied != input.size()) {
        reason = input.errorString();
        output.cancelWriting();
        return false;
    }
    if (!output.commit()) {
        reason = output.errorString();
        return false;
    }
    QFile::setPermissions(target, input.permissions());
    return true;
}

// Renames the source over the target (replacing it in one step); across file systems it
// copies, checks the copy and only then deletes the source.
bool MoveFileSafely(const QString &source, const QString &target, QString &reason)
{
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(source).toStdString()),
        std::filesystem::path(QFile::encodeName(target).toStdString()), error);
    if (!error)
        return true;
    if (error != std::errc::cross_device_link) {
        reason = QString::fromStdString(error.message());
        return false;
    }
    if (!CopyFileSafely(source, target, reason))
        return false;
    if (QFileInfo(target).size() != QFileInfo(source).size()) {
        reason = QStringLiteral("The copy is incomplete");
        return false;
    }
    if (!QFile::remove(source))
        LogMessage(QStringLiteral("CProcessThread::LightProcessing"),
            QStringLiteral("Copied, but the source could not be deleted: %1").arg(source));
    return true;
}

// No box side beyond this is taken for a hint; a damaged record may hold anything.
constexpr double MaximumHintSide = 65535.0;

// A box side from a record value as the step rounds it; 0 when it is no usable side.
int HintSide(double value, bool roundHalfUp)
{
    if (!std::isfinite(value) || value < 1.0 || value > MaximumHintSide)
        return 0;
    const double whole = std::trunc(value);
    return int(roundHalfUp && value - whole >= 0.5 ? whole + 1.0 : whole);
}

} // namespace

QSize CProcessThread::DecodeSizeHint(const QList<SFilterRecord> &chain)
{
    const auto first = std::find_if(
        chain.cbegin(), chain.cend(), [](const SFilterRecord &record) { return record.active; });
    if (first == chain.cend())
        return QSize();
    const SFilterRecord &record = *first;

    if (record.id == FilterId::Resize) {
        // Pixels only: a percentage is of the full-size photo. Of the modes only "fit into
        // the box" and "both sides" bound the result; width-only and height-only leave the
        // other side to the photo's proportions. The mode and unit as the step reads them.
        using EMode = ResizeSlot::EMode;
        const EMode mode = ChoiceAs<EMode>(record, ResizeSlot::ModeChoice);
        if (ChoiceAs<ESizeUnit>(record, ResizeSlot::UnitChoice) != ESizeUnit::Pixels
            || (mode != EMode::WidthHeight && mode != EMode::FixedWidthHeight))
            return QSize();
        const int width = HintSide(record.numbers[ResizeSlot::Width], true);
        const int height = HintSide(record.numbers[ResizeSlot::Height], true);
        if (width == 0 || height == 0)
            return QSize();
        // Kept proportions make the larger side the photo's long side, whichever it is.
        if (mode == EMode::WidthHeight && record.numbers[ResizeSlot::KeepAspect] == 1.0) {
            const int longSide = std::max(width, height);
            return QSize(longSide, longSide);
        }
        return QSize(width, height);
    }
    if (record.id == FilterId::Thumbnail) {
        // Every method (fit, stretch, fill) ends inside the box.
        const int width = HintSide(record.numbers[ThumbnailSlot::Width], false);
        const int height = HintSide(record.numbers[ThumbnailSlot::Height], false);
        if (width == 0 || height == 0)
            return QSize();
        return QSize(width, height);
    }
    return QSize();
}

CProcessThread::CProcessThread()
    : job(std::make_shared<const SJobSnapshot>())
    , formats(&CFormatsEnum::Catalogue())
    , engine(std::make_unique<CImageManager>())
    , namingEngine(std::make_unique<CImageManager>())
{
}

void CProcessThread::SetJob(std::shared_ptr<const SJobSnapshot> runJob)
{
    job = std::move(runJob);
    outputKeptOnDisk = job->OutputOptions.KeepsOutputOnDisk();
    engine->options = job->Image;
    namingEngine->options = job->Image;
}

CProcessThread::~CProcessThread()
{
    // The owner waits before destroying; this only guards against an owner that did not.
    RequestStop();
    if (waiting)
        GiveAnswer(OverwriteAnswer::Abort, QString());
    wait();
}

bool CProcessThread::GiveAnswer(int givenAnswer, const QString &path)
{
    QMutexLocker lock(&answerLock);
    if (!waiting)
        return false;
    answerPath = path;
    answer = givenAnswer;
    waiting = false;
    return true;
}

bool CProcessThread::Poll()
{
    while (pauseRequest) {
        if (stopRequest)
            return false;
        msleep(PollSleepMs);
    }
    return !stopRequest;
}

void CProcessThread::Run()
{
    LogMessage(QStringLiteral("CProcessThread::run"));
    // The run's window keeps the worker after the run; the side images need not wait for it.
    const auto releaseSideImages = qScopeGuard([this] { engine->filters.sideImages->Clear(); });

    renameSettings = job->RenameSettings;
    // A Monitor job numbers its outputs on from its earlier runs.
    if (job->SilentScript && !job->Overwrite && !renameSettings.CounterReset) {
        renameSettings.ContinueNumbering = true;
        renameSettings.PhotosDoneBefore = job->PicCount;
        const qint64 start = (qint64(job->PicCount) + 1) * renameSettings.CountStep;
        renameSettings.CounterStart = int(std::clamp<qint64>(
            start, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    }
    renameSettings.RunningCount = renameSettings.CounterStart;
    documentMode = job->OutputOptions.Multipage;
    engine->SetDecodeSizeHint(DecodeSizeHint(job->Filters));

    if (outputKeptOnDisk) {
        baseFolder = job->OutputOptions.DestPath;
    } else {
        QMutexLocker lock(&shared->folderLock);
        baseFolder = Platform::TempWorkFolder();
    }

    photoCounter = 0;
    for (const SImageRecord &photo : std::as_const(assignedPhotos)) {
        const EStep step = ProcessPhoto(photo);
        if (step == EStep::Stop) {
            LogMessage(QStringLiteral("CProcessThread::run"), QStringLiteral("Stopped"));
            // A document of the run that was never written is no file to hand on.
            if (documentMode)
                ForgetPhotoFiles();
            documentResults.clear();
            PostProcessing();
            return;
        }
        if (step == EStep::EndRun) {
            // The one document of the run is skipped: nothing else is to be written.
            emit ThreadFinished();
            return;
        }
    }

    if (documentMode)
        WriteDocument();
    engine->ClearImage();
    engine->ClearPages();
    PostProcessing();
}

CProcessThread::EStep CProcessThread::ProcessPhoto(const SImageRecord &photo)
{
    photoReported = false;
    filterFailed = false;
    multipageSource = false;
    if (!Poll())
        return EStep::Stop;

    ++photoCounter;
    sourcePath = photo.pathName;
    sourceFolder = photo.folder;
    baseName = photo.baseName;
    extension = photo.extension;
    sequenceNumber = photo.sequenceNumber;
    folderPosition = photo.folderPosition;
    engine->imageIndex = sequenceNumber;

    GeneratePathName();
    if (outputPath.isEmpty()) {
        LogFailure(EFailure::Write, renameSettings.GeneratedName, tr("There is no output folder"));
        ++errorCount;
        photoReported = true;
        return EStep::Next;
    }

    const bool goOn = CheckPathName();
    if (documentMode) {
        if (skipThis || skipAll) {
            ForgetPhotoFiles();
            LogResult();
            return EStep::EndRun;
        }
        documentFixed = true;
    }
    if (!goOn) {
        ForgetPhotoFiles();
        LogResult();
        return EStep::Next;
    }

    if (!Poll()) {
        ForgetPhotoFiles();
        return EStep::Stop;
    }
    multipageSource = !documentMode && pageCount > 1;
    bool settled = false;
    LightProcessing(settled);
    if (!settled) {
        if (!ReadImage())
            return EStep::Next;
        if (!Poll() || !ApplyFilters() || !Poll()) {
            ForgetPhotoFiles();
            return EStep::Stop;
        }
        if (!WriteImage())
            return EStep::Next;
        emit IncProgressImage();
    }
    LogResult();
    return EStep::Next;
}

bool CProcessThread::ReadImage()
{
    LogMessage(QStringLiteral("CProcessThread::ReadImage"));
    bool read;
    if (documentMode)
        read = engine->ReadAppendPage(sourcePath);
    else if (multipageSource)
        read = engine->ReadMultipage(sourcePath);
    else
        read = engine->Read(sourcePath);
    if (read) {
        if (documentMode)
            ++documentPages;
        emit IncProgressOperation();
        return true;
    }

    // A read cut short by the stop (its helper ended with the run) is no failure of the photo.
    if (stopRequest) {
        photoReported = true;
        if (!documentMode)
            ForgetPhotoFiles();
        return false;
    }
    if (GhostscriptNoticeDue(extension))
        emit SignalDisplayGSMessage(extension);
    LogFailure(EFailure::Load, sourcePath, engine->GetErrorText());
    ++errorCount;
    photoReported = true;
    if (!documentMode)
        ForgetPhotoFiles();
    return false;
}

bool CProcessThread::ApplyFilters()
{
    LogMessage(QStringLiteral("CProcessThread::ApplyFilters"));
    for (const SFilterRecord &record : job->Filters) {
        if (!Poll())
            return false;
        if (!record.active)
            continue;
        bool applied;
        if (documentMode)
            applied = engine->ApplyFilterToCurrentPage(record);
        else if (multipageSource)
            applied = engine->ApplyFilterToMultipage(record);
        else
            applied = engine->ApplyFilter(record);
        if (applied) {
            emit IncProgressOperation();
        } else {
            // The photo is still written; only this step is missing from it.
            LogFailure(EFailure::Filter, sourcePath, QString(), record.name);
            ++errorCount;
            photoReported = true;
            filterFailed = true;
        }
    }
    return true;
}

bool CProcessThread::WriteImage()
{
    LogMessage(QStringLiteral("CProcessThread::WriteImage"));
    if (documentMode)
        return true; // the document is written once, after the last photo

    for (const QString &file : PhotoFiles())
        ClearReadOnly(file);
    const bool written
        = multipageSource ? engine->WriteMultipage(outputPath, false) : engine->Write(outputPath);
    if (!written) {
        LogFailure(EFailure::Write, outputPath, engine->GetErrorText());
        ++errorCount;
        photoReported = true;
        ForgetPhotoFiles();
        engine->ClearImage();
        engine->ClearPages();
        return false;
    }
    // The decoded photo is not needed any more; large ones should not wait for the next read.
    engine->ClearImage();
    emit IncProgressOperation();
    RestoreFileAttributes();
    DeleteSourceWhenSafe();
    return true;
}

void CProcessThread::WriteDocument()
{
    LogMessage(QStringLiteral("CProcessThread::WriteDocument"));
    // Every page that was read goes into the document, whatever became of the last photo.
    if (documentPages == 0 || outputPath.isEmpty()) {
        ForgetPhotoFiles();
        return;
    }
    const int pages = int(engine->pages.size());
    ClearReadOnly(outputPath);
    if (!engine->WriteMultipage(outputPath, true)) {
        LogFailure(EFailure::Write, outputPath, engine->GetErrorText());
        ++errorCount;
        ForgetPhotoFiles();
        documentResults.clear();
        return;
    }
    // A format that holds one picture per file gets one file per page.
    if (pages > 1 && !QFileInfo::exists(outputPath)) {
        QMutexLocker lock(&shared->writtenLock);
        shared->writtenFiles.removeOne(outputPath);
        for (int page = 0; page < pages; ++page)
            shared->writtenFiles.append(OutputPaths::PagePath(outputPath, page));
    }
    for (int page = 0; page < documentPages; ++page)
        emit IncProgressOperation();
    for (const QString &line : std::as_const(documentResults))
        emit AppendLog(line, 2);
    documentResults.clear();
}

void CProcessThread::PostProcessing()
{
    LogMessage(QStringLiteral("CProcessThread::PostProcessing"));
    if (outputKeptOnDisk) {
        const SOutputOptions &output = job->OutputOptions;
        QString folder;
        switch (output.OutputFolderStruct) {
        case OutputPaths::SelectedFolder:
        case OutputPaths::RecreateTree:
            folder = output.DestPath;
            break;
        case OutputPaths::PhotoFolder:
            folder = sourceFolder;
            break;
        case OutputPaths::PhotoSubfolder:
            if (!sourceFolder.isEmpty())
                folder = sourceFolder + QLatin1Char('/') + output.OutputFolder;
            break;
        default:
            break;
        }
        if (!folder.isEmpty())
            emit OpenOutputFolder(folder);
    }
    emit ThreadFinished();
}

void CProcessThread::GeneratePathName()
{
    LogMessage(GeneratePathNameTag);
    if (documentFixed)
        return;

    renameSettings.PhotoPath = sourcePath;
    renameSettings.PhotoFolder = sourceFolder;
    renameSettings.PhotoBaseName = baseName;
    renameSettings.CounterReset = job->CounterReset;
    renameSettings.PhotoIndex = renameSettings.CounterReset ? folderPosition : sequenceNumber;

    const SOutputOptions &output = job->OutputOptions;
    LogMessage(
        GeneratePathNameTag, output.OutputFormat + QStringLiteral(" <> ") + job->KeepOriginalText);

    // The page count decides how the photo is read and which files it writes; a document of
    // the whole run takes the first picture of every file.
    pageCount = documentMode ? 1 : engine->GetPageCount(sourcePath);
    if (job->KeepsOriginalFormat())
        SetOriginalFileExtension();

    renameSettings.PhotoDate.clear();
    if (NameNeedsPhotoDate() && namingEngine->Ping(sourcePath))
        renameSettings.PhotoDate = namingEngine->GetImageProperties().DateTimeOriginal;
    renameSettings.GenerateFileName(int(job->Photos.size()), false);
    const QString resultName = renameSettings.GeneratedName;

    OutputPaths::SFolderRule rule;
    rule.structure = output.OutputFolderStruct;
    rule.baseFolder = baseFolder;
    rule.sourceFolder = sourceFolder;
    rule.commonFolder = commonFolder;
    rule.outputFolder = output.OutputFolder;
    rule.keptOnDisk = outputKeptOnDisk;
    const QString folder = OutputPaths::OutputFolder(rule);
    outputPath.clear();
    if (folder.isEmpty())
        return;
    if (rule.structure == OutputPaths::RecreateTree
        || rule.structure == OutputPaths::PhotoSubfolder)
        CreateFolder(folder);
    outputPath = folder + resultName;

    splitPages = OutputPaths::SplitsPages(pageCount, output.Multipage, job->Image.MultipageWrite)
        && !CheckLightProcessing();
    const OutputPaths::SPathParts parts = OutputPaths::SplitPath(outputPath);
    ResolveDuplicateFilenames(parts.folder, parts.base, parts.extension);
    for (const QString &file : PhotoFiles())
        AddUsedPathName(file);

    savedAttributes = std::make_unique<SFileAttributeRecord>();
    FileAttributes::Read(sourcePath, *savedAttributes);
}

bool CProcessThread::NameNeedsPhotoDate() const
{
    const bool dateInPattern
        = renameSettings.Pattern.contains(QLatin1String("datetime"), Qt::CaseInsensitive);
    switch (renameSettings.Preset) {
    case RenamePreset::FileName:
    case RenamePreset::FolderAndCounter:
        return false;
    case RenamePreset::DateTime:
        return true;
    case RenamePreset::Template:
        return dateInPattern && renameSettings.DateType == NameDate::PhotoDate;
    default:
        return dateInPattern;
    }
}

void CProcessThread::SetOriginalFileExtension()
{
    LogMessage(QStringLiteral("CProcessThread::SetOriginalFileExtension"));
    renameSettings.OutputExtension
        = OutputPaths::KeptFormatExtension(extension, CheckLightProcessing(), formats->Formats(),
            job->DefaultFormat, [this](const QString &format) { return MapExtension(format); });
}

QString CProcessThread::MapExtension(const QString &format) const
{
    return job->FormatExtension(format);
}

void CProcessThread::ResolveDuplicateFilenames(
    const QString &folder, const QString &base, const QString &ext)
{
    LogMessage(QStringLiteral("CProcessThread::ResolveDuplicateFilenames"));
    OutputPaths::SPathParts parts;
    parts.folder = folder;
    parts.base = base;
    parts.extension = ext;
    parts.hasExtension = OutputPaths::SplitPath(outputPath).hasExtension;
    QString candidate = parts.Join();

    QMutexLocker lock(&shared->namesLock);
    // A name is taken when it or any page file of it was handed out before, or is the source
    // of another photo of the run.
    const auto taken = [this](const QString &path) {
        if (OutputPaths::ContainsOutputName(shared->outputNames, path) || IsOtherSource(path))
            return true;
        for (const QString &file : PhotoFiles(path)) {
            if (OutputPaths::ContainsOutputName(shared->outputNames, file) || IsOtherSource(file))
                return true;
        }
        return false;
    };
    for (int number = 2; taken(candidate); ++number)
        candidate = OutputPaths::NumberedPath(parts.Join(), number);
    outputPath = candidate;
    shared->outputNames.append(outputPath);
    for (const QString &file : PhotoFiles())
        if (file != outputPath)
            shared->outputNames.append(file);
}

void CProcessThread::AddUsedPathName(const QString &path)
{
    QMutexLocker lock(&shared->writtenLock);
    shared->writtenFiles.append(path);
}

QStringList CProcessThread::PhotoFiles() const
{
    return PhotoFiles(outputPath);
}

QStringList CProcessThread::PhotoFiles(const QString &path) const
{
    return OutputPaths::OutputFiles(path, pageCount, splitPages);
}

bool CProcessThread::AnyOutputExists(const QString &path) const
{
    const QStringList files = PhotoFiles(path);
    return std::any_of(files.cbegin(), files.cend(), PathOccupied);
}

bool CProcessThread::IsOtherSource(const QString &path) const
{
    const auto found = shared->sourcePaths.constFind(path.toLower());
    if (found == shared->sourcePaths.cend())
        return false;
    return std::any_of(found->cbegin(), found->cend(),
        [this](const QString &source) { return !OutputPaths::SameFile(source, sourcePath); });
}

bool CProcessThread::CheckPathName()
{
    LogMessage(QStringLiteral("CProcessThread::CheckPathName"));
    // One document for the run: the first photo settled it for all.
    if (documentFixed)
        return true;
    overwriteThis = false;
    skipThis = false;
    renamedThis = false;
    outputExisted = AnyOutputExists(outputPath);
    if (!outputExisted)
        return true;

    // The temporary folder may hold another run's files: never replace them.
    if (!outputKeptOnDisk) {
        NumberOutputFile();
        return true;
    }
    if (!askQuestions) {
        // Unattended: replace only where the job says so, else keep the file and number.
        const bool replace
            = job->SilentScript ? job->Overwrite : job->OutputOptions.DisableNotifications;
        if (replace) {
            overwriteAll = true;
            return true;
        }
        NumberOutputFile();
        return true;
    }
    if (overwriteAll)
        return true;
    if (skipAll)
        return false;
    return AskOverwriteQuestion();
}

bool CProcessThread::AskOverwriteQuestion()
{
    QMutexLocker question(&shared->questionLock);
    while (true) {
        if (stopRequest || overwriteAll)
            return true;
        if (skipAll)
            return false;

        QString asked = outputPath;
        for (const QString &file : PhotoFiles()) {
            if (PathOccupied(file)) {
                asked = file;
                break;
            }
        }
        {
            QMutexLocker lock(&answerLock);
            answerPath = asked;
            answer = OverwriteAnswer::Abort;
            waiting = true;
        }
        emit ShowOverwriteDlg(asked, workerIndex);
        // A stop ends the wait too: an owner going away may never answer.
        while (waiting && !stopRequest)
            msleep(PollSleepMs);
        QString renamed;
        {
            QMutexLocker lock(&answerLock);
            if (waiting) {
                waiting = false;
                return true;
            }
            renamed = answerPath;
        }

        switch (answer) {
        case OverwriteAnswer::Yes:
            overwriteThis = true;
            return true;
        case OverwriteAnswer::YesToAll:
            overwriteAll = true;
            return true;
        case OverwriteAnswer::No:
            skipThis = true;
            return false;
        case OverwriteAnswer::NoToAll:
            skipAll = true;
            return false;
        case OverwriteAnswer::Rename: {
            const bool sameFolder = OutputPaths::SplitPath(renamed).folder
                == OutputPaths::SplitPath(outputPath).folder;
            if (renamed.isEmpty() || !sameFolder || renamed == outputPath)
                continue;
            QMutexLocker names(&shared->namesLock);
            bool free = !AnyOutputExists(renamed);
            for (const QString &file : PhotoFiles(renamed))
                free = free && !OutputPaths::ContainsOutputName(shared->outputNames, file);
            if (!free)
                continue; // taken meanwhile, on disk or within the run: ask again
            TakeOutputPathLocked(renamed);
            renamedThis = true;
            return true;
        }
        default:
            // Abort: the core has set every stop request; the next poll ends the run.
            return true;
        }
    }
}

void CProcessThread::NumberOutputFile()
{
    QMutexLocker names(&shared->namesLock);
    QString candidate;
    for (int number = 2;; ++number) {
        candidate = OutputPaths::NumberedPath(outputPath, number);
        bool free = !AnyOutputExists(candidate);
        for (const QString &file : PhotoFiles(candidate))
            free = free && !OutputPaths::ContainsOutputName(shared->outputNames, file);
        if (free)
            break;
    }
    TakeOutputPathLocked(candidate);
    // Nothing on disk is replaced.
    outputExisted = false;
}

void CProcessThread::TakeOutputPathLocked(const QString &newPath)
{
    const QStringList oldFiles = PhotoFiles();
    const QStringList newFiles = PhotoFiles(newPath);
    shared->outputNames.append(newFiles);
    {
        QMutexLocker written(&shared->writtenLock);
        for (const QString &file : oldFiles)
            shared->writtenFiles.removeOne(file);
        shared->writtenFiles.append(newFiles);
    }
    outputPath = newPath;
}

void CProcessThread::ForgetPhotoFiles()
{
    if (outputPath.isEmpty())
        return;
    QMutexLocker lock(&shared->writtenLock);
    for (const QString &file : PhotoFiles())
        shared->writtenFiles.removeOne(file);
}

bool CProcessThread::CheckLightProcessing() const
{
    LogMessage(QStringLiteral("CProcessThread::CheckLightProcessing"));
    OutputPaths::SLightFacts facts;
    facts.activeFilters = job->ActiveFilterCount();
    facts.outputFormat = job->OutputOptions.OutputFormat;
    facts.sourceExtension = extension;
    facts.documentFixed = documentMode;
    facts.fixedSize = job->Image.FixedSize;
    facts.quality = job->Image.Quality;
    return OutputPaths::LightProcessingAllowed(facts);
}

void CProcessThread::LightProcessing(bool &settled)
{
    LogMessage(QStringLiteral("CProcessThread::LightProcessing"));
    settled = false;
    if (!CheckLightProcessing())
        return;
    settled = true;

    const QFileInfo source(sourcePath);
    if (!source.isFile()) {
        LogFailure(EFailure::Load, sourcePath,
            source.exists() ? tr("Not a regular file") : tr("The file does not exist"));
        ++errorCount;
        photoReported = true;
        ForgetPhotoFiles();
        return;
    }

    ClearReadOnly(outputPath);
    if (!OutputPaths::SameFile(outputPath, sourcePath)) {
        const bool renamed = renameSettings.ChangesFileName();
        const bool move = job->OutputOptions.DeleteSource;
        QString reason;
        const bool done = move ? MoveFileSafely(sourcePath, outputPath, reason)
                               : CopyFileSafely(sourcePath, outputPath, reason);
        if (!done) {
            const EFailure kind = renamed
                ? (move ? EFailure::RenameAndMove : EFailure::RenameAndCopy)
                : (move ? EFailure::Move : EFailure::Copy);
            LogFailure(kind, sourcePath, reason);
            ++errorCount;
            photoReported = true;
            ForgetPhotoFiles();
            return;
        }
    }
    emit IncProgressOperation();
    emit IncProgressOperation();
    emit IncProgressImage();
    RestoreFileAttributes();
}

void CProcessThread::ClearReadOnly(const QString &path)
{
    if (!QFileInfo::exists(path))
        return;
    FileAttributes::ClearHidden(path);
    Platform::SetReadOnly(path, false);
}

bool CProcessThread::CreateFolder(const QString &folder)
{
    QMutexLocker lock(&shared->folderLock);
    return QDir().mkpath(folder);
}

void CProcessThread::RestoreFileAttributes()
{
    for (const QString &file : PhotoFiles()) {
        ClearReadOnly(file);
        if (job->OutputOptions.OriginalDate && savedAttributes)
            FileAttributes::Write(file, *savedAttributes);
    }
    savedAttributes.reset();
}

void CProcessThread::DeleteSourceWhenSafe()
{
    if (!job->OutputOptions.DeleteSource)
        return;
    const QString tag = QStringLiteral("CProcessThread::DeleteSourceWhenSafe");
    if (filterFailed) {
        LogMessage(tag, QStringLiteral("Source kept, a filter failed: %1").arg(sourcePath));
        return;
    }
    const QStringList files = PhotoFiles();
    for (const QString &file : files) {
        if (OutputPaths::SameFile(file, sourcePath)) {
            LogMessage(tag, QStringLiteral("Source kept, it is the output: %1").arg(sourcePath));
            return;
        }
        const QFileInfo written(file);
        if (!written.isFile() || written.size() <= 0) {
            LogMessage(tag, QStringLiteral("Source kept, output not verified: %1").arg(file));
            return;
        }
    }
    ClearReadOnly(sourcePath);
    if (!QFile::remove(sourcePath))
        LogMessage(tag, QStringLiteral("Cannot delete the source: %1").arg(sourcePath));
}

void CProcessThread::LogFailure(
    EFailure kind, const QString &path, const QString &reason, const QString &filterName)
{
    QString text;
    int limit = 32;
    switch (kind) {
    case EFailure::Load:
        text = tr("Failed to load");
        break;
    case EFailure::Filter:
        text = tr("Failed to apply '%1' filter to").arg(filterName);
        break;
    case EFailure::Write:
        text = tr("Failed to write");
        limit = 64;
        break;
    case EFailure::Copy:
        text = tr("Failed to Copy");
        break;
    case EFailure::Move:
        text = tr("Failed to Move");
        break;
    case EFailure::RenameAndCopy:
        text = tr("Failed to Rename and Copy");
        break;
    case EFailure::RenameAndMove:
        text = tr("Failed to Rename and Move");
        break;
    }
    // A file name (or a reason quoting one) must not start lines of its own in the log.
    const QString why
        = reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(PrintablePath(reason));
    const QString shown = PrintablePath(path);
    const QString prefix = QStringLiteral(" - ") + text + QLatin1Char(' ');
    emit AppendLog(prefix + ElidePath(shown, limit, true) + why, 1);
    emit AppendLog(prefix + shown + why, 2);
}

void CProcessThread::LogResult()
{
    if (photoReported)
        return;
    QString text;
    if (outputExisted && !multipageSource && !job->SilentScript) {
        if (renamedThis)
            text = tr("Processed and renamed");
        else if (overwriteAll || overwriteThis)
            text = tr("Processed and replaced");
        else if (skipAll || skipThis)
            text = tr("Skipped");
    } else {
        text = tr("Processed");
    }
    photoReported = true;
    if (text.isEmpty())
        return;
    const QString line
        = QStringLiteral(" - ") + text + QLatin1Char(' ') + PrintablePath(sourcePath);
    // A document's pages count as processed only once the document is on disk.
    if (documentMode && !skipThis && !skipAll)
        documentResults.append(line);
    else
        emit AppendLog(line, 2);
}
