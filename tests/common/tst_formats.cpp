#include "FormatsEnum.h"
#include "TestMain.h"

#include <QSet>

class TestFormats : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void catalogueCounts();
    void ghostscriptFormats();
    void readOnlyAndWriteOnlyFormats();
    void commonRowsKeepTheirOptionsPages();
    void optionsPageFollowsTheFirstFourCharacters();
    void cameraRawRowsAreInputOnly();
    void everyRowListsItsOwnName();
    void commonFormatsWithSeveralExtensions();
    void extensionLists();
    void fileDialogFilterText();
    void writeOnlyFormatsHaveNoFilterEntry_data();
    void writeOnlyFormatsHaveNoFilterEntry();
    void findByExtension_data();
    void findByExtension();
    void unknownExtensionGivesEmptyRecord_data();
    void unknownExtensionGivesEmptyRecord();
    void generatingTwiceKeepsTheSameCatalogue();
    void rebuildingFilterAfterAddDoesNotRepeat();
    void deleteInstanceForgetsTheCatalogue();

private:
    static QStringList CodersWhere(bool (*test)(const SFormatRecord &));
    CFormatsEnum *catalogue = nullptr;
};

QStringList TestFormats::CodersWhere(bool (*test)(const SFormatRecord &))
{
    QStringList coders;
    for (const SFormatRecord &record : CFormatsEnum::instance()->Formats())
        if (test(record))
            coders << record.coder;
    return coders;
}

void TestFormats::init()
{
    catalogue = CFormatsEnum::instance();
    catalogue->GenerateList();
}

void TestFormats::cleanup()
{
    CFormatsEnum::DeleteInstance();
    catalogue = nullptr;
}

void TestFormats::catalogueCounts()
{
    const QList<SFormatRecord> &rows = catalogue->Formats();
    QCOMPARE(rows.size(), 182);
    QCOMPARE(CodersWhere([](const SFormatRecord &r) { return r.group == 1; }).size(), 18);
    QCOMPARE(CodersWhere([](const SFormatRecord &r) { return r.cameraRaw; }).size(), 41);
    QCOMPARE(
        CodersWhere([](const SFormatRecord &r) { return r.group == 2 && !r.cameraRaw; }).size(),
        123);
    QCOMPARE(CodersWhere([](const SFormatRecord &r) { return r.group != 1 && r.group != 2; }),
        QStringList());
    QCOMPARE(CodersWhere([](const SFormatRecord &r) { return r.canRead; }).size(), 172);
    QCOMPARE(CodersWhere([](const SFormatRecord &r) { return r.canWrite; }).size(), 116);

    // Common first, then RAW, then the rest.
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows.at(i).group, i < 18 ? 1 : 2);
        QCOMPARE(rows.at(i).cameraRaw, i >= 18 && i < 59);
    }
    QCOMPARE(rows.first().coder, QStringLiteral("AVIF"));
    QCOMPARE(rows.at(18).coder, QStringLiteral("3FR"));
    QCOMPARE(rows.at(59).coder, QStringLiteral("AAI"));
    QCOMPARE(rows.last().coder, QStringLiteral("YUV"));

    // Coders name formats in stored documents, so none may repeat.
    QSet<QString> coders;
    for (const SFormatRecord &record : rows)
        coders.insert(record.coder);
    QCOMPARE(coders.size(), rows.size());
}

void TestFormats::ghostscriptFormats()
{
    const QStringList expected
        = { "EPS", "PDF", "EPI", "EPS2", "EPS3", "EPSF", "EPSI", "EPT", "PS", "PS2", "PS3" };
    QCOMPARE(CodersWhere([](const SFormatRecord &r) { return r.needsGhostscript; }), expected);
    QCOMPARE(catalogue->FindByExtension("pdp").needsGhostscript, true);
}

void TestFormats::readOnlyAndWriteOnlyFormats()
{
    const QStringList readOnlyOthers = { "CALS", "CUBE", "CUR", "CUT", "DCM", "DOT", "EMF", "ICO",
        "MAT", "MVG", "ORA", "PES", "PFA", "PFB", "PIX", "PWP", "RGB565", "RLA", "RLE", "SCT",
        "SFW", "TIM", "TTF", "WPG", "XCF" };
    QCOMPARE(CodersWhere(
                 [](const SFormatRecord &r) { return r.canRead && !r.canWrite && !r.cameraRaw; }),
        readOnlyOthers);
    const QStringList writeOnly
        = { "INFO", "JSON", "KERNEL", "PAM", "PCL", "SHTML", "UBRL", "UBRL6", "UIL", "YAML" };
    QCOMPARE(CodersWhere([](const SFormatRecord &r) { return !r.canRead; }), writeOnly);
    QCOMPARE(CodersWhere([](const SFormatRecord &r) { return !r.canRead && !r.canWrite; }),
        QStringList());
}

