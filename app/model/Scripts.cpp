#include "Scripts.h"

#include "FiltersEnum.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "TextCodecs.h"
#include "Trace.h"
#include "UserProfile.h"
#include "platform/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QSaveFile>

namespace {
constexpr char LineEnd[] = "\r\n";
constexpr char Declaration[] = "<?xml version=\"1.0\" encoding=\"utf-16\"?>";
// Folder searches of a script stop here; deeper trees are almost certainly a mistake or a loop.
constexpr int MaximumSearchDepth = 64;

QMutex handlerLock;
CScripts::VersionWarningHandler &WarningHandler()
{
    static CScripts::VersionWarningHandler handler;
    return handler;
}

QString ToBackslashes(QString path)
{
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QString ToSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// Walks the Property children of a Properties block that carry a value; an empty value leaves
// the job's field as it is.
template<typename Visit> void ForEachProperty(const QDomElement &properties, Visit visit)
{
    for (QDomElement child = properties.firstChildElement(QStringLiteral("Property"));
         !child.isNull(); child = child.nextSiblingElement(QStringLiteral("Property"))) {
        const QString text = child.text();
        if (!text.isEmpty())
            visit(child.attribute(QStringLiteral("Name")), text);
    }
}

int ToInt(const QString &text)
{
    return text.toInt(); // 0 for text that is no number
}

bool ToFlag(const QString &text)
{
    return ToInt(text) != 0;
}

QList<QDomElement> Descendants(const QDomElement &root, const QString &name)
{
    QList<QDomElement> result;
    const QDomNodeList nodes = root.elementsByTagName(name);
    for (int i = 0; i < nodes.size(); ++i)
        result << nodes.at(i).toElement();
    return result;
}
} // namespace

void CScripts::SetVersionWarningHandler(VersionWarningHandler handler)
{
    QMutexLocker locker(&handlerLock);
    WarningHandler() = std::move(handler);
}

CScripts::CScripts(const QString &path)
    : images(CListImages::instance())
    , profile(CUserProfile::instance())
    , filters(CListFilters::instance())
    , filtersEnum(CFiltersEnum::instance())
    , documentPath(path)
    , versionWarning(QCoreApplication::translate("QObject",
          "The project was created with a different program version so it may not be "
          "correctly imported.\nIn order to correct any potential problems adjust the "
          "settings and save."))
{
}

CScripts::~CScripts() = default;

bool CScripts::ReadDocumentFile(const QString &path, QDomDocument &document, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = file.errorString();
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    QString parseError;
    int line = 0;
    if (!document.setContent(text, false, &parseError, &line)) {
        error = QStringLiteral("Line %1: %2").arg(line).arg(parseError);
        return false;
    }
    return true;
}

bool CScripts::LoadDocument(int &loadMode)
{
    LogMessage(QStringLiteral("CScripts::LoadDocument"), documentPath);
    QDomDocument document;
    QString error;
    if (!ReadDocumentFile(documentPath, document, error)) {
        LogMessage(QStringLiteral("CScripts::LoadDocument"), error);
        return false;
    }
    const QDomElement root = document.documentElement();

    const QString rootName = root.tagName();
    const bool takesPhotos
        = rootName == QLatin1String("Project") || rootName == QLatin1String("Script");
    const QList<QDomElement> imageBlocks = Descendants(root, QStringLiteral("Images"));
    if (takesPhotos && imageBlocks.size() != 1) {
        // Refused before anything of the current job is touched.
        LogMessage(QStringLiteral("CScripts::LoadDocument"),
            QStringLiteral("Expected one Images element, found %1").arg(imageBlocks.size()));
        return false;
    }

    if (root.attribute(QStringLiteral("Version")) != version) {
        VersionWarningHandler handler;
        {
            QMutexLocker locker(&handlerLock);
            handler = WarningHandler();
        }
        // An unattended run must never stop at a message box.
        const bool silent = rootName == QLatin1String("Script")
            && root.attribute(QStringLiteral("Mode")) == QLatin1String("Silent");
        if (handler && !silent)
            handler(versionWarning);
        else
            LogMessage(QStringLiteral("CScripts::LoadDocument"), versionWarning);
    }

    refusedPaths.clear();
    if (takesPhotos)
        profile->ClearScriptState();
    if (rootName == QLatin1String("Project")) {
        images->Clear();
        filters->Clear();
        ParseImages(imageBlocks.first());
    } else if (rootName == QLatin1String("Profile")) {
        filters->Clear();
        profileName = root.attribute(QStringLiteral("Name"));
        profileDescription.clear();
        for (const QDomElement &block : Descendants(root, QStringLiteral("Properties")))
            if (block.attribute(QStringLiteral("Class")) == QLatin1String("Profile"))
                ParseProfile(block);
    } else if (rootName == QLatin1String("Script")) {
        images->Clear();
        filters->Clear();
        const QString mode = root.attribute(QStringLiteral("Mode"));
        if (mode == QLatin1String("Silent"))
            profile->SilentScript = true;
        else if (mode == QLatin1String("Edit Script"))
            loadMode = EditScript;
        const QDomElement firstProperties
            = root.elementsByTagName(QStringLiteral("Properties")).at(0).toElement();
        if (!firstProperties.isNull())
            ParseScript(firstProperties, loadMode);
        ParseImages(imageBlocks.first());
        ParseSearch(imageBlocks.first());
    }

    const QDomElement filterBlock
        = root.elementsByTagName(QStringLiteral("Filters")).at(0).toElement();
    if (!filterBlock.isNull())
        ParseFilters(filterBlock);

    for (const QDomElement &block : Descendants(root, QStringLiteral("Properties"))) {
        const QString className = block.attribute(QStringLiteral("Class"));
        if (className == QLatin1String("Rename"))
            ParseRename(block);
        else if (className == QLatin1String("Output"))
            ParseOutput(block);
        else if (className == QLatin1String("Format"))
            ParseFormat(block);
        else if (className == QLatin1String("Interface"))
            ParseInterface(block);
        else if (className == QLatin1String("Monitor"))
            ParseMonitor(block);
    }

    // A job loaded without any window must name and write its outputs as saved.
    profile->RebuildRenameSettings();
    profile->UpdateOutputExtension();
    return true;
}

void CScripts::ParseImages(const QDomElement &imagesBlock)
{
    QStringList paths;
    for (QDomElement image = imagesBlock.firstChildElement(QStringLiteral("Image"));
         !image.isNull(); image = image.nextSiblingElement(QStringLiteral("Image")))
        paths << ToSlashes(image.attribute(QStringLiteral("Path")));
    for (const QString &path : std::as_const(paths))
        if (!path.isEmpty())
            images->AddImage(path, refusedPaths);
}

void CScripts::ParseSearch(const QDomElement &imagesBlock)
{
    const QString scriptFolder = QFileInfo(documentPath).absolutePath();
    for (QDomElement search = imagesBlock.firstChildElement(QStringLiteral("Search"));
         !search.isNull(); search = search.nextSiblingElement(QStringLiteral("Search"))) {
        const QString path = ToSlashes(search.attribute(QStringLiteral("Path")));
        const bool withSubfolders = ToFlag(search.attribute(QStringLiteral("Subfolders")));
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        const QString folder = slash < 0 ? QString() : path.left(slash);
        const QString pattern = path.mid(slash + 1);
        if (pattern.isEmpty())
            continue;
        // A relative folder is found next to the script; resolved here instead of changing
        // the process's current folder, which other threads share.
        const QString absolute
            = folder.startsWith(QLatin1Char('/')) ? folder : QDir(scriptFolder).filePath(folder);
        AddFolderImages(QDir::cleanPath(absolute), pattern, withSubfolders, 0);
    }
}

void CScripts::AddFolderImages(
    const QString &folder, const QString &pattern, bool withSubfolders, int depth)
{
    // Sorted: the order of the photos decides how the batch numbers them.
    const QDir dir(folder);
    const QFileInfoList files
        = dir.entryInfoList(QStringList(pattern), QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &file : files)
        images->AddImage(dir.absolutePath() + QLatin1Char('/') + file.fileName(), refusedPaths);
    // Qt's listings leave out names it cannot address; each is kept for the run's log
    // instead of being passed over without a word.
    const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(pattern),
        QRegularExpression::CaseInsensitiveOption);
    for (const Platform::SUnaddressableEntry &entry : Platform::UnaddressableEntries(folder)) {
        if (entry.isFolder ? !withSubfolders
                           : !wildcard.match(QFile::decodeName(entry.name)).hasMatch())
            continue;
        const QString shown = PrintablePath(dir.absolutePath()) + QLatin1Char('/')
            + PrintableFileNameBytes(entry.name)
            + (entry.isFolder ? QStringLiteral("/") : QString());
        LogMessage(QStringLiteral("CScripts::AddFolderImages"),
            QStringLiteral("Name not valid UTF-8: ") + shown);
        images->AddSkippedName(shown);
    }
    if (!withSubfolders)
        return;
    if (depth >= MaximumSearchDepth) {
        LogMessage(QStringLiteral("CScripts::AddFolderImages"),
            QStringLiteral("Search stopped at depth %1 in ").arg(depth) + folder);
        return;
    }
    // Linked folders are not entered: a link back up the tree would never end.
    const QStringList subfolders
        = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
    for (const QString &subfolder : subfolders)
        AddFolderImages(folder + QLatin1Char('/') + subfolder, pattern, true, depth + 1);
}

