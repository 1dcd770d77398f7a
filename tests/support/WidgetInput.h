#pragma once

// A user's hand on the common controls: real mouse clicks and key presses.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

// Picks a combo box row from its opened list, as a user choosing it does.
inline void Choose(QComboBox *combo, int index)
{
    if (index < 0 || index >= combo->count())
        qFatal("no row %d in %s", index, qPrintable(combo->objectName()));
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    const QModelIndex row = combo->model()->index(index, 0);
    view->scrollTo(row);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(row).center());
    if (combo->currentIndex() != index)
        qFatal("row %d of %s not taken", index, qPrintable(combo->objectName()));
}

// On the box itself: a wide check box takes clicks on its box and text only.
inline void Click(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// Replaces the edit's text by typing.
inline void TypeInto(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}
