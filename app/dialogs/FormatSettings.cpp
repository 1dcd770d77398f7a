#include "FormatSettings.h"

#include "OpenFileChooser.h"
#include "ui_FormatSettings.h"

#include "ColorProfiles.h"
#include "FormatsEnum.h"
#include "HelpTopics.h"
#include "UserProfile.h"

#include <QKeyEvent>

#include <array>

namespace {

constexpr int DefaultQuality = 88;

// Help pages of kinds 1 to 11.
const std::array<const char *, 12> HelpPages
    = { nullptr, "formats_original.html", "formats_gif.html", "formats_jp2.html",
          "formats_jpg.html", "formats_pdf.html", "formats_png.html", "formats_tiff.html",
          "formats_miff.html", "formats_heif.html", "formats_webp.html", "formats_avif.html" };

void FillInterlace(QComboBox *combo)
{
    combo->addItem(QStringLiteral("No Interlace"));
    combo->addItem(QStringLiteral("Line Interlace"));
}

// A stored index the list does not hold (a damaged document) keeps the first entry rather
// than leaving the list empty-handed and writing -1 back.
void SetIndex(QComboBox *combo, int index)
{
    if (index >= 0 && index < combo->count())
        combo->setCurrentIndex(index);
}

} // namespace

CFormatSettings::CFormatSettings(QWidget *parent)
    : QDialog(parent)
    , profile(CUserProfile::instance())
    , formats(CFormatsEnum::instance())
    , colorProfiles(CIMColorProfiles::instance())
{
    form = new Ui::CFormatSettings;
    form->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

CFormatSettings::~CFormatSettings()
{
    delete form;
}

void CFormatSettings::SetFormatExtension(
    CUserProfile *profile, const QString &format, const QString &extension)
{
    profile->FormatExtensions.insert(format.toUpper(), extension.toUpper());
}

int CFormatSettings::exec()
{
    form->stackedWidget->setCurrentIndex(int(kind));
    Init();
    return QDialog::exec();
}

void CFormatSettings::Init()
{
    switch (kind) {
    case EFormatSettingsKind::KeepOriginal:
        for (const SFormatRecord &row : formats->Formats()) {
            if (row.canWrite)
                form->comboOutputFormat->addItem(row.coder);
        }
        SetIndex(form->comboOutputFormat,
            form->comboOutputFormat->findText(profile->DefaultFormat, Qt::MatchContains));
        break;
    case EFormatSettingsKind::GIF:
        FillInterlace(form->comboInterlaceGIF);
        SetIndex(form->comboInterlaceGIF, profile->Interlaced);
        break;
    case EFormatSettingsKind::JP2:
        form->sliderSizeQualityJP2->setValue(profile->Quality);
        form->spinSizeQualityJP2->setValue(profile->Quality);
        FillInterlace(form->comboInterlaceJP2);
        SetIndex(form->comboInterlaceJP2, profile->Interlaced);
        break;
    case EFormatSettingsKind::JPG:
        form->sliderSizeQualityJPG->setValue(profile->Quality);
        form->spinSizeQualityJPG->setValue(profile->Quality);
        form->checkFixedSizeJPG->setChecked(profile->FixedSize);
        form->spinFixedSizeJPG->setValue(profile->FileSize);
        form->sliderSizeQualityJPG->setEnabled(!profile->FixedSize);
        form->spinSizeQualityJPG->setEnabled(!profile->FixedSize);
        form->spinFixedSizeJPG->setEnabled(profile->FixedSize);
        form->comboColorsJPG->addItem(QStringLiteral("Grayscale - 8 bpp"));
        form->comboColorsJPG->addItem(QStringLiteral("RGB - 24 bpp"));
        form->comboColorsJPG->addItem(QStringLiteral("CMYK - 32 bpp"));
        form->comboColorsJPG->addItem(tr("Custom"));
        SetIndex(form->comboColorsJPG, profile->JpegType);
        previousColorIndex = form->comboColorsJPG->currentIndex();
        FillInterlace(form->comboInterlaceJPG);
        SetIndex(form->comboInterlaceJPG, profile->Interlaced);
        FillExtensions(form->comboExtensionJPG);
        break;
    case EFormatSettingsKind::PDF: {
        for (const char *text :
            { "Jpeg - High Quality / Small Size", "LZW - Best Quality / Large Size",
                "RLE - Best Quality / Large Size", "Zip - Best Quality / Medium Size" })
            form->comboCompressionPDF->addItem(QLatin1String(text));
        SetIndex(form->comboCompressionPDF, profile->PdfAlg);
        form->sliderSizeQualityPDF->setValue(profile->Quality);
        form->spinSizeQualityPDF->setValue(profile->Quality);
        const bool jpeg = form->comboCompressionPDF->currentIndex() == PdfCompression::Jpeg;
        form->sliderSizeQualityPDF->setEnabled(jpeg);
        form->spinSizeQualityPDF->setEnabled(jpeg);
        FillExtensions(form->comboExtensionPDF);
        break;
    }
    case EFormatSettingsKind::PNG:
        form->checkBestCompressionPNG->setChecked(profile->PNGComp != 0);
        FillInterlace(form->comboInterlacePNG);
        SetIndex(form->comboInterlacePNG, profile->Interlaced);
        break;
    case EFormatSettingsKind::TIF: {
        for (const char *text : { "LZW - Best Quality / Large Size",
                 "RLE - Best Quality / Large Size", "Zip - Best Quality / Medium Size",
                 "Jpeg - High Quality / Small Size", "Fax3 - Fax Quality / Small Size",
                 "Fax4 - Fax Quality / Small Size", "None - Best Quality / Largest Size" })
            form->comboCompressionTIF->addItem(QLatin1String(text));
        SetIndex(form->comboCompressionTIF, profile->TiffAlg);
        form->sliderSizeQualityTIF->setValue(profile->Quality);
        form->spinSizeQualityTIF->setValue(profile->Quality);
        const bool jpeg = form->comboCompressionTIF->currentIndex() == TiffCompression::Jpeg;
        form->sliderSizeQualityTIF->setEnabled(jpeg);
        form->spinSizeQualityTIF->setEnabled(jpeg);
        form->comboColorsTIF->addItem(QStringLiteral("Mono - 1 bpp"));
        form->comboColorsTIF->addItem(QStringLiteral("Palette - 8 bpp"));
        form->comboColorsTIF->addItem(QStringLiteral("RGB - 24 bpp"));
        form->comboColorsTIF->addItem(QStringLiteral("RGBA - 32 bpp"));
        form->comboColorsTIF->addItem(QStringLiteral("CMYK - 32 bpp"));
        form->comboColorsTIF->addItem(tr("Custom"));
        SetIndex(form->comboColorsTIF, profile->TiffType);
        previousColorIndex = form->comboColorsTIF->currentIndex();
        FillExtensions(form->comboExtensionTIF);
        break;
    }
    case EFormatSettingsKind::MIFF:
        form->sliderSizeQualityMIF->setValue(profile->Quality);
        form->spinSizeQualityMIF->setValue(profile->Quality);
        break;
    case EFormatSettingsKind::HEIF:
        // ImageMagick 6 writes HEIF lossy whatever is asked: the quality always counts.
        form->sliderSizeQualityHEIF->setValue(profile->Quality);
        form->spinSizeQualityHEIF->setValue(profile->Quality);
        FillExtensions(form->comboExtensionHEIF);
        break;
    case EFormatSettingsKind::WEBP:
        form->sliderSizeQualityWEBP->setValue(profile->Quality);
        form->spinSizeQualityWEBP->setValue(profile->Quality);
        form->radioLosslessWEBP->setChecked(profile->Lossless);
        form->radioLossyWEBP->setChecked(!profile->Lossless);
        form->sliderSizeQualityWEBP->setEnabled(!profile->Lossless);
        form->spinSizeQualityWEBP->setEnabled(!profile->Lossless);
        break;
    case EFormatSettingsKind::AVIF:
        form->sliderSizeQualityAVIF->setValue(profile->Quality);
        form->spinSizeQualityAVIF->setValue(profile->Quality);
        break;
    case EFormatSettingsKind::PICT:
        FillExtensions(form->comboExtensionPICT);
        break;
    case EFormatSettingsKind::JPT:
        FillExtensions(form->comboExtensionJPT);
        break;
    case EFormatSettingsKind::PSD:
        FillExtensions(form->comboExtensionPSD);
        break;
    case EFormatSettingsKind::TGA:
        FillExtensions(form->comboExtensionTGA);
        break;
    default:
        break;
    }
}

void CFormatSettings::FillExtensions(QComboBox *combo)
{
    // The title names the format whose extensions these are.
    const QString title = windowTitle().toUpper();
    const SFormatRecord row = formats->Find(title);
    if (row.coder.isEmpty())
        return;
    const QString wanted = profile->FormatExtensions.value(title, title);
    const QStringList parts = row.ExtensionList();
    for (const QString &part : parts)
        combo->addItem(part);
    SetIndex(combo, parts.indexOf(wanted));
}

void CFormatSettings::WriteExtension(QComboBox *combo)
{
    // An empty list (the title names no format) has nothing to file: an empty extension
    // would give output files no extension at all.
    const QString text = combo->currentText();
    const SFormatRecord row = formats->Find(windowTitle());
    if (text.isEmpty() || row.coder.isEmpty())
        return;
    // Filed under the format the list belongs to, so that a format that only shares the
    // page (PTIF on the TIF page) does not hand its extension to TIF output.
    SetFormatExtension(profile, row.coder, text);
    profile->RenameSettings.OutputExtension = text;
}

void CFormatSettings::accept()
{
    switch (kind) {
    case EFormatSettingsKind::KeepOriginal:
        if (!form->comboOutputFormat->currentText().isEmpty())
            profile->DefaultFormat = form->comboOutputFormat->currentText();
        break;
    case EFormatSettingsKind::GIF:
        profile->Interlaced = form->comboInterlaceGIF->currentIndex();
        break;
    case EFormatSettingsKind::JP2:
        profile->Quality = form->spinSizeQualityJP2->value();
        profile->Interlaced = form->comboInterlaceJP2->currentIndex();
        break;
    case EFormatSettingsKind::JPG:
        profile->Quality = form->spinSizeQualityJPG->value();
        profile->FixedSize = form->checkFixedSizeJPG->isChecked();
        profile->FileSize = form->spinFixedSizeJPG->value();
        profile->JpegType = form->comboColorsJPG->currentIndex();
        profile->Interlaced = form->comboInterlaceJPG->currentIndex();
        WriteExtension(form->comboExtensionJPG);
        break;
    case EFormatSettingsKind::PDF:
        profile->PdfAlg = form->comboCompressionPDF->currentIndex();
        profile->Quality = form->spinSizeQualityPDF->value();
        WriteExtension(form->comboExtensionPDF);
        break;
    case EFormatSettingsKind::PNG:
        profile->PNGComp = form->checkBestCompressionPNG->isChecked() ? 1 : 0;
        profile->Interlaced = form->comboInterlacePNG->currentIndex();
        break;
    case EFormatSettingsKind::TIF:
        profile->TiffAlg = form->comboCompressionTIF->currentIndex();
        profile->Quality = form->spinSizeQualityTIF->value();
        profile->TiffType = form->comboColorsTIF->currentIndex();
        WriteExtension(form->comboExtensionTIF);
        break;
    case EFormatSettingsKind::MIFF:
        profile->Quality = form->spinSizeQualityMIF->value();
        break;
    case EFormatSettingsKind::HEIF:
        profile->Quality = form->spinSizeQualityHEIF->value();
        WriteExtension(form->comboExtensionHEIF);
        // The writer would otherwise swap this page's quality for 100, which is not lossless.
        profile->Lossless = false;
        break;
    case EFormatSettingsKind::WEBP:
        profile->Quality = form->spinSizeQualityWEBP->value();
        profile->Lossless = form->radioLosslessWEBP->isChecked();
        break;
    case EFormatSettingsKind::AVIF:
        profile->Quality = form->spinSizeQualityAVIF->value();
        profile->Lossless = false;
        break;
    case EFormatSettingsKind::PICT:
        WriteExtension(form->comboExtensionPICT);
        break;
    case EFormatSettingsKind::JPT:
        WriteExtension(form->comboExtensionJPT);
        break;
    case EFormatSettingsKind::PSD:
        WriteExtension(form->comboExtensionPSD);
        break;
    case EFormatSettingsKind::TGA:
        WriteExtension(form->comboExtensionTGA);
        break;
    default:
        break;
    }
    QDialog::accept();
}

void CFormatSettings::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_F1) {
        QDialog::keyPressEvent(event);
        return;
    }
    const QString page = HelpPage(kind);
    if (!page.isEmpty())
        ShowHelpTopic(page);
    event->accept();
}

