#pragma once

#include "OverwriteAnswer.h"

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class CDialogOverwrite;
}

class CControlImage;
class CImageCache;
class CUserProfile;

// The question a batch worker asks when its output file exists: the file's path and size, a
// small zoomable preview of the file as stored, and six answers (OverwriteAnswer codes). The
// caller sets the path before exec and reads the answer and the path (changed only by an
// accepted rename) afterwards. Closing the question answers Abort.
class CDialogOverwrite : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogOverwrite(QWidget *parent = nullptr);
    ~CDialogOverwrite() override;

    void SetPath(const QString &path) { m_path = path; }
    QString Path() const { return m_path; }
    int Answer() const { return m_answer; }
    CControlImage *Preview() const;


public slots:
    int exec() override;

private slots:
    void on_buttonYes_clicked();
    void on_buttonNo_clicked();
    void on_buttonYesAll_clicked();
    void on_buttonNoAll_clicked();
    void on_buttonAbort_clicked();
    void on_buttonRename_clicked();
    void on_buttonMaxZoomImage_clicked();
    void on_buttonMinZoomImage_clicked();
    void on_buttonZoomInImage_clicked();
    void on_buttonZoomOutImage_clicked();
    void UpdateZoomText(int percent);

private:
    void SetZoomIcons();
    void LoadPreview();
    void Finish(int answer);

    std::unique_ptr<Ui::CDialogOverwrite> form;
    QString m_path;
    CUserProfile *m_profile;
    CImageCache *m_imageCache;
    int m_answer = OverwriteAnswer::Abort;
};
