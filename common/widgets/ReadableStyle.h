#pragma once

#include <QColor>

class QPalette;
class QStyle;

// What both programs change in Fusion and in their palettes so that a control's state can be
// seen: disabled text and fills are dimmed (their palettes set every colour group alike), and
// the outlines of check box and radio indicators stand out from the field and the window.

// Fusion, with check box outlines halfway between the field and the text colour of the
// control's own colour group and radio rings two thirds of the way, so both at least 3:1
// against the field and the window in either theme and dimmer on a disabled control. The
// caller (QApplication::setStyle) owns it.
QStyle *CreateReadableStyle();

// The Disabled group's window text, text, button text and highlight halfway to the window
// colour, so that a disabled control's text and its filled groove, chunk or selection recede.
void DimDisabledGroup(QPalette &palette);

// The contrast ratio of two colours as the accessibility guidelines define it (1 to 21).
double ContrastRatio(const QColor &a, const QColor &b);
