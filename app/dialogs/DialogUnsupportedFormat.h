#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class DialogUnsupportedFormat;
}

// Lists, one per line, the files that were left out of the photo list because their format
// cannot be read. The openers collect the paths and show the notice once per adding.
class CDialogUnsupportedFormat : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogUnsupportedFormat(QWidget *parent = nullptr);
    ~CDialogUnsupportedFormat() override;

    // Replaces any earlier list.
    void SetFiles(const QStringList &files);

public slots:
    int exec() override;

private:
    std::unique_ptr<Ui::DialogUnsupportedFormat> ui;
    QStringList UnsupportedFiles;
};
