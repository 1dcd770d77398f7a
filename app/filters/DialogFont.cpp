#include "DialogFont.h"
#include "ui_DialogFont.h"

#include "UserProfile.h"

namespace {

const QStringList SizeChoices = { QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12"),
    QStringLiteral("14"), QStringLiteral("18"), QStringLiteral("24"), QStringLiteral("36"),
    QStringLiteral("48"), QStringLiteral("72") };
constexpr int PresetSizeIndex = 5; // "24"
constexpr int SmallestSize = 8;

// A size that is empty, not a number or below 1 falls back to the smallest choice.
int SizeValue(const QString &text)
{
    const int size = text.toInt();
    return size >= 1 ? size : SmallestSize;
}

} // namespace

CDialogFont::CDialogFont(QWidget *parent)
    : QDialog(parent)
    , form(std::make_unique<Ui::CDialogFont>())
    , m_profile(CUserProfile::instance())
{
    form->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    form->textSample->setStyleSheet(m_profile->IsDarkTheme()
            ? QStringLiteral("background-color: rgb( 30, 30, 30 );")
            : QStringLiteral("background-color: rgb( 255, 255, 255 );"));
}

CDialogFont::~CDialogFont() = default;

int CDialogFont::exec()
{
    form->comboFontSize->clear();
    form->comboFontSize->addItems(SizeChoices);
    form->comboFontSize->setCurrentIndex(PresetSizeIndex);
    form->comboFontSize->setEditText(FontSize);
    // An empty description is not a font: keep the default one rather than warn.
    QFont font;
    if (!FontFamily.trimmed().isEmpty())
        font.fromString(FontFamily);
    form->comboFont->setCurrentFont(font);
    form->checkBold->setChecked(Bold);
    form->checkItalic->setChecked(Italic);
    form->checkUnderline->setChecked(Underline);
    form->checkStrikeOut->setChecked(StrikeOut);
    UpdateSample();
    return QDialog::exec();
}

void CDialogFont::UpdateSample()
{
    QFont font = form->comboFont->currentFont();
    font.setWeight(form->checkBold->isChecked() ? QFont::Bold : QFont::Normal);
    font.setStyle(form->checkItalic->isChecked() ? QFont::StyleItalic : QFont::StyleNormal);
    font.setUnderline(form->checkUnderline->isChecked());
    font.setStrikeOut(form->checkStrikeOut->isChecked());
    font.setPixelSize(SizeValue(form->comboFontSize->currentText()));
    form->textSample->setFont(font);
    form->textSample->setText(QStringLiteral("AaBcYyZz"));
}

void CDialogFont::on_comboFont_currentFontChanged(const QFont &)
{
    UpdateSample();
}

void CDialogFont::on_comboFontSize_editTextChanged(const QString &text)
{
    const int index = SizeChoices.indexOf(QString::number(text.toInt()));
    if (index >= 0)
        form->comboFontSize->setCurrentIndex(index);
    UpdateSample();
}

void CDialogFont::on_checkBold_clicked()
{
    UpdateSample();
}

void CDialogFont::on_checkItalic_clicked()
{
    UpdateSample();
}

void CDialogFont::on_checkUnderline_clicked()
{
    UpdateSample();
}

void CDialogFont::on_checkStrikeOut_clicked()
{
    UpdateSample();
}

void CDialogFont::on_buttonOK_clicked()
{
    // The description goes on with size and style fields after the family.
    FontFamily = form->comboFont->currentFont().toString().section(QLatin1Char(','), 0, 0);
    Bold = form->checkBold->isChecked();
    Italic = form->checkItalic->isChecked();
    Underline = form->checkUnderline->isChecked();
    StrikeOut = form->checkStrikeOut->isChecked();
    FontSize = QString::number(SizeValue(form->comboFontSize->currentText()));
    accept();
}

void CDialogFont::on_buttonCancel_clicked()
{
    reject();
}