void TestFormats::commonRowsKeepTheirOptionsPages()
{
    const QHash<QString, int> special = { { "BMP", 6 }, { "GIF", 5 }, { "JPG", 2 }, { "PDF", 9 },
        { "PNG", 4 }, { "PSD", 7 }, { "TIF", 3 } };
    for (const SFormatRecord &record : catalogue->Formats()) {
        if (record.cameraRaw)
            continue;
        const int expected = record.group == 1 ? special.value(record.coder, 1) : 1;
        QVERIFY2(record.settingsKind == expected, qPrintable(record.coder));
    }
}

// Each writable format's page is the one whose format name stands in the first four characters
// of its Step 3 entry ("PNG8 - ..." the PNG page, "PTIF - ..." the TIF page), in this order.
void TestFormats::optionsPageFollowsTheFirstFourCharacters()
{
    const std::pair<const char *, int> pages[] = { { "GIF", 2 }, { "JP2", 3 }, { "JPG", 4 },
        { "PDF", 5 }, { "PNG", 6 }, { "TIF", 7 }, { "MIFF", 8 }, { "HEIF", 9 }, { "WEBP", 10 },
        { "AVIF", 11 }, { "PICT", 12 }, { "JPT", 13 }, { "PSD", 14 }, { "TGA", 15 } };
    int withPage = 0;
    for (const SFormatRecord &record : catalogue->Formats()) {
        const QString head = (record.coder + QStringLiteral(" - ") + record.description).left(4);
        int expected = 0;
        for (const auto &[name, page] : pages) {
            if (expected == 0 && record.canWrite && head.contains(QLatin1String(name)))
                expected = page;
        }
        withPage += expected != 0;
        QVERIFY2(int(catalogue->OptionsPage(record.coder)) == expected, qPrintable(record.coder));
    }
    QCOMPARE(withPage, 23);
    QCOMPARE(catalogue->OptionsPage(QStringLiteral("png8")), EFormatSettingsKind::PNG);
    QCOMPARE(catalogue->OptionsPage(QStringLiteral("NOPE")), EFormatSettingsKind::NoSettings);
}

void TestFormats::cameraRawRowsAreInputOnly()
{
    for (const SFormatRecord &record : catalogue->Formats()) {
        if (!record.cameraRaw)
            continue;
        QVERIFY2(record.canRead && !record.canWrite && !record.needsGhostscript,
            qPrintable(record.coder));
        QCOMPARE(record.settingsKind, 8);
        QCOMPARE(record.extensions, record.coder);
    }
    const SFormatRecord pef = catalogue->FindByExtension("pef");
    QCOMPARE(pef.description, QStringLiteral("Pentax\\Samsung Digital Camera Raw Image"));
}

void TestFormats::everyRowListsItsOwnName()
{
    // Other code finds a format's row again through its coder.
    for (const SFormatRecord &record : catalogue->Formats()) {
        QVERIFY2(record.ExtensionList().contains(record.coder), qPrintable(record.coder));
        QVERIFY2(!record.description.isEmpty(), qPrintable(record.coder));
        const bool mixedCase = record.coder.startsWith(QStringLiteral("YCbCr"));
        QVERIFY2((record.extensions == record.extensions.toUpper()) != mixedCase,
            qPrintable(record.coder));
    }
}

void TestFormats::commonFormatsWithSeveralExtensions()
{
    // The preferred-extension settings are keyed on exactly these coders.
    QCOMPARE(CodersWhere([](const SFormatRecord &r) {
        return r.group == 1 && r.canWrite && r.ExtensionList().size() > 1;
    }),
        QStringList({ "PICT", "HEIF", "JPT", "JPG", "PDF", "PSD", "TGA", "TIF" }));
    QCOMPARE(catalogue->FindByExtension("JPG").extensions, QStringLiteral("JPG/JPEG/JPE"));
    QCOMPARE(catalogue->FindByExtension("TGA").extensions, QStringLiteral("TGA/ICB/VDA/VST"));
    QCOMPARE(catalogue->FindByExtension("PICT").extensions, QStringLiteral("PCT/PICT"));
}

