#include "BalloonPath.h"

namespace {
// A rounded corner: both control points sit on the corner itself.
void CornerTo(QPainterPath &path, qreal cornerX, qreal cornerY, qreal endX, qreal endY)
{
    path.cubicTo(cornerX, cornerY, cornerX, cornerY, endX, endY);
}
} // namespace

QPainterPath MakeBalloonPath(int kind)
{
    QPainterPath path;
    switch (kind) {
    case 0:
    case 1:
        path.moveTo(30, 5);
        path.lineTo(135, 5);
        CornerTo(path, 160, 5, 160, 30);
        path.lineTo(160, 55);
        if (kind == 0) {
            CornerTo(path, 160, 80, 135, 80);
            path.lineTo(30, 80);
            path.lineTo(15, 100);
            path.lineTo(16, 76);
            CornerTo(path, 5, 76, 5, 55);
        } else {
            CornerTo(path, 160, 80, 145, 80);
            path.lineTo(155, 110);
            path.lineTo(115, 80);
            path.lineTo(30, 80);
            CornerTo(path, 5, 80, 5, 55);
        }
        path.lineTo(5, 30);
        CornerTo(path, 5, 5, 30, 5);
        break;
    case 2:
        path.moveTo(40, 20);
        path.lineTo(135, 20);
        CornerTo(path, 160, 20, 160, 45);
        path.lineTo(160, 70);
        CornerTo(path, 160, 95, 135, 95);
        path.lineTo(35, 95);
        CornerTo(path, 5, 95, 5, 70);
        path.lineTo(5, 45);
        CornerTo(path, 5, 20, 20, 20);
        path.lineTo(10, 0);
        path.lineTo(40, 20);
        break;
    default:
        return path;
    }
    path.closeSubpath();
    return path;
}
