#include "ColorPicker.h"

#include <QColorDialog>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr int SwatchMargin = 8;

} // namespace

CColorPicker::ColorChooser CColorPicker::ChooseColor = &CColorPicker::DefaultChooseColor;

QColor CColorPicker::DefaultChooseColor(const QColor &initial, QWidget *parent)
{
    return QColorDialog::getColor(initial, parent);
}

CColorPicker::CColorPicker(QWidget *parent)
    : QToolButton(parent)
{
    connect(this, &QToolButton::clicked, this, &CColorPicker::OnClick);
    CreateIcon(m_color);
}

void CColorPicker::SetColor(QRgb color)
{
    m_color = color;
    CreateIcon(m_color);
}

void CColorPicker::OnClick()
{
    const QColor initial = QColor::fromRgb(m_color);
    const QColor chosen
        = ChooseColor ? ChooseColor(initial, this) : DefaultChooseColor(initial, this);
    if (!chosen.isValid())
        return;
    m_color = chosen.rgb(); // always opaque: the chooser offers no alpha
    CreateIcon(m_color);
    if (m_swatchSize.isValid())
        setIconSize(m_swatchSize);
    emit ColorChanged();
}

void CColorPicker::showEvent(QShowEvent *event)
{
    QToolButton::showEvent(event);
    m_swatchSize = QSize(width() - SwatchMargin, height() - SwatchMargin);
    setIconSize(m_swatchSize);
    setMinimumSize(size());
    CreateIcon(m_color);
}

void CColorPicker::CreateIcon(QRgb color)
{
    if (!m_swatchSize.isValid() || m_swatchSize.isEmpty()) {
        setIcon(QIcon());
        return;
    }
    QImage swatch(m_swatchSize, QImage::Format_RGB32);
    swatch.fill(color | 0xFF000000u); // the swatch has no alpha channel
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    setIcon(QIcon(QPixmap::fromImage(swatch)));
}