void CScripts::ParseFilters(const QDomElement &filterBlock)
{
    for (QDomElement element = filterBlock.firstChildElement(QStringLiteral("Filter"));
         !element.isNull(); element = element.nextSiblingElement(QStringLiteral("Filter"))) {
        SFilterRecord record;
        record.active = true;
        bool idOk = false;
        record.id = element.attribute(QStringLiteral("Id")).toInt(&idOk);
        if (!idOk || record.id < 1 || record.id > 65535)
            continue;
        const SFilterInfo info = filtersEnum->FindById(record.id);
        record.name = info.name;
        record.description = info.description;
        const QString active = element.attribute(QStringLiteral("Active"));
        if (!active.isEmpty())
            record.active = ToFlag(active);

        for (const QDomElement &param : Descendants(element, QStringLiteral("Param"))) {
            const QString type = param.attribute(QStringLiteral("Type"));
            // Parameters beyond the record's slots are dropped.
            if (type == QLatin1String("float")) {
                if (record.numberCount < SFilterRecord::NumberSlots)
                    record.numbers[record.numberCount++] = param.text().toDouble();
            } else if (type == QLatin1String("string")) {
                if (record.textCount < SFilterRecord::TextSlots)
                    record.texts[record.textCount++] = param.text();
            }
        }
        // A filter the catalogue does not know is left out quietly.
        if (!record.description.isEmpty())
            filters->Append(record);
    }
}

