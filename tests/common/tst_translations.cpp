#include "TestMain.h"

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

// The translation files as they ship: complete, true to their sources' placeholders, and
// without two items of one menu sharing an accelerator in any language.
namespace {

const QString Root = QStringLiteral(QUENDRASIL_TEST_SOURCE_DIR "/../..");
const QStringList Languages { QStringLiteral("De"), QStringLiteral("Es"), QStringLiteral("Fr"),
    QStringLiteral("It"), QStringLiteral("Ja") };

QDomDocument Read(const QString &path)
{
    QFile file(path);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
        qFatal("cannot read %s", qPrintable(path));
    return document;
}

struct SMessage
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or ""
};

QList<SMessage> Messages(const QString &code)
{
    QList<SMessage> messages;
    const QDomNodeList contexts = Read(Root + QStringLiteral("/translations/Ln_%1.ts").arg(code))
                                      .elementsByTagName(QStringLiteral("context"));
    for (int c = 0; c < contexts.size(); ++c) {
        const QDomElement context = contexts.at(c).toElement();
        const QString name = context.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement message = context.firstChildElement(QStringLiteral("message"));
             !message.isNull(); message = message.nextSiblingElement(QStringLiteral("message"))) {
            const QDomElement translation
                = message.firstChildElement(QStringLiteral("translation"));
            messages.append({ name, message.firstChildElement(QStringLiteral("source")).text(),
                translation.text(), translation.attribute(QStringLiteral("type")) });
        }
    }
    return messages;
}

QStringList Placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// The accelerator of a menu text ("&&" is a plain ampersand, "& " no accelerator), or a null
// char.
QChar Accelerator(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        if (text.at(i + 1).isLetterOrNumber())
            return text.at(i + 1).toUpper();
    }
    return QChar();
}

