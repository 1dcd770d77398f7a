#include "JobStore.h"

#include "Folders.h"
#include "TextCodecs.h"
#include "Trace.h"

#include <QDir>
#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {
// Both programs' documents end their lines with CR LF.
constexpr char LineEnd[] = "\r\n";

QString MonitorFolder()
{
    return GetDocumentsFolder() + QStringLiteral("/Quendrasil/Monitor");
}

// EscapeXml, and further what XML 1.0 cannot carry as it is. In an attribute a tab or line
// break would come back as a blank (and a photo's path would never match its log entry
// again), so it goes as a character reference; a control character would make the whole store
// unreadable and every job would be lost with it, so it is left out.
QString StoreText(const QString &text, bool attribute)
{
    QString result = EscapeXml(text);
    for (qsizetype i = result.size() - 1; i >= 0; --i) {
        const char16_t c = result.at(i).unicode();
        if (c == u'\t' || c == u'\n' || c == u'\r') {
            if (attribute)
                result.replace(i, 1, QStringLiteral("&#%1;").arg(int(c)));
        } else if (c < 0x20 || c == 0xFFFE || c == 0xFFFF) {
            // The text itself is not logged: it may be a password.
            LogMessage(QStringLiteral("SaveJobStore"),
                QStringLiteral("Character %1 left out of a text").arg(int(c)));
            result.remove(i, 1);
        }
    }
    return result;
}

QString Indent(int tabs)
{
    return QString(tabs, QLatin1Char('\t'));
}

void AddLine(QString &output, int tabs, const QString &line)
{
    output += Indent(tabs) + line + QLatin1String(LineEnd);
}

void AddNumber(QString &output, const char *name, qint64 value)
{
    AddLine(output, 3,
        QStringLiteral("<Property Id=\"%1\">%2</Property>").arg(QLatin1String(name)).arg(value));
}

void AddText(QString &output, const char *name, const QString &value)
{
    AddLine(output, 3,
        QStringLiteral("<Property Id=\"%1\">").arg(QLatin1String(name)) + StoreText(value, false)
            + QStringLiteral("</Property>"));
}

QString BuildStoreText(const QList<CJob> &jobs, bool withImages)
{
    QString output;
    AddLine(output, 0, QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-16\"?>"));
    AddLine(output, 0, QStringLiteral("<Monitor>"));
    AddLine(output, 1, QStringLiteral("<Jobs>"));
    for (const CJob &job : jobs) {
        AddLine(output, 2, QStringLiteral("<Job Id=\"%1\">").arg(job.Id));
        AddNumber(output, "Active", job.Active ? 1 : 0);
        AddNumber(output, "Type", job.Type);
        AddText(output, "Name", job.Name);
        // The description's lines are stored with CR LF; the reader gets LF back.
        QString description = job.Description;
        description.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        description.replace(QLatin1String("\n"), QLatin1String("\r\n"));
        AddText(output, "Description", description);
        AddText(output, "Source", job.Source);
        AddText(output, "Script", job.Script);
        AddNumber(output, "Subfolders", job.Subfolders ? 1 : 0);
        AddText(output, "Mask", job.Mask);
        // Signed, as the store has always held it; reading gives back the same 16 bits.
        AddNumber(output, "Interval", qint16(job.Interval));
        AddNumber(output, "CreateLog", job.CreateLog ? 1 : 0);
        AddNumber(output, "Overwrite", job.Overwrite ? 1 : 0);
        AddNumber(output, "SilentMode", job.SilentMode ? 1 : 0);
        AddText(output, "Username", job.Username);
        AddText(output, "Password", job.Password);
        AddText(output, "Host", job.Host);
        AddNumber(output, "Port", job.Port);
        AddNumber(output, "UseSFTP", job.UseSFTP ? 1 : 0);
        AddNumber(output, "PicCount", job.PicCount);
        AddLine(output, 2, QStringLiteral("</Job>"));
    }
    AddLine(output, 1, QStringLiteral("</Jobs>"));
    AddLine(output, 1, QStringLiteral("<Logs>"));
    for (const CJob &job : jobs) {
        AddLine(output, 2, QStringLiteral("<Log Id=\"%1\">").arg(job.Id));
        if (withImages)
            for (const SJobImage &image : job.Log)
                AddLine(output, 3,
                    QStringLiteral("<Image Path=\"") + StoreText(image.Path, true)
                        + QStringLiteral("\" Hash=\"") + StoreText(image.Hash, true)
                        + QStringLiteral("\"/>"));
        AddLine(output, 2, QStringLiteral("</Log>"));
    }
    AddLine(output, 1, QStringLiteral("</Logs>"));
    AddLine(output, 0, QStringLiteral("</Monitor>"));
    return output;
}