void CScripts::ParseScript(const QDomElement &properties, int &loadMode)
{
    ForEachProperty(properties, [&](const QString &name, const QString &text) {
        if (name == QLatin1String("DisableNotifications"))
            profile->OutputOptions.DisableNotifications = text == QLatin1String("1");
        else if (name == QLatin1String("HideProcessing"))
            profile->OutputOptions.HideProcessing = text == QLatin1String("1");
        else if (name == QLatin1String("CommandId"))
            loadMode = ToInt(text);
    });
}

void CScripts::ParseProfile(const QDomElement &properties)
{
    // Our own profiles keep name and description here, not on the root.
    ForEachProperty(properties, [&](const QString &name, const QString &text) {
        if (name == QLatin1String("Name") && profileName.isEmpty())
            profileName = text;
        else if (name == QLatin1String("Description"))
            profileDescription = text;
    });
}

void CScripts::ParseRename(const QDomElement &properties)
{
    SRenameOptions &rename = profile->RenameOptions;
    ForEachProperty(properties, [&](const QString &name, const QString &text) {
        if (name == QLatin1String("FilenameFormat"))
            rename.FilenameFormat = text;
        else if (name == QLatin1String("CounterStart"))
            rename.CounterStart = ToInt(text);
        else if (name == QLatin1String("CountStep"))
            rename.CountStep = ToInt(text);
        else if (name == QLatin1String("CounterDigits"))
            rename.CounterDigits = ToInt(text);
        else if (name == QLatin1String("CounterReset"))
            rename.CounterReset = ToFlag(text);
        else if (name == QLatin1String("DateType"))
            rename.DateType = ToInt(text);
        else if (name == QLatin1String("DateFormat"))
            rename.DateFormat = ToInt(text);
        else if (name == QLatin1String("ShowTime"))
            rename.ShowTime = ToInt(text);
        else if (name == QLatin1String("TimeFormat"))
            rename.TimeFormat = ToInt(text);
        else if (name == QLatin1String("SearchFor"))
            rename.SearchFor = text;
        else if (name == QLatin1String("ReplaceWith"))
            rename.ReplaceWith = text;
        else if (name == QLatin1String("PresetRename"))
            rename.PresetRename = ToInt(text);
        else if (name == QLatin1String("ChangeCase"))
            rename.ChangeCase = ToInt(text);
        else if (name == QLatin1String("LowerCaseExt"))
            rename.LowerCaseExt = ToFlag(text);
    });
}

