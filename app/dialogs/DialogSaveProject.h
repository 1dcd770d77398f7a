#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class CDialogSaveProject;
}

// Asked when the main window closes on a setup that was never saved: save it as a project
// first? The answer comes back in the three flags, not in the result of exec; with the
// question switched off ("GUI/bShowSaveProject" 0) exec returns 1 at once and none is set.
class CDialogSaveProject : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogSaveProject(QWidget *parent = nullptr);
    ~CDialogSaveProject() override;

    bool cancel = false; // Cancel, Escape or closing the window
    bool yes = false;
    bool no = false;

public slots:
    int exec() override;
    void reject() override;

private slots:
    void on_buttonYes_clicked();
    void on_buttonNo_clicked();
    void on_buttonCancel_clicked();
    void on_checkAsk_clicked();

private:
    std::unique_ptr<Ui::CDialogSaveProject> ui;
};
