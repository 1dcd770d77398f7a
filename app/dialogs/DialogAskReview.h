#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class DialogAskReview;
}

class CImageCache;

// Thanks the user, offers the support form and asks for a review in the store, with a box
// to stop asking. Any window may run it; its result only closes it.
class CDialogAskReview : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogAskReview(QWidget *parent = nullptr);
    ~CDialogAskReview() override;

public slots:
    // 0 without showing anything once the user has asked not to be asked again.
    int exec() override;

private slots:
    void on_linkSupport_clicked();
    void on_linkAppStore_clicked();
    void on_checkShow_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::DialogAskReview> ui;
    CImageCache *ImageCache;
};
