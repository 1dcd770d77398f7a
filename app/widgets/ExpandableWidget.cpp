#include "ExpandableWidget.h"

#include "ClickableLabel.h"

#include <QPropertyAnimation>
#include <QWidget>

namespace {
constexpr int AnimationMilliseconds = 300;
constexpr int ClosedHeight = 2;
} // namespace

CExpandableWidget::CExpandableWidget() = default;

void CExpandableWidget::Initialize(CClickableLabel *label, QWidget *widget, bool expanded)
{
    if (!label || !widget)
        return;
    Label = label;
    Caption = label->text();
    Widget = widget;
    Expanded = expanded;
    Widget->setVisible(Expanded);
    ShowCaption();
    connect(Label, &CClickableLabel::clicked, this, &CExpandableWidget::OnLabelClicked);
}

void CExpandableWidget::ShowCaption()
{
    Label->setText(QStringLiteral("<a href='#'>%1</a>").arg(Caption));
}

void CExpandableWidget::OnLabelClicked()
{
    ShowCaption();
    // A click during an animation needs no care: starting an animation of the same property
    // stops the running one without its finished(), so a reopened section is not hidden.
    QPropertyAnimation *animation;
    if (Expanded) {
        Expanded = false;
        animation = MakeAnimation(Widget->maximumHeight(), ClosedHeight);
        connect(animation, &QPropertyAnimation::finished, this,
            &CExpandableWidget::AnimationFinishedHiding);
    } else {
        Expanded = true;
        Widget->show();
        animation = MakeAnimation(ClosedHeight, Widget->maximumHeight());
    }
    // Without a parent, so nothing else would delete it.
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

QPropertyAnimation *CExpandableWidget::MakeAnimation(int from, int to)
{
    auto *animation = new QPropertyAnimation(Widget, "minimumHeight");
    animation->setDuration(AnimationMilliseconds);
    animation->setStartValue(from);
    animation->setEndValue(to);
    return animation;
}

void CExpandableWidget::AnimationFinishedHiding()
{
    Widget->hide();
}
