#include "FilterWatermarkText.h"

#include "OpenFileChooser.h"
#include "ui_FilterWatermarkText.h"

#include <QDate>
#include <QMenu>

#include "DialogFont.h"
#include "FilterSlots.h"
#include "Folders.h"
#include "Settings.h"
#include "StoredValues.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace {

const QString TextFilePathKey = QStringLiteral("GUI/Filter.WatermarkText.TextFilePath");

// The keyword menu: submenus in order, then their entries in order. "Symbols" and "File" keep
// their titles in every language.
struct SSubmenu
{
    const char *title;
    bool translated;
};

constexpr SSubmenu Submenus[] = {
    { "Symbols", false },
    { "File", false },
    { QT_TRANSLATE_NOOP("CFilterWatermarkText", "Origin"), true },
    { QT_TRANSLATE_NOOP("CFilterWatermarkText", "Image"), true },
    { QT_TRANSLATE_NOOP("CFilterWatermarkText", "Camera"), true },
    { QT_TRANSLATE_NOOP("CFilterWatermarkText", "GPS"), true },
};

struct SKeyword
{
    int submenu; // index into Submenus
    const char *entry; // translated
    char16_t symbol; // shown after the entry and a space; 0: none
    int number;
    const char *keyword; // as the filter reads it, never translated
};

