#include "FilterComment.h"
#include "ui_FilterComment.h"

#include <QMenu>
#include <QTextCursor>

#include "DialogFont.h"
#include "FilterSlots.h"
#include "StoredValues.h"

#include <cmath>

namespace {

// A stored number as the page's integer controls take it: cut towards zero; not a number at
// all (a damaged record) gives the control's default.
int WholeOr(double stored, int fallback)
{
    return std::isfinite(stored) ? Truncated(stored) : fallback;
}

double NumberOr(double stored, double fallback)
{
    return std::isfinite(stored) ? stored : fallback;
}

} // namespace

CFilterComment::CFilterComment(QWidget *parent, int filterId)
    : CFilterPage(parent, filterId)
    , form(std::make_unique<Ui::FilterComment>())
{
    form->setupUi(this);
    defaultComment = form->editComment->toPlainText();
    fontFamily = defaultFontFamily;
    fontSize = defaultFontSize;
    connect(
        form->CPFontColor, &CColorPicker::ColorChanged, this, &CFilterComment::CPFontColorChanged);
}

CFilterComment::~CFilterComment() = default;

void CFilterComment::InitControls()
{
    form->comboAlignment->clear();
    form->comboAlignment->addItems({ tr("Align Left"), tr("Align Center"), tr("Align Right") });
    form->comboPlacement->clear();
    form->comboPlacement->addItems(
        { tr("Top-Left"), tr("Top-Center"), tr("Top-Right"), tr("Middle-Left"), tr("Middle-Center"),
            tr("Middle-Right"), tr("Bottom-Left"), tr("Bottom-Center"), tr("Bottom-Right") });
    form->editComment->setFocus(Qt::OtherFocusReason);
    form->editComment->selectAll();
}

void CFilterComment::Initialize()
{
    InitControls();
    form->comboAlignment->setCurrentIndex(CommentSlot::AlignmentChoice.fallback);
    form->comboPlacement->setCurrentIndex(CommentSlot::PlacementChoice.fallback);
    form->spinTransparency->setValue(defaultTransparency);
    form->spinDeltaX->setValue(defaultDeltaX);
    form->spinDeltaY->setValue(defaultDeltaY);
    form->CPFontColor->SetColor(defaultColor);
    fontFamily = defaultFontFamily;
    fontSize = defaultFontSize;
    bold = italic = underline = strikeOut = false;
    // A reset brings the starting text back too, selected so that typing replaces it.
    form->editComment->setPlainText(defaultComment);
    form->editComment->selectAll();
    RestartTimer(0);
}

void CFilterComment::Load(const SFilterRecord &settings, bool startPreview)
{
    controlsReady = startPreview;
    InitControls();
    const auto &numbers = settings.numbers;
    form->editComment->setPlainText(settings.texts[CommentSlot::Text]);
    form->comboAlignment->setCurrentIndex(ChoiceOf(settings, CommentSlot::AlignmentChoice));
    form->comboPlacement->setCurrentIndex(ChoiceOf(settings, CommentSlot::PlacementChoice));
    form->spinTransparency->setValue(
        WholeOr(numbers[CommentSlot::Transparency], defaultTransparency));
    form->spinDeltaX->setValue(NumberOr(numbers[CommentSlot::DeltaX], defaultDeltaX));
    form->spinDeltaY->setValue(NumberOr(numbers[CommentSlot::DeltaY], defaultDeltaY));
    form->CPFontColor->SetColor(ParameterToColor(numbers[CommentSlot::TextColor]));
    // A record without its texts still draws in a real family.
    const QString family = settings.texts[CommentSlot::FontFamily];
    fontFamily = family.trimmed().isEmpty() ? defaultFontFamily : family;
    fontSize = WholeOr(numbers[CommentSlot::FontSize], defaultFontSize);
    bold = numbers[CommentSlot::Bold] != 0.0;
    italic = numbers[CommentSlot::Italic] != 0.0;
    underline = numbers[CommentSlot::Underline] != 0.0;
    strikeOut = numbers[CommentSlot::StrikeOut] != 0.0;
    controlsReady = true;
    FinishLoad(settings, startPreview);
}

