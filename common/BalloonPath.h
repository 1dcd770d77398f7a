#pragma once

#include <QPainterPath>

// Outline of the tip balloons: kind 0 has its tail at the bottom left, 1 at the bottom
// right, 2 at the top left. Any other kind gives an empty path.
QPainterPath MakeBalloonPath(int kind);
