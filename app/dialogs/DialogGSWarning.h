#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class CDialogGSWarning;
}

class CUserProfile;

// Tells the user that PDF and PostScript documents need Ghostscript, with a link to its
// download page. Built for each failed read of such a document; ShouldShow decides whether
// this one is due, so that each format's notice comes at most once per run.
class CDialogGSWarning : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogGSWarning(QWidget *parent = nullptr);
    ~CDialogGSWarning() override;

    // Keeps the name for exec. True, and the format's notice spent, when the name (any letter
    // case) is one of the Ghostscript formats whose notice has not been shown yet.
    bool ShouldShow(const QString &formatName);
    // Builds the notice on `parent` and shows it when it is due for this format.
    static void ShowWhenDue(QWidget *parent, const QString &formatName);

public slots:
    int exec() override;

private slots:
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::CDialogGSWarning> form;
    CUserProfile *m_profile;
    QString m_formatName;
};
