#include "ThemePalette.h"
#include "ReadableStyle.h"

#include <utility>

QPalette MakeThemePalette(const SThemeColours &colours)
{
    QPalette palette;
    const std::pair<QPalette::ColorRole, QColor> roles[] = { { QPalette::Window, colours.window },
        { QPalette::WindowText, colours.text }, { QPalette::Base, colours.base },
        { QPalette::AlternateBase, Qt::yellow }, { QPalette::ToolTipBase, colours.toolTipBase },
        { QPalette::ToolTipText, colours.text }, { QPalette::Text, colours.text },
        { QPalette::Button, colours.window }, { QPalette::ButtonText, colours.text },
        { QPalette::BrightText, Qt::magenta }, { QPalette::Light, colours.window },
        { QPalette::Midlight, Qt::red }, { QPalette::Dark, Qt::gray }, { QPalette::Mid, Qt::red },
        { QPalette::Shadow, colours.shadow }, { QPalette::Highlight, ThemeAccent },
        { QPalette::HighlightedText, Qt::black }, { QPalette::Link, ThemeAccent },
        { QPalette::LinkVisited, ThemeAccent } };
    for (const auto &[role, colour] : roles)
        palette.setBrush(QPalette::All, role, QBrush(colour, Qt::SolidPattern));
    DimDisabledGroup(palette);
    return palette;
}

namespace DarkStyleRules {

QString ToolTip()
{
    return QStringLiteral(
        "QToolTip { color: #FFFFFF; background-color: #26A3E2; border: 1px solid white; }");
}

QString DisabledButton()
{
    return QStringLiteral("QPushButton:!enabled { background-color: #505050; color: #999999; }");
}

QString Menus()
{
    return QStringLiteral("QMenu { background-color: #313131; }"
                          "QMenu::item:!enabled { color: #999999; }"
                          "QMenu::item:selected { color: #FFFFFF; background-color: #26A3E2; }"
                          "QMenu::item:selected:!enabled { color: #000000; }"
                          "QMenu::separator { }");
}

} // namespace DarkStyleRules
