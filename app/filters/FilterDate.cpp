#include "FilterDate.h"

#include "OpenFileChooser.h"
#include "ui_FilterDate.h"

#include <QDir>

#include "DialogFont.h"
#include "Folders.h"
#include "FormatsEnum.h"
#include "Settings.h"
#include "StoredValues.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

namespace {

const QString TextureFolderKey = QStringLiteral("GUI/Filter.Date.TexturePath");

// Years, months, days, hours, minutes and seconds added to the stamped moment.
using Correction = std::array<int, 6>;

// Where each part of the correction text starts and how many characters it takes.
struct SCorrectionPlace
{
    qsizetype position;
    qsizetype length;
};
constexpr SCorrectionPlace CorrectionPlaces[]
    = { { 0, 5 }, { 5, 3 }, { 8, 3 }, { 12, 3 }, { 15, 3 }, { 18, 3 } };

// Flags are on when not 0, as the engine reads them; a damaged value (NaN) is off.
bool IsOn(double value)
{
    return std::isfinite(value) && value != 0.0;
}

int ListChoice(const SFilterRecord &settings, SChoiceSlot choice)
{
    return ChoiceIndex(Truncated(settings.numbers[choice.slot]), choice.count, choice.fallback);
}

int SavedChoice(const QComboBox *list, SChoiceSlot choice)
{
    return ChoiceIndex(list->currentIndex(), choice.count, choice.fallback);
}

// An angle beyond a turn is the same angle within one: the wrapping boxes would otherwise
// take 400 degrees as 0 and -1 as 359.
int WithinTurn(int degrees)
{
    constexpr int FullTurn = 360;
    const int within = degrees % FullTurn;
    return within < 0 ? within + FullTurn : within;
}

double Flag(bool on)
{
    return on ? 1.0 : 0.0;
}

void SetEnabled(std::initializer_list<QWidget *> controls, bool on)
{
    for (QWidget *control : controls)
        control->setEnabled(on);
}

// The correction as stored: a sign and digits for each part, years to seconds, in 21
// characters, "+YYYY+MM+DD +hh+mm+ss".
QString CorrectionText(const Correction &parts)
{
    const auto sign = [](int value) { return value < 0 ? '-' : '+'; };
    return QString::asprintf("%c%04d%c%02d%c%02d %c%02d%c%02d%c%02d", sign(parts[0]),
        std::abs(parts[0]), sign(parts[1]), std::abs(parts[1]), sign(parts[2]), std::abs(parts[2]),
        sign(parts[3]), std::abs(parts[3]), sign(parts[4]), std::abs(parts[4]), sign(parts[5]),
        std::abs(parts[5]));
}

// Each part read at its place; a part that is no number is 0.
Correction ParseCorrection(const QString &text)
{
    Correction parts {};
    for (std::size_t part = 0; part < parts.size(); ++part) {
        bool ok = false;
        const SCorrectionPlace place = CorrectionPlaces[part];
        const int value = text.mid(place.position, place.length).toInt(&ok);
        parts[part] = ok ? value : 0;
    }
    return parts;
}

} // namespace

CFilterDate::CFilterDate(QWidget *parent, int filterId)
    : CFilterPage(parent, filterId)
    , form(std::make_unique<Ui::FilterDate>())
    , formats(CFormatsEnum::instance())
{
    form->setupUi(this);
    defaults.texturePath = GetProgramFolder() + QStringLiteral("/Data/Sample.png");
    advanced.Initialize(form->labelAdvanced, form->widgetAdvanced, false);
    Twin(form->dialRotation, form->spinRotation);
    Twin(form->dialShadowAngle, form->spinShadowAngle);
    connect(form->CPFontColor, &CColorPicker::ColorChanged, this, &CFilterDate::CPFontColorChanged);
    connect(
        form->CPStrokeColor, &CColorPicker::ColorChanged, this, &CFilterDate::CPStrokeColorChanged);
    connect(form->CPBoxColor, &CColorPicker::ColorChanged, this, &CFilterDate::CPBoxColorChanged);
    connect(
        form->CPShadowColor, &CColorPicker::ColorChanged, this, &CFilterDate::CPShadowColorChanged);
    form->editTexturePath->hide();
    form->tabWidget->setCurrentIndex(0);
    controlsReady = true;
}

