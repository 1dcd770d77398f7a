#pragma once

#include <QList>
#include <QRect>

class QWidget;

// Centres the widget's frame on the reference widget's frame, then keeps it on the
// available area of the first screen.
void CenterWidgetOnWidget(const QWidget *reference, QWidget *widget);
// The same against a rectangle. (Some callers know this as CenterWidgetInRect(rect,
// screenCount, widget); the screen count was never used.)
void CenterWidgetInRect(const QRect &rect, QWidget *widget);

// The position that centres a frame of `frameSize` on `reference` and clamps it into
// `available` (left and top edges win over right and bottom ones). An empty `available`
// means no clamping.
QPoint CenteredPosition(const QRect &reference, const QSize &frameSize, const QRect &available);

// Gives the widgets one width wide enough for the longest of their texts (translations
// run longer than English), never narrower than the widest minimum the form set.
void WidenToFitText(const QList<QWidget *> &widgets);
