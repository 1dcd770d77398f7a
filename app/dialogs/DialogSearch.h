#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class CDialogSearch;
}

// Asks for a folder, a file mask and whether subfolders are searched too; searches nothing
// itself. exec returns 1 after OK with a non-empty folder, then the opener reads the three
// results. The browsed folder, the chosen mask item and the box are remembered the moment
// they change, whatever the answer; a typed folder or mask is used but not remembered.
class CDialogSearch : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogSearch(QWidget *parent = nullptr);
    ~CDialogSearch() override;

    QString SearchPath; // with "/" separators; set by OK
    QString SearchMask; // the mask field's text; set by OK
    bool SearchSubfolders = false;

public slots:
    int exec() override;

private slots:
    void on_buttonBrowse_clicked();
    void on_buttonOK_clicked();
    void on_buttonCancel_clicked();
    void on_checkSearchSubfold_clicked();
    void on_comboSearchMask_currentIndexChanged(int index);

private:
    void Init();

    std::unique_ptr<Ui::CDialogSearch> form;
};