void CScripts::ParseOutput(const QDomElement &properties)
{
    SOutputOptions &options = profile->OutputOptions;
    ForEachProperty(properties, [&](const QString &name, const QString &text) {
        if (name == QLatin1String("Destination")) {
            options.Destination = ToInt(text);
        } else if (name == QLatin1String("OutputFolderStruct")) {
            options.OutputFolderStruct = ToInt(text);
            LogMessage(QStringLiteral("CScripts::ParseOutput"),
                QStringLiteral("change1: %1").arg(options.OutputFolderStruct));
        } else if (name == QLatin1String("OutputFolder")) {
            options.OutputFolder = ToSlashes(text);
        } else if (name == QLatin1String("DestPath")) {
            // Documents keep "\" separators; on this system a folder needs "/".
            options.DestPath = ToSlashes(text);
        } else if (name == QLatin1String("FTPUser")) {
            options.FTPUser = text;
        } else if (name == QLatin1String("FTPPassword")) {
            options.FTPPassword = text;
        } else if (name == QLatin1String("FTPHost")) {
            options.FTPHost = text;
        } else if (name == QLatin1String("FTPFolder")) {
            options.FTPFolder = text;
        } else if (name == QLatin1String("FTPPort")) {
            options.FTPPort = text;
        } else if (name == QLatin1String("UseSFTP")) {
            options.UseSFTP = ToFlag(text);
        } else if (name == QLatin1String("SaveOnDiskFacebook")) {
            options.SaveOnDiskFacebook = ToFlag(text);
        } else if (name == QLatin1String("SaveOnDiskFlickr")) {
            options.SaveOnDiskFlickr = ToFlag(text);
        } else if (name == QLatin1String("SaveOnDiskFTP")) {
            options.SaveOnDiskFTP = ToFlag(text);
        } else if (name == QLatin1String("SaveOnDiskMail")) {
            options.SaveOnDiskMail = ToFlag(text);
        } else if (name == QLatin1String("OpenOutputFolder")) {
            options.OpenOutputFolder = ToFlag(text);
        } else if (name == QLatin1String("OriginalDate")) {
            options.OriginalDate = ToFlag(text);
        } else if (name == QLatin1String("DeleteSource")) {
            options.DeleteSource = ToFlag(text);
        }
    });
}

void CScripts::ParseFormat(const QDomElement &properties)
{
    ForEachProperty(properties, [&](const QString &name, const QString &text) {
        if (name == QLatin1String("OutputFormat"))
            profile->OutputOptions.OutputFormat = text;
        else if (name == QLatin1String("Quality"))
            profile->Quality = ToInt(text);
        else if (name == QLatin1String("FileSize"))
            profile->FileSize = ToInt(text);
        else if (name == QLatin1String("FixedSize"))
            profile->FixedSize = ToFlag(text);
        else if (name == QLatin1String("Interlaced"))
            profile->Interlaced = ToInt(text);
        else if (name == QLatin1String("PNGComp"))
            profile->PNGComp = ToFlag(text) ? 1 : 0;
        else if (name == QLatin1String("PdfAlg"))
            profile->PdfAlg = ToInt(text);
        else if (name == QLatin1String("TiffAlg"))
            profile->TiffAlg = ToInt(text);
        else if (name == QLatin1String("TiffType"))
            profile->TiffType = ToInt(text);
        else if (name == QLatin1String("JpegType"))
            profile->JpegType = ToInt(text);
        else if (name == QLatin1String("CustomProfile"))
            profile->CustomProfile = ToSlashes(text);
        else if (name == QLatin1String("Multipage"))
            profile->OutputOptions.Multipage = ToFlag(text);
        else if (name == QLatin1String("DefaultFormat"))
            profile->DefaultFormat = text;
        else if (name == QLatin1String("Lossless"))
            profile->Lossless = ToFlag(text);
    });
}

