#pragma once

#include "ReadableStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDebug>
#include <QImage>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

// How far an unticked box's or radio's outline stands out from the field it surrounds, as the
// button paints itself with its style and palette: the strongest contrast on the left half of
// the indicator's middle row.
inline double IndicatorContrast(QAbstractButton *button, bool radio)
{
    button->setChecked(false);
    button->resize(button->sizeHint());
    const QImage image = button->grab().toImage();
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect box = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
    const QColor field = image.pixelColor(box.center());
    double strongest = 1;
    for (int x = box.left(); x < box.center().x(); ++x)
        strongest
            = std::max(strongest, ContrastRatio(image.pixelColor(x, box.center().y()), field));
    return strongest;
}

// Whether the palette and style a program set dim disabled text and give unticked boxes and
// radios an outline of at least 3:1 against their field.
inline bool ReadableStates()
{
    const QPalette palette = QApplication::palette();
    for (const auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText }) {
        if (palette.color(QPalette::Disabled, role) == palette.color(QPalette::Active, role)) {
            qWarning() << "disabled text not dimmed:" << role;
            return false;
        }
    }
    QCheckBox box(QStringLiteral("Multi-page"));
    QRadioButton radio(QStringLiteral("Auto"));
    const double boxContrast = IndicatorContrast(&box, false);
    const double radioContrast = IndicatorContrast(&radio, true);
    if (boxContrast >= 3.0 && radioContrast >= 3.0)
        return true;
    qWarning() << "indicator outlines" << boxContrast << radioContrast;
    return false;
}
