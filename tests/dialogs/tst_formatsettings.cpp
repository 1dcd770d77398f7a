#include "OpenFileChooser.h"
#include "TestMain.h"

#include "ColorProfiles.h"
#include "FormatSettings.h"
#include "FormatsEnum.h"
#include "HelpTopics.h"
#include "UserProfile.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTimer>

#include <functional>

namespace {

template<typename T> T *Child(const QWidget *dialog, const QString &name)
{
    T *child = dialog->findChild<T *>(name);
    if (!child)
        qFatal("no child %s", qPrintable(name));
    return child;
}

// Runs `during` inside the dialog's modal loop, then leaves it by OK or Cancel.
int Run(CFormatSettings &dialog, const std::function<void()> &during, bool ok)
{
    QTimer::singleShot(0, &dialog, [&dialog, during, ok] {
        during();
        QTest::mouseClick(
            Child<QPushButton>(&dialog, ok ? "buttonOK" : "buttonCancel"), Qt::LeftButton);
    });
    return dialog.exec();
}

int Key(const QString &name)
{
    static const QMap<QString, int> keys { { "Down", Qt::Key_Down }, { "Up", Qt::Key_Up },
        { "Home", Qt::Key_Home }, { "End", Qt::Key_End }, { "Left", Qt::Key_Left },
        { "PageUp", Qt::Key_PageUp }, { "PageDown", Qt::Key_PageDown },
        { "Space", Qt::Key_Space } };
    if (!keys.contains(name))
        qFatal("unknown key %s", qPrintable(name));
    return keys.value(name);
}

// "widget:Key" presses a key on the widget; "widget:=text" types over a spin box's text.
void Perform(const QWidget *dialog, const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString name = step.section(QLatin1Char(':'), 0, 0);
        const QString what = step.section(QLatin1Char(':'), 1);
        QWidget *widget = Child<QWidget>(dialog, name);
        QVERIFY2(widget->isVisible() && widget->isEnabled(), qPrintable(step));
        if (what.startsWith(QLatin1Char('='))) {
            QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(widget, what.mid(1));
        } else {
            QTest::keyClick(widget, Qt::Key(Key(what)));
        }
    }
}

// "widget.property=value" compared as text.
void CheckWidgets(const QWidget *dialog, const QStringList &expected)
{
    for (const QString &line : expected) {
        const QString target = line.section(QLatin1Char('='), 0, 0);
        const QString value = line.section(QLatin1Char('='), 1);
        const QWidget *widget = Child<QWidget>(dialog, target.section(QLatin1Char('.'), 0, 0));
        const QByteArray property = target.section(QLatin1Char('.'), 1).toLatin1();
        QCOMPARE(QString(target + "=" + widget->property(property.constData()).toString()), line);
    }
}

QString Field(const QString &name)
{
    const CUserProfile *p = CUserProfile::instance();
    const QMap<QString, QString> fields { { "Quality", QString::number(p->Quality) },
        { "FixedSize", QString::number(p->FixedSize) },
        { "FileSize", QString::number(p->FileSize) }, { "PNGComp", QString::number(p->PNGComp) },
        { "Interlaced", QString::number(p->Interlaced) },
        { "JpegType", QString::number(p->JpegType) }, { "TiffType", QString::number(p->TiffType) },
        { "TiffAlg", QString::number(p->TiffAlg) }, { "PdfAlg", QString::number(p->PdfAlg) },
        { "Lossless", QString::number(p->Lossless) }, { "DefaultFormat", p->DefaultFormat },
        { "OutputExtension", p->RenameSettings.OutputExtension },
        { "CustomProfile", p->CustomProfile } };
    if (name.startsWith(QLatin1String("Ext.")))
        return p->FormatExtensions.value(name.mid(4), QStringLiteral("(none)"));
    return fields.value(name, QStringLiteral("(unknown field)"));
}

void CheckFields(const QStringList &expected)
{
    for (const QString &line : expected) {
        const QString name = line.section(QLatin1Char('='), 0, 0);
        QCOMPARE(QString(name + "=" + Field(name)), line);
    }
}