void CFilterComment::Save(SFilterRecord &settings)
{
    auto &numbers = settings.numbers;
    settings.numberCount = CommentSlot::NumberCount;
    numbers[CommentSlot::Placement] = ChoiceIndex(form->comboPlacement->currentIndex(),
        CommentSlot::PlacementChoice.count, CommentSlot::PlacementChoice.fallback);
    numbers[CommentSlot::DeltaX] = form->spinDeltaX->value();
    numbers[CommentSlot::DeltaY] = form->spinDeltaY->value();
    numbers[CommentSlot::FontSize] = fontSize;
    numbers[CommentSlot::TextColor] = ColorToParameter(form->CPFontColor->Color());
    numbers[CommentSlot::Transparency] = form->spinTransparency->value();
    numbers[CommentSlot::Alignment] = ChoiceIndex(form->comboAlignment->currentIndex(),
        CommentSlot::AlignmentChoice.count, CommentSlot::AlignmentChoice.fallback);
    numbers[CommentSlot::Bold] = bold ? 1.0 : 0.0;
    numbers[CommentSlot::Italic] = italic ? 1.0 : 0.0;
    numbers[CommentSlot::Underline] = underline ? 1.0 : 0.0;
    numbers[CommentSlot::StrikeOut] = strikeOut ? 1.0 : 0.0;
    settings.textCount = CommentSlot::TextCount;
    settings.texts[CommentSlot::Text] = form->editComment->toPlainText();
    settings.texts[CommentSlot::FontFamily] = fontFamily;
}

void CFilterComment::ControlChanged()
{
    if (controlsReady)
        RestartTimer(SlowDelayMs);
}

void CFilterComment::CPFontColorChanged()
{
    ControlChanged();
}

void CFilterComment::on_buttonFont_clicked()
{
    CDialogFont dialog(this);
    dialog.FontFamily = fontFamily;
    dialog.FontSize = QString::number(fontSize);
    dialog.Bold = bold;
    dialog.Italic = italic;
    dialog.Underline = underline;
    dialog.StrikeOut = strikeOut;
    if (dialog.exec() != 1)
        return;
    fontFamily = dialog.FontFamily;
    bool isNumber = false;
    const int size = dialog.FontSize.trimmed().toInt(&isNumber);
    fontSize = isNumber && size >= 1 ? size : defaultFontSize;
    bold = dialog.Bold;
    italic = dialog.Italic;
    underline = dialog.Underline;
    strikeOut = dialog.StrikeOut;
    ControlChanged();
}

void CFilterComment::on_spinTransparency_valueChanged(int)
{
    ControlChanged();
}

void CFilterComment::on_spinDeltaY_valueChanged(double)
{
    ControlChanged();
}

void CFilterComment::on_spinDeltaX_valueChanged(double)
{
    ControlChanged();
}

void CFilterComment::on_comboPlacement_activated(int)
{
    ControlChanged();
}

void CFilterComment::on_comboAlignment_activated(int)
{
    ControlChanged();
}

void CFilterComment::on_editComment_textChanged()
{
    ControlChanged();
}

void CFilterComment::on_buttonAddKeyword_clicked()
{
    QMenu menu(this);
    connect(menu.addAction(tr("Source Filename")), &QAction::triggered, this,
        &CFilterComment::SourceFilename);
    connect(menu.addAction(tr("Source Extension")), &QAction::triggered, this,
        &CFilterComment::SourceExtension);
    connect(menu.addAction(tr("Source Folder")), &QAction::triggered, this,
        &CFilterComment::SourceFolder);
    connect(
        menu.addAction(tr("Source Path")), &QAction::triggered, this, &CFilterComment::SourcePath);
    QPushButton *button = form->buttonAddKeyword;
    menu.exec(button->mapToGlobal(button->contentsRect().bottomLeft()));
}

// The engine replaces the keywords as they stand, in any language.
void CFilterComment::SourceFilename()
{
    AppendKeyword(QStringLiteral("[Filename]"));
}

void CFilterComment::SourceExtension()
{
    AppendKeyword(QStringLiteral("[Ext]"));
}

void CFilterComment::SourceFolder()
{
    AppendKeyword(QStringLiteral("[Folder]"));
}

void CFilterComment::SourcePath()
{
    AppendKeyword(QStringLiteral("[Path]"));
}

void CFilterComment::AppendKeyword(const QString &keyword)
{
    // Right after the last character, whatever it is; never on a line of its own.
    QTextCursor cursor(form->editComment->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(keyword);
    form->editComment->setTextCursor(cursor);
}