CFilterDate::~CFilterDate() = default;

void CFilterDate::InitControls()
{
    form->comboShow->clear();
    form->comboShow->addItems({ tr("Original Date & Time"), tr("Original Date"),
        tr("Original Time"), tr("Current Date & Time"), tr("Current Date"), tr("Current Time") });
    // Layouts and separators are the same in every language.
    form->comboFormat->clear();
    form->comboFormat->addItems(
        { QStringLiteral("MMM-DD-YYYY"), QStringLiteral("MMM-DD-YY"), QStringLiteral("DD-MMM-YYYY"),
            QStringLiteral("DD-MMM-YY"), QStringLiteral("YYYY-MMM-DD"), QStringLiteral("YY-MMM-DD"),
            QStringLiteral("MM-DD-YYYY"), QStringLiteral("MM-DD-YY"), QStringLiteral("DD-MM-YYYY"),
            QStringLiteral("DD-MM-YY"), QStringLiteral("YYYY-MM-DD"), QStringLiteral("YY-MM-DD") });
    form->comboSeparator->clear();
    form->comboSeparator->addItems({ QStringLiteral(" "), QStringLiteral("-"), QStringLiteral("/"),
        QStringLiteral("."), QStringLiteral(",") });
    form->comboFormatEnd->clear();
    form->comboFormatEnd->addItems(
        { QStringLiteral("HH:MM AM/PM"), QStringLiteral("HH:MM:SS AM/PM"),
            QStringLiteral("HH:MM 24h"), QStringLiteral("HH:MM:SS 24h") });
    form->comboPlacement->clear();
    form->comboPlacement->addItems(
        { tr("Top-Left"), tr("Top-Center"), tr("Top-Right"), tr("Middle-Left"), tr("Middle-Center"),
            tr("Middle-Right"), tr("Bottom-Left"), tr("Bottom-Center"), tr("Bottom-Right") });
    form->comboShow->setFocus(Qt::OtherFocusReason);
}

void CFilterDate::ShowCorrection(const QString &text)
{
    const Correction parts = ParseCorrection(text);
    form->spinOffsetYears->setValue(parts[0]);
    form->spinOffsetMonths->setValue(parts[1]);
    form->spinOffsetDays->setValue(parts[2]);
    form->spinOffsetHours->setValue(parts[3]);
    form->spinOffsetMinutes->setValue(parts[4]);
    form->spinOffsetSeconds->setValue(parts[5]);
}

void CFilterDate::ShowTexturePath(const QString &path)
{
    // The line only carries the path to Save; the user never edits it.
    form->editTexturePath->setText(QDir::toNativeSeparators(path));
    form->editTexturePath->hide();
}

void CFilterDate::EnableTexture(bool on)
{
    form->editTexturePath->setEnabled(on);
    form->buttonBrowseTexture->setEnabled(on);
    form->CPFontColor->setEnabled(!on); // the texture takes the colour's place
}

void CFilterDate::EnableStroke(bool on)
{
    SetEnabled({ form->CPStrokeColor, form->spinStrokeAlpha, form->spinStrokeWidth }, on);
}

void CFilterDate::EnableShadow(bool on)
{
    SetEnabled({ form->CPShadowColor, form->spinShadowAlpha, form->sliderShadowDistance,
                   form->spinShadowAngle, form->dialShadowAngle, form->sliderShadowBlur },
        on);
}

void CFilterDate::EnableBox(bool on)
{
    for (QWidget *control :
        { static_cast<QWidget *>(form->CPBoxColor), static_cast<QWidget *>(form->spinBoxAlpha),
            static_cast<QWidget *>(form->spinBoxOffset) })
        control->setEnabled(on);
}