void ResetJob()
{
    CUserProfile *p = CUserProfile::instance();
    p->Quality = 88;
    p->FixedSize = false;
    p->FileSize = 100;
    p->PNGComp = 1;
    p->Interlaced = 0;
    p->JpegType = 1;
    p->TiffType = 2;
    p->TiffAlg = 0;
    p->PdfAlg = 0;
    p->Lossless = false;
    p->DefaultFormat = QStringLiteral("JPG");
    p->FormatExtensions.clear();
    p->RenameSettings.OutputExtension = QStringLiteral("jpg");
    p->ResetColorProfile();
}

QString LastWritable()
{
    QString last;
    for (const SFormatRecord &row : CFormatsEnum::instance()->Formats()) {
        if (row.canWrite)
            last = row.coder;
    }
    return last;
}

} // namespace

class TestFormatSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CFormatsEnum::instance()->GenerateList(); }
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal|No such slot")));
        ResetJob();
        SetOpenFileChooser(nullptr);
    }

    void roundTrip_data();
    void roundTrip();
    void resetThenCancel_data();
    void resetThenCancel();
    void cancelWritesNothing();
    void iccProfileChoice();
    void heifAndAvifOfferNoLossless();
    void sharedPageFilesUnderOwnFormat();
    void damagedIndicesKeepFirstEntry();
    void resetForgetsLoadedCustomProfile();
    void helpKey();
};

void TestFormatSettings::roundTrip_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("no settings") << 0 << "BMP" << QStringList()
                                 << QStringList { "Quality=88", "OutputExtension=jpg" }
                                 << QStringList { "stackedWidget.currentIndex=0" };
    QTest::newRow("keep original")
        << 1 << CUserProfile::KeepOriginalFormatText() << QStringList { "comboOutputFormat:End" }
        << QStringList { "DefaultFormat=" + LastWritable() }
        << QStringList { "comboOutputFormat.currentText=" + LastWritable() };
    QTest::newRow("gif") << 2 << "GIF" << QStringList { "comboInterlaceGIF:Down" }
                         << QStringList { "Interlaced=1" }
                         << QStringList { "comboInterlaceGIF.currentText=Line Interlace" };
    QTest::newRow("jp2") << 3 << "JP2"
                         << QStringList { "sliderSizeQualityJP2:PageDown",
                                "comboInterlaceJP2:Down" }
                         << QStringList { "Quality=78", "Interlaced=1" }
                         << QStringList { "spinSizeQualityJP2.value=78",
                                "sliderSizeQualityJP2.value=78",
                                "comboInterlaceJP2.currentIndex=1" };
    QTest::newRow("jpg") << 4 << "JPG"
                         << QStringList { "sliderSizeQualityJPG:Left", "checkFixedSizeJPG:Space",
                                "spinFixedSizeJPG:=250", "comboColorsJPG:Up",
                                "comboInterlaceJPG:Down", "comboExtensionJPG:Down" }
                         << QStringList { "Quality=87", "FixedSize=1", "FileSize=250", "JpegType=0",
                                "Interlaced=1", "Ext.JPG=JPEG", "OutputExtension=JPEG" }
                         << QStringList { "spinSizeQualityJPG.value=87",
                                "spinSizeQualityJPG.enabled=false",
                                "checkFixedSizeJPG.checked=true", "spinFixedSizeJPG.value=250",
                                "spinFixedSizeJPG.enabled=true",
                                "comboColorsJPG.currentText=Grayscale - 8 bpp",
                                "comboInterlaceJPG.currentIndex=1",
                                "comboExtensionJPG.currentText=JPEG" };
    QTest::newRow("pdf") << 5 << "PDF"
                         << QStringList { "spinSizeQualityPDF:=40", "comboCompressionPDF:Down",
                                "comboExtensionPDF:Down" }
                         << QStringList { "Quality=40", "PdfAlg=1", "Ext.PDF=PDP",
                                "OutputExtension=PDP" }
                         << QStringList { "sliderSizeQualityPDF.value=40",
                                "sliderSizeQualityPDF.enabled=false",
                                "comboCompressionPDF.currentIndex=1",
                                "comboExtensionPDF.currentText=PDP" };
    QTest::newRow("png") << 6 << "PNG"
                         << QStringList { "checkBestCompressionPNG:Space",
                                "comboInterlacePNG:Down" }
                         << QStringList { "PNGComp=0", "Interlaced=1" }
                         << QStringList { "checkBestCompressionPNG.checked=false",
                                "comboInterlacePNG.currentIndex=1" };
    QTest::newRow("tif") << 7 << "TIF"
                         << QStringList { "comboCompressionTIF:Down", "comboCompressionTIF:Down",
                                "comboCompressionTIF:Down", "sliderSizeQualityTIF:PageUp",
                                "comboColorsTIF:Down", "comboExtensionTIF:Down" }
                         << QStringList { "TiffAlg=3", "Quality=98", "TiffType=3", "Ext.TIF=TIFF",
                                "OutputExtension=TIFF" }
                         << QStringList { "spinSizeQualityTIF.value=98",
                                "spinSizeQualityTIF.enabled=true",
                                "comboCompressionTIF.currentText=Jpeg - High Quality / Small Size",
                                "comboColorsTIF.currentText=RGBA - 32 bpp",
                                "comboExtensionTIF.currentText=TIFF" };
    QTest::newRow("miff") << 8 << "MIFF" << QStringList { "spinSizeQualityMIF:=5" }
                          << QStringList { "Quality=5" }
                          << QStringList { "sliderSizeQualityMIF.value=5" };
    QTest::newRow("heif") << 9 << "HEIF"
                          << QStringList { "sliderSizeQualityHEIF:Home", "comboExtensionHEIF:Down" }
                          << QStringList { "Quality=1", "Ext.HEIF=HEIC", "OutputExtension=HEIC",
                                 "Lossless=0" }
                          << QStringList { "spinSizeQualityHEIF.value=1",
                                 "comboExtensionHEIF.currentText=HEIC" };
    QTest::newRow("webp") << 10 << "WEBP"
                          << QStringList { "sliderSizeQualityWEBP:Left", "radioLosslessWEBP:Space" }
                          << QStringList { "Quality=87", "Lossless=1" }
                          << QStringList { "spinSizeQualityWEBP.value=87",
                                 "spinSizeQualityWEBP.enabled=false",
                                 "radioLosslessWEBP.checked=true", "radioLossyWEBP.checked=false" };
    QTest::newRow("avif") << 11 << "AVIF" << QStringList { "spinSizeQualityAVIF:=33" }
                          << QStringList { "Quality=33", "Lossless=0" }
                          << QStringList { "sliderSizeQualityAVIF.value=33" };
    QTest::newRow("pict") << 12 << "PICT" << QStringList { "comboExtensionPICT:Up" }
                          << QStringList { "Ext.PICT=PCT", "OutputExtension=PCT" }
                          << QStringList { "comboExtensionPICT.currentText=PCT" };
    QTest::newRow("jpt") << 13 << "JPT" << QStringList { "comboExtensionJPT:End" }
                         << QStringList { "Ext.JPT=J2K", "OutputExtension=J2K" }
                         << QStringList { "comboExtensionJPT.currentText=J2K" };
    QTest::newRow("psd") << 14 << "PSD" << QStringList { "comboExtensionPSD:Down" }
                         << QStringList { "Ext.PSD=PDD" }
                         << QStringList { "comboExtensionPSD.currentText=PDD" };
    QTest::newRow("tga") << 15 << "TGA" << QStringList { "comboExtensionTGA:Down" }
                         << QStringList { "Ext.TGA=ICB" }
                         << QStringList { "comboExtensionTGA.currentText=ICB" };
}