QString CFormatSettings::HelpPage(EFormatSettingsKind kind)
{
    const int index = int(kind);
    return index >= 1 && index < int(HelpPages.size())
        ? QString::fromLatin1(HelpPages.at(size_t(index)))
        : QString();
}

void CFormatSettings::on_buttonOK_clicked()
{
    accept();
}

void CFormatSettings::on_buttonCancel_clicked()
{
    reject();
}

void CFormatSettings::on_sliderSizeQualityJP2_valueChanged(int value)
{
    form->spinSizeQualityJP2->setValue(value);
}

void CFormatSettings::on_spinSizeQualityJP2_valueChanged(int value)
{
    form->sliderSizeQualityJP2->setValue(value);
}

void CFormatSettings::on_sliderSizeQualityJPG_valueChanged(int value)
{
    form->spinSizeQualityJPG->setValue(value);
}

void CFormatSettings::on_spinSizeQualityJPG_valueChanged(int value)
{
    form->sliderSizeQualityJPG->setValue(value);
}

void CFormatSettings::on_sliderSizeQualityPDF_valueChanged(int value)
{
    form->spinSizeQualityPDF->setValue(value);
}

void CFormatSettings::on_spinSizeQualityPDF_valueChanged(int value)
{
    form->sliderSizeQualityPDF->setValue(value);
}

