#include "TextWidget.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLineF>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QTransform>

#include <algorithm>

namespace {

using FormatRanges = QList<QTextLayout::FormatRange>;

QHash<QString, QTextCharFormat> NamedFormats(const QFont &font)
{
    QTextCharFormat base;
    base.setFont(font);

    QTextCharFormat bold = base;
    bold.setFontWeight(QFont::Bold);

    QTextCharFormat heading = bold;
    heading.setFontPointSize(font.pointSize() + 6);

    QTextCharFormat italic = base;
    italic.setFontItalic(true);

    QTextCharFormat code;
    code.setFontFamilies(QStringList { QStringLiteral("Courier") });
    code.setFontPointSize(std::max(font.pointSize() - 2, 4));

    return { { QStringLiteral("bold"), bold }, { QStringLiteral("heading"), heading },
        { QStringLiteral("italic"), italic }, { QStringLiteral("code"), code } };
}

void AppendRange(
    FormatRanges &ranges, qsizetype start, qsizetype end, const QTextCharFormat &format)
{
    QTextLayout::FormatRange range;
    range.start = int(start);
    range.length = int(end - start);
    range.format = format;
    ranges.append(range);
}

// Splits one marked-up paragraph into its plain text and format ranges.
void ParseParagraph(const QString &source, const QHash<QString, QTextCharFormat> &named,
    QString &plain, FormatRanges &ranges)
{
    const QChar backslash(u'\\');
    QTextCharFormat current;
    qsizetype openStart = -1;
    for (qsizetype index = 0; index < source.size(); ++index) {
        const QChar character = source.at(index);
        if (character == backslash) {
            if (index + 1 < source.size() && source.at(index + 1) == backslash) {
                plain += backslash;
                ++index;
                continue;
            }
            const qsizetype brace = source.indexOf(u'{', index + 1);
            if (brace >= 0) {
                const auto found = named.constFind(source.mid(index + 1, brace - index - 1));
                if (found != named.cend()) {
                    // A tag inside an open range drops that range: ranges do not nest.
                    current = found.value();
                    openStart = plain.size();
                    index = brace;
                    continue;
                }
            }
            plain += character;
        } else if (character == u'}' && openStart >= 0) {
            AppendRange(ranges, openStart, plain.size(), current);
            openStart = -1;
        } else {
            plain += character;
        }
    }
    if (openStart >= 0)
        AppendRange(ranges, openStart, plain.size(), current);
}

// The x of every place where the outline crosses the top or the bottom edge of a line band.
QList<qreal> Crossings(const QList<QPolygonF> &polygons, qreal y, qreal lineHeight, qreal width)
{
    const QLineF top(0, y, width, y);
    const QLineF bottom = top.translated(0, lineHeight);
    QList<qreal> crossings;
    QPointF point;
    for (const QPolygonF &polygon : polygons) {
        for (qsizetype index = 0; index + 1 < polygon.size(); ++index) {
            const QLineF edge(polygon.at(index), polygon.at(index + 1));
            if (top.intersects(edge, &point) == QLineF::BoundedIntersection)
                crossings.append(point.x());
            if (bottom.intersects(edge, &point) == QLineF::BoundedIntersection)
                crossings.append(point.x());
        }
    }
    return crossings;
}

} // namespace

CTextWidget::CTextWidget(QWidget *parent)
    : QWidget(parent)
    , Option(Qt::AlignLeft)
{
    Font.setPointSizeF(9.0);
    Font.setWeight(QFont::Bold);
    Option.setWrapMode(QTextOption::WordWrap);
}

CTextWidget::~CTextWidget() = default;

void CTextWidget::SetShape(const QPainterPath &shape)
{
    Shape = shape;
    // The design box runs from 0 to the far edge plus the near margin again.
    const QRectF bounds = Shape.boundingRect();
    DesignWidth = bounds.left() + bounds.right();
    DesignHeight = bounds.top() + bounds.bottom();
    LayoutText();
    update();
}