void TestFormats::extensionLists()
{
    const QStringList &readable = catalogue->ReadableExtensions();
    // 172 readable rows plus the second and later extensions of JPT, JPG, TGA (3 each less
    // one), PICT, HEIF, PDF, PSD, TIF, DCM, ICO, MSL (one each), JBIG (2) and PNM (3).
    QCOMPARE(readable.size(), 193);
    QCOMPARE(readable.mid(0, 6), QStringList({ "AVIF", "BMP", "EPS", "PCT", "PICT", "GIF" }));
    QCOMPARE(readable.last(), QStringLiteral("YUV"));
    QVERIFY(readable.contains("YCbCr"));
    QVERIFY(!readable.contains("INFO"));
    QVERIFY(!readable.contains("PC")); // PCL is write-only

    const QStringList &raw = catalogue->RawExtensions();
    QCOMPARE(raw.size(), 41);
    QCOMPARE(raw.first(), QStringLiteral("3FR"));
    QCOMPARE(raw.last(), QStringLiteral("STI"));
    QVERIFY(raw.contains("NEF"));
    QVERIFY(!raw.contains("JPG"));
}

void TestFormats::fileDialogFilterText()
{
    const QString filter = catalogue->FileDialogFilter();
    QVERIFY(filter.startsWith(
        "Common Formats ( *.AVIF *.BMP *.EPS *.PCT *.PICT *.GIF *.HEIF *.HEIC *.JP2 *.JPT "
        "*.JPC *.J2C *.J2K *.JPG *.JPEG *.JPE *.PCX *.PDF *.PDP *.PNG *.PSD *.PDD *.SGI "
        "*.TGA *.ICB *.VDA *.VST *.TIF *.TIFF *.WBMP *.WEBP *.3FR *.ARI "));
    QVERIFY(filter.endsWith("YUV - CCIR 601 4:1:1 (*.YUV)"));

    const QStringList parts = filter.split(";;");
    QCOMPARE(parts.size(), 1 + 1 + 172);
    QVERIFY(parts.at(0).endsWith(" *.YCbCrA *.YUV )"));
    QCOMPARE(parts.at(0).count("*."), 193);
    QCOMPARE(parts.at(1), QStringLiteral("All Files (*.*)"));
    QCOMPARE(parts.at(2),
        QStringLiteral("AVIF - Format derived from the keyframes of AV1 video (*.AVIF)"));
    QCOMPARE(
        parts.at(5), QStringLiteral("PICT - Apple Macintosh QuickDraw/PICT file (*.PCT *.PICT)"));
    QCOMPARE(parts.at(2 + 18), QStringLiteral("3FR - Hasselblad Digital Camera Raw Image (*.3FR)"));
    QVERIFY(parts.contains("PNM - Portable anymap (*.PNM *.PBM *.PGM *.PPM)"));
    QVERIFY(parts.contains("JPG - Joint Photographic Experts Group JFIF format "
                           "(*.JPG *.JPEG *.JPE)"));
}

void TestFormats::writeOnlyFormatsHaveNoFilterEntry_data()
{
    QTest::addColumn<QString>("coder");
    for (const char *coder :
        { "INFO", "JSON", "KERNEL", "PAM", "PCL", "SHTML", "UBRL", "UBRL6", "UIL", "YAML" })
        QTest::newRow(coder) << QString::fromLatin1(coder);
}

void TestFormats::writeOnlyFormatsHaveNoFilterEntry()
{
    QFETCH(QString, coder);
    const QStringList parts = catalogue->FileDialogFilter().split(";;");
    for (const QString &part : parts)
        QVERIFY2(!part.startsWith(coder + " - "), qPrintable(part));
    QVERIFY(!parts.at(0).contains("*." + coder + " "));
}

void TestFormats::findByExtension_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("coder");

    QTest::newRow("jpeg lower") << "jpeg"
                                << "JPG";
    QTest::newRow("JPEG upper") << "JPEG"
                                << "JPG";
    QTest::newRow("Jpe mixed") << "Jpe"
                               << "JPG";
    QTest::newRow("heic second extension") << "heic"
                                           << "HEIF";
    QTest::newRow("pct preferred extension") << "pct"
                                             << "PICT";
    QTest::newRow("tiff") << "tiff"
                          << "TIF";
    QTest::newRow("vst last extension") << "VST"
                                        << "TGA";
    QTest::newRow("PBM own row before PNM") << "PBM"
                                            << "PBM";
    QTest::newRow("PGM own row before PNM") << "pgm"
                                            << "PGM";
    QTest::newRow("PPM found first in PNM") << "PPM"
                                            << "PNM";
    QTest::newRow("raw") << "nef"
                         << "NEF";
    QTest::newRow("digits") << "3fr"
                            << "3FR";
    QTest::newRow("dicom") << "DICOM"
                           << "DCM";
    QTest::newRow("write-only still found") << "info"
                                            << "INFO";
    QTest::newRow("write-only second extension") << "pc"
                                                 << "PCL";
    QTest::newRow("YCbCr upper") << "YCBCR"
                                 << "YCbCr";
    QTest::newRow("YCbCr lower") << "ycbcr"
                                 << "YCbCr";
    QTest::newRow("YCbCrA not YCbCr") << "ycbcra"
                                      << "YCbCrA";
    QTest::newRow("PNG not PNG8") << "png"
                                  << "PNG";
    QTest::newRow("PNG00") << "png00"
                           << "PNG00";
}

