#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class CDialogAbout;
}

class CImageCache;
class CUserProfile;

// The product banner beside a scrolling panel with the version, the maker's links and the
// acknowledgements of the libraries the program is built on.
class CDialogAbout : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogAbout(QWidget *parent = nullptr);
    ~CDialogAbout() override;

private:
    void Init();

    std::unique_ptr<Ui::CDialogAbout> form;
    CUserProfile *m_profile;
    CImageCache *m_imageCache;
};