// clang-format off
constexpr SKeyword Keywords[] = {
    { 0, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Copyright"), u'\u00A9', 100, "[Copyright]" },
    { 0, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Registered"), u'\u00AE', 101, "[Registered]" },
    { 0, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Trademark"), u'\u2122', 102, "[Trademark]" },
    { 0, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Servicemark"), u'\u2120', 103, "[Servicemark]" },
    { 1, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Source Filename"), 0, 200, "[Filename]" },
    { 1, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Source Extension"), 0, 201, "[Ext]" },
    { 1, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Source Folder"), 0, 202, "[Folder]" },
    { 1, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Source Path"), 0, 203, "[Path]" },
    { 2, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Artist"), 0, 300, "[OriginArtist]" },
    { 2, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Copyright"), 0, 301, "[OriginCopyright]" },
    { 2, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Date taken"), 0, 302, "[OriginDate]" },
    { 3, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Dimensions"), 0, 400, "[ImageDimensions]" },
    { 3, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Resolution"), 0, 401, "[ImageResolution]" },
    { 4, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Camera Maker"), 0, 500, "[CameraMaker]" },
    { 4, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Camera Model"), 0, 501, "[CameraModel]" },
    { 4, QT_TRANSLATE_NOOP("CFilterWatermarkText", "F-stop"), 0, 502, "[CameraFstop]" },
    { 4, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Exposure"), 0, 503, "[CameraExposure]" },
    { 4, QT_TRANSLATE_NOOP("CFilterWatermarkText", "ISO"), 0, 504, "[CameraISO]" },
    { 4, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Focal Length"), 0, 505, "[CameraFocalLength]" },
    { 4, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Flash"), 0, 506, "[CameraFlash]" },
    { 5, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Latitude"), 0, 600, "[GPSLatitude]" },
    { 5, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Longitude"), 0, 601, "[GPSLongitude]" },
    { 5, QT_TRANSLATE_NOOP("CFilterWatermarkText", "Altitude"), 0, 602, "[GPSAltitude]" },
};
// clang-format on

// A flag as the filter reads it: on when a real number other than 0.
bool IsSet(double value)
{
    return std::isfinite(value) && value != 0.0;
}

} // namespace

QString CFilterWatermarkText::DefaultText()
{
    return tr("Copyright") + QStringLiteral(" [Copyright] ")
        + QString::number(QDate::currentDate().year());
}

CFilterWatermarkText::CFilterWatermarkText(QWidget *parent, int filterId)
    : CFilterPage(parent, filterId)
    , form(std::make_unique<Ui::CFilterWatermarkText>())
{
    form->setupUi(this);
    font.family = defaultFamily;
    font.size = defaultFontSize;
    form->editText->setText(DefaultText());
    connect(form->CPFontColor, &CColorPicker::ColorChanged, this,
        &CFilterWatermarkText::CPFontColorChanged);
}

CFilterWatermarkText::~CFilterWatermarkText() = default;

void CFilterWatermarkText::InitControls()
{
    form->comboPlacement->clear();
    form->comboPlacement->addItems(
        { tr("Top-Left"), tr("Top-Center"), tr("Top-Right"), tr("Middle-Left"), tr("Middle-Center"),
            tr("Middle-Right"), tr("Bottom-Left"), tr("Bottom-Center"), tr("Bottom-Right") });
    form->editText->setFocus(Qt::OtherFocusReason);
    form->editText->selectAll();
}

void CFilterWatermarkText::ShowTextSource(bool fromFile)
{
    form->editText->setEnabled(!fromFile);
    form->buttonAddKeyword->setEnabled(!fromFile);
    form->buttonBrowse->setEnabled(fromFile);
}

void CFilterWatermarkText::ControlChanged(int ms)
{
    if (controlsReady)
        RestartTimer(ms);
}

void CFilterWatermarkText::Initialize()
{
    InitControls();
    // The typed text and the text file stay: Reset keeps what the user wrote and chose.
    form->checkTextFromFile->setChecked(false);
    ShowTextSource(false);
    form->comboPlacement->setCurrentIndex(WatermarkTextSlot::PlacementChoice.fallback);
    form->spinRotation->setValue(defaultRotation);
    form->spinTransparency->setValue(defaultTransparency);
    form->spinDeltaX->setValue(defaultDeltaX);
    form->spinDeltaY->setValue(defaultDeltaY);
    form->CPFontColor->SetColor(defaultColor);
    font = SFont { defaultFamily, defaultFontSize };
    RestartTimer(0);
}

void CFilterWatermarkText::Load(const SFilterRecord &settings, bool startPreview)
{
    namespace Slot = WatermarkTextSlot;
    const auto &value = settings.numbers;
    controlsReady = startPreview;
    InitControls();
    form->editText->setText(settings.texts[Slot::Text]);
    const bool fromFile = IsSet(value[Slot::TextFromFile]);
    form->checkTextFromFile->setChecked(fromFile);
    ShowTextSource(fromFile);
    form->comboPlacement->setCurrentIndex(ChoiceIndex(Truncated(value[Slot::Placement]),
        Slot::PlacementChoice.count, Slot::PlacementChoice.fallback));
    // Truncated, as the filter reads them; what lies outside a box's range is held at its ends
    // (the wrapping rotation box would otherwise turn 400 into 0).
    QSpinBox *rotation = form->spinRotation;
    rotation->setValue(
        std::clamp(Truncated(value[Slot::Rotation]), rotation->minimum(), rotation->maximum()));
    form->spinTransparency->setValue(Truncated(value[Slot::Transparency]));
    form->spinDeltaX->setValue(Truncated(value[Slot::DeltaX]));
    form->spinDeltaY->setValue(Truncated(value[Slot::DeltaY]));
    form->CPFontColor->SetColor(ParameterToColor(value[Slot::TextColor]));
    textFilePath = settings.texts[Slot::TextFilePath];
    // A record without a family (an older or damaged one) takes the default.
    const QString family = settings.texts[Slot::FontFamily];
    font.family = family.trimmed().isEmpty() ? defaultFamily : family;
    font.size = Truncated(value[Slot::FontSize]);
    font.bold = IsSet(value[Slot::Bold]);
    font.italic = IsSet(value[Slot::Italic]);
    font.underline = IsSet(value[Slot::Underline]);
    font.strikeOut = IsSet(value[Slot::StrikeOut]);
    controlsReady = true;
    FinishLoad(settings, startPreview);
}

void CFilterWatermarkText::Save(SFilterRecord &settings)
{
    namespace Slot = WatermarkTextSlot;
    auto &value = settings.numbers;
    settings.numberCount = Slot::NumberCount;
    value[Slot::Placement] = ChoiceIndex(form->comboPlacement->currentIndex(),
        Slot::PlacementChoice.count, Slot::PlacementChoice.fallback);
    value[Slot::DeltaX] = form->spinDeltaX->value();
    value[Slot::DeltaY] = form->spinDeltaY->value();
    value[Slot::FontSize] = font.size;
    value[Slot::TextColor] = ColorToParameter(form->CPFontColor->Color());
    value[Slot::Transparency] = form->spinTransparency->value();
    value[Slot::Rotation] = form->spinRotation->value();
    value[Slot::Bold] = font.bold ? 1 : 0;
    value[Slot::Italic] = font.italic ? 1 : 0;
    value[Slot::Underline] = font.underline ? 1 : 0;
    value[Slot::StrikeOut] = font.strikeOut ? 1 : 0;
    value[Slot::TextFromFile] = form->checkTextFromFile->isChecked() ? 1 : 0;
    settings.textCount = Slot::TextCount;
    settings.texts[Slot::Text] = form->editText->text();
    settings.texts[Slot::FontFamily] = font.family;
    settings.texts[Slot::TextFilePath] = textFilePath;
}

void CFilterWatermarkText::on_editText_textChanged(const QString &)
{
    ControlChanged();
}

void CFilterWatermarkText::on_comboPlacement_activated(int)
{
    ControlChanged();
}

void CFilterWatermarkText::on_spinDeltaX_valueChanged(int)
{
    ControlChanged();
}

void CFilterWatermarkText::on_spinDeltaY_valueChanged(int)
{
    ControlChanged();
}

void CFilterWatermarkText::on_spinRotation_valueChanged(int)
{
    ControlChanged();
}

void CFilterWatermarkText::on_spinTransparency_valueChanged(int)
{
    ControlChanged();
}

void CFilterWatermarkText::CPFontColorChanged()
{
    ControlChanged();
}

void CFilterWatermarkText::on_checkTextFromFile_stateChanged(int)
{
    ShowTextSource(form->checkTextFromFile->isChecked());
    ControlChanged();
}

void CFilterWatermarkText::on_buttonAddKeyword_clicked()
{
    QMenu menu(this);
    QList<QMenu *> submenus;
    for (const SSubmenu &submenu : Submenus) {
        submenus << menu.addMenu(
            submenu.translated ? tr(submenu.title) : QString::fromLatin1(submenu.title));
    }
    for (const SKeyword &keyword : Keywords) {
        QString entry = tr(keyword.entry);
        if (keyword.symbol)
            entry += QLatin1Char(' ') + QChar(keyword.symbol);
        const int number = keyword.number;
        connect(submenus.at(keyword.submenu)->addAction(entry), &QAction::triggered, this,
            [this, number]() { SlotKeyword(number); });
    }
    QWidget *button = form->buttonAddKeyword;
    menu.exec(button->mapToGlobal(button->contentsRect().bottomLeft()));
}

void CFilterWatermarkText::SlotKeyword(int number)
{
    LogMessage(
        QStringLiteral("CFilterWatermarkText::SlotKeyword"), QStringLiteral("[%1]").arg(number));
    QString keyword;
    for (const SKeyword &entry : Keywords) {
        if (entry.number == number)
            keyword = QString::fromLatin1(entry.keyword);
    }
    // Appended wherever the cursor stands; the line's change restarts the preview.
    form->editText->setText(form->editText->text() + keyword);
}

void CFilterWatermarkText::on_buttonBrowse_clicked()
{
    const QString start = ReadSettingString(TextFilePathKey, GetPicturesFolder());
    QString path = ChooseOpenFile(this, tr("Select Text File"), start, QStringLiteral("*.*"));
    if (path.isEmpty())
        return;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    WriteSettingString(TextFilePathKey, path);
    textFilePath = path;
    ControlChanged(QuickDelayMs);
}

void CFilterWatermarkText::on_buttonFont_clicked()
{
    CDialogFont dialog(this);
    dialog.FontFamily = font.family;
    dialog.FontSize = QString::number(font.size);
    dialog.Bold = font.bold;
    dialog.Italic = font.italic;
    dialog.Underline = font.underline;
    dialog.StrikeOut = font.strikeOut;
    if (dialog.exec() != 1)
        return;
    font.family = dialog.FontFamily;
    // The dialog hands back whole numbers; anything else keeps the page's default size.
    bool isNumber = false;
    const int size = dialog.FontSize.toInt(&isNumber);
    font.size = isNumber && size >= 1 ? size : defaultFontSize;
    font.bold = dialog.Bold;
    font.italic = dialog.Italic;
    font.underline = dialog.Underline;
    font.strikeOut = dialog.StrikeOut;
    ControlChanged();
}
