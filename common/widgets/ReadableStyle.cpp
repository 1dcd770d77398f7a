#include "ReadableStyle.h"

#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <cmath>

namespace {

// The colour `share` of the way from a to b.
QColor Between(const QColor &a, const QColor &b, double share)
{
    const auto channel = [share](int from, int to) { return int(from + (to - from) * share); };
    return QColor(
        channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
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
        // A radio's ring is a smoothed curve whose brightest pixel falls well short of its pen
        // (on the dark window by a quarter), so it is drawn nearer the text to show as plainly
        // as the box's crisp outline.
        const double share = element == PE_IndicatorRadioButton ? 2.0 / 3.0 : 0.5;
        const QColor outline = Between(option->palette.color(group, QPalette::Base),
            option->palette.color(group, QPalette::Text), share);
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

void DimDisabledGroup(QPalette &palette)
{
    const QColor window = palette.color(QPalette::Disabled, QPalette::Window);
    // Highlight fills a slider's groove, a progress bar's chunk and a list's selection.
    for (const QPalette::ColorRole role :
        { QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Highlight })
        palette.setColor(QPalette::Disabled, role,
            Between(palette.color(QPalette::Disabled, role), window, 0.5));
}

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}
