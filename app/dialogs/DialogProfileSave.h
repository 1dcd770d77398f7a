#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class CDialogProfileSave;
}

// Asks for a profile's name and description. The caller presets both, runs exec and on 1
// reads them back; the dialog writes no file itself.
class CDialogProfileSave : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogProfileSave(QWidget *parent = nullptr);
    ~CDialogProfileSave() override;

    QString name;
    QString description;

public slots:
    int exec() override;

private slots:
    void on_buttonOk_clicked();
    void on_buttonCancel_clicked();

private:
    std::unique_ptr<Ui::CDialogProfileSave> ui;
};
