#pragma once

#include <QColor>
#include <QSize>
#include <QToolButton>
#include <QtGlobal>

#include <functional>

// ColorToParameter and ParameterToColor: a colour as a filter record stores it, one rule for the
// pages and the engine.
#include "StoredValues.h"

// A tool button showing one colour as a framed swatch; a click lets the user choose another.
// ColorChanged() is emitted only for the user's choice, never for SetColor.
class CColorPicker : public QToolButton
{
    Q_OBJECT

public:
    // Asks the user for a colour starting from `initial`; an invalid colour means cancelled.
    using ColorChooser = std::function<QColor(const QColor &initial, QWidget *parent)>;
    // The colour chooser of every button; tests replace it so that no modal loop blocks.
    static ColorChooser ChooseColor;
    static QColor DefaultChooseColor(const QColor &initial, QWidget *parent);

    explicit CColorPicker(QWidget *parent = nullptr);

    void SetColor(QRgb color);
    QRgb Color() const { return m_color; }

signals:
    void ColorChanged();

public slots:
    void OnClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CreateIcon(QRgb color);

    QRgb m_color = qRgb(0, 0, 0);
    QSize m_swatchSize; // invalid until first shown
};
