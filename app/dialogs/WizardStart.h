#pragma once

#include <QWizard>
#include <QWizardPage>

#include <memory>

namespace Ui {
class CWizardStart;
}

class CImageCache;
class CUserProfile;

class CWizardStartFirst : public QWizardPage
{
    Q_OBJECT

public:
    using QWizardPage::QWizardPage;
};

class CWizardStartSecond : public QWizardPage
{
    Q_OBJECT

public:
    using QWizardPage::QWizardPage;
};

// The welcome wizard shown once the main window is up: how the steps work, where help is,
// and links to the video presentations and the two tutorials. Each page's box turns it off.
class CWizardStart : public QWizard
{
    Q_OBJECT

public:
    explicit CWizardStart(QWidget *parent = nullptr);
    ~CWizardStart() override;

public slots:
    // 0 at once, showing nothing, while the user has turned the wizard off.
    int exec() override;

private slots:
    void on_linkTutorial1_linkActivated();
    void on_linkTutorial2_linkActivated();
    void on_checkShowFirst_clicked();
    void on_checkShowSecond_clicked();
    void CurrentPageChanged(int id);

private:
    void InitLinks();

    std::unique_ptr<Ui::CWizardStart> ui;
    CUserProfile *Profile;
    CImageCache *ImageCache;
};