void CFilterDate::Initialize()
{
    InitControls();
    form->comboShow->setCurrentIndex(defaults.shown);
    form->comboFormat->setCurrentIndex(defaults.dateLayout);
    form->comboSeparator->setCurrentIndex(defaults.separator);
    form->comboFormatEnd->setCurrentIndex(defaults.timeLayout);
    ShowCorrection(defaults.correction);
    form->comboPlacement->setCurrentIndex(defaults.placement);
    form->spinDeltaX->setValue(defaults.deltaX);
    form->spinDeltaY->setValue(defaults.deltaY);
    form->spinRotation->setValue(defaults.rotation);
    form->spinTransparency->setValue(defaults.transparency);

    form->CPFontColor->SetColor(defaults.textColor);
    form->checkUseTexture->setChecked(defaults.useTexture);
    ShowTexturePath(defaults.texturePath);
    EnableTexture(defaults.useTexture);
    form->sliderBlur->setValue(defaults.blur);
    font = { defaults.fontFamily, defaults.fontSize };

    form->checkUseStroke->setChecked(defaults.useStroke);
    form->CPStrokeColor->SetColor(defaults.strokeColor);
    form->spinStrokeAlpha->setValue(defaults.strokeTransparency);
    form->spinStrokeWidth->setValue(defaults.strokeWidth);
    EnableStroke(defaults.useStroke);

    form->checkUseBox->setChecked(defaults.useBox);
    form->CPBoxColor->SetColor(defaults.boxColor);
    form->spinBoxAlpha->setValue(defaults.boxTransparency);
    form->spinBoxOffset->setValue(defaults.boxMargin);
    EnableBox(defaults.useBox);

    form->checkUseShadow->setChecked(defaults.useShadow);
    form->CPShadowColor->SetColor(defaults.shadowColor);
    form->spinShadowAlpha->setValue(defaults.shadowTransparency);
    form->sliderShadowDistance->setValue(defaults.shadowDistance);
    form->spinShadowAngle->setValue(defaults.shadowAngle);
    form->sliderShadowBlur->setValue(defaults.shadowBlur);
    EnableShadow(defaults.useShadow);

    RestartTimer(0);
}

void CFilterDate::Load(const SFilterRecord &settings, bool startPreview)
{
    controlsReady = startPreview;
    InitControls();
    const auto &value = settings.numbers;
    // Integer controls take the stored numbers truncated; the spin boxes hold them in range.
    const auto whole = [&value](int slot) { return Truncated(value[std::size_t(slot)]); };
    form->comboShow->setCurrentIndex(ListChoice(settings, DateSlot::ShownChoice));
    form->comboFormat->setCurrentIndex(ListChoice(settings, DateSlot::DateLayoutChoice));
    form->comboSeparator->setCurrentIndex(ListChoice(settings, DateSlot::SeparatorChoice));
    form->comboFormatEnd->setCurrentIndex(ListChoice(settings, DateSlot::TimeLayoutChoice));
    ShowCorrection(settings.texts[DateSlot::Correction]);
    form->comboPlacement->setCurrentIndex(ListChoice(settings, DateSlot::PlacementChoice));
    // The shifts are percents with a fraction, shown as stored (to the box's one decimal).
    const auto shift = [&value](int slot, double fallback) {
        const double stored = value[std::size_t(slot)];
        return std::isfinite(stored) ? stored : fallback;
    };
    form->spinDeltaX->setValue(shift(DateSlot::DeltaX, defaults.deltaX));
    form->spinDeltaY->setValue(shift(DateSlot::DeltaY, defaults.deltaY));
    form->spinRotation->setValue(WithinTurn(whole(DateSlot::Rotation)));
    form->spinTransparency->setValue(whole(DateSlot::Transparency));

    form->CPFontColor->SetColor(ParameterToColor(value[DateSlot::TextColor]));
    const bool textured = IsOn(value[DateSlot::UseTexture]);
    form->checkUseTexture->setChecked(textured);
    ShowTexturePath(settings.texts[DateSlot::TexturePath]);
    EnableTexture(textured);
    form->sliderBlur->setValue(whole(DateSlot::Blur));
    font = { settings.texts[DateSlot::FontFamily], whole(DateSlot::FontSize),
        IsOn(value[DateSlot::Bold]), IsOn(value[DateSlot::Italic]),
        IsOn(value[DateSlot::Underline]), IsOn(value[DateSlot::StrikeOut]) };

    const bool stroked = IsOn(value[DateSlot::UseStroke]);
    form->checkUseStroke->setChecked(stroked);
    form->CPStrokeColor->SetColor(ParameterToColor(value[DateSlot::StrokeColor]));
    form->spinStrokeAlpha->setValue(whole(DateSlot::StrokeTransparency));
    form->spinStrokeWidth->setValue(whole(DateSlot::StrokeWidth));
    EnableStroke(stroked);

    const bool boxed = IsOn(value[DateSlot::UseBox]);
    form->checkUseBox->setChecked(boxed);
    form->CPBoxColor->SetColor(ParameterToColor(value[DateSlot::BoxColor]));
    form->spinBoxAlpha->setValue(whole(DateSlot::BoxTransparency));
    form->spinBoxOffset->setValue(whole(DateSlot::BoxMargin));
    EnableBox(boxed);

    const bool shadowed = IsOn(value[DateSlot::UseShadow]);
    form->checkUseShadow->setChecked(shadowed);
    form->CPShadowColor->SetColor(ParameterToColor(value[DateSlot::ShadowColor]));
    form->spinShadowAlpha->setValue(whole(DateSlot::ShadowTransparency));
    form->sliderShadowDistance->setValue(whole(DateSlot::ShadowDistance));
    form->spinShadowAngle->setValue(WithinTurn(whole(DateSlot::ShadowAngle)));
    form->sliderShadowBlur->setValue(whole(DateSlot::ShadowBlur));
    EnableShadow(shadowed);

    controlsReady = true;
    FinishLoad(settings, startPreview);
}

