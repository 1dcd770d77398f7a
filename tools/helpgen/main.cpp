// Builds the help manual: the hand-written pages of help/pages/ completed with what only the
// program knows (filter names and groups, and every control of a settings window with its
// range and starting value), so that the manual cannot drift from the program.
//
//   helpgen <pages folder> <output folder> [--strict]
//   helpgen --list <window>        the controls of one window, for writing its page
//   helpgen --pictures <folder>    every filter's before/after picture
//   (tools/make-help-pictures.sh)
//
// In a page:
//   <!-- filter 3160 -->            the filter's title, group and before/after pictures
//   <!-- controls filter:3160 -->   followed by <dl class="controls"> with one <dt>objectName</dt>
//                                   <dd>what it does</dd> per control: becomes the table
//   <!-- contents -->               (index.html only) links to every page, by section
// Windows: filter:<id>, format:<kind number>, settings, rename, folder-watch, ftp-watch.
// --strict makes a control without a description, a description without a control, a missing
// title or an unknown window an error (exit 1); otherwise they are warnings.

#include "HelpManual.h"

#include "AppInfo.h"
#include "ImageEngineSetup.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(AppInfo::OrganizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(AppInfo::ApplicationName));
    QApplication application(argc, argv);
    const QStringList args = application.arguments();
    QTextStream err(stderr);
    if (args.size() == 3 && args.at(1) == QLatin1String("--list")) {
        InitializeImageEngine(argv[0]);
        QTextStream out(stdout);
        const QList<SHelpControl> controls = HelpManual::Controls(args.at(2));
        if (controls.isEmpty()) {
            err << "no controls (or no such window): " << args.at(2) << '\n';
            return 1;
        }
        for (const SHelpControl &control : controls)
            out << control.objectName << '\t' << control.label << '\t' << control.values << '\t'
                << control.start << '\n';
        return 0;
    }
    if (args.size() == 3 && args.at(1) == QLatin1String("--pictures")) {
        InitializeImageEngine(argv[0]);
        QStringList problems;
        HelpManual::WriteFilterPictures(args.at(2), problems);
        for (const QString &problem : problems)
            err << "error: " << problem << '\n';
        return problems.isEmpty() ? 0 : 1;
    }
    if (args.size() < 3) {
        err << "usage: helpgen <pages folder> <output folder> [--strict]\n"
               "       helpgen --list <window>\n";
        return 2;
    }
    InitializeImageEngine(argv[0]);
    const QStringList problems = HelpManual::Build(args.at(1), args.at(2));
    for (const QString &problem : problems)
        err << (args.contains(QLatin1String("--strict")) ? "error: " : "warning: ") << problem
            << '\n';
    return problems.isEmpty() || !args.contains(QLatin1String("--strict")) ? 0 : 1;
}