void CFormatSettings::on_sliderSizeQualityTIF_valueChanged(int value)
{
    form->spinSizeQualityTIF->setValue(value);
}

void CFormatSettings::on_spinSizeQualityTIF_valueChanged(int value)
{
    form->sliderSizeQualityTIF->setValue(value);
}

void CFormatSettings::on_sliderSizeQualityMIF_valueChanged(int value)
{
    form->spinSizeQualityMIF->setValue(value);
}

void CFormatSettings::on_spinSizeQualityMIF_valueChanged(int value)
{
    form->sliderSizeQualityMIF->setValue(value);
}

void CFormatSettings::on_sliderSizeQualityHEIF_valueChanged(int value)
{
    form->spinSizeQualityHEIF->setValue(value);
}

void CFormatSettings::on_spinSizeQualityHEIF_valueChanged(int value)
{
    form->sliderSizeQualityHEIF->setValue(value);
}

void CFormatSettings::on_sliderSizeQualityWEBP_valueChanged(int value)
{
    form->spinSizeQualityWEBP->setValue(value);
}

void CFormatSettings::on_spinSizeQualityWEBP_valueChanged(int value)
{
    form->sliderSizeQualityWEBP->setValue(value);
}

void CFormatSettings::on_radioLosslessWEBP_clicked()
{
    form->sliderSizeQualityWEBP->setEnabled(false);
    form->spinSizeQualityWEBP->setEnabled(false);
}

