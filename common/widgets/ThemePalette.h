#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

// The colours a program's theme gives the palette's roles. Both programs use them alike but
// for the tool tip's base and the shadow.
struct SThemeColours
{
    QColor window; // also button and light
    QColor base;
    QColor text; // window text, text, button text and tool tip text
    QColor toolTipBase;
    QColor shadow;
};

// The accent of both themes: highlight and links.
inline const QColor ThemeAccent(38, 163, 226);

// A default palette with every colour group given the theme's colours, the fixed ones (yellow
// alternate base, magenta bright text, red midlight and mid, grey dark, black highlighted
// text) and the dimmed disabled colours of DimDisabledGroup.
QPalette MakeThemePalette(const SThemeColours &colours);

// Style-sheet rules both programs' dark themes hold, word for word.
namespace DarkStyleRules {
QString ToolTip();
QString DisabledButton();
QString Menus();
} // namespace DarkStyleRules