void CFilterDate::Save(SFilterRecord &settings)
{
    auto &value = settings.numbers;
    settings.numberCount = DateSlot::NumberCount;
    value[DateSlot::Shown] = SavedChoice(form->comboShow, DateSlot::ShownChoice);
    value[DateSlot::DateLayout] = SavedChoice(form->comboFormat, DateSlot::DateLayoutChoice);
    value[DateSlot::Placement] = SavedChoice(form->comboPlacement, DateSlot::PlacementChoice);
    value[DateSlot::FontSize] = font.size;
    value[DateSlot::TextColor] = ColorToParameter(form->CPFontColor->Color());
    value[DateSlot::Transparency] = form->spinTransparency->value();
    value[DateSlot::TimeLayout] = SavedChoice(form->comboFormatEnd, DateSlot::TimeLayoutChoice);
    value[DateSlot::DeltaX] = form->spinDeltaX->value();
    value[DateSlot::DeltaY] = form->spinDeltaY->value();
    value[DateSlot::Rotation] = form->spinRotation->value();
    value[DateSlot::Bold] = Flag(font.bold);
    value[DateSlot::Italic] = Flag(font.italic);
    value[DateSlot::Underline] = Flag(font.underline);
    value[DateSlot::StrikeOut] = Flag(font.strikeOut);
    value[DateSlot::Separator] = SavedChoice(form->comboSeparator, DateSlot::SeparatorChoice);
    value[DateSlot::UseTexture] = Flag(form->checkUseTexture->isChecked());
    value[DateSlot::Blur] = form->sliderBlur->value();
    value[DateSlot::UseStroke] = Flag(form->checkUseStroke->isChecked());
    value[DateSlot::StrokeColor] = ColorToParameter(form->CPStrokeColor->Color());
    value[DateSlot::StrokeTransparency] = form->spinStrokeAlpha->value();
    value[DateSlot::StrokeWidth] = form->spinStrokeWidth->value();
    value[DateSlot::UseShadow] = Flag(form->checkUseShadow->isChecked());
    value[DateSlot::ShadowColor] = ColorToParameter(form->CPShadowColor->Color());
    value[DateSlot::ShadowTransparency] = form->spinShadowAlpha->value();
    value[DateSlot::ShadowDistance] = form->sliderShadowDistance->value();
    value[DateSlot::ShadowAngle] = form->spinShadowAngle->value();
    value[DateSlot::ShadowBlur] = form->sliderShadowBlur->value();
    value[DateSlot::UseBox] = Flag(form->checkUseBox->isChecked());
    value[DateSlot::BoxColor] = ColorToParameter(form->CPBoxColor->Color());
    value[DateSlot::BoxTransparency] = form->spinBoxAlpha->value();
    value[DateSlot::BoxMargin] = form->spinBoxOffset->value();

    settings.textCount = DateSlot::TextCount;
    settings.texts[DateSlot::FontFamily] = font.family;
    settings.texts[DateSlot::TexturePath]
        = form->editTexturePath->text().replace(QLatin1Char('\\'), QLatin1Char('/'));
    settings.texts[DateSlot::Correction]
        = CorrectionText({ form->spinOffsetYears->value(), form->spinOffsetMonths->value(),
            form->spinOffsetDays->value(), form->spinOffsetHours->value(),
            form->spinOffsetMinutes->value(), form->spinOffsetSeconds->value() });
}

