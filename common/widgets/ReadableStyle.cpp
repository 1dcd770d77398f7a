#include "ReadableStyle.h"

#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <cmath>

namespace {

QColor Midway(const QColor &a, const QColor &b)
{
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

double Luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

class CReadableStyle : public QProxyStyle
{
public:
    CReadableStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget) const override
    {
        if ((element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton) || !option) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // Fusion draws these outlines from the window colour (darkened by 140 %, lightened by
        // 110 %); handing it the window colour that yields the wanted outline keeps the rest of
        // its drawing as it is.
        const QPalette::ColorGroup group = !(option->state & State_Enabled)
            ? QPalette::Disabled
            : (option->state & State_Active ? QPalette::Active : QPalette::Inactive);
        const QColor outline = Midway(option->palette.color(group, QPalette::Base),
            option->palette.color(group, QPalette::Text));
        // A copy of the option's own type (style options have no virtual destructor).
        const auto draw = [&](auto copy) {
            copy.palette.setColor(QPalette::Window, outline.lighter(140).darker(110));
            QProxyStyle::drawPrimitive(element, &copy, painter, widget);
        };
        if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option))
            draw(*button);
        else
            draw(*option);
    }
};

} // namespace

QStyle *CreateReadableStyle()
{
    return new CReadableStyle;
}

void DimDisabledText(QPalette &palette)
{
    const QColor window = palette.color(QPalette::Disabled, QPalette::Window);
    for (const QPalette::ColorRole role :
        { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(
            QPalette::Disabled, role, Midway(palette.color(QPalette::Disabled, role), window));
}

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}