QList<QDomElement> Descendants(const QDomElement &parent, const QString &name)
{
    QList<QDomElement> result;
    const QDomNodeList nodes = parent.elementsByTagName(name);
    for (int i = 0; i < nodes.size(); ++i)
        result << nodes.at(i).toElement();
    return result;
}

QList<QDomElement> Children(const QDomElement &parent, const QString &name)
{
    QList<QDomElement> result;
    for (QDomElement child = parent.firstChildElement(name); !child.isNull();
         child = child.nextSiblingElement(name))
        result << child;
    return result;
}

// Missing or not a number: 0.
qint64 ReadId(const QDomElement &element)
{
    return element.attribute(QStringLiteral("Id")).toLongLong();
}

void ReadProperty(CJob &job, const QString &name, const QString &text)
{
    const int number = text.toInt(); // 0 for text that is no number
    if (name == QLatin1String("Active"))
        job.Active = number != 0;
    else if (name == QLatin1String("Type"))
        job.Type = qint16(number);
    else if (name == QLatin1String("Name"))
        job.Name = text;
    else if (name == QLatin1String("Description"))
        job.Description = text;
    else if (name == QLatin1String("Source"))
        job.Source = text;
    else if (name == QLatin1String("Script"))
        job.Script = text;
    else if (name == QLatin1String("Subfolders"))
        job.Subfolders = number != 0;
    else if (name == QLatin1String("Mask"))
        job.Mask = text;
    else if (name == QLatin1String("Interval"))
        job.Interval = quint16(number);
    else if (name == QLatin1String("CreateLog"))
        job.CreateLog = number != 0;
    else if (name == QLatin1String("Overwrite"))
        job.Overwrite = number != 0;
    else if (name == QLatin1String("SilentMode"))
        job.SilentMode = number != 0;
    else if (name == QLatin1String("Username"))
        job.Username = text;
    else if (name == QLatin1String("Password"))
        job.Password = text;
    else if (name == QLatin1String("Host"))
        job.Host = text;
    else if (name == QLatin1String("Port"))
        job.Port = number;
    else if (name == QLatin1String("UseSFTP"))
        job.UseSFTP = number != 0;
    else if (name == QLatin1String("PicCount"))
        job.PicCount = quint16(number);
}

// A job without a Type property is a folder job (the record's default).
CJob ReadJob(const QDomElement &element)
{
    CJob job;
    job.Id = ReadId(element);
    for (const QDomElement &property : Descendants(element, QStringLiteral("Property")))
        ReadProperty(job, property.attribute(QStringLiteral("Id")), property.text());
    return job;
}
} // namespace

QString DefaultJobStorePath()
{
    return MonitorFolder() + QStringLiteral("/Monitor.xml");
}

bool SaveJobStore(const QList<CJob> &jobs, bool withImages, const QString &path)
{
    QString target = path;
    if (target.isEmpty()) {
        QDir().mkpath(MonitorFolder());
        target = DefaultJobStorePath();
    }
    const QByteArray bytes = BuildStoreText(jobs, withImages).toUtf8();

    // Written aside and renamed into place: a full disk never leaves half a store behind.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        LogMessage(
            QStringLiteral("SaveJobStore"), target + QStringLiteral(": ") + file.errorString());
        return false;
    }
    // The FTP passwords are stored as plain text: such a file is for its owner's eyes only.
    const bool holdsPassword = std::any_of(
        jobs.cbegin(), jobs.cend(), [](const CJob &job) { return !job.Password.isEmpty(); });
    if (holdsPassword)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        LogMessage(
            QStringLiteral("SaveJobStore"), target + QStringLiteral(": ") + file.errorString());
        return false;
    }
    return true;
}

