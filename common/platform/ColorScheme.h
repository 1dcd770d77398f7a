#pragma once

namespace Platform {

// True when the desktop asks for dark colours. Qt 6.4 cannot tell directly, so this reads the
// desktop's settings (GTK_THEME, GNOME's colour scheme, KDE's colour scheme) and falls back to
// the lightness of the desktop's palette. A palette the program set itself never counts: the
// desktop's palette is the one seen before that. The answer is kept until RefreshDesktopScheme.
bool DesktopPrefersDark();

// Reads the desktop's preference again, after the desktop announced a theme change.
void RefreshDesktopScheme();

} // namespace Platform