void TestFormats::findByExtension()
{
    QFETCH(QString, extension);
    QFETCH(QString, coder);
    QCOMPARE(catalogue->FindByExtension(extension).coder, coder);
}

void TestFormats::unknownExtensionGivesEmptyRecord_data()
{
    QTest::addColumn<QString>("extension");
    QTest::newRow("unknown") << "XYZ";
    QTest::newRow("empty") << "";
    QTest::newRow("with dot") << ".jpg";
    QTest::newRow("part of a name") << "JP";
    QTest::newRow("whole list") << "JPG/JPEG";
    QTest::newRow("padded") << " JPG";
}

void TestFormats::unknownExtensionGivesEmptyRecord()
{
    QFETCH(QString, extension);
    const SFormatRecord record = catalogue->FindByExtension(extension);
    QVERIFY(record.coder.isEmpty());
    QVERIFY(record.extensions.isEmpty());
    QVERIFY(record.description.isEmpty());
    QVERIFY(!record.canRead && !record.canWrite && !record.cameraRaw && !record.needsGhostscript);
    QCOMPARE(record.settingsKind, 0);
    QCOMPARE(record.group, 0);
}

void TestFormats::generatingTwiceKeepsTheSameCatalogue()
{
    QStringList coders;
    for (const SFormatRecord &record : catalogue->Formats())
        coders << record.coder;
    const QStringList readable = catalogue->ReadableExtensions();
    const QStringList raw = catalogue->RawExtensions();
    const QString filter = catalogue->FileDialogFilter();

    catalogue->GenerateList();
    catalogue->BuildFileDialogFilter();

    QStringList codersAgain;
    for (const SFormatRecord &record : catalogue->Formats())
        codersAgain << record.coder;
    QCOMPARE(codersAgain, coders);
    QCOMPARE(catalogue->ReadableExtensions(), readable);
    QCOMPARE(catalogue->RawExtensions(), raw);
    QCOMPARE(catalogue->FileDialogFilter(), filter);
}

void TestFormats::rebuildingFilterAfterAddDoesNotRepeat()
{
    CFormatsEnum::DeleteInstance();
    catalogue = CFormatsEnum::instance();
    catalogue->Add("AAA", "AAA/AA", true, true, 1, "First", false, 1, false);
    catalogue->Add("BBB", "BBB", false, true, 1, "Output only", false, 2, false);
    catalogue->Add("CCC", "CCC", true, false, 8, "Raw", true, 2, false);
    catalogue->BuildFileDialogFilter();
    catalogue->BuildFileDialogFilter();

    QCOMPARE(catalogue->Formats().size(), 3);
    QCOMPARE(catalogue->ReadableExtensions(), QStringList({ "AAA", "AA", "CCC" }));
    QCOMPARE(catalogue->RawExtensions(), QStringList({ "CCC" }));
    QCOMPARE(catalogue->FileDialogFilter(),
        QStringLiteral("Common Formats ( *.AAA *.AA *.CCC );;All Files (*.*);;"
                       "AAA - First (*.AAA *.AA);;CCC - Raw (*.CCC)"));
}

void TestFormats::deleteInstanceForgetsTheCatalogue()
{
    QCOMPARE(catalogue->Formats().size(), 182);
    CFormatsEnum::DeleteInstance();
    CFormatsEnum::DeleteInstance(); // harmless when already gone
    catalogue = CFormatsEnum::instance();
    QVERIFY(catalogue->Formats().isEmpty());
    QVERIFY(catalogue->ReadableExtensions().isEmpty());
    QVERIFY(catalogue->FileDialogFilter().isEmpty());
    QVERIFY(catalogue->FindByExtension("JPG").coder.isEmpty());
    QCOMPARE(CFormatsEnum::instance(), catalogue);
}

QUENDRASIL_TEST_MAIN(TestFormats, QCoreApplication)
#include "tst_formats.moc"
