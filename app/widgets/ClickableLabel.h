#pragma once

#include <QLabel>

class QMouseEvent;

// A label that reports a mouse press, for a caption that acts like a button (the head of an
// expandable section).
class CClickableLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CClickableLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    // Only reports the press; QLabel does not see it.
    void mousePressEvent(QMouseEvent *event) override;
};