// Every page: what the user sets reaches the job on OK, and the next opening shows it.
void TestFormatSettings::roundTrip()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, shown);

    {
        CFormatSettings dialog(nullptr);
        dialog.kind = EFormatSettingsKind(kind);
        dialog.setWindowTitle(title);
        QCOMPARE(Run(
                     dialog, [&] { Perform(&dialog, steps); }, true),
            1);
    }
    CheckFields(fields);

    CFormatSettings again(nullptr);
    again.kind = EFormatSettingsKind(kind);
    again.setWindowTitle(title);
    QCOMPARE(Run(
                 again, [&] { CheckWidgets(&again, shown); }, false),
        0);
    CheckFields(fields);
}

void TestFormatSettings::resetThenCancel_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("jpg") << 4 << "JPG"
                         << QStringList { "Quality=88", "FixedSize=0", "FileSize=100",
                                "Interlaced=0", "JpegType=1",
                                "CustomProfile=" + CUserProfile::DefaultColorProfile() }
                         << QStringList { "spinSizeQualityJPG.value=88",
                                "spinSizeQualityJPG.enabled=true", "spinFixedSizeJPG.enabled=false",
                                "comboColorsJPG.currentIndex=1" };
    QTest::newRow("tif") << 7 << "TIF"
                         << QStringList { "Quality=88", "TiffAlg=0", "TiffType=2",
                                "CustomProfile=" + CUserProfile::DefaultColorProfile() }
                         << QStringList { "sliderSizeQualityTIF.value=88",
                                "sliderSizeQualityTIF.enabled=false",
                                "comboColorsTIF.currentIndex=2" };
    QTest::newRow("pdf") << 5 << "PDF" << QStringList { "Quality=88", "PdfAlg=0" }
                         << QStringList { "spinSizeQualityPDF.enabled=true" };
    QTest::newRow("webp keeps lossless")
        << 10 << "WEBP" << QStringList { "Quality=88", "Lossless=1" }
        << QStringList { "spinSizeQualityWEBP.value=88", "radioLosslessWEBP.checked=true" };
    QTest::newRow("png only shown") << 6 << "PNG" << QStringList { "PNGComp=0", "Interlaced=0" }
                                    << QStringList { "checkBestCompressionPNG.checked=true" };
}