void CTextWidget::SetText(const QStringList &paragraphs)
{
    const QHash<QString, QTextCharFormat> named = NamedFormats(Font);
    Paragraphs.clear();
    Formats.clear();
    for (const QString &source : paragraphs) {
        QString plain;
        FormatRanges ranges;
        ParseParagraph(source, named, plain, ranges);
        Paragraphs.append(plain);
        Formats.append(ranges);
    }
    LayoutText();
    update();
}

QSize CTextWidget::sizeHint() const
{
    return QSize(int(DesignWidth), int(DesignHeight));
}

int CTextWidget::LayoutCount() const
{
    return int(Layouts.size());
}

bool CTextWidget::AllTextShown()
{
    if (LaidOutSize != size())
        LayoutText();
    if (Layouts.size() != size_t(Paragraphs.size()))
        return false;
    const QPointF outOfSight(width(), height());
    for (const auto &layout : Layouts) {
        for (int index = 0; index < layout->lineCount(); ++index) {
            if (layout->lineAt(index).position() == outOfSight)
                return false;
        }
    }
    return true;
}

const QTextLayout *CTextWidget::Layout(int index) const
{
    if (index < 0 || index >= LayoutCount())
        return nullptr;
    return Layouts.at(index).get();
}

void CTextWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayoutText();
    update();
}

void CTextWidget::LayoutText()
{
    const qreal lineHeight = QFontMetricsF(Font).height();
    // An empty shape has an empty design box; scaling by it would make every coordinate NaN
    // and the line loop below would never reach the bottom.
    ScaleX = DesignWidth > 0 ? width() / DesignWidth : 0.0;
    ScaleY = DesignHeight > 0 ? height() / DesignHeight : 0.0;

    const QList<QPolygonF> polygons
        = Shape.toSubpathPolygons(QTransform::fromScale(ScaleX, ScaleY));
    const QRectF bounds = Shape.boundingRect();
    qreal y = bounds.top() * ScaleY + Margin;
    const qreal bottom = bounds.bottom() * ScaleY - Margin;
    // The far corner of the design box; also right for an empty shape, whose box is empty.
    const QPointF outOfSight(width(), height());

    LaidOutSize = size();
    Layouts.clear();
    for (qsizetype paragraph = 0; paragraph < Paragraphs.size(); ++paragraph) {
        auto layout = std::make_unique<QTextLayout>(Paragraphs.at(paragraph), Font);
        layout->setTextOption(Option);
        layout->setFormats(Formats.at(paragraph));
        layout->beginLayout();
        QTextLine line = layout->createLine();
        while (line.isValid()) {
            if (y + lineHeight > bottom) {
                // The rest of the paragraph is not shown.
                line.setPosition(outOfSight);
                break;
            }
            QList<qreal> crossings = Crossings(polygons, y, lineHeight, width());
            if (crossings.isEmpty() || crossings.size() % 2 != 0) {
                y += lineHeight;
                continue;
            }
            std::sort(crossings.begin(), crossings.end());
            const qsizetype middle = crossings.size() / 2;
            const qreal left = crossings.at(middle - 1) + Margin;
            const qreal right = crossings.at(middle) - Margin;
            line.setLineWidth(right - left);
            line.setPosition(QPointF(left, y));
            y += line.height();
            // Otherwise the same text is tried again lower down, where the outline may be wider.
            if (line.naturalTextWidth() <= right - left && y < bottom)
                line = layout->createLine();
        }
        layout->endLayout();
        Layouts.push_back(std::move(layout));
        y += ParagraphGap;
        if (y + lineHeight > bottom)
            break;
    }
}

void CTextWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(event->rect(), QColor(0, 0, 0, 0));

    painter.save();
    painter.setPen(QPen(QColor(255, 255, 255, BalloonAlpha)));
    painter.setBrush(QColor(38, 163, 226, BalloonAlpha));
    painter.scale(ScaleX, ScaleY);
    painter.drawPath(Shape);
    painter.restore();

    painter.setPen(Qt::white);
    for (const auto &layout : Layouts)
        layout->draw(&painter, QPointF(0, 0));
}

void CTextWidget::ResizeToFit(QSize size)
{
    resize(size);
    const int widest = size.width() * 3;
    while (!AllTextShown() && size.width() < widest) {
        size = QSize(size.width() * 11 / 10, size.height() * 11 / 10);
        resize(size);
    }
}