// The menus built in code: in each function, the texts with an accelerator that it adds
// with addAction(tr(...)), keyed by the function's class (the translation context).
QList<QPair<QString, QStringList>> CodeBuiltMenus()
{
    static const QRegularExpression function(
        QStringLiteral("^\\S[^\\n]*?(\\w+)::\\w+\\([^\\n]*\\n\\{(.*?)\\n\\}"),
        QRegularExpression::MultilineOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression item(
        QStringLiteral("addAction\\(\\s*tr\\(\"((?:[^\"\\\\]|\\\\.)*)\"\\)"));
    QList<QPair<QString, QStringList>> menus;
    for (const char *folder : { "app", "monitor", "common" }) {
        QDirIterator files(Root + QLatin1Char('/') + QLatin1String(folder),
            { QStringLiteral("*.cpp") }, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (!file.open(QIODevice::ReadOnly))
                qFatal("cannot read %s", qPrintable(file.fileName()));
            const QString code = QString::fromUtf8(file.readAll());
            for (auto f = function.globalMatch(code); f.hasNext();) {
                const QRegularExpressionMatch body = f.next();
                QStringList texts;
                for (auto i = item.globalMatch(body.captured(2)); i.hasNext();) {
                    const QString text = i.next().captured(1);
                    if (!Accelerator(text).isNull())
                        texts << text;
                }
                if (texts.size() > 1)
                    menus.append({ body.captured(1), texts });
            }
        }
    }
    return menus;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyMessageTranslatedWithItsPlaceholders_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : Languages)
            QTest::newRow(qPrintable(code)) << code;
    }

    void everyMessageTranslatedWithItsPlaceholders()
    {
        QFETCH(QString, code);
        const QList<SMessage> messages = Messages(code);
        QVERIFY(messages.size() > 1000);
        for (const SMessage &message : messages) {
            const QString where = message.context + QStringLiteral(": ") + message.source;
            QVERIFY2(message.type.isEmpty(), qPrintable(message.type + QLatin1Char(' ') + where));
            QVERIFY2(!message.translation.isEmpty(), qPrintable(where));
            QCOMPARE(Placeholders(message.translation), Placeholders(message.source));
            QCOMPARE(
                Accelerator(message.translation).isNull(), Accelerator(message.source).isNull());
        }
    }

    // Each menu of the two windows' forms, in each language.
    void menusHaveDistinctAccelerators_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("form");
        for (const QString &code : Languages) {
            for (const char *form : { "app/ui/MainWindow.ui", "monitor/ui/MonitorWindow.ui" })
                QTest::newRow(qPrintable(code + QLatin1Char(' ') + QLatin1String(form)))
                    << code << QString::fromLatin1(form);
        }
    }

    void menusHaveDistinctAccelerators()
    {
        QFETCH(QString, code);
        QFETCH(QString, form);
        const QDomDocument ui = Read(Root + QLatin1Char('/') + form);
        const QString context
            = ui.documentElement().firstChildElement(QStringLiteral("class")).text();
        QHash<QString, QString> translated;
        for (const SMessage &message : Messages(code)) {
            if (message.context == context)
                translated.insert(message.source, message.translation);
        }
        const auto text = [&](const QDomElement &owner, const char *property) {
            for (QDomElement p = owner.firstChildElement(QStringLiteral("property")); !p.isNull();
                 p = p.nextSiblingElement(QStringLiteral("property"))) {
                if (p.attribute(QStringLiteral("name")) == QLatin1String(property))
                    return translated.value(p.text(), p.text());
            }
            return QString();
        };
        QHash<QString, QString> actions; // name -> translated text
        const QDomNodeList actionList = ui.elementsByTagName(QStringLiteral("action"));
        for (int a = 0; a < actionList.size(); ++a) {
            const QDomElement action = actionList.at(a).toElement();
            actions.insert(action.attribute(QStringLiteral("name")), text(action, "text"));
        }
        const QDomNodeList widgets = ui.elementsByTagName(QStringLiteral("widget"));
        for (int w = 0; w < widgets.size(); ++w) {
            const QDomElement widget = widgets.at(w).toElement();
            const QString cls = widget.attribute(QStringLiteral("class"));
            if (cls != QLatin1String("QMenu") && cls != QLatin1String("QMenuBar"))
                continue;
            QHash<QChar, QString> taken;
            for (QDomElement add = widget.firstChildElement(QStringLiteral("addaction"));
                 !add.isNull(); add = add.nextSiblingElement(QStringLiteral("addaction"))) {
                const QString name = add.attribute(QStringLiteral("name"));
                QString item = actions.value(name);
                if (!actions.contains(name)) { // a submenu
                    for (int m = 0; m < widgets.size(); ++m) {
                        if (widgets.at(m).toElement().attribute(QStringLiteral("name")) == name)
                            item = text(widgets.at(m).toElement(), "title");
                    }
                }
                const QChar key = Accelerator(item);
                if (key.isNull())
                    continue;
                QVERIFY2(!taken.contains(key),
                    qPrintable(QStringLiteral("%1: \"%2\" and \"%3\"")
                                   .arg(widget.attribute(QStringLiteral("name")), taken.value(key),
                                       item)));
                taken.insert(key, item);
            }
        }
    }
    // The context menus and button menus built in code, in each language.
    void codeBuiltMenusHaveDistinctAccelerators()
    {
        const QList<QPair<QString, QStringList>> menus = CodeBuiltMenus();
        QVERIFY(menus.size() >= 5);
        for (const QString &code : Languages) {
            QHash<QPair<QString, QString>, QString> translated;
            for (const SMessage &message : Messages(code))
                translated.insert({ message.context, message.source }, message.translation);
            for (const auto &[context, texts] : menus) {
                QHash<QChar, QString> taken;
                for (const QString &source : texts) {
                    const QString item = translated.value({ context, source });
                    QVERIFY2(!item.isEmpty(), qPrintable(code + QLatin1Char(' ') + source));
                    const QChar key = Accelerator(item);
                    QVERIFY2(!taken.contains(key),
                        qPrintable(QStringLiteral("%1 %2: \"%3\" and \"%4\"")
                                       .arg(code, context, taken.value(key), item)));
                    taken.insert(key, item);
                }
            }
        }
    }
};

QUENDRASIL_TEST_MAIN(TestTranslations, QCoreApplication)
#include "tst_translations.moc"