void CFormatSettings::on_radioLossyWEBP_clicked()
{
    form->sliderSizeQualityWEBP->setEnabled(true);
    form->spinSizeQualityWEBP->setEnabled(true);
}

void CFormatSettings::on_sliderSizeQualityAVIF_valueChanged(int value)
{
    form->spinSizeQualityAVIF->setValue(value);
}

void CFormatSettings::on_spinSizeQualityAVIF_valueChanged(int value)
{
    form->sliderSizeQualityAVIF->setValue(value);
}

void CFormatSettings::on_checkFixedSizeJPG_clicked()
{
    const bool fixed = form->checkFixedSizeJPG->isChecked();
    form->sliderSizeQualityJPG->setEnabled(!fixed);
    form->spinSizeQualityJPG->setEnabled(!fixed);
    form->spinFixedSizeJPG->setEnabled(fixed);
}

void CFormatSettings::on_comboCompressionPDF_activated(int index)
{
    form->sliderSizeQualityPDF->setEnabled(index == PdfCompression::Jpeg);
    form->spinSizeQualityPDF->setEnabled(index == PdfCompression::Jpeg);
}

void CFormatSettings::on_comboCompressionTIF_activated(int index)
{
    form->sliderSizeQualityTIF->setEnabled(index == TiffCompression::Jpeg);
    form->spinSizeQualityTIF->setEnabled(index == TiffCompression::Jpeg);
}

void CFormatSettings::on_comboColorsJPG_activated(int index)
{
    if (index == JpegColors::Custom)
        LoadIccProfile(form->comboColorsJPG);
    previousColorIndex = form->comboColorsJPG->currentIndex();
}

void CFormatSettings::on_comboColorsTIF_activated(int index)
{
    if (index == TiffColors::Custom)
        LoadIccProfile(form->comboColorsTIF);
    previousColorIndex = form->comboColorsTIF->currentIndex();
}

void CFormatSettings::LoadIccProfile(QComboBox *colors)
{
    const int slash = profile->CustomProfile.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? profile->CustomProfile : profile->CustomProfile.left(slash);
    const QString path = ChooseOpenFile(
        this, tr("Load Profile"), folder, QStringLiteral("ICC Profiles (*.icc; *.icm)"));
    if (path.isEmpty()) {
        colors->setCurrentIndex(previousColorIndex);
        return;
    }
    profile->CustomProfile = path;
    colorProfiles->ClearCustomLoaded();
}