void CFilterDate::Changed()
{
    if (controlsReady)
        RestartTimer(SlowDelayMs);
}

void CFilterDate::on_comboShow_activated(int)
{
    Changed();
}

void CFilterDate::on_comboFormat_activated(int)
{
    Changed();
}

void CFilterDate::on_comboSeparator_activated(int)
{
    Changed();
}

void CFilterDate::on_comboFormatEnd_activated(int)
{
    Changed();
}

void CFilterDate::on_comboPlacement_activated(int)
{
    Changed();
}

void CFilterDate::on_spinOffsetYears_valueChanged(int)
{
    Changed();
}

void CFilterDate::on_spinOffsetMonths_valueChanged(int)
{
    Changed();
}

void CFilterDate::on_spinOffsetDays_valueChanged(int)
{
    Changed();
}

void CFilterDate::on_spinOffsetHours_valueChanged(int)
{
    Changed();
}

void CFilterDate::on_spinOffsetMinutes_valueChanged(int)
{
    Changed();
}

void CFilterDate::on_spinOffsetSeconds_valueChanged(int)
{
    Changed();
}

void CFilterDate::on_spinDeltaX_valueChanged(double)
{
    Changed();
}

void CFilterDate::on_spinDeltaY_valueChanged(double)
{
    Changed();
}

void CFilterDate::on_spinTransparency_valueChanged(int)
{
    Changed();
}

void CFilterDate::on_sliderBlur_valueChanged(int)
{
    Changed();
}

void CFilterDate::on_spinStrokeAlpha_valueChanged(int)
{
    Changed();
}

void CFilterDate::on_spinStrokeWidth_valueChanged(int)
{
    Changed();
}

void CFilterDate::on_spinBoxAlpha_valueChanged(int)
{
    Changed();
}

void CFilterDate::on_spinBoxOffset_valueChanged(int)
{
    Changed();
}

void CFilterDate::on_spinShadowAlpha_valueChanged(int)
{
    Changed();
}

void CFilterDate::on_sliderShadowDistance_valueChanged(int)
{
    Changed();
}

void CFilterDate::on_sliderShadowBlur_valueChanged(int)
{
    Changed();
}

void CFilterDate::CPFontColorChanged()
{
    Changed();
}

void CFilterDate::CPStrokeColorChanged()
{
    Changed();
}

void CFilterDate::CPBoxColorChanged()
{
    Changed();
}

void CFilterDate::CPShadowColorChanged()
{
    Changed();
}

void CFilterDate::on_checkUseTexture_clicked(bool on)
{
    EnableTexture(on);
    Changed();
}

void CFilterDate::on_checkUseStroke_clicked(bool on)
{
    EnableStroke(on);
    Changed();
}

void CFilterDate::on_checkUseShadow_clicked(bool on)
{
    EnableShadow(on);
    Changed();
}

void CFilterDate::on_checkUseBox_clicked(bool on)
{
    EnableBox(on);
    Changed();
}

void CFilterDate::on_buttonFont_clicked()
{
    CDialogFont dialog(this);
    dialog.FontFamily = font.family;
    dialog.FontSize = QString::number(font.size);
    dialog.Bold = font.bold;
    dialog.Italic = font.italic;
    dialog.Underline = font.underline;
    dialog.StrikeOut = font.strikeOut;
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A size that is no whole number of 1 or more draws nothing: the page's own size instead.
    bool ok = false;
    const int size = dialog.FontSize.toInt(&ok);
    font = { dialog.FontFamily, ok && size >= 1 ? size : defaults.fontSize, dialog.Bold,
        dialog.Italic, dialog.Underline, dialog.StrikeOut };
    Changed();
}

void CFilterDate::on_buttonBrowseTexture_clicked()
{
    const QString folder = ReadSettingString(TextureFolderKey, GetPicturesFolder());
    QString path
        = ChooseOpenFile(this, tr("Select Watermark Image"), folder, formats->FileDialogFilter());
    if (path.isEmpty())
        return;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    ShowTexturePath(path);
    WriteSettingString(TextureFolderKey, path.left(path.lastIndexOf(QLatin1Char('/'))));
    Changed();
}
