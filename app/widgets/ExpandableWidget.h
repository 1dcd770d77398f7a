#pragma once

#include <QObject>
#include <QString>

class CClickableLabel;
class QPropertyAnimation;
class QWidget;

// Makes a clickable label and the widget under it a section that opens and closes with a
// short animation of the widget's minimum height. The open height is the widget's maximum
// height, which the owner must set. The owner embeds this object; it owns neither the label
// nor the widget.
class CExpandableWidget : public QObject
{
    Q_OBJECT

public:
    CExpandableWidget();

    // Shows or hides the widget at once, without an animation.
    void Initialize(CClickableLabel *label, QWidget *widget, bool expanded);

private slots:
    void OnLabelClicked();
    void AnimationFinishedHiding();

private:
    void ShowCaption();
    QPropertyAnimation *MakeAnimation(int from, int to);

    CClickableLabel *Label = nullptr;
    QString Caption; // the label's text when the section was set up
    QWidget *Widget = nullptr;
    bool Expanded = false;
};