void CScripts::ParseInterface(const QDomElement &properties)
{
    ForEachProperty(properties, [&](const QString &name, const QString &text) {
        if (name == QLatin1String("Step1Preview"))
            profile->Step1Preview = ToFlag(text);
        else if (name == QLatin1String("Step2Preview"))
            profile->Step2Preview = ToFlag(text);
    });
}

void CScripts::ParseMonitor(const QDomElement &properties)
{
    profile->MonitorScript = true; // even an empty block marks the job
    ForEachProperty(properties, [&](const QString &name, const QString &text) {
        if (name == QLatin1String("Id"))
            profile->MonitorId = text;
        else if (name == QLatin1String("Name"))
            profile->MonitorName = text;
        else if (name == QLatin1String("Folder"))
            profile->MonitorFolder = ToSlashes(text);
        else if (name == QLatin1String("CreateLog"))
            profile->CreateLog = ToFlag(text);
        else if (name == QLatin1String("Overwrite"))
            profile->Overwrite = ToFlag(text);
        else if (name == QLatin1String("SilentMode"))
            profile->SilentMode = ToFlag(text);
        else if (name == QLatin1String("PicCount"))
            profile->PicCount = ToInt(text);
        else if (name == QLatin1String("Host"))
            profile->MonitorHost = text;
        else if (name == QLatin1String("Type"))
            profile->MonitorType = ToFlag(text) ? MonitorJobType::Ftp : MonitorJobType::Folder;
    });
}

bool CScripts::SaveDocument(int kind)
{
    LogMessage(QStringLiteral("CScripts::SaveDocument"), documentPath);
    output.clear();
    unstorableText.clear();
    errorText.clear();
    const auto openRoot = [this](const char *root) {
        output += QLatin1String(Declaration) + LineEnd;
        output += QStringLiteral("<%1 Version=\"%2\">").arg(QLatin1String(root), version) + LineEnd
            + LineEnd;
    };
    const auto closeRoot = [this](const char *root) {
        output += QStringLiteral("</%1>").arg(QLatin1String(root)) + LineEnd + LineEnd;
    };

    switch (kind) {
    case Project:
        openRoot("Project");
        WriteImages();
        WriteFilters();
        WriteRename();
        WriteOutput();
        WriteFormat();
        WriteInterface();
        closeRoot("Project");
        break;
    case Profile:
        openRoot("Profile");
        OpenProperties("Profile");
        WriteProperty("Name", Escape(profileName));
        WriteProperty("Description", Escape(profileDescription));
        WriteProperty("Category", QStringLiteral("User-Defined"));
        CloseBlock("Properties");
        WriteFilters();
        WriteRename();
        WriteOutput();
        WriteFormat();
        WriteInterface();
        closeRoot("Profile");
        break;
    case Script:
        openRoot("Script");
        OpenProperties("Script");
        WriteProperty("DisableNotifications", profile->OutputOptions.DisableNotifications ? 1 : 0);
        WriteProperty("HideProcessing", 0);
        CloseBlock("Properties");
        WriteImages();
        WriteFilters();
        WriteRename();
        WriteOutput();
        WriteFormat();
        closeRoot("Script");
        break;
    default:
        // Not a document kind: the file on disk is left as it is.
        errorText = QStringLiteral("Unknown document kind %1").arg(kind);
        LogMessage(QStringLiteral("CScripts::SaveDocument"), errorText);
        return false;
    }
    if (!unstorableText.isEmpty()) {
        // A document that could not be loaded again is not written at all.
        errorText = QCoreApplication::translate(
            "QObject", "The text \"%1\" holds characters that cannot be saved.")
                        .arg(unstorableText);
        LogMessage(QStringLiteral("CScripts::SaveDocument"), errorText);
        return false;
    }

    // Written aside and renamed into place, so a full disk never destroys the old document.
    QSaveFile file(documentPath);
    if (!file.open(QIODevice::WriteOnly)) {
        errorText = file.errorString();
        LogMessage(QStringLiteral("CScripts::SaveDocument"), errorText);
        return false;
    }
    // The FTP password is only Base64: a document holding one is for its owner's eyes.
    if (!profile->OutputOptions.FTPPassword.isEmpty())
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(output.toUtf8());
    if (!file.commit()) {
        errorText = file.errorString();
        LogMessage(QStringLiteral("CScripts::SaveDocument"), errorText);
        return false;
    }
    return true;
}

