#pragma once

#include "ReadableStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDebug>
#include <QImage>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>

// How far an unticked box's outline or radio's ring stands out, as the button paints itself
// with its style and palette: its strongest pixel against the field it surrounds and against
// the window around it, the lesser of the two.
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
    const QColor window = button->palette().color(QPalette::Window);
    double againstField = 1;
    double againstWindow = 1;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            againstField = std::max(againstField, ContrastRatio(pixel, field));
            againstWindow = std::max(againstWindow, ContrastRatio(pixel, window));
        }
    }
    return std::min(againstField, againstWindow);
}

// The filled part of a slider's groove, as the slider paints itself when full.
inline QColor GrooveFill(QSlider &slider)
{
    slider.setValue(slider.maximum());
    slider.resize(200, slider.sizeHint().height());
    const QImage image = slider.grab().toImage();
    return image.pixelColor(image.width() / 4, image.height() / 2);
}

// Whether the slider's filled groove, once disabled, differs from the enabled one's and sits
// nearer the window colour.
inline bool DisabledGrooveRecedes(QSlider &slider)
{
    slider.setEnabled(true);
    const QColor enabled = GrooveFill(slider);
    slider.setEnabled(false);
    const QColor disabled = GrooveFill(slider);
    const QColor window = slider.palette().color(QPalette::Window);
    if (disabled != enabled && ContrastRatio(disabled, window) < ContrastRatio(enabled, window))
        return true;
    qWarning() << "disabled groove" << disabled << "enabled" << enabled << "window" << window;
    return false;
}

// Whether the palette and style a program set dim disabled text and a disabled slider's
// groove, and give unticked boxes and radios an outline of at least 3:1 against their field
// and the window.
inline bool ReadableStates()
{
    const QPalette palette = QApplication::palette();
    for (const auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText }) {
        if (palette.color(QPalette::Disabled, role) == palette.color(QPalette::Active, role)) {
            qWarning() << "disabled text not dimmed:" << role;
            return false;
        }
    }
    QSlider slider(Qt::Horizontal);
    if (!DisabledGrooveRecedes(slider))
        return false;
    QCheckBox box(QStringLiteral("Multi-page"));
    QRadioButton radio(QStringLiteral("Auto"));
    const double boxContrast = IndicatorContrast(&box, false);
    const double radioContrast = IndicatorContrast(&radio, true);
    if (boxContrast >= 3.0 && radioContrast >= 3.0)
        return true;
    qWarning() << "indicator outlines" << boxContrast << radioContrast;
    return false;
}
