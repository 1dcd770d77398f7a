#include "ClickableLabel.h"

#include <QMouseEvent>

CClickableLabel::CClickableLabel(QWidget *parent)
    : QLabel(parent)
{
}

void CClickableLabel::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    emit clicked();
}
