#pragma once

#include <QColor>

class QPalette;
class QStyle;

// What both programs change in Fusion and in their palettes so that a control's state can be
// seen: disabled text is dimmed (their palettes set every colour group alike), and the
// outlines of check box and radio indicators stand out from the field behind them.

// Fusion, with check box and radio outlines halfway between the field and the text colour
// of the control's own colour group, so at least 3:1 against the field in either theme and
// dimmer on a disabled control. The caller (QApplication::setStyle) owns it.
QStyle *CreateReadableStyle();

// The Disabled group's window text, text and button text halfway to the window colour.
void DimDisabledText(QPalette &palette);

// The contrast ratio of two colours as the accessibility guidelines define it (1 to 21).
double ContrastRatio(const QColor &a, const QColor &b);
