#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class CDialogSocial;
}

class CImageCache;

// Now and then invites the user to follow the maker on two social networks and to sign up
// for the newsletter. It keeps nothing but its own "don't show again" setting.
class CDialogSocial : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogSocial(QWidget *parent = nullptr);
    ~CDialogSocial() override;

public slots:
    // 0 without showing anything once the user has asked not to see it again.
    int exec() override;

private slots:
    void on_buttonFacebook_clicked();
    void on_buttonTwitter_clicked();
    void on_checkShow_clicked();
    void on_buttonSignup_clicked();
    void on_buttonLater_clicked();

private:
    std::unique_ptr<Ui::CDialogSocial> ui;
    CImageCache *ImageCache;
};