QString CScripts::Escape(const QString &text)
{
    QString result = EscapeXml(text);
    // Tabs and line breaks survive only as character references (attribute values would turn
    // them into blanks); other control characters cannot be stored in XML 1.0 at all.
    for (qsizetype i = result.size() - 1; i >= 0; --i) {
        const char16_t c = result.at(i).unicode();
        if (c == u'\t' || c == u'\n' || c == u'\r') {
            result.replace(i, 1, QStringLiteral("&#%1;").arg(int(c)));
        } else if (c < 0x20 || c == 0xFFFE || c == 0xFFFF) {
            if (unstorableText.isEmpty())
                unstorableText = text;
            result.remove(i, 1);
        }
    }
    return result;
}

void CScripts::OpenProperties(const char *className)
{
    output += QStringLiteral("\t<Properties Class=\"%1\">").arg(QLatin1String(className)) + LineEnd;
}

void CScripts::CloseBlock(const char *element)
{
    output += QStringLiteral("\t</%1>").arg(QLatin1String(element)) + LineEnd + LineEnd;
}

void CScripts::WriteProperty(const char *name, const QString &value)
{
    output += QStringLiteral("\t\t<Property Name=\"%1\">").arg(QLatin1String(name)) + value
        + QStringLiteral("</Property>") + LineEnd;
}

void CScripts::WriteProperty(const char *name, int value)
{
    WriteProperty(name, QString::number(value));
}

void CScripts::WriteImages()
{
    output += QStringLiteral("\t<Images>") + LineEnd;
    for (const SImageRecord &image : images->Images())
        output += QStringLiteral("\t\t<Image Path=\"") + Escape(ToBackslashes(image.pathName))
            + QStringLiteral("\" />") + LineEnd;
    CloseBlock("Images");
}

void CScripts::WriteFilters()
{
    output += QStringLiteral("\t<Filters>") + LineEnd;
    for (const SFilterRecord &record : filters->Filters()) {
        output += QStringLiteral("\t\t<Filter Id=\"%1\"").arg(record.id);
        if (!record.active)
            output += QStringLiteral(" Active=\"0\"");
        output += QStringLiteral(">") + LineEnd;
        const int numberCount = qMin<int>(record.numberCount, SFilterRecord::NumberSlots);
        for (int i = 0; i < numberCount; ++i)
            // asprintf is not locale-aware: always a point and six decimals.
            output += QStringLiteral("\t\t\t<Param Type=\"float\">")
                + QString::asprintf("%f", record.numbers[i]) + QStringLiteral("</Param>") + LineEnd;
        const int textCount = qMin<int>(record.textCount, SFilterRecord::TextSlots);
        for (int i = 0; i < textCount; ++i)
            output += QStringLiteral("\t\t\t<Param Type=\"string\">") + Escape(record.texts[i])
                + QStringLiteral("</Param>") + LineEnd;
        output += QStringLiteral("\t\t</Filter>") + LineEnd;
    }
    CloseBlock("Filters");
}

