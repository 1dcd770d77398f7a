#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>
#include <QStringList>

#include <functional>

class CFiltersEnum;
class CListFilters;
class CListImages;
class CUserProfile;

// Moves the current job between the shared model objects and a project (.qlp), profile (.qlf)
// or script (.qlr) document. One object per load or save. The documents are UTF-8 text with CR
// LF line ends under a declaration that names "utf-16": both programs and stored files depend
// on that exact layout, so the text is built by hand.
class CScripts
{
public:
    enum DocumentKind { Project = 1, Profile = 2, Script = 3 };
    // What a script asks for when it is opened (its CommandId); any other number only loads it.
    enum Command : int { RunAndEnd = 0, AskProfileThenRun = 1, ListRefused = 2, EditScript = 3 };

    explicit CScripts(const QString &path);
    virtual ~CScripts();

    // Parses a job document file. Our documents declare "utf-16" but are UTF-8; the declaration
    // is never acted on. False, with the reason in `error`, for an unreadable or malformed file.
    static bool ReadDocumentFile(const QString &path, QDomDocument &document, QString &error);

    // Reads the document into the job. `loadMode` keeps the caller's value unless a script
    // says otherwise: "Edit Script" gives EditScript, a CommandId property gives its value.
    bool LoadDocument(int &loadMode);
    // Writes the job as a project, profile or script. False for any other kind, for text that
    // a document cannot hold and for a failed write; the old file then stays as it was.
    bool SaveDocument(int kind);
    // Why the last save failed, for the caller's message.
    const QString &ErrorText() const { return errorText; }

    // Paths the photo list refused during the last load (duplicates, unsupported types).
    const QStringList &RefusedPaths() const { return refusedPaths; }

    // Set before a profile is saved; a load fills them from the document.
    QString profileName;
    QString profileDescription;

    // Shown when a document's version is not ours. The main window installs a message box;
    // without one the warning goes to the trace.
    using VersionWarningHandler = std::function<void(const QString &text)>;
    static void SetVersionWarningHandler(VersionWarningHandler handler);

private:
    void ParseImages(const QDomElement &images);
    void ParseSearch(const QDomElement &images);
    void AddFolderImages(const QString &folder, const QString &pattern, bool withSubfolders,
                         int depth);
    void ParseFilters(const QDomElement &filters);
    void ParseScript(const QDomElement &properties, int &loadMode);
    void ParseProfile(const QDomElement &properties);
    void ParseRename(const QDomElement &properties);
    void ParseOutput(const QDomElement &properties);
    void ParseFormat(const QDomElement &properties);
    void ParseInterface(const QDomElement &properties);
    void ParseMonitor(const QDomElement &properties);

    void WriteImages();
    void WriteFilters();
    void WriteRename();
    void WriteOutput();
    void WriteFormat();
    void WriteInterface();
    QString Escape(const QString &text);
    void OpenProperties(const char *className);
    void CloseBlock(const char *element);
    void WriteProperty(const char *name, const QString &value);
    void WriteProperty(const char *name, int value);

    CListImages *images;
    QStringList refusedPaths;
    CUserProfile *profile;
    CListFilters *filters;
    CFiltersEnum *filtersEnum;
    QString documentPath;
    const QString version = QStringLiteral("3");
    QString versionWarning;
    QString output;
    QString unstorableText; // the first text of this save that XML cannot hold
    QString errorText;
};
