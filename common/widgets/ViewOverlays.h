#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QString>

class QPainter;

// The hint texts and pictures a list view draws over its viewport: "drop your photos here"
// while it is empty, a corner symbol always. The photo lists and the details table share it.
class CViewOverlays
{
public:
    // Where one view draws: the area the formulas centre in, the scroll bars that cut into its
    // bottom-right corner, and a shift up (a table's header) for everything.
    struct SArea
    {
        int width = 0;
        int height = 0;
        int rightInset = 0;
        int bottomInset = 0;
        int shiftUp = 0;
    };

    // An image from the image cache (the theme's variant when `themed`), placed centred
    // (alignment 0) or at the bottom-right corner (1), moved by x and y; with `always` false
    // it is drawn only while the view is empty.
    void AddImage(const QString &name, bool themed, int x, int y, bool always, int alignment);
    void AddText(const QString &text, int y, bool always, const QFont &font, const QColor &colour);
    // Themed images in the variant of the theme now in force.
    void ReloadThemed();
    void Paint(QPainter &painter, const SArea &area, bool viewHasItems) const;

private:
    struct SElement
    {
        int kind = 0; // 0 text, 1 image
        QString text; // the text, or the image's resource name
        int x = 0;
        int y = 0;
        QImage image;
        bool themed = false;
        QFont font;
        QColor colour;
        int alignment = 0; // 0 centred, 1 bottom-right corner
        bool always = false; // false: only on an empty view
    };
    QList<SElement> elements;
};