// Reset writes the defaults at once, and a later Cancel keeps them.
void TestFormatSettings::resetThenCancel()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, shown);

    CUserProfile *p = CUserProfile::instance();
    p->Quality = 12;
    p->FixedSize = true;
    p->FileSize = 700;
    p->Interlaced = 1;
    p->JpegType = 2;
    p->TiffType = 4;
    p->TiffAlg = 5;
    p->PdfAlg = 2;
    p->PNGComp = 0;
    p->Lossless = true;
    p->CustomProfile = QStringLiteral("/somewhere/else.icc");

    CFormatSettings dialog(nullptr);
    dialog.kind = EFormatSettingsKind(kind);
    dialog.setWindowTitle(title);
    QCOMPARE(Run(
                 dialog,
                 [&] {
                     QTest::mouseClick(Child<QPushButton>(&dialog, "buttonReset"), Qt::LeftButton);
                     CheckWidgets(&dialog, shown);
                 },
                 false),
        0);
    CheckFields(fields);
}

void TestFormatSettings::cancelWritesNothing()
{
    CFormatSettings dialog(nullptr);
    dialog.kind = EFormatSettingsKind::JPG;
    dialog.setWindowTitle(QStringLiteral("JPG"));
    QCOMPARE(Run(
                 dialog,
                 [&] {
                     Perform(&dialog,
                         { "sliderSizeQualityJPG:PageDown", "comboInterlaceJPG:Down",
                             "comboExtensionJPG:Down", "comboColorsJPG:Up" });
                 },
                 false),
        0);
    CheckFields(
        { "Quality=88", "Interlaced=0", "JpegType=1", "Ext.JPG=(none)", "OutputExtension=jpg" });
}

// Picking "Custom": a cancelled file dialog puts the list back; a chosen file is taken at
// once, the loaded custom profile is forgotten, and Cancel does not undo it.
void TestFormatSettings::iccProfileChoice()
{
    QString askedFolder;
    QString answer;
    SetOpenFileChooser(
        [&](QWidget *, const QString &, const QString &start, const QString &filter) {
            askedFolder = start;
            if (!filter.contains(QLatin1String("*.icm")))
                return QString();
            return answer;
        });
    CUserProfile::instance()->CustomProfile = QStringLiteral("/profiles/old.icc");
    CUserProfile::instance()->JpegType = 0;

    CFormatSettings dialog(nullptr);
    dialog.kind = EFormatSettingsKind::JPG;
    dialog.setWindowTitle(QStringLiteral("JPG"));
    QComboBox *colors = Child<QComboBox>(&dialog, "comboColorsJPG");
    Run(
        dialog,
        [&] {
            Perform(&dialog, { "comboColorsJPG:Down", "comboColorsJPG:End" });
            QCOMPARE(askedFolder, QStringLiteral("/profiles"));
            QCOMPARE(colors->currentIndex(), 1); // back on RGB, picked before
            answer = QStringLiteral("/profiles/new.icm");
            Perform(&dialog, { "comboColorsJPG:Up", "comboColorsJPG:End" });
            QCOMPARE(colors->currentIndex(), 3);
        },
        false);
    CheckFields({ "CustomProfile=/profiles/new.icm", "JpegType=0" });
    QVERIFY(!CIMColorProfiles::instance()->IsLoaded(CIMColorProfiles::ProfileCustom));
}