void CScripts::WriteRename()
{
    const SRenameOptions &rename = profile->RenameOptions;
    OpenProperties("Rename");
    WriteProperty("FilenameFormat", Escape(rename.FilenameFormat));
    WriteProperty("CounterStart", rename.CounterStart);
    WriteProperty("CountStep", rename.CountStep);
    WriteProperty("CounterDigits", rename.CounterDigits);
    WriteProperty("CounterReset", rename.CounterReset ? 1 : 0);
    WriteProperty("DateType", rename.DateType);
    WriteProperty("DateFormat", rename.DateFormat);
    WriteProperty("ShowTime", rename.ShowTime);
    WriteProperty("TimeFormat", rename.TimeFormat);
    WriteProperty("SearchFor", Escape(rename.SearchFor));
    WriteProperty("ReplaceWith", Escape(rename.ReplaceWith));
    WriteProperty("PresetRename", rename.PresetRename);
    WriteProperty("ChangeCase", rename.ChangeCase);
    WriteProperty("LowerCaseExt", rename.LowerCaseExt ? 1 : 0);
    CloseBlock("Properties");
}

void CScripts::WriteOutput()
{
    const SOutputOptions &options = profile->OutputOptions;
    OpenProperties("Output");
    WriteProperty("Destination", options.Destination);
    WriteProperty("OutputFolderStruct", options.OutputFolderStruct);
    WriteProperty("OutputFolder", Escape(options.OutputFolder));
    // Only the document gets "\": the job keeps a folder this system can open.
    WriteProperty("DestPath", Escape(ToBackslashes(options.DestPath)));
    WriteProperty("FTPUser", Escape(options.FTPUser));
    WriteProperty("FTPPassword", options.FTPPassword);
    WriteProperty("FTPHost", Escape(options.FTPHost));
    WriteProperty("FTPFolder", Escape(options.FTPFolder));
    WriteProperty("FTPPort", Escape(options.FTPPort));
    WriteProperty("UseSFTP", options.UseSFTP ? 1 : 0);
    WriteProperty("SaveOnDiskFacebook", options.SaveOnDiskFacebook ? 1 : 0);
    WriteProperty("SaveOnDiskFlickr", options.SaveOnDiskFlickr ? 1 : 0);
    WriteProperty("SaveOnDiskFTP", options.SaveOnDiskFTP ? 1 : 0);
    WriteProperty("SaveOnDiskMail", options.SaveOnDiskMail ? 1 : 0);
    WriteProperty("OpenOutputFolder", options.OpenOutputFolder ? 1 : 0);
    WriteProperty("OriginalDate", options.OriginalDate ? 1 : 0);
    WriteProperty("DeleteSource", options.DeleteSource ? 1 : 0);
    CloseBlock("Properties");
}

void CScripts::WriteFormat()
{
    const QString &format = profile->OutputOptions.OutputFormat;
    OpenProperties("Format");
    WriteProperty("OutputFormat", Escape(format));
    WriteProperty("Quality", profile->Quality);
    WriteProperty("FileSize", profile->FileSize);
    WriteProperty("FixedSize", profile->FixedSize ? 1 : 0);
    WriteProperty("Interlaced", profile->Interlaced);
    WriteProperty("PNGComp", profile->PNGComp);
    WriteProperty("PdfAlg", profile->PdfAlg);
    WriteProperty("TiffAlg", profile->TiffAlg);
    WriteProperty("TiffType", profile->TiffType);
    WriteProperty("JpegType", profile->JpegType);
    WriteProperty("CustomProfile", Escape(ToBackslashes(profile->CustomProfile)));
    WriteProperty("Multipage", profile->OutputOptions.Multipage ? 1 : 0);
    WriteProperty("DefaultFormat", Escape(profile->DefaultFormat));
    // Not read by older readers (they skip unknown names); without it a lossless profile
    // would write lossy files when it runs unattended.
    WriteProperty("Lossless", profile->Lossless ? 1 : 0);
    CloseBlock("Properties");
}

void CScripts::WriteInterface()
{
    OpenProperties("Interface");
    WriteProperty("Step1Preview", profile->Step1Preview ? 1 : 0);
    WriteProperty("Step2Preview", profile->Step2Preview ? 1 : 0);
    CloseBlock("Properties");
}
