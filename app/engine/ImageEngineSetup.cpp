#include "ImageEngineSetup.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <Magick++.h>

#include "FormatsEnum.h"
#include "Settings.h"
#include "Trace.h"
#include "guard/HelperGuardFiles.h"
#include "platform/MagickTemp.h"
#include "platform/Processes.h"
#include "platform/ProgramFolder.h"
#include "platform/TempFolder.h"

#include <algorithm>
#include <mutex>
#include <unistd.h>

namespace {

const QString SetupTag = QStringLiteral("InitializeImageEngine");

constexpr qint64 MiB = 1024 * 1024;

// Coders that do more than decode the bytes of one image file: scripts and vector languages
// that name other files (MSL, MVG, and SVG, which this build draws through MVG), network and
// file indirection, the X display and clipboard, text renderers that pull in files, the
// directory and tile readers, the memory registry, and the video formats that hand the file
// to an external program which follows playlists.
const char *const DeniedCoders[] = { "MSL", "MVG", "MSVG", "SVG", "SVGZ", "URL", "HTTP", "HTTPS",
    "FTP", "FILE", "X", "CLIPBOARD", "EPHEMERAL", "INLINE", "DATA", "TEXT", "LABEL", "CAPTION",
    "PANGO", "VID", "TILE", "MPR", "MPRI", "SCREENSHOT", "SHOW", "WIN", "PRINT", "DOT", "GV",
    "VIDEO", "APNG", "AVI", "MPEG", "MPG", "MP4", "M2V", "M4V", "MKV", "MOV", "WEBM", "WMV", "FLV",
    "3GP", "3G2" };

// The PostScript and PDF family the system policy blocks; Ghostscript runs them with -dSAFER.
const char *const AllowedDocumentCoders = "{PS,PS2,PS3,EPS,EPS2,EPS3,EPSF,EPSI,EPI,EPT,EPT2,"
                                          "EPT3,PDF,EPDF}";

qint64 PhysicalMemory()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return 0;
    return qint64(pages) * qint64(pageSize);
}

// Sets the value of one resource entry of a policy text; false when the entry is missing.
bool SetResourceValue(QByteArray &policy, const char *name, const QByteArray &value)
{
    const QRegularExpression entry(
        QStringLiteral("(name=\"%1\"\\s+value=\")[^\"]*(\")").arg(QString::fromLatin1(name)));
    QString text = QString::fromUtf8(policy);
    const QRegularExpressionMatch match = entry.match(text);
    if (!match.hasMatch())
        return false;
    text.replace(match.capturedStart(), match.capturedLength(),
        match.captured(1) + QString::fromLatin1(value) + match.captured(2));
    policy = text.toUtf8();
    return true;
}

// The folder whose policy.xml ImageMagick should read first: a copy of Data/policy.xml in the
// private temporary folder with memory (half the machine's) and map (all of it) fitted, else
// Data/ itself. Empty when there is no policy file at all.
QString PreparePolicyFolder()
{
    const QString dataFolder = Platform::ProgramDataFolder();
    QFile source(dataFolder + QStringLiteral("/policy.xml"));
    if (!source.open(QIODevice::ReadOnly)) {
        LogMessage(SetupTag,
            QStringLiteral("No %1: ImageMagick keeps the system's resource limits")
                .arg(source.fileName()));
        return QString();
    }
    QByteArray policy = source.readAll();

    const qint64 memory = PhysicalMemory();
    if (memory <= 0)
        return dataFolder;
    const qint64 memoryLimit = std::max<qint64>(memory / 2, 256 * MiB);
    const qint64 mapLimit = std::max<qint64>(memory, 512 * MiB);
    if (!SetResourceValue(policy, "memory", QByteArray::number(memoryLimit / MiB) + "MiB")
        || !SetResourceValue(policy, "map", QByteArray::number(mapLimit / MiB) + "MiB"))
        return dataFolder;

    const QString workFolder = Platform::TempWorkFolder();
    if (workFolder.isEmpty())
        return dataFolder;
    const QString folder = workFolder + QStringLiteral("/ImageMagick");
    if (!QDir().mkpath(folder))
        return dataFolder;
    // Written whole and renamed, so another process starting now never reads half a file.
    QSaveFile copy(folder + QStringLiteral("/policy.xml"));
    if (!copy.open(QIODevice::WriteOnly) || copy.write(policy) != policy.size() || !copy.commit()) {
        LogMessage(SetupTag, QStringLiteral("Cannot write %1").arg(copy.fileName()));
        return dataFolder;
    }
    return folder;
}