void CFormatSettings::SetQuality(int value)
{
    switch (kind) {
    case EFormatSettingsKind::JP2:
        form->sliderSizeQualityJP2->setValue(value);
        break;
    case EFormatSettingsKind::JPG:
        form->sliderSizeQualityJPG->setValue(value);
        break;
    case EFormatSettingsKind::PDF:
        form->sliderSizeQualityPDF->setValue(value);
        break;
    case EFormatSettingsKind::TIF:
        form->sliderSizeQualityTIF->setValue(value);
        break;
    case EFormatSettingsKind::MIFF:
        form->spinSizeQualityMIF->setValue(value);
        break;
    case EFormatSettingsKind::HEIF:
        form->spinSizeQualityHEIF->setValue(value);
        break;
    case EFormatSettingsKind::WEBP:
        form->spinSizeQualityWEBP->setValue(value);
        break;
    case EFormatSettingsKind::AVIF:
        form->spinSizeQualityAVIF->setValue(value);
        break;
    default:
        break;
    }
}

void CFormatSettings::on_buttonReset_clicked()
{
    switch (kind) {
    case EFormatSettingsKind::KeepOriginal:
        SetIndex(form->comboOutputFormat,
            form->comboOutputFormat->findText(QStringLiteral("JPG"), Qt::MatchContains));
        break;
    case EFormatSettingsKind::GIF:
        profile->Interlaced = Interlace::NoInterlace;
        form->comboInterlaceGIF->setCurrentIndex(Interlace::NoInterlace);
        break;
    case EFormatSettingsKind::JP2:
        profile->Quality = DefaultQuality;
        SetQuality(DefaultQuality);
        profile->Interlaced = Interlace::NoInterlace;
        form->comboInterlaceJP2->setCurrentIndex(Interlace::NoInterlace);
        break;
    case EFormatSettingsKind::JPG:
        profile->Quality = DefaultQuality;
        SetQuality(DefaultQuality);
        form->sliderSizeQualityJPG->setEnabled(true);
        form->spinSizeQualityJPG->setEnabled(true);
        profile->FixedSize = false;
        form->checkFixedSizeJPG->setChecked(false);
        profile->FileSize = 100;
        form->spinFixedSizeJPG->setValue(100);
        form->spinFixedSizeJPG->setEnabled(false);
        profile->Interlaced = Interlace::NoInterlace;
        form->comboInterlaceJPG->setCurrentIndex(Interlace::NoInterlace);
        profile->ResetColorProfile();
        // The record would otherwise keep serving the file picked before.
        colorProfiles->ClearCustomLoaded();
        profile->JpegType = JpegColors::Rgb;
        form->comboColorsJPG->setCurrentIndex(JpegColors::Rgb);
        break;
    case EFormatSettingsKind::PDF:
        profile->PdfAlg = PdfCompression::Jpeg;
        form->comboCompressionPDF->setCurrentIndex(PdfCompression::Jpeg);
        form->sliderSizeQualityPDF->setEnabled(true);
        form->spinSizeQualityPDF->setEnabled(true);
        profile->Quality = DefaultQuality;
        SetQuality(DefaultQuality);
        break;
    case EFormatSettingsKind::PNG:
        form->checkBestCompressionPNG->setChecked(true);
        profile->Interlaced = Interlace::NoInterlace;
        form->comboInterlacePNG->setCurrentIndex(Interlace::NoInterlace);
        break;
    case EFormatSettingsKind::TIF:
        profile->TiffAlg = TiffCompression::Lzw;
        form->comboCompressionTIF->setCurrentIndex(TiffCompression::Lzw);
        form->sliderSizeQualityTIF->setEnabled(false);
        form->spinSizeQualityTIF->setEnabled(false);
        profile->Quality = DefaultQuality;
        SetQuality(DefaultQuality);
        profile->ResetColorProfile();
        colorProfiles->ClearCustomLoaded();
        profile->TiffType = TiffColors::Rgb;
        form->comboColorsTIF->setCurrentIndex(TiffColors::Rgb);
        break;
    case EFormatSettingsKind::MIFF:
    case EFormatSettingsKind::HEIF:
    case EFormatSettingsKind::WEBP:
    case EFormatSettingsKind::AVIF:
        profile->Quality = DefaultQuality;
        SetQuality(DefaultQuality);
        break;
    default:
        break;
    }
}