bool ReadJobStore(const QString &path, QList<CJob> &jobs)
{
    const QString source = path.isEmpty() ? DefaultJobStorePath() : path;
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        LogMessage(
            QStringLiteral("ReadJobStore"), source + QStringLiteral(": ") + file.errorString());
        return false;
    }
    // The declaration names "utf-16" but the bytes are UTF-8: the parser gets decoded text.
    const QString text = QString::fromUtf8(file.readAll());
    file.close();

    QDomDocument document;
    QString error;
    int line = 0;
    if (!document.setContent(text, false, &error, &line)) {
        LogMessage(QStringLiteral("ReadJobStore"),
            source + QStringLiteral(": line %1: ").arg(line) + error);
        return false;
    }
    const QDomElement root = document.documentElement();
    const QList<QDomElement> jobBlocks = Descendants(root, QStringLiteral("Jobs"));
    const QList<QDomElement> logBlocks = Descendants(root, QStringLiteral("Logs"));
    if (root.tagName() != QLatin1String("Monitor") || jobBlocks.size() != 1
        || logBlocks.size() != 1) {
        LogMessage(QStringLiteral("ReadJobStore"), source + QStringLiteral(": not a job store"));
        return false;
    }

    QList<CJob> loaded;
    for (const QDomElement &element : Children(jobBlocks.first(), QStringLiteral("Job"))) {
        loaded.append(ReadJob(element));
        PurgeDuplicateJobs(loaded);
    }
    for (const QDomElement &log : Children(logBlocks.first(), QStringLiteral("Log"))) {
        const qint64 id = ReadId(log);
        QList<SJobImage> images;
        for (const QDomElement &element : Descendants(log, QStringLiteral("Image"))) {
            SJobImage image;
            image.Path = element.attribute(QStringLiteral("Path"));
            image.Hash = element.attribute(QStringLiteral("Hash"));
            image.Time = element.attribute(QStringLiteral("Time")).toLongLong();
            images.append(image);
        }
        for (CJob &job : loaded)
            if (job.Id == id)
                job.Log += images;
    }
    jobs = loaded;
    return true;
}

QString JobProfilePath(qint64 id)
{
    return MonitorFolder() + QLatin1Char('/') + QString::number(id) + QStringLiteral(".qlf");
}

QString CreateJobProfile(qint64 id)
{
    QFile templateFile(QStringLiteral(":/empty.qlf"));
    if (!templateFile.open(QIODevice::ReadOnly)) {
        LogMessage(QStringLiteral("CreateJobProfile"), QStringLiteral("No template"));
        return QString();
    }
    QString text = QString::fromUtf8(templateFile.readAll());
    templateFile.close();

    const auto fill = [&text](const char *name, const QString &value) {
        const QString empty = QStringLiteral("<Property Name=\"%1\">").arg(QLatin1String(name));
        text.replace(
            empty + QStringLiteral("</Property>"), empty + value + QStringLiteral("</Property>"));
    };
    fill("Name", QString::number(id));
    // Folders may hold "&" or "<": unescaped they would leave a profile no reader accepts.
    fill("DestPath", EscapeXml(GetPicturesFolder()));
    fill("CustomProfile", EscapeXml(GetProgramFolder() + QStringLiteral("/Data/sRGB.icm")));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\n"), QLatin1String(LineEnd));

    QDir().mkpath(MonitorFolder());
    const QString path = JobProfilePath(id);
    // Never over another job's profile: the file must be new.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        LogMessage(
            QStringLiteral("CreateJobProfile"), path + QStringLiteral(": ") + file.errorString());
        return QString();
    }
    const QByteArray bytes = text.toUtf8();
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        // Half a profile is ours to take away again.
        LogMessage(
            QStringLiteral("CreateJobProfile"), path + QStringLiteral(": ") + file.errorString());
        file.remove();
        return QString();
    }
    return path;
}