void PointConfigurePathAt(const QString &folder)
{
    const QByteArray native = QFile::encodeName(folder);
    const QByteArray current = qgetenv("MAGICK_CONFIGURE_PATH");
    const QByteArray separator(1, QDir::listSeparator().toLatin1());
    if (current == native || current.startsWith(native + separator))
        return;
    qputenv("MAGICK_CONFIGURE_PATH", current.isEmpty() ? native : native + separator + current);
}

QByteArray CoderPolicy()
{
    QByteArray denied;
    for (const char *coder : DeniedCoders) {
        if (!denied.isEmpty())
            denied += ',';
        denied += coder;
    }
    return QByteArray("<policymap>") + "<policy domain=\"coder\" rights=\"read|write\" pattern=\""
        + AllowedDocumentCoders + "\"/>" + "<policy domain=\"coder\" rights=\"none\" pattern=\"{"
        + denied + "}\"/>" + "<policy domain=\"path\" rights=\"none\" pattern=\"@*\"/>"
        + "</policymap>";
}

bool IsCoderAllowed(const char *coder, MagickCore::PolicyRights rights)
{
    return MagickCore::IsRightsAuthorized(MagickCore::CoderPolicyDomain, rights, coder)
        != MagickCore::MagickFalse;
}

void ApplyCoderPolicy()
{
    // SetMagickSecurityPolicy appends its rules after those of every policy.xml read at
    // start, and ImageMagick lets the last matching rule decide, so these rules win over the
    // system's "none" for PDF and over anything the system file allows.
    MagickCore::ExceptionInfo *exception = MagickCore::AcquireExceptionInfo();
    const QByteArray policy = CoderPolicy();
    const bool set = MagickCore::SetMagickSecurityPolicy(policy.constData(), exception)
        != MagickCore::MagickFalse;
    if (!set || exception->severity != MagickCore::UndefinedException) {
        LogMessage(SetupTag,
            QStringLiteral("SetMagickSecurityPolicy failed: %1")
                .arg(QString::fromLocal8Bit(exception->reason ? exception->reason : "")));
    }
    MagickCore::DestroyExceptionInfo(exception);

    // Say so loudly when the rules did not take: the reading code relies on them.
    QStringList wrong;
    for (const char *coder : DeniedCoders) {
        if (IsCoderAllowed(coder, MagickCore::ReadPolicyRights)
            || IsCoderAllowed(coder, MagickCore::WritePolicyRights))
            wrong << QString::fromLatin1(coder);
    }
    for (const char *coder : { "PDF", "PS", "EPS" }) {
        if (!IsCoderAllowed(coder, MagickCore::ReadPolicyRights)
            || !IsCoderAllowed(coder, MagickCore::WritePolicyRights))
            wrong << QString::fromLatin1(coder);
    }
    if (!wrong.isEmpty()) {
        LogMessage(SetupTag,
            QStringLiteral("! Coder rights not as intended for: %1").arg(wrong.join(", ")));
    }
}

constexpr int DefaultHelperSeconds = 60;

// Set once while the engine starts, read by any thread afterwards.
int helperSeconds = DefaultHelperSeconds;
QString guardProgram; // the guard's own path while helpers run through it
QString helperStopFile; // while it exists, guards end their helpers

// The EndImageHelpers() not yet taken back; the stop file exists while there are any.
QMutex helperStopsLock;
int helperStops = 0; // guarded by helperStopsLock

// A delegate command ImageMagick starts without a shell: a quoted program and its words.
// Commands with shell syntax run through the shell and are left as they are.
bool IsPlainCommand(const QString &command)
{
    static const QRegularExpression shellSyntax(QStringLiteral(R"([&;<>|`\\\n])"));
    return command.startsWith(QLatin1Char('"')) && !command.contains(shellSyntax);
}

// ImageMagick keeps only letters, digits and a few signs of a command; a path with anything
// else (and "%", its format sign, or a quote) cannot stand in a delegate command.
bool FitsInCommand(const QString &path)
{
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9/._+-]+$"));
    return safe.match(path).hasMatch();
}

