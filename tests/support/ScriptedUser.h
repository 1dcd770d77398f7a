#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <functional>

// Answers the modal windows a test opens, as a user would, from an application event filter:
// message boxes with the next planned button, menus by the text of an entry, and any other
// dialog by the next planned handler (which gets the dialog once it is shown and runs its
// events like a hand would). Unplanned boxes are answered with `defaultAnswer`, unplanned
// dialogs rejected (see rejectUnplanned), so that no test ever blocks.
class CScriptedUser : public QObject
{
public:
    QList<QMessageBox::StandardButton> boxAnswers;
    QMessageBox::StandardButton defaultAnswer = QMessageBox::Ok;
    QStringList boxesSeen;
    QString menuChoice; // the entry to click in the next menu, without "&"
    QList<std::function<void(QDialog *)>> dialogSteps;
    QStringList dialogsSeen; // class names
    // Unplanned modal dialogs are rejected; off, they are left to the test (a progress
    // window that closes itself).
    bool rejectUnplanned = true;

    // Everything planned was used.
    bool Done() const
    {
        return boxAnswers.isEmpty() && menuChoice.isEmpty() && dialogSteps.isEmpty();
    }
    void Clear()
    {
        boxAnswers.clear();
        boxesSeen.clear();
        menuChoice.clear();
        dialogSteps.clear();
        dialogsSeen.clear();
    }

    // The text of an entry without its shortcut marks ("&&" shows one "&").
    static QString Shown(QString text)
    {
        return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
            .remove(QLatin1Char('&'))
            .replace(QStringLiteral("\x01"), QStringLiteral("&"));
    }

protected:
    // A test's own answer to a dialog it knows by type; true when it took the dialog.
    virtual bool Answer(QDialog *dialog)
    {
        Q_UNUSED(dialog)
        return false;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            boxesSeen << box->text();
            const auto answer = boxAnswers.isEmpty() ? defaultAnswer : boxAnswers.takeFirst();
            QTimer::singleShot(0, box, [box, answer]() {
                if (QAbstractButton *button = box->button(answer))
                    QTest::mouseClick(button, Qt::LeftButton);
                else
                    box->reject();
            });
        } else if (auto *menu = qobject_cast<QMenu *>(watched)) {
            const QString choice = menuChoice;
            menuChoice.clear();
            QTimer::singleShot(0, menu, [menu, choice]() {
                for (QAction *action : menu->actions()) {
                    if (Shown(action->text()) == choice && action->isEnabled()) {
                        QTest::mouseClick(
                            menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                        return;
                    }
                }
                menu->close();
            });
        } else if (auto *dialog = qobject_cast<QDialog *>(watched); dialog && Answer(dialog)) {
            dialogsSeen << QString::fromLatin1(dialog->metaObject()->className());
        } else if (dialog && dialog->isModal() && (rejectUnplanned || !dialogSteps.isEmpty())) {
            dialogsSeen << QString::fromLatin1(dialog->metaObject()->className());
            auto step = dialogSteps.isEmpty() ? std::function<void(QDialog *)>()
                                              : dialogSteps.takeFirst();
            QTimer::singleShot(0, dialog, [dialog, step]() {
                if (step)
                    step(dialog);
                else
                    dialog->reject();
            });
        }
        return false;
    }
};
