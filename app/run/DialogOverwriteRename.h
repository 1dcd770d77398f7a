#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class CDialogOverwriteRename;
}

// Asks for a new name for an output file that already exists: same folder, same extension.
// The caller sets the path before exec and reads it back after an accepted run.
class CDialogOverwriteRename : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogOverwriteRename(QWidget *parent = nullptr);
    ~CDialogOverwriteRename() override;

    void SetPath(const QString &path) { m_path = path; }
    QString Path() const { return m_path; }

public slots:
    int exec() override;

private slots:
    void on_buttonOK_clicked();
    void on_buttonCancel_clicked();

private:
    std::unique_ptr<Ui::CDialogOverwriteRename> form;
    QString m_path;
};