// The delegate table `folder`/delegates.xml: every delegate ImageMagick found in the other
// configuration folders, in their order (the first match wins, and this file is read
// first), with each plain command started through the guard at `guardLink`.
bool WriteGuardedDelegates(const QString &folder, const QString &guardLink, int seconds)
{
    const QString prefix = QStringLiteral("\"%1\" %2 %3 \"%4\" ")
                               .arg(guardLink)
                               .arg(seconds)
                               .arg(QCoreApplication::applicationPid())
                               .arg(folder);
    QByteArray table;
    QXmlStreamWriter writer(&table);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("delegatemap"));
    int guarded = 0;

    MagickCore::ExceptionInfo *exception = MagickCore::AcquireExceptionInfo();
    MagickCore::LinkedListInfo *options
        = MagickCore::GetConfigureOptions("delegates.xml", exception);
    MagickCore::DestroyExceptionInfo(exception);
    MagickCore::ResetLinkedListIterator(options);
    while (const auto *option = static_cast<const MagickCore::StringInfo *>(
               MagickCore::GetNextValueInLinkedList(options))) {
        const QString path = QString::fromLocal8Bit(MagickCore::GetStringInfoPath(option));
        if (QFileInfo(path).absolutePath() == QFileInfo(folder).absoluteFilePath())
            continue;
        QXmlStreamReader reader(
            QByteArray(reinterpret_cast<const char *>(MagickCore::GetStringInfoDatum(option)),
                qsizetype(MagickCore::GetStringInfoLength(option))));
        while (!reader.atEnd()) {
            reader.readNext();
            if (!reader.isStartElement() || reader.name() != QLatin1String("delegate"))
                continue;
            writer.writeStartElement(QStringLiteral("delegate"));
            for (const QXmlStreamAttribute &attribute : reader.attributes()) {
                QString value = attribute.value().toString();
                if (attribute.name() == QLatin1String("command") && IsPlainCommand(value)) {
                    value.prepend(prefix);
                    ++guarded;
                }
                writer.writeAttribute(attribute.name().toString(), value);
            }
            writer.writeEndElement();
        }
        if (reader.hasError()) {
            LogMessage(
                SetupTag, QStringLiteral("Cannot read %1: %2").arg(path, reader.errorString()));
        }
    }
    MagickCore::DestroyConfigureOptions(options);
    writer.writeEndElement();
    writer.writeEndDocument();
    if (guarded == 0)
        return false;

    QSaveFile file(folder + QStringLiteral("/delegates.xml"));
    return file.open(QIODevice::WriteOnly) && file.write(table) == table.size() && file.commit();
}

// Whether ImageMagick now starts Ghostscript through the guard.
bool GhostscriptGuarded(const QString &guardLink)
{
    MagickCore::ExceptionInfo *exception = MagickCore::AcquireExceptionInfo();
    const MagickCore::DelegateInfo *delegate
        = MagickCore::GetDelegateInfo("ps:alpha", nullptr, exception);
    MagickCore::DestroyExceptionInfo(exception);
    if (!delegate)
        return false;
    const QString command = QString::fromLocal8Bit(MagickCore::GetDelegateCommands(delegate));
    return command.mid(1).startsWith(guardLink + command.left(1));
}

// External helpers (Ghostscript) get a time limit and end with the program; see
// app/engine/guard.
void GuardHelpers(const QString &folder)
{
    helperSeconds = ReadSettingInt(QString::fromLatin1(SettingsKey::HelperTimeLimit), 0);
    if (helperSeconds < 1)
        helperSeconds = DefaultHelperSeconds;

    const QString guard = Platform::HelperGuardPath();
    const QString guardLink = folder + QStringLiteral("/guard");
    const QString stopFile = folder + QLatin1Char('/') + QLatin1String(HelperStopFileName);
    // Left by an earlier process with this id, it would end every helper of this one.
    if (!folder.isEmpty())
        QFile::remove(stopFile);
    QString problem;
    if (folder.isEmpty())
        problem = QStringLiteral("no private temporary folder");
    else if (!QFileInfo(guard).isExecutable())
        problem = QStringLiteral("no ") + guard;
    else if (!FitsInCommand(guardLink))
        problem = QStringLiteral("unusable folder name ") + folder;
    else if ((QFile::remove(guardLink), !QFile::link(guard, guardLink)))
        problem = QStringLiteral("cannot link ") + guardLink;
    else if (!WriteGuardedDelegates(folder, guardLink, helperSeconds))
        problem = QStringLiteral("cannot write the delegate table");
    else if (!GhostscriptGuarded(guardLink))
        problem = QStringLiteral("ImageMagick did not take the delegate table");
    if (!problem.isEmpty()) {
        LogMessage(SetupTag, QStringLiteral("! Helpers run without a time limit: ") + problem);
        return;
    }
    guardProgram = guard;
    helperStopFile = stopFile;
    LogMessage(SetupTag,
        QStringLiteral("Helpers (Ghostscript) end after %1 s and with the program")
            .arg(helperSeconds));
}