// ImageMagick 6 writes HEIF and AVIF lossy whatever it is asked: those pages offer no
// lossless choice, keep their quality usable, and OK drops a lossless choice left by WEBP.
void TestFormatSettings::heifAndAvifOfferNoLossless()
{
    for (const auto kind : { EFormatSettingsKind::HEIF, EFormatSettingsKind::AVIF }) {
        CUserProfile::instance()->Lossless = true;
        CFormatSettings dialog(nullptr);
        dialog.kind = kind;
        dialog.setWindowTitle(kind == EFormatSettingsKind::HEIF ? "HEIF" : "AVIF");
        QVERIFY(!dialog.findChild<QWidget *>("radioLosslessHEIF"));
        QVERIFY(!dialog.findChild<QWidget *>("radioLosslessAVIF"));
        const QString spin
            = kind == EFormatSettingsKind::HEIF ? "spinSizeQualityHEIF" : "spinSizeQualityAVIF";
        Run(
            dialog, [&] { QVERIFY(Child<QSpinBox>(&dialog, spin)->isEnabled()); }, true);
        CheckFields({ "Lossless=0" });
    }
}

// PTIF gets the TIF page (its entry starts with "TIF" in the first four characters): its
// extension choice is filed under PTIF, not handed to TIF output.
void TestFormatSettings::sharedPageFilesUnderOwnFormat()
{
    CFormatSettings dialog(nullptr);
    dialog.kind = EFormatSettingsKind::TIF;
    dialog.setWindowTitle(QStringLiteral("PTIF"));
    Run(
        dialog,
        [&] {
            CheckWidgets(
                &dialog, { "comboExtensionTIF.count=1", "comboExtensionTIF.currentText=PTIF" });
        },
        true);
    CheckFields({ "Ext.PTIF=PTIF", "Ext.TIF=(none)", "OutputExtension=PTIF" });
}

// Indices from a damaged document show the first entry, and OK writes an index that exists.
void TestFormatSettings::damagedIndicesKeepFirstEntry()
{
    CUserProfile::instance()->JpegType = 9;
    CUserProfile::instance()->Interlaced = -4;
    CFormatSettings dialog(nullptr);
    dialog.kind = EFormatSettingsKind::JPG;
    dialog.setWindowTitle(QStringLiteral("JPG"));
    Run(
        dialog, [] {}, true);
    CheckFields({ "JpegType=0", "Interlaced=0" });
}

// Reset puts CustomProfile back, so the file read from the earlier choice must be dropped.
void TestFormatSettings::resetForgetsLoadedCustomProfile()
{
    CIMColorProfiles *profiles = CIMColorProfiles::instance();
    CUserProfile::instance()->CustomProfile
        = QStringLiteral(QUENDRASIL_TEST_SOURCE_DIR "/../../data/sRGB.icm");
    profiles->ClearCustomLoaded();
    QVERIFY(profiles->Load(CIMColorProfiles::ProfileCustom));
    QVERIFY(profiles->IsLoaded(CIMColorProfiles::ProfileCustom));

    CFormatSettings dialog(nullptr);
    dialog.kind = EFormatSettingsKind::TIF;
    dialog.setWindowTitle(QStringLiteral("TIF"));
    Run(
        dialog,
        [&] { QTest::mouseClick(Child<QPushButton>(&dialog, "buttonReset"), Qt::LeftButton); },
        false);
    QVERIFY(!profiles->IsLoaded(CIMColorProfiles::ProfileCustom));
}

void TestFormatSettings::helpKey()
{
    QStringList topics;
    SetHelpTopicHandler([&](const QString &topic) { topics << topic; });
    for (const auto kind : { EFormatSettingsKind::JPG, EFormatSettingsKind::TGA,
             EFormatSettingsKind::NoSettings, EFormatSettingsKind::KeepOriginal }) {
        CFormatSettings dialog(nullptr);
        dialog.kind = kind;
        dialog.setWindowTitle(QStringLiteral("X"));
        Run(
            dialog, [&] { QTest::keyClick(&dialog, Qt::Key_F1); }, false);
    }
    SetHelpTopicHandler(nullptr);
    QCOMPARE(topics, QStringList({ "formats_jpg.html", "formats_original.html" }));
}

QUENDRASIL_TEST_MAIN(TestFormatSettings, QApplication)
#include "tst_formatsettings.moc"
