#pragma once

#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>
#include <QWidget>

#include <memory>
#include <vector>

// A speech balloon with a few paragraphs of text inside, shown as a first-run tip that
// points at a control. The outline is drawn in its own design box and scaled to the widget;
// every line of text is placed where it fits between the outline's left and right edges at
// its own height, and what does not fit above the bottom is left out.
//
// Light markup in the paragraphs: \bold{...}, \heading{...}, \italic{...} and \code{...}
// format the braced text (ranges do not nest, a missing closing brace formats to the end of
// the paragraph) and a double backslash is one backslash. Anything else is kept as written.
//
// Set the shape first, then the text, then size, move and show the widget.
class CTextWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CTextWidget(QWidget *parent = nullptr);
    ~CTextWidget() override;

    void SetText(const QStringList &paragraphs);
    QSize sizeHint() const override;

    // Read-only, for tests and hosts: the paragraphs laid out by the last layout, in order,
    // with their lines in widget coordinates. A paragraph cut off at the bottom ends with a
    // line placed out of sight at the widget's far corner; the paragraphs after it have no
    // layout.
    int LayoutCount() const;
    const QTextLayout *Layout(int index) const;
    // Whether every paragraph finds room inside the outline at the present size (laid out
    // anew when the size changed: a hidden widget hears of a resize only when it is shown).
    bool AllTextShown();
    // Takes `size`, then grows a tenth at a time (up to three times as wide) until the text
    // finds room: fonts differ from desktop to desktop.
    void ResizeToFit(QSize size);

public slots:
    void SetShape(const QPainterPath &shape);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void LayoutText();

    static constexpr double ParagraphGap = 8.0;
    static constexpr double Margin = 12.0; // between the text and the outline
    double DesignWidth = 100.0;
    double DesignHeight = 100.0;
    double ScaleX = 1.0;
    double ScaleY = 1.0;
    static constexpr int BalloonAlpha = 210;
    QFont Font;
    QPainterPath Shape; // in design coordinates
    std::vector<std::unique_ptr<QTextLayout>> Layouts;
    QStringList Paragraphs; // plain text, the markup removed
    QTextOption Option;
    QSize LaidOutSize; // the widget size of the last layout
    QList<QList<QTextLayout::FormatRange>> Formats; // one list per paragraph
};