void TraceLimits()
{
    using MagickCore::GetMagickResourceLimit;
    LogMessage(SetupTag,
        QStringLiteral("Limits: memory %1 MiB, map %2 MiB, disk %3 MiB, width %4, height %5")
            .arg(GetMagickResourceLimit(MagickCore::MemoryResource) / MiB)
            .arg(GetMagickResourceLimit(MagickCore::MapResource) / MiB)
            .arg(GetMagickResourceLimit(MagickCore::DiskResource) / MiB)
            .arg(GetMagickResourceLimit(MagickCore::WidthResource))
            .arg(GetMagickResourceLimit(MagickCore::HeightResource)));
}

// ImageMagick fills its tables (coder modules, delegates, colours, fonts, magic numbers, MIME
// types, locale messages, logs, policies) at their first use. Filled here, on the starting
// thread, before workers and previews can be the first to use one at the same time.
void FillImageMagickTables()
{
    MagickCore::ExceptionInfo *exception = MagickCore::AcquireExceptionInfo();
    size_t count = 0;
    const auto release = [](const void *list) {
        MagickCore::RelinquishMagickMemory(const_cast<void *>(list));
    };
    MagickCore::GetMagickInfo("*", exception); // loads every coder module
    release(MagickCore::GetMagickInfoList("*", &count, exception));
    release(MagickCore::GetCoderInfoList("*", &count, exception));
    release(MagickCore::GetDelegateInfoList("*", &count, exception));
    release(MagickCore::GetColorInfoList("*", &count, exception));
    release(MagickCore::GetTypeInfoList("*", &count, exception));
    release(MagickCore::GetMagicInfoList("*", &count, exception));
    release(MagickCore::GetMimeInfoList("*", &count, exception));
    release(MagickCore::GetLocaleInfoList("*", &count, exception));
    release(MagickCore::GetLogInfoList("*", &count, exception));
    release(MagickCore::GetPolicyInfoList("*", &count, exception));
    MagickCore::DestroyExceptionInfo(exception);
}

} // namespace

void InitializeImageEngine(const char *argv0)
{
    static std::once_flag once;
    std::call_once(once, [argv0]() {
        LogMessage(SetupTag);
        // ImageMagick reads its policy files once, inside InitializeMagick.
        const QString policyFolder = PreparePolicyFolder();
        if (!policyFolder.isEmpty())
            PointConfigurePathAt(policyFolder);
        // The process's own folder comes first: its delegate table, written below, must be
        // the one ImageMagick reads (delegates are read at their first use, not at start).
        const QString helperFolder = Platform::PrepareMagickTemporaryFolder();
        if (!helperFolder.isEmpty())
            PointConfigurePathAt(helperFolder);
        Magick::InitializeMagick(argv0 ? argv0 : "");
        ApplyCoderPolicy();
        GuardHelpers(helperFolder);
        FillImageMagickTables();
        TraceLimits();
    });
}

QString ImageEngineVersion()
{
    size_t number = 0;
    return QString::fromLatin1(MagickCore::GetMagickVersion(&number));
}

QStringList ImageDeniedCoders()
{
    QStringList coders;
    for (const char *coder : DeniedCoders)
        coders << QString::fromLatin1(coder);
    return coders;
}

int ImageHelperTimeLimit()
{
    return helperSeconds;
}

bool ImageHelpersGuarded()
{
    return !guardProgram.isEmpty();
}

int EndImageHelpers()
{
    if (guardProgram.isEmpty())
        return 0;
    {
        QMutexLocker lock(&helperStopsLock);
        // Before the signals: a guard they miss or end too early finds the file.
        if (helperStops++ == 0) {
            QFile file(helperStopFile);
            if (!file.open(QIODevice::WriteOnly)) {
                LogMessage(SetupTag,
                    QStringLiteral("! Cannot write %1: %2")
                        .arg(helperStopFile, file.errorString()));
            }
        }
    }
    return Platform::EndChildProcesses(guardProgram);
}

void AllowImageHelpers()
{
    if (guardProgram.isEmpty())
        return;
    QMutexLocker lock(&helperStopsLock);
    if (helperStops > 0 && --helperStops == 0)
        QFile::remove(helperStopFile);
}

bool GhostscriptInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("gs")).isEmpty();
}

bool GhostscriptNoticeDue(const QString &extension)
{
    return CFormatsEnum::Catalogue().FindByExtension(extension).needsGhostscript
        && !GhostscriptInstalled();
}
