#pragma once

namespace Platform {

// True when the desktop asks for dark colours. Qt 6.4 cannot tell directly, so this reads
// the desktop's theme setting and falls back to the lightness of the palette's window colour.
bool DesktopPrefersDark();

} // namespace Platform
